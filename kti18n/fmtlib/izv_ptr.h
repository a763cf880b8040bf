// izv_ptr<T>: a counted reference to a shared library object (T derives
// from izvSharedObject, whose count starts at 1 for the object's creator).
//
// Taking a pointer (construction, copy, assignment) adds a reference to the
// new object before the old one is released, so assigning an object to a
// pointer that already holds it changes nothing. Releasing the last
// reference sets the count back to 1 and deletes the object through its
// virtual destructor. The count is atomic (izvSharedObject), so pointers
// to one object may be copied and dropped on several threads at once.
#ifndef KTI18N_FMTLIB_IZV_PTR_H
#define KTI18N_FMTLIB_IZV_PTR_H

#include "kti18n/base/shared_object.h"

template <class T>
class izv_ptr {
 public:
  izv_ptr() noexcept = default;
  izv_ptr(T* p) noexcept { take(p); }  // NOLINT: pointers convert, as with the original interface
  izv_ptr(const izv_ptr& other) noexcept { take(other.m_ptr); }
  ~izv_ptr() { release(m_ptr); }

  izv_ptr& operator=(const izv_ptr& other) noexcept {
    take(other.m_ptr);
    return *this;
  }
  izv_ptr& operator=(T* p) noexcept {
    take(p);
    return *this;
  }

  // Holds a new object and takes over its creator's reference (no count
  // added): the way a Create function hands an object to its caller.
  static izv_ptr adopt(T* fresh) noexcept {
    izv_ptr result;
    result.m_ptr = fresh;
    return result;
  }

  T* get() const noexcept { return m_ptr; }
  T* operator->() const noexcept { return m_ptr; }
  T& operator*() const noexcept { return *m_ptr; }
  explicit operator bool() const noexcept { return m_ptr != nullptr; }

 private:
  T* m_ptr = nullptr;

  void take(T* p) noexcept {
    if (p == m_ptr) return;
    if (p != nullptr) static_cast<const izvSharedObject*>(p)->AddRef();
    T* old = m_ptr;
    m_ptr = p;
    release(old);
  }

  static void release(T* p) noexcept {
    if (p != nullptr) static_cast<const izvSharedObject*>(p)->Release();
  }
};

#endif
