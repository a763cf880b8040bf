// ucs2string: the library's text type, a string of UCS-2 code units.
//
// Invariants:
//  - the string holds one pointer to a buffer {uint32 length; units; 0};
//  - a string of length n > 0 owns a heap block of exactly
//    ((2n + 12) & ~7) bytes, so the block size is a function of the length
//    and there is no separate capacity;
//  - length 0 never owns a block: the string points at one of two static
//    buffers, the empty one (nil) or the null one ("no value");
//  - data()[length()] is always 0;
//  - the greatest length is 0x7FFFFFFF units.
// Byte strings (const unsigned char *) are read as UTF-8; a byte count of
// npos means "up to the terminating 0 byte".
#ifndef KTI18N_TEXT_UCS2STRING_H
#define KTI18N_TEXT_UCS2STRING_H

#include <compare>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <iterator>
#include <string>
#include <string_view>

#include "kti18n/base/exception.h"
#include "kti18n/text/auto_array.h"
#include "kti18n/text/string_storage.h"

class zv_utf8string;
class ucs2string;

// Character traits of UCS-2 code units.
struct zv_ucs2_traits {
  using char_type = unsigned short;
  // Fills n units with ch and returns p.
  static unsigned short* assign(unsigned short* p, unsigned int n, const unsigned short& ch);
  static unsigned int length(const unsigned short* s);
  static int compare(const unsigned short* a, const unsigned short* b, unsigned int n);
  static unsigned short* copy(unsigned short* dst, const unsigned short* src, unsigned int n);
  static unsigned short* move(unsigned short* dst, const unsigned short* src, unsigned int n);
  static const unsigned short* find(const unsigned short* s, unsigned int n, unsigned short ch);
};

// Iterators hold the string and an index, so they survive reallocation of
// the string's buffer. Dereferencing checks the index against the current
// length and throws 0x80041128 at or beyond it.
template <bool Const>
class ucs2string_iterator_base {
 public:
  using string_type = std::conditional_t<Const, const ucs2string, ucs2string>;
  using iterator_category = std::random_access_iterator_tag;
  using value_type = unsigned short;
  using difference_type = std::ptrdiff_t;
  using pointer = std::conditional_t<Const, const unsigned short*, unsigned short*>;
  using reference = std::conditional_t<Const, unsigned short, unsigned short&>;

  ucs2string_iterator_base() = default;
  ucs2string_iterator_base(string_type* s, std::uint32_t index) : m_string(s), m_index(index) {}
  // A mutable iterator converts to a constant one.
  template <bool C = Const, typename = std::enable_if_t<C>>
  ucs2string_iterator_base(const ucs2string_iterator_base<false>& other)
      : m_string(other.string()), m_index(other.index()) {}

  reference operator*() const { return (*this)[0]; }
  reference operator[](difference_type k) const;

  ucs2string_iterator_base& operator++() { ++m_index; return *this; }
  ucs2string_iterator_base operator++(int) { auto t = *this; ++m_index; return t; }
  ucs2string_iterator_base& operator--() { --m_index; return *this; }
  ucs2string_iterator_base operator--(int) { auto t = *this; --m_index; return t; }
  ucs2string_iterator_base& operator+=(difference_type k) { m_index = static_cast<std::uint32_t>(m_index + k); return *this; }
  ucs2string_iterator_base& operator-=(difference_type k) { m_index = static_cast<std::uint32_t>(m_index - k); return *this; }
  friend ucs2string_iterator_base operator+(ucs2string_iterator_base it, difference_type k) { return it += k; }
  friend ucs2string_iterator_base operator+(difference_type k, ucs2string_iterator_base it) { return it += k; }
  friend ucs2string_iterator_base operator-(ucs2string_iterator_base it, difference_type k) { return it -= k; }
  friend difference_type operator-(const ucs2string_iterator_base& a, const ucs2string_iterator_base& b) {
    return static_cast<difference_type>(a.m_index) - static_cast<difference_type>(b.m_index);
  }
  friend bool operator==(const ucs2string_iterator_base& a, const ucs2string_iterator_base& b) {
    return a.m_string == b.m_string && a.m_index == b.m_index;
  }
  friend bool operator<(const ucs2string_iterator_base& a, const ucs2string_iterator_base& b) { return a.m_index < b.m_index; }
  friend bool operator>(const ucs2string_iterator_base& a, const ucs2string_iterator_base& b) { return b < a; }
  friend bool operator<=(const ucs2string_iterator_base& a, const ucs2string_iterator_base& b) { return !(b < a); }
  friend bool operator>=(const ucs2string_iterator_base& a, const ucs2string_iterator_base& b) { return !(a < b); }

