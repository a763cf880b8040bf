#include "kti18n/text/ucs2string.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>

#include "kti18n/text/utf8.h"
#include "kti18n/text/utf8string.h"

// ---- zv_ucs2_traits -----------------------------------------------------------

unsigned short* zv_ucs2_traits::assign(unsigned short* p, unsigned int n, const unsigned short& ch) {
  if ((ch >> 8) == (ch & 0xFF)) {
    std::memset(p, ch & 0xFF, std::size_t{n} * 2);  // both bytes equal: a byte fill
    return p;
  }
  std::fill_n(p, n, ch);
  return p;
}

unsigned int zv_ucs2_traits::length(const unsigned short* s) {
  unsigned int n = 0;
  while (s[n] != 0) ++n;
  return n;
}

int zv_ucs2_traits::compare(const unsigned short* a, const unsigned short* b, unsigned int n) {
  for (unsigned int i = 0; i < n; ++i)
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  return 0;
}

unsigned short* zv_ucs2_traits::copy(unsigned short* dst, const unsigned short* src, unsigned int n) {
  if (n) std::memcpy(dst, src, std::size_t{n} * 2);
  return dst;
}

unsigned short* zv_ucs2_traits::move(unsigned short* dst, const unsigned short* src, unsigned int n) {
  if (n) std::memmove(dst, src, std::size_t{n} * 2);
  return dst;
}

const unsigned short* zv_ucs2_traits::find(const unsigned short* s, unsigned int n, unsigned short ch) {
  for (unsigned int i = 0; i < n; ++i)
    if (s[i] == ch) return s + i;
  return nullptr;
}

// ---- construction and assignment ----------------------------------------------

ucs2string::ucs2string(const ucs2string& other) {
  init();
  if (other.is_null())
    m_buffer = null_buffer();
  else
    assign_helper(other.data(), other.length());
}

ucs2string::ucs2string(const zv_utf8string& utf8) {
  init();
  assign(utf8);
}

ucs2string& ucs2string::operator=(const ucs2string& other) {
  if (this == &other) return *this;
  if (other.is_null()) {
    release(m_buffer);
    m_buffer = null_buffer();
  } else if (other.empty()) {
    release(m_buffer);
    m_buffer = nil_buffer();
  } else {
    assign_helper(other.data(), other.length());
  }
  return *this;
}

ucs2string& ucs2string::operator=(ucs2string&& other) noexcept {
  if (this != &other) {
    release(m_buffer);
    m_buffer = other.m_buffer;
    other.init();
  }
  return *this;
}

ucs2string& ucs2string::assign(const zv_utf8string& utf8) {
  if (utf8.is_null()) {
    release(m_buffer);
    m_buffer = null_buffer();
    return *this;
  }
  assign_helper(utf8.data(), utf8.length());
  return *this;
}

