#include "kti18n/text/formatter.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "kti18n/text/utf8.h"
#include "kti18n/text/utf8string.h"

ucs2string_formatter::ucs2string_formatter(const unsigned char* utf8, unsigned nbytes) : ucs2string_formatter() {
  append_helper(utf8, nbytes);
}

ucs2string_formatter::ucs2string_formatter(const ucs2string_formatter& other) : ucs2string_formatter() {
  append_helper(other.data(), other.length());
}

ucs2string_formatter& ucs2string_formatter::operator=(const ucs2string_formatter& other) {
  if (this != &other) {
    reserve(other.length() + 1u);
    std::memcpy(m_data, other.m_data, (other.length() + 1u) * 2u);
    m_length = other.m_length;
  }
  return *this;
}

ucs2string_formatter::~ucs2string_formatter() {
  if (m_data != m_inline) delete[] m_data;
}

void ucs2string_formatter::reserve(unsigned n) {
  if (n <= m_capacity) return;
  if (n > kMaxLength + 1u) throw ZVException(ZV_E_LENGTH);
  // Steps of 500 units, capped where the 16-bit capacity ends.
  const unsigned capacity = std::min(n / kInlineUnits + 1u, 0xFFFFu / kInlineUnits) * kInlineUnits;
  const unsigned newCapacity = std::max(capacity, n);
  auto* block = new (std::nothrow) unsigned short[newCapacity];
  if (block == nullptr) throw ZVException(ZV_E_OUTOFMEMORY);
  std::memcpy(block, m_data, (m_length + 1u) * 2u);
  if (m_data != m_inline) delete[] m_data;
  m_data = block;
  m_capacity = static_cast<std::uint16_t>(newCapacity);
}

void ucs2string_formatter::resize(unsigned n) {
  reserve(n + 1u);
  m_length = static_cast<std::uint16_t>(n);
  m_data[n] = 0;
}

unsigned short* ucs2string_formatter::grow_by(std::uint64_t extra) {
  const std::uint64_t needed = m_length + extra;
  if (needed > kMaxLength) throw ZVException(ZV_E_LENGTH);
  reserve(static_cast<unsigned>(needed + 1));
  return m_data + m_length;
}

void ucs2string_formatter::append_helper(const unsigned short* s, unsigned n) {
  if (n == 0xFFFFFFFFu) n = zv_ucs2_traits::length(s);
  if (n == 0) return;
  unsigned short* out = grow_by(n);
  std::memmove(out, s, n * 2u);  // s may be this formatter's own text
  m_length = static_cast<std::uint16_t>(m_length + n);
  m_data[m_length] = 0;
}

void ucs2string_formatter::append_helper(const unsigned char* utf8, unsigned nbytes) {
  if (utf8 == nullptr) return;
  std::uint32_t chars = 0, bytes = 0;
  const zvStatus st = kti18n::utf8::measure(utf8, nbytes, &chars, &bytes);
  if (st != ZV_S_OK) throw ZVException(st);
  unsigned short* out = grow_by(chars);
  kti18n::utf8::decode(out, utf8, bytes);
  m_length = static_cast<std::uint16_t>(m_length + chars);
  m_data[m_length] = 0;
}

void ucs2string_formatter::append(unsigned count, unsigned short ch) {
  unsigned short* out = grow_by(count);
  std::fill_n(out, count, ch);
  m_length = static_cast<std::uint16_t>(m_length + count);
  m_data[m_length] = 0;
}

// ---- field formatting ---------------------------------------------------------------

void ucs2string_formatter::append_formatted_helper(const unsigned short* s, unsigned n, int width, int alignment,
                                                   unsigned short fill) {
  if (width < 0) width = static_cast<int>(n);
  if (static_cast<unsigned>(width) < n) {  // does not fit: width "#" signs when aligned
    n = 0;
    fill = u'#';
  }
  const unsigned pad = static_cast<unsigned>(width) - n;
  if (alignment != kLeft && alignment != kRight) {
    append_helper(s, n);
    return;
  }
  unsigned short* out = grow_by(static_cast<unsigned>(width));
  if (alignment == kRight) {
    std::fill_n(out, pad, fill);
    std::memcpy(out + pad, s, n * 2u);
  } else {
    std::memcpy(out, s, n * 2u);
    std::fill_n(out + n, pad, fill);
  }
  m_length = static_cast<std::uint16_t>(m_length + static_cast<unsigned>(width));
  m_data[m_length] = 0;
}

void ucs2string_formatter::append_formatted_helper(const unsigned char* utf8, unsigned nbytes, int width,
                                                   int alignment, unsigned short fill) {
  std::uint32_t chars = 0, bytes = 0;
  if (utf8 != nullptr) {
    const zvStatus st = kti18n::utf8::measure(utf8, nbytes, &chars, &bytes);
    if (st != ZV_S_OK) throw ZVException(st);
  }
  if (chars > kMaxLength) throw ZVException(ZV_E_LENGTH);
  // Decode into a scratch area of our own, then lay the field out.
  unsigned short local[256];
  unsigned short* units = chars <= 256 ? local : new unsigned short[chars];
  if (chars) kti18n::utf8::decode(units, utf8, bytes);
  try {
    append_formatted_helper(units, chars, width, alignment, fill);
  } catch (...) {
    if (units != local) delete[] units;
    throw;
  }
  if (units != local) delete[] units;
}

void ucs2string_formatter::append_formatted(const unsigned short* s, unsigned n, int width, int alignment,
                                            unsigned short fill) {
  append_formatted_helper(s, n, width, alignment, fill);
}

namespace {

// Decimal digits of magnitude, written backwards from end; returns the start.
unsigned short* write_decimal(unsigned short* end, std::uint64_t magnitude) {
  do {
    *--end = static_cast<unsigned short>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  return end;
}

}  // namespace

void ucs2string_formatter::append_formatted(long value, int width, int alignment, unsigned short fill) {
  // The whole value: long is 64-bit on this host, and a truncated number
  // would print as a different one.
  unsigned short buf[24];
  unsigned short* end = buf + 24;
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  unsigned short* begin = write_decimal(end, magnitude);
  if (value < 0) *--begin = u'-';
  append_formatted_helper(begin, static_cast<unsigned>(end - begin), width, alignment, fill);
}

void ucs2string_formatter::append_formatted(unsigned long value, int width, int alignment, unsigned short fill) {
  unsigned short buf[24];
  unsigned short* end = buf + 24;
  unsigned short* begin = write_decimal(end, value);
  append_formatted_helper(begin, static_cast<unsigned>(end - begin), width, alignment, fill);
}

void ucs2string_formatter::append_formatted(const unsigned char* utf8, int width, int alignment, unsigned short fill) {
  append_formatted_helper(utf8, 0xFFFFFFFFu, width, alignment, fill);
}

void ucs2string_formatter::append_formatted(const zv_utf8string& utf8, int width, int alignment, unsigned short fill) {
  append_formatted_helper(utf8.data(), utf8.length(), width, alignment, fill);
}