  string_type* string() const { return m_string; }
  std::uint32_t index() const { return m_index; }

 private:
  string_type* m_string = nullptr;
  std::uint32_t m_index = 0;
};

using ucs2string_iterator = ucs2string_iterator_base<false>;
using const_ucs2string_iterator = ucs2string_iterator_base<true>;

class ucs2string {
 public:
  using value_type = unsigned short;
  using traits_type = zv_ucs2_traits;
  using size_type = unsigned int;
  using iterator = ucs2string_iterator;
  using const_iterator = const_ucs2string_iterator;
  static constexpr size_type npos = 0xFFFFFFFFu;
  static constexpr size_type max_length = 0x7FFFFFFFu;

  using storage = zv_string_storage<unsigned short>;
  using buffer_type = storage::buffer_type;

  // Construction. Every constructor leaves a valid string or throws.
  ucs2string() noexcept { init(); }
  ucs2string(const ucs2string& other);
  ucs2string(ucs2string&& other) noexcept : m_buffer(other.m_buffer) { other.init(); }
  explicit ucs2string(const zv_utf8string& utf8);
  ucs2string(const unsigned char* utf8, size_type nbytes = npos) { init(); assign_helper(utf8, nbytes); }
  ucs2string(const char* utf8) { init(); assign_helper(reinterpret_cast<const unsigned char*>(utf8), npos); }
  ucs2string(const unsigned short* s, size_type n = npos) { init(); assign_helper(s, n); }
  ucs2string(const char16_t* s, size_type n = npos) : ucs2string(u16(s), n) {}
  ucs2string(size_type count, unsigned short ch) { init(); assign_helper(ch, count); }
  ucs2string(const_iterator first, const_iterator last) { init(); assign(first, last); }
  ~ucs2string() { release(m_buffer); }

  // The null string: length 0, told apart from the empty string.
  static ucs2string null() { ucs2string s; s.m_buffer = null_buffer(); return s; }

  ucs2string& operator=(const ucs2string& other);
  ucs2string& operator=(ucs2string&& other) noexcept;
  ucs2string& operator=(const unsigned short* s) { assign_helper(s, npos); return *this; }
  ucs2string& operator=(const unsigned char* utf8) { assign_helper(utf8, npos); return *this; }
  ucs2string& operator=(const char* utf8) { return *this = reinterpret_cast<const unsigned char*>(utf8); }
  ucs2string& operator=(const char16_t* s) { assign_helper(u16(s), npos); return *this; }
  ucs2string& operator=(unsigned short ch) { assign_helper(ch, 1); return *this; }

  ucs2string& assign(const ucs2string& s) { return *this = s; }
  ucs2string& assign(const ucs2string& s, size_type pos, size_type n);
  ucs2string& assign(const zv_utf8string& utf8);
  ucs2string& assign(const unsigned char* utf8, size_type nbytes) { assign_helper(utf8, nbytes); return *this; }
  ucs2string& assign(const unsigned char* utf8) { assign_helper(utf8, npos); return *this; }
  ucs2string& assign(const unsigned short* s, size_type n = npos) { assign_helper(s, n); return *this; }
  ucs2string& assign(const char16_t* s, size_type n = npos) { assign_helper(u16(s), n); return *this; }
  ucs2string& assign(size_type count, unsigned short ch) { assign_helper(ch, count); return *this; }
  ucs2string& assign(const_iterator first, const_iterator last);

  ucs2string& append(const ucs2string& s) { append_helper(s.data(), s.length()); return *this; }
  ucs2string& append(const ucs2string& s, size_type pos, size_type n);
  ucs2string& append(const unsigned short* s, size_type n = npos) { append_helper(s, n); return *this; }
  ucs2string& append(const unsigned char* utf8, size_type nbytes = npos);
  ucs2string& append(const char* utf8) { return append(reinterpret_cast<const unsigned char*>(utf8)); }
  ucs2string& append(const char16_t* s, size_type n = npos) { append_helper(u16(s), n); return *this; }
  ucs2string& append(size_type count, unsigned short ch) { append_helper(ch, count); return *this; }
  ucs2string& append(const_iterator first, const_iterator last);
  ucs2string& operator+=(const ucs2string& s) { return append(s); }
  ucs2string& operator+=(const unsigned short* s) { return append(s); }
  ucs2string& operator+=(const char* utf8) { return append(utf8); }
  ucs2string& operator+=(const char16_t* s) { return append(s); }
  ucs2string& operator+=(unsigned short ch) { append_helper(ch, 1); return *this; }
  void push_back(unsigned short ch) { append_helper(ch, 1); }