ucs2string& ucs2string::assign(const ucs2string& s, size_type pos, size_type n) {
  if (pos > s.length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  assign_helper(s.data() + pos, std::min(n, s.length() - pos));
  return *this;
}

ucs2string& ucs2string::assign(const_iterator first, const_iterator last) {
  const size_type n = distance(first, last);
  // Read through the checking iterators into a block of our own first: the
  // range may belong to this string.
  buffer_type* fresh = allocate(n);
  try {
    for (size_type i = 0; i < n; ++i) fresh->units()[i] = first[i];
  } catch (...) {
    release(fresh);
    throw;
  }
  release(m_buffer);
  m_buffer = fresh;
  return *this;
}

void ucs2string::assign_helper(const unsigned short* s, size_type n) {
  if (n == npos) n = zv_ucs2_traits::length(s);
  if (n > max_length) throw ZVException(ZV_E_LENGTH);
  if (n == 0) {
    if (!is_null()) resize_helper(0, 0);
    else { release(m_buffer); m_buffer = nil_buffer(); }
    return;
  }
  // The source may lie inside this string: the old block goes only after the copy.
  if (block_size(n) == block_size(length())) {
    zv_ucs2_traits::move(m_buffer->units(), s, n);
    m_buffer->length = n;
    m_buffer->units()[n] = 0;
    return;
  }
  buffer_type* fresh = allocate(n);
  zv_ucs2_traits::copy(fresh->units(), s, n);
  release(m_buffer);
  m_buffer = fresh;
}

void ucs2string::assign_helper(const unsigned char* utf8, size_type nbytes) {
  std::uint32_t chars = 0, bytes = 0;
  if (utf8 == nullptr) {
    if (nbytes != 0 && nbytes != npos) throw ZVException(ZV_E_INVALID_DATA);
  } else {
    const zvStatus st = kti18n::utf8::measure(utf8, nbytes, &chars, &bytes);
    if (st != ZV_S_OK) throw ZVException(st);
  }
  buffer_type* fresh = allocate(chars);
  if (chars) kti18n::utf8::decode(fresh->units(), utf8, bytes);
  release(m_buffer);
  m_buffer = fresh;
}

void ucs2string::assign_helper(unsigned short ch, size_type count) {
  if (count > max_length) throw ZVException(ZV_E_LENGTH);
  if (count == 0) {
    // The static buffers are shared by every empty string: never write them.
    release(m_buffer);
    m_buffer = nil_buffer();
    return;
  }
  if (block_size(count) == block_size(length()) && !storage::is_static(m_buffer)) {
    m_buffer->length = count;
    m_buffer->units()[count] = 0;
  } else {
    buffer_type* fresh = allocate(count);
    release(m_buffer);
    m_buffer = fresh;
  }
  zv_ucs2_traits::assign(m_buffer->units(), count, ch);
}

// ---- appending, inserting, replacing -----------------------------------------------

void ucs2string::append_helper(const unsigned short* s, size_type n) {
  if (n == npos) n = zv_ucs2_traits::length(s);
  if (n == 0) return;
  replace_helper(length(), 0, s, n);
}

void ucs2string::append_helper(unsigned short ch, size_type count) {
  if (count == 0) return;
  replace_helper(length(), 0, ch, count);
}

ucs2string& ucs2string::append(const ucs2string& s, size_type pos, size_type n) {
  if (pos > s.length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  append_helper(s.data() + pos, std::min(n, s.length() - pos));
  return *this;
}

ucs2string& ucs2string::append(const unsigned char* utf8, size_type nbytes) {
  std::uint32_t chars = 0, bytes = 0;
  const zvStatus st = kti18n::utf8::measure(utf8, nbytes, &chars, &bytes);
  if (st != ZV_S_OK) throw ZVException(st);
  if (chars == 0) return *this;
  const size_type old = length();
  unsigned short* units = set_length(std::uint64_t{old} + chars);
  kti18n::utf8::decode(units + old, utf8, bytes);
  return *this;
}

ucs2string& ucs2string::append(const_iterator first, const_iterator last) {
  const size_type n = distance(first, last);
  if (n == 0) return *this;
  // Validate the source range before growing: the string stays unchanged on failure.
  if (std::uint64_t{first.index()} + n > first.string()->length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  const size_type old = length();
  set_length(std::uint64_t{old} + n);
  // The iterators refer to the string, so a range of this string stays valid.
  for (size_type i = 0; i < n; ++i) m_buffer->units()[old + i] = first.string()->data()[first.index() + i];
  return *this;
}

void ucs2string::insert(iterator pos, const_iterator first, const_iterator last) {
  replace(pos, pos, first, last);
}

void ucs2string::replace(iterator first, iterator last, const_iterator sfirst, const_iterator slast) {
  const size_type pos = first.index();
  const size_type len = distance(first, last);
  const size_type slen = distance(sfirst, slast);
  if (pos > length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  const size_type cut = std::min(len, length() - pos);
  const std::uint64_t n = std::uint64_t{length()} - cut + slen;
  if (n > max_length) throw ZVException(ZV_E_LENGTH);
  // Always a new block: the source range may lie in this string.
  buffer_type* fresh = allocate(static_cast<size_type>(n));
  try {
    unsigned short* out = fresh->units();
    std::memcpy(out, data(), std::size_t{pos} * 2);
    for (size_type i = 0; i < slen; ++i) out[pos + i] = sfirst[i];
    std::memcpy(out + pos + slen, data() + pos + cut, std::size_t{length() - pos - cut} * 2);
  } catch (...) {
    release(fresh);
    throw;
  }
  release(m_buffer);
  m_buffer = fresh;
}

void ucs2string::replace_helper(size_type pos, size_type len, const unsigned short* s, size_type slen) {
  if (s == nullptr) slen = 0;
  static const unsigned short kNothing = 0;
  storage::replace(m_buffer, pos, len, s ? s : &kNothing, slen, 0, max_length);
}

void ucs2string::replace_helper(size_type pos, size_type len, unsigned short ch, size_type count) {
  storage::replace(m_buffer, pos, len, nullptr, count, ch, max_length);
}

void ucs2string::resize_helper(size_type n, unsigned short ch) {
  const size_type old = length();
  if (n <= old) {
    set_length(n);
    return;
  }
  unsigned short* units = set_length(n);
  zv_ucs2_traits::assign(units + old, n - old, ch);
}

void ucs2string::put_at(size_type pos, unsigned short ch) {
  if (pos < length())
    m_buffer->units()[pos] = ch;
  else if (pos == length())
    append_helper(ch, 1);
  else
    throw ZVException(ZV_E_OUT_OF_RANGE);
}

unsigned short ucs2string::at(size_type pos) const {
  if (pos >= length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  return data()[pos];
}

ucs2string::size_type ucs2string::distance(const_iterator first, const_iterator last) {
  return last.index() >= first.index() ? last.index() - first.index() : 0;
}

ucs2string ucs2string::substr(size_type pos, size_type n) const {
  if (pos > length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  return ucs2string(data() + pos, std::min(n, length() - pos));
}

// ---- searching -------------------------------------------------------------------

namespace {

// The set of units to search for, sorted ascending, so each test can stop at
// the first element not smaller than the unit.
class unit_set {
 public:
  unit_set(const unsigned short* s, unsigned n) : n_(n) {
    units_ = n <= kInline ? inline_ : (heap_ = std::make_unique<unsigned short[]>(n)).get();
    std::copy_n(s, n, units_);
    std::sort(units_, units_ + n);
  }
  bool contains(unsigned short u) const {
    const unsigned short* p = std::lower_bound(units_, units_ + n_, u);
    return p != units_ + n_ && *p == u;
  }

 private:
  static constexpr unsigned kInline = 32;
  unsigned n_;
  unsigned short inline_[kInline];
  std::unique_ptr<unsigned short[]> heap_;
  unsigned short* units_;
};

}  // namespace

ucs2string::size_type ucs2string::find(const unsigned short* s, size_type pos, size_type n) const {
  const size_type len = length();
  if (std::uint64_t{pos} + n > len) return npos;
  if (n == 0) return pos;
  const unsigned short* d = data();
  for (size_type p = pos; p + n <= len; ++p) {
    const unsigned short* hit = zv_ucs2_traits::find(d + p, len - n + 1 - p, s[0]);
    if (hit == nullptr) return npos;
    p = static_cast<size_type>(hit - d);
    if (zv_ucs2_traits::compare(d + p, s, n) == 0) return p;
  }
  return npos;
}

ucs2string::size_type ucs2string::rfind(const unsigned short* s, size_type pos, size_type n) const {
  const size_type len = length();
  if (n > len) return npos;
  for (size_type p = std::min(pos, len - n) + 1; p-- > 0;)
    if (zv_ucs2_traits::compare(data() + p, s, n) == 0) return p;
  return npos;
}

ucs2string::size_type ucs2string::find_first_of(const unsigned short* s, size_type pos, size_type n) const {
  if (pos >= length() || n == 0) return npos;
  const unit_set set(s, n);
  for (size_type p = pos; p < length(); ++p)
    if (set.contains(data()[p])) return p;
  return npos;
}

ucs2string::size_type ucs2string::find_first_not_of(const unsigned short* s, size_type pos, size_type n) const {
  if (pos >= length()) return npos;
  if (n == 0) return pos;
  const unit_set set(s, n);
  for (size_type p = pos; p < length(); ++p)
    if (!set.contains(data()[p])) return p;
  return npos;
}

ucs2string::size_type ucs2string::find_last_of(const unsigned short* s, size_type pos, size_type n) const {
  if (n == 0) return npos;
  const unit_set set(s, n);
  for (size_type p = std::min(pos, length()); p-- > 0;)
    if (set.contains(data()[p])) return p;
  return npos;
}

ucs2string::size_type ucs2string::find_last_not_of(const unsigned short* s, size_type pos, size_type n) const {
  const size_type start = std::min(pos, length());
  if (n == 0) return start - 1;  // npos when the string is empty
  const unit_set set(s, n);
  for (size_type p = start; p-- > 0;)
    if (!set.contains(data()[p])) return p;
  return npos;
}

// ---- comparing ---------------------------------------------------------------------

namespace {

// The difference of two lengths when it fits an int, else its sign: two
// 32-bit lengths can differ by more than INT_MAX, and a cut difference would
// flip the order.
int length_order(std::uint32_t a, std::uint32_t b) {
  const std::int64_t d = std::int64_t{a} - std::int64_t{b};
  if (d > INT32_MAX) return 1;
  if (d < INT32_MIN) return -1;
  return static_cast<int>(d);
}

}  // namespace

int ucs2string::compare_helper(const ucs2string& str, size_type pos, size_type n) const {
  if (pos > length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  const size_type mine = std::min(n, length() - pos);
  const size_type common = std::min(mine, str.length());
  for (size_type i = 0; i < common; ++i) {
    const int d = int{data()[pos + i]} - int{str.data()[i]};
    if (d != 0) return d;
  }
  return length_order(mine, str.length());
}

int ucs2string::compare_helper(const unsigned short* s, size_type pos, size_type n) const {
  if (pos > length()) throw ZVException(ZV_E_OUT_OF_RANGE);
  const size_type mine = length() - pos;
  const size_type common = std::min(mine, n);
  for (size_type i = 0; i < common; ++i) {
    const int d = int{data()[pos + i]} - int{s[i]};
    if (d != 0) return d;
  }
  return length_order(mine, n);
}

// ---- output ---------------------------------------------------------------------------

std::string ucs2string::to_utf8() const {
  std::string out(kti18n::utf8::encoded_length(data(), length()), '\0');
  kti18n::utf8::encode(reinterpret_cast<unsigned char*>(out.data()), data(), length());
  return out;
}

std::ostream& operator<<(std::ostream& os, const ucs2string& s) {
  const std::uint64_t bytes = kti18n::utf8::encoded_length(s.data(), s.length());
  if (bytes < 2048) {
    unsigned char buf[2048];
    *kti18n::utf8::encode(buf, s.data(), s.length()) = 0;
    return os << reinterpret_cast<const char*>(buf);
  }
  unsigned char* block = nullptr;
  unsigned n = 0;
  if (UCS2_ConvertToUTF8(s.data(), s.length(), &block, &n) != ZV_S_OK) return os << "<UTF8 conversion failed!>";
  os.write(reinterpret_cast<const char*>(block), n);
  delete[] block;
  return os;
}
