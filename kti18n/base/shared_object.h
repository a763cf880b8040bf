// izvSharedObject: base of reference-counted library objects (facets and the
// formatting library's shared objects). The owners manage the count
// themselves and delete the object through the virtual destructor when it
// falls to zero; the initial value is chosen by the derived class.
#ifndef KTI18N_BASE_SHARED_OBJECT_H
#define KTI18N_BASE_SHARED_OBJECT_H

#include <cstdint>

class izvSharedObject {
 public:
  virtual ~izvSharedObject();

  std::uint32_t m_refCount = 0;

 protected:
  izvSharedObject() = default;
  explicit izvSharedObject(std::uint32_t initialCount) : m_refCount(initialCount) {}
  izvSharedObject(const izvSharedObject&) : m_refCount(0) {}
  izvSharedObject& operator=(const izvSharedObject&) { return *this; }
};

#endif