  ucs2string& insert(size_type pos, const ucs2string& s) { replace_helper(pos, 0, s.data(), s.length()); return *this; }
  ucs2string& insert(size_type pos, const unsigned short* s, size_type n) { replace_helper(pos, 0, s, n); return *this; }
  ucs2string& insert(size_type pos, size_type count, unsigned short ch) { replace_helper(pos, 0, ch, count); return *this; }
  void insert(iterator pos, const_iterator first, const_iterator last);

  ucs2string& erase(size_type pos = 0, size_type n = npos) { replace_helper(pos, n, static_cast<const unsigned short*>(nullptr), 0); return *this; }
  ucs2string& replace(size_type pos, size_type len, const ucs2string& s) { replace_helper(pos, len, s.data(), s.length()); return *this; }
  ucs2string& replace(size_type pos, size_type len, const unsigned short* s, size_type n) { replace_helper(pos, len, s, n); return *this; }
  ucs2string& replace(size_type pos, size_type len, const char16_t* s, size_type n) { replace_helper(pos, len, u16(s), n); return *this; }
  ucs2string& replace(size_type pos, size_type len, size_type count, unsigned short ch) { replace_helper(pos, len, ch, count); return *this; }
  void replace(iterator first, iterator last, const_iterator sfirst, const_iterator slast);

  void resize(size_type n, unsigned short ch = 0) { resize_helper(n, ch); }
  void reserve(size_type n = 0) { reserve_helper(n); }
  void clear() { resize_helper(0, 0); }
  void swap(ucs2string& other) noexcept { std::swap(m_buffer, other.m_buffer); }

  // Access.
  size_type length() const noexcept { return m_buffer->length; }
  size_type size() const noexcept { return m_buffer->length; }
  bool empty() const noexcept { return m_buffer->length == 0; }
  bool is_null() const noexcept { return m_buffer == null_buffer(); }
  const unsigned short* c_str() const noexcept { return m_buffer->units(); }
  const unsigned short* data() const noexcept { return m_buffer->units(); }
  // Unchecked reading; pos == length() reads the terminator.
  unsigned short operator[](size_type pos) const { return m_buffer->units()[pos]; }
  // Checked writing access: throws 0x80041128 at or beyond the length, so no
  // caller can ever write the terminator or the shared static buffers that
  // every empty and null string in the process points at.
  unsigned short& operator[](size_type pos) {
    if (pos >= length()) throw ZVException(ZV_E_OUT_OF_RANGE);
    return m_buffer->units()[pos];
  }
  // Checked access: throws 0x80041128 at or beyond the length.
  unsigned short at(size_type pos) const;
  std::u16string_view view() const noexcept {
    return {reinterpret_cast<const char16_t*>(data()), length()};
  }

