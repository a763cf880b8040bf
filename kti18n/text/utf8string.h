// zv_utf8string: the UTF-8 twin of ucs2string. It follows the same storage,
// ownership, null/empty and reallocation rules with bytes for units; the
// greatest length is 0xFFFFFFFE bytes.
#ifndef KTI18N_TEXT_UTF8STRING_H
#define KTI18N_TEXT_UTF8STRING_H

#include <cstdint>
#include <iosfwd>
#include <string_view>

#include "kti18n/text/string_storage.h"
#include "kti18n/text/utf8.h"

class zv_utf8string {
 public:
  using size_type = unsigned int;
  using storage = zv_string_storage<unsigned char>;
  using buffer_type = storage::buffer_type;
  static constexpr size_type npos = 0xFFFFFFFFu;
  static constexpr size_type max_length = 0xFFFFFFFEu;

  zv_utf8string() noexcept : m_buffer(storage::nil_buffer()) {}
  zv_utf8string(const zv_utf8string& other);
  zv_utf8string(zv_utf8string&& other) noexcept : m_buffer(other.m_buffer) { other.m_buffer = storage::nil_buffer(); }
  zv_utf8string(const unsigned char* s, size_type n = npos) : zv_utf8string() { assign_helper(s, n); }
  zv_utf8string(const char* s) : zv_utf8string(reinterpret_cast<const unsigned char*>(s)) {}
  // Encodes n units (n = npos: up to the 0 unit).
  zv_utf8string(const unsigned short* s, size_type n) : zv_utf8string() { assign_helper(s, n); }
  ~zv_utf8string() { storage::release(m_buffer); }

  static zv_utf8string null() { zv_utf8string s; s.m_buffer = storage::null_buffer(); return s; }

  zv_utf8string& operator=(const zv_utf8string& other);
  zv_utf8string& operator=(zv_utf8string&& other) noexcept;

  zv_utf8string& assign(const unsigned char* s, size_type n = npos) { assign_helper(s, n); return *this; }
  zv_utf8string& assign(const unsigned short* s, size_type n) { assign_helper(s, n); return *this; }
  zv_utf8string& assign(size_type count, unsigned short ch) { assign_helper(ch, count); return *this; }
  zv_utf8string& assign(size_type count, unsigned char b) { assign_helper(b, count); return *this; }
  zv_utf8string& append(const unsigned char* s, size_type n = npos) { append_helper(s, n); return *this; }
  zv_utf8string& append(const unsigned short* s, size_type n) { append_helper(s, n); return *this; }
  zv_utf8string& append(size_type count, unsigned short ch) { append_helper(ch, count); return *this; }
  zv_utf8string& append(size_type count, unsigned char b) { append_helper(b, count); return *this; }
  zv_utf8string& replace(size_type pos, size_type len, const unsigned char* s, size_type n) { replace_helper(pos, len, s, n); return *this; }
  zv_utf8string& replace(size_type pos, size_type len, const unsigned short* s, size_type n) { replace_helper(pos, len, s, n); return *this; }
  zv_utf8string& replace(size_type pos, size_type len, unsigned short ch, size_type count) { replace_helper(pos, len, ch, count); return *this; }
  void resize(size_type n, unsigned char b = 0) { resize_helper(n, b); }
  void reserve(size_type n) { reserve_helper(n); }

  size_type length() const noexcept { return m_buffer->length; }
  size_type size() const noexcept { return m_buffer->length; }
  bool empty() const noexcept { return m_buffer->length == 0; }
  bool is_null() const noexcept { return m_buffer == storage::null_buffer(); }
  const unsigned char* data() const noexcept { return m_buffer->units(); }
  const char* c_str() const noexcept { return reinterpret_cast<const char*>(m_buffer->units()); }
  unsigned char operator[](size_type pos) const { return m_buffer->units()[pos]; }
  std::string_view view() const noexcept { return {c_str(), length()}; }
  size_type char_length() const { return zv_utf8_traits::char_length(data(), length()); }

  int compare(const zv_utf8string& s) const { return compare_helper(s, 0, npos); }
  int compare_helper(const zv_utf8string& s, size_type pos, size_type n) const;
  int compare_helper(const unsigned char* s, size_type pos, size_type n) const;
  friend bool operator==(const zv_utf8string& a, const zv_utf8string& b) { return a.view() == b.view(); }

  static const unsigned char* nil_data() noexcept { return storage::nil_buffer()->units(); }

 private:
  buffer_type* m_buffer;

  void assign_helper(const unsigned char* s, size_type n);
  void assign_helper(const unsigned short* s, size_type n);
  void assign_helper(unsigned short ch, size_type count);
  void assign_helper(unsigned char b, size_type count);
  void append_helper(const unsigned char* s, size_type n);
  void append_helper(const unsigned short* s, size_type n);
  void append_helper(unsigned short ch, size_type count);
  void append_helper(unsigned char b, size_type count);
  void replace_helper(size_type pos, size_type len, const unsigned char* s, size_type n);
  void replace_helper(size_type pos, size_type len, const unsigned short* s, size_type n);
  void replace_helper(size_type pos, size_type len, unsigned short ch, size_type count);
  void resize_helper(size_type n, unsigned char b);
  void reserve_helper(size_type) {}
};

// A position in a zv_utf8string: the string and a byte offset.
class zv_utf8_pos {
 public:
  zv_utf8_pos(const zv_utf8string& s, unsigned offset) : m_string(&s), m_offset(offset) {}
  // The character at the offset; 0x80041127 when no valid 1- to 3-byte
  // sequence stands wholly inside the string there.
  unsigned short operator*() const;
  // Moves to the next character (by the lead byte's length).
  zv_utf8_pos& operator++();
  unsigned offset() const { return m_offset; }
  friend bool operator==(const zv_utf8_pos& a, const zv_utf8_pos& b) { return a.m_string == b.m_string && a.m_offset == b.m_offset; }

 private:
  const zv_utf8string* m_string;
  unsigned m_offset;
};

std::ostream& operator<<(std::ostream& os, const zv_utf8string& s);

#endif
