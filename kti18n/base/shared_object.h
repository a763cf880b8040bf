// izvSharedObject: base of reference-counted library objects (facets, locale
// implementations, calendar names and the formatting library's shared
// objects). The derived class chooses the initial count; owners take and
// drop references with AddRef and Release, and the last Release deletes the
// object through the virtual destructor.
//
// The count is atomic: one settings object is shared by formats that run on
// different threads, and one facet by locales destroyed on different threads.
#ifndef KTI18N_BASE_SHARED_OBJECT_H
#define KTI18N_BASE_SHARED_OBJECT_H

#include <atomic>
#include <cstdint>

class izvSharedObject {
 public:
  virtual ~izvSharedObject();

  void AddRef() const noexcept { m_refCount.fetch_add(1, std::memory_order_relaxed); }
  // When the count falls from 1 to 0 it is set back to 1 (so a destructor
  // that takes and drops a reference of its own does not delete twice) and
  // the object is deleted.
  void Release() const noexcept;
  // The current count, for checks and diagnostics; another thread may change
  // it at any time.
  std::uint32_t RefCount() const noexcept { return m_refCount.load(std::memory_order_acquire); }

 protected:
  izvSharedObject() = default;
  explicit izvSharedObject(std::uint32_t initialCount) : m_refCount(initialCount) {}
  // A copy is a new object: it starts with no holders.
  izvSharedObject(const izvSharedObject&) : m_refCount(0) {}
  izvSharedObject& operator=(const izvSharedObject&) { return *this; }

 private:
  mutable std::atomic<std::uint32_t> m_refCount{0};
};

#endif
