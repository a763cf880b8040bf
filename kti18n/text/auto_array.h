// ktAutoArray<T>: an owning holder of a new[]-allocated array whose copies
// transfer ownership (the source keeps its pointer but no longer owns it).
#ifndef KTI18N_TEXT_AUTO_ARRAY_H
#define KTI18N_TEXT_AUTO_ARRAY_H

template <typename T>
class ktAutoArray {
 public:
  ktAutoArray() noexcept = default;
  explicit ktAutoArray(T* p) noexcept : m_owns(p != nullptr), m_pointer(p) {}
  ktAutoArray(const ktAutoArray& other) noexcept : m_owns(other.m_owns), m_pointer(other.m_pointer) {
    other.m_owns = false;
  }
  ktAutoArray& operator=(const ktAutoArray& other) noexcept {
    if (m_pointer == other.m_pointer) {
      if (other.m_owns) {
        m_owns = true;
        other.m_owns = false;
      }
      return *this;
    }
    if (m_owns) delete[] m_pointer;
    m_pointer = other.m_pointer;
    m_owns = other.m_owns;
    other.m_owns = false;
    return *this;
  }
  ~ktAutoArray() {
    if (m_owns) delete[] m_pointer;
  }

  T* get() const noexcept { return m_pointer; }
  T& operator*() const noexcept { return *m_pointer; }
  T& operator[](unsigned i) const noexcept { return m_pointer[i]; }
  bool owns() const noexcept { return m_owns; }
  T* release() noexcept {
    m_owns = false;
    return m_pointer;
  }

 private:
  mutable bool m_owns = false;
  T* m_pointer = nullptr;
};

#endif