  iterator begin() { return iterator(this, 0); }
  iterator end() { return iterator(this, length()); }
  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, length()); }
  const_iterator cbegin() const { return begin(); }
  const_iterator cend() const { return end(); }

  // Searching; every function returns npos when nothing is found.
  size_type find(const unsigned short* s, size_type pos, size_type n) const;
  size_type find(const ucs2string& s, size_type pos = 0) const { return find(s.data(), pos, s.length()); }
  size_type find(unsigned short ch, size_type pos = 0) const { return find(&ch, pos, 1); }
  size_type rfind(const unsigned short* s, size_type pos, size_type n) const;
  size_type rfind(const ucs2string& s, size_type pos = npos) const { return rfind(s.data(), pos, s.length()); }
  size_type rfind(unsigned short ch, size_type pos = npos) const { return rfind(&ch, pos, 1); }
  size_type find_first_of(const unsigned short* s, size_type pos, size_type n) const;
  size_type find_first_of(const ucs2string& s, size_type pos = 0) const { return find_first_of(s.data(), pos, s.length()); }
  size_type find_first_not_of(const unsigned short* s, size_type pos, size_type n) const;
  size_type find_first_not_of(const ucs2string& s, size_type pos = 0) const { return find_first_not_of(s.data(), pos, s.length()); }
  size_type find_last_of(const unsigned short* s, size_type pos, size_type n) const;
  size_type find_last_of(const ucs2string& s, size_type pos = npos) const { return find_last_of(s.data(), pos, s.length()); }
  size_type find_last_not_of(const unsigned short* s, size_type pos, size_type n) const;
  size_type find_last_not_of(const ucs2string& s, size_type pos = npos) const { return find_last_not_of(s.data(), pos, s.length()); }

  ucs2string substr(size_type pos = 0, size_type n = npos) const;

  // Comparison by code-unit value (never by locale).
  int compare(const ucs2string& s) const { return compare_helper(s, 0, npos); }
  int compare(size_type pos, size_type n, const ucs2string& s) const { return compare_helper(s, pos, n); }
  int compare(const unsigned short* s) const { return compare_helper(s, 0, zv_ucs2_traits::length(s)); }
  int compare(const char16_t* s) const { return compare(u16(s)); }
  friend bool operator==(const ucs2string& a, std::u16string_view b) { return a.view() == b; }
  friend bool operator==(const ucs2string& a, const ucs2string& b) {
    return a.length() == b.length() && zv_ucs2_traits::compare(a.data(), b.data(), a.length()) == 0;
  }
  friend std::strong_ordering operator<=>(const ucs2string& a, const ucs2string& b) {
    int c = a.compare(b);
    return c < 0 ? std::strong_ordering::less : c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal;
  }
  friend ucs2string operator+(const ucs2string& a, const ucs2string& b) { ucs2string r(a); r.append(b); return r; }
  friend ucs2string operator+(const ucs2string& a, unsigned short ch) { ucs2string r(a); r += ch; return r; }

  // The text as UTF-8 (for printing and for narrow interfaces).
  std::string to_utf8() const;

  // Size in bytes of the heap block for a string of n units (0 for n = 0).
  static std::size_t block_size(size_type n) noexcept { return storage::block_size(n); }
  // An always-valid empty terminated text.
  static const unsigned short* nil_data() noexcept { return nil_buffer()->units(); }

  // Counts the steps from first to last (one string).
  static size_type distance(const_iterator first, const_iterator last);

  // Comparison workers; see compare().
  int compare_helper(const ucs2string& str, size_type pos, size_type n) const;
  int compare_helper(const unsigned short* s, size_type pos, size_type n) const;
  int compare_helper(const char16_t* s, size_type pos, size_type n) const { return compare_helper(u16(s), pos, n); }

  // UTF-16 literals (u"...") hold the same units as UCS-2 text.
  static const unsigned short* u16(const char16_t* s) noexcept { return reinterpret_cast<const unsigned short*>(s); }

 protected:
  // pos < length sets the unit, pos == length appends, beyond throws 0x80041128.
  void put_at(size_type pos, unsigned short ch);

 private:
  buffer_type* m_buffer;

  static buffer_type* nil_buffer() noexcept { return storage::nil_buffer(); }
  static buffer_type* null_buffer() noexcept { return storage::null_buffer(); }
  static buffer_type* allocate(size_type n) { return storage::allocate(n); }
  static void release(buffer_type* b) noexcept { storage::release(b); }

  void init() noexcept { m_buffer = nil_buffer(); }
  // Makes the length n, keeping the first min(n, length) units; reallocates
  // only when the block size class changes.
  unsigned short* set_length(std::uint64_t n) { return storage::set_length(m_buffer, n, max_length); }

  void assign_helper(const unsigned short* s, size_type n);
  void assign_helper(const unsigned char* utf8, size_type nbytes);
  void assign_helper(unsigned short ch, size_type count);
  void append_helper(const unsigned short* s, size_type n);
  void append_helper(unsigned short ch, size_type count);
  void replace_helper(size_type pos, size_type len, const unsigned short* s, size_type slen);
  void replace_helper(size_type pos, size_type len, unsigned short ch, size_type count);
  void resize_helper(size_type n, unsigned short ch);
  void reserve_helper(size_type) {}

  friend class ucs2string_iterator_base<false>;
  friend class ucs2string_iterator_base<true>;
};

template <bool Const>
typename ucs2string_iterator_base<Const>::reference ucs2string_iterator_base<Const>::operator[](difference_type k) const {
  const std::uint64_t at = static_cast<std::uint64_t>(m_index) + static_cast<std::uint64_t>(k);
  if (m_string == nullptr || k < 0 || at >= m_string->length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  return (*m_string)[static_cast<std::uint32_t>(at)];
}

// Writes the string as UTF-8.
std::ostream& operator<<(std::ostream& os, const ucs2string& s);

// Builds a string from UTF-8 source text (for literals in code and tests).
inline ucs2string operator""_u2(const char* s, std::size_t n) {
  return ucs2string(reinterpret_cast<const unsigned char*>(s), static_cast<unsigned>(n));
}

#endif
