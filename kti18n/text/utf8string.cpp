#include "kti18n/text/utf8string.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>

namespace {

// The UTF-8 bytes of n units (n = npos: up to the 0 unit).
struct encoded_units {
  encoded_units(const unsigned short* s, unsigned n) {
    if (s == nullptr) n = 0;
    if (n == zv_utf8string::npos) n = static_cast<unsigned>(std::char_traits<char16_t>::length(reinterpret_cast<const char16_t*>(s)));
    const std::uint64_t len = kti18n::utf8::encoded_length(s, n);
    if (len > zv_utf8string::max_length) throw ZVException(ZV_E_LENGTH);
    bytes.reset(new unsigned char[len + 1]);
    kti18n::utf8::encode(bytes.get(), s, n);
    size = static_cast<unsigned>(len);
  }
  std::unique_ptr<unsigned char[]> bytes;
  unsigned size = 0;
};

// The encoding of ch, count times.
struct repeated_unit {
  repeated_unit(unsigned short ch, unsigned count) {
    const unsigned len = zv_utf8_traits::GetUTF8Bytes(ch);
    const std::uint64_t total = std::uint64_t{len} * count;
    if (total > zv_utf8string::max_length) throw ZVException(ZV_E_LENGTH);
    bytes.reset(new unsigned char[total + 1]);
    zv_utf8_traits::assign(bytes.get(), static_cast<unsigned>(total), ch);
    size = static_cast<unsigned>(total);
  }
  std::unique_ptr<unsigned char[]> bytes;
  unsigned size = 0;
};

unsigned byte_count(const unsigned char* s, unsigned n) {
  if (s == nullptr) return 0;
  return n == zv_utf8string::npos ? zv_utf8_traits::length(s) : n;
}

}  // namespace

zv_utf8string::zv_utf8string(const zv_utf8string& other) : zv_utf8string() {
  if (other.is_null())
    m_buffer = storage::null_buffer();
  else
    assign_helper(other.data(), other.length());
}

zv_utf8string& zv_utf8string::operator=(const zv_utf8string& other) {
  if (this == &other) return *this;
  if (other.is_null() || other.empty()) {
    storage::release(m_buffer);
    m_buffer = other.is_null() ? storage::null_buffer() : storage::nil_buffer();
    return *this;
  }
  assign_helper(other.data(), other.length());
  return *this;
}

zv_utf8string& zv_utf8string::operator=(zv_utf8string&& other) noexcept {
  if (this != &other) {
    storage::release(m_buffer);
    m_buffer = other.m_buffer;
    other.m_buffer = storage::nil_buffer();
  }
  return *this;
}

void zv_utf8string::assign_helper(const unsigned char* s, size_type n) {
  n = byte_count(s, n);
  if (n == 0) {
    storage::release(m_buffer);
    m_buffer = storage::nil_buffer();
    return;
  }
  buffer_type* fresh = storage::allocate(n);  // s may lie inside this string
  std::memcpy(fresh->units(), s, n);
  storage::release(m_buffer);
  m_buffer = fresh;
}

void zv_utf8string::assign_helper(const unsigned short* s, size_type n) {
  encoded_units e(s, n);
  assign_helper(e.bytes.get(), e.size);
}

void zv_utf8string::assign_helper(unsigned short ch, size_type count) {
  repeated_unit r(ch, count);
  assign_helper(r.bytes.get(), r.size);
}

void zv_utf8string::assign_helper(unsigned char b, size_type count) {
  if (count > max_length) throw ZVException(ZV_E_LENGTH);
  buffer_type* fresh = storage::allocate(count);
  std::memset(fresh->units(), b, count);
  storage::release(m_buffer);
  m_buffer = fresh;
}

void zv_utf8string::append_helper(const unsigned char* s, size_type n) { replace_helper(length(), 0, s, n); }
void zv_utf8string::append_helper(const unsigned short* s, size_type n) { replace_helper(length(), 0, s, n); }
void zv_utf8string::append_helper(unsigned short ch, size_type count) { replace_helper(length(), 0, ch, count); }

void zv_utf8string::append_helper(unsigned char b, size_type count) {
  if (count == 0) return;
  storage::replace(m_buffer, length(), 0, nullptr, count, b, max_length);
}

void zv_utf8string::replace_helper(size_type pos, size_type len, const unsigned char* s, size_type n) {
  n = byte_count(s, n);
  if (n == 0 && len == 0 && pos <= length()) return;  // nothing changes (keeps a null string null)
  static const unsigned char kNothing = 0;
  storage::replace(m_buffer, pos, len, s ? s : &kNothing, n, 0, max_length);
}

void zv_utf8string::replace_helper(size_type pos, size_type len, const unsigned short* s, size_type n) {
  encoded_units e(s, n);
  replace_helper(pos, len, e.bytes.get(), e.size);
}

void zv_utf8string::replace_helper(size_type pos, size_type len, unsigned short ch, size_type count) {
  repeated_unit r(ch, count);
  replace_helper(pos, len, r.bytes.get(), r.size);
}

void zv_utf8string::resize_helper(size_type n, unsigned char b) {
  const size_type old = length();
  unsigned char* bytes = storage::set_length(m_buffer, n, max_length);
  if (n > old) std::memset(bytes + old, b, n - old);
}

int zv_utf8string::compare_helper(const zv_utf8string& s, size_type pos, size_type n) const {
  if (pos > length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  const size_type mine = std::min(n, length() - pos);
  const size_type common = std::min(mine, s.length());
  const int c = zv_utf8_traits::compare(data() + pos, s.data(), common);
  if (c != 0) return c;
  return static_cast<int>(static_cast<std::int64_t>(mine) - s.length());
}

int zv_utf8string::compare_helper(const unsigned char* s, size_type pos, size_type n) const {
  if (pos > length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  const size_type mine = length() - pos;
  const size_type common = std::min(mine, n);
  const int c = zv_utf8_traits::compare(data() + pos, s, common);
  if (c != 0) return c;
  return static_cast<int>(static_cast<std::int64_t>(mine) - n);
}

unsigned short zv_utf8_pos::operator*() const {
  const unsigned char* begin = m_string->data() + std::min(m_offset, m_string->length());
  const unsigned char* p = begin;
  const unsigned short ch = UTF8_ConvertNextChar(&p, m_string->data() + m_string->length());
  if (p == begin) throw ZVException(ZV_E_UTF8_POSITION);
  return ch;
}

zv_utf8_pos& zv_utf8_pos::operator++() {
  if (m_offset < m_string->length()) m_offset += sAddBytesFromUTF8[(*m_string)[m_offset]];
  return *this;
}

std::ostream& operator<<(std::ostream& os, const zv_utf8string& s) { return os.write(s.c_str(), s.length()); }
