// ucs2string_formatter: a growable UCS-2 output buffer for building
// formatted text quickly. The first 500 units live inside the object, so
// most numbers and dates are formatted without touching the heap.
//
// Invariants: data()[length()] is 0; capacity starts at 500 and grows in
// steps of 500 units, never shrinking; both counters are 16-bit, so the
// content stays below 65,535 units (an operation that would reach it throws
// 0x8004112A and leaves the content unchanged).
#ifndef KTI18N_TEXT_FORMATTER_H
#define KTI18N_TEXT_FORMATTER_H

#include <cstdint>

#include "kti18n/text/ucs2string.h"

class zv_utf8string;

class ucs2string_formatter {
 public:
  static constexpr unsigned kInlineUnits = 500;
  // The greatest content: the counters are 16-bit and the terminator needs a unit.
  static constexpr unsigned kMaxLength = 0xFFFE;

  // Field alignments for append_formatted.
  enum { kNoAlign = 0, kLeft = 1, kRight = 2 };

  ucs2string_formatter() noexcept : m_data(m_inline) { m_inline[0] = 0; }
  explicit ucs2string_formatter(const unsigned char* utf8, unsigned nbytes = 0xFFFFFFFFu);
  ucs2string_formatter(const ucs2string_formatter& other);
  ucs2string_formatter& operator=(const ucs2string_formatter& other);
  ~ucs2string_formatter();

  // Makes room for n units (n includes the terminator).
  void reserve(unsigned n);
  // length = n, keeping the units before n (those after the old end are unspecified).
  void resize(unsigned n);
  void clear() noexcept { m_length = 0; m_data[0] = 0; }

  void assign(const unsigned char* utf8) { clear(); append_helper(utf8, 0xFFFFFFFFu); }
  void append(const unsigned char* utf8) { append_helper(utf8, 0xFFFFFFFFu); }
  void append(const char* utf8) { append_helper(reinterpret_cast<const unsigned char*>(utf8), 0xFFFFFFFFu); }
  void assign(const unsigned short* s, unsigned n) { clear(); append_helper(s, n); }
  void append(const unsigned short* s, unsigned n) { append_helper(s, n); }
  void append(const ucs2string& s) { append_helper(s.data(), s.length()); }
  void append(const ucs2string_formatter& f) { append_helper(f.data(), f.length()); }
  void append(unsigned short ch) {
    if (m_length + 1u < m_capacity) {
      m_data[m_length++] = ch;
      m_data[m_length] = 0;
    } else {
      append_helper(&ch, 1);
    }
  }
  void append(unsigned count, unsigned short ch);
  ucs2string_formatter& operator+=(unsigned short ch) { append(ch); return *this; }
  ucs2string_formatter& operator+=(const ucs2string& s) { append(s); return *this; }

  // Appends a value in a field of width units (width < 0: the value's own
  // width), aligned left (1), right (2) or not at all (other values), padded
  // with fill. A value wider than a non-negative width shows width "#" signs
  // when aligned, and nothing otherwise.
  void append_formatted(long value, int width = -1, int alignment = kNoAlign, unsigned short fill = u' ');
  void append_formatted(unsigned long value, int width = -1, int alignment = kNoAlign, unsigned short fill = u' ');
  void append_formatted(const unsigned char* utf8, int width = -1, int alignment = kNoAlign, unsigned short fill = u' ');
  void append_formatted(const zv_utf8string& utf8, int width = -1, int alignment = kNoAlign, unsigned short fill = u' ');
  void append_formatted(const unsigned short* s, unsigned n, int width, int alignment, unsigned short fill);

  unsigned length() const noexcept { return m_length; }
  unsigned size() const noexcept { return m_length; }
  unsigned capacity() const noexcept { return m_capacity; }
  bool empty() const noexcept { return m_length == 0; }
  const unsigned short* c_str() const noexcept { return m_data; }
  const unsigned short* data() const noexcept { return m_data; }
  unsigned short* data() noexcept { return m_data; }
  unsigned short operator[](unsigned i) const noexcept { return m_data[i]; }
  unsigned short& operator[](unsigned i) noexcept { return m_data[i]; }
  bool uses_heap() const noexcept { return m_data != m_inline; }
  ucs2string str() const { return ucs2string(m_data, m_length); }

 private:
  std::uint16_t m_length = 0;
  std::uint16_t m_capacity = kInlineUnits;
  unsigned short m_inline[kInlineUnits];
  unsigned short* m_data;

  // Ensures room for extra more units plus the terminator.
  unsigned short* grow_by(std::uint64_t extra);
  void append_helper(const unsigned short* s, unsigned n);
  void append_helper(const unsigned char* utf8, unsigned nbytes);
  void append_formatted_helper(const unsigned short* s, unsigned n, int width, int alignment, unsigned short fill);
  void append_formatted_helper(const unsigned char* utf8, unsigned nbytes, int width, int alignment, unsigned short fill);
};

// printf-style formatting of UCS-2 text into out. String conversions (%s,
// %ls, %S) take UCS-2 texts (const unsigned short *); %hs takes a narrow
// C string. Returns the number of units written, or a negative value (with
// out unchanged) when the arguments cannot be formatted.
int strprintf(ucs2string& out, const unsigned short* format, ...);

#endif
