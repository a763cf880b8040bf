#include "kti18n/text/utf8.h"

#include <cstring>
#include <new>

#include "kti18n/base/exception.h"
#include "kti18n/text/utf8_simd.h"

namespace {

constexpr unsigned char lead_length(unsigned b) {
  return b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF8 ? 4 : b < 0xFC ? 5 : 6;
}

template <unsigned Offset>
struct LeadTable {
  unsigned char v[256];
  constexpr LeadTable() : v() {
    for (unsigned b = 0; b < 256; ++b) v[b] = static_cast<unsigned char>(lead_length(b) - Offset);
  }
};

constexpr LeadTable<0> kAddBytes;
constexpr LeadTable<1> kTrailing;

}  // namespace

const unsigned char sAddBytesFromUTF8[256] = {
#define R16(b) kAddBytes.v[b], kAddBytes.v[b + 1], kAddBytes.v[b + 2], kAddBytes.v[b + 3], kAddBytes.v[b + 4], \
    kAddBytes.v[b + 5], kAddBytes.v[b + 6], kAddBytes.v[b + 7], kAddBytes.v[b + 8], kAddBytes.v[b + 9],       \
    kAddBytes.v[b + 10], kAddBytes.v[b + 11], kAddBytes.v[b + 12], kAddBytes.v[b + 13], kAddBytes.v[b + 14],  \
    kAddBytes.v[b + 15]
    R16(0x00), R16(0x10), R16(0x20), R16(0x30), R16(0x40), R16(0x50), R16(0x60), R16(0x70),
    R16(0x80), R16(0x90), R16(0xA0), R16(0xB0), R16(0xC0), R16(0xD0), R16(0xE0), R16(0xF0),
#undef R16
};

const unsigned char sTrailingBytesFromUTF8[256] = {
#define R16(b) kTrailing.v[b], kTrailing.v[b + 1], kTrailing.v[b + 2], kTrailing.v[b + 3], kTrailing.v[b + 4], \
    kTrailing.v[b + 5], kTrailing.v[b + 6], kTrailing.v[b + 7], kTrailing.v[b + 8], kTrailing.v[b + 9],       \
    kTrailing.v[b + 10], kTrailing.v[b + 11], kTrailing.v[b + 12], kTrailing.v[b + 13], kTrailing.v[b + 14],  \
    kTrailing.v[b + 15]
    R16(0x00), R16(0x10), R16(0x20), R16(0x30), R16(0x40), R16(0x50), R16(0x60), R16(0x70),
    R16(0x80), R16(0x90), R16(0xA0), R16(0xB0), R16(0xC0), R16(0xD0), R16(0xE0), R16(0xF0),
#undef R16
};

namespace kti18n::utf8 {

namespace {

std::uint64_t scalar_encoded_length(const unsigned short* s, std::uint64_t n) noexcept {
  // Branch-free so that the compiler can vectorise it.
  std::uint64_t bytes = n;
  for (std::uint64_t i = 0; i < n; ++i) bytes += (s[i] >= 0x80) + (s[i] >= 0x800);
  return bytes;
}

unsigned char* scalar_encode(unsigned char* dst, const unsigned short* s, std::uint64_t n) noexcept {
  const unsigned short* end = s + n;
  while (s != end) {
    // Runs of ASCII four units at a time.
    while (end - s >= 4) {
      std::uint64_t w;
      std::memcpy(&w, s, 8);
      if (w & 0xFF80FF80FF80FF80ull) break;
      dst[0] = static_cast<unsigned char>(s[0]);
      dst[1] = static_cast<unsigned char>(s[1]);
      dst[2] = static_cast<unsigned char>(s[2]);
      dst[3] = static_cast<unsigned char>(s[3]);
      dst += 4;
      s += 4;
    }
    if (s == end) break;
    const unsigned u = *s++;
    if (u < 0x80) {
      *dst++ = static_cast<unsigned char>(u);
    } else if (u < 0x800) {
      dst[0] = static_cast<unsigned char>(0xC0 | (u >> 6));
      dst[1] = static_cast<unsigned char>(0x80 | (u & 0x3F));
      dst += 2;
    } else {
      dst[0] = static_cast<unsigned char>(0xE0 | (u >> 12));
      dst[1] = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
      dst[2] = static_cast<unsigned char>(0x80 | (u & 0x3F));
      dst += 3;
    }
  }
  return dst;
}

// For regular input (every sequence of 1 to 3 bytes whose trailing bytes
// are continuation bytes, no stray continuation byte) the character count
// is the number of non-continuation bytes. A byte must be a continuation
// byte exactly when the byte before it is a 2- or 3-byte lead or the one
// two before is a 3-byte lead; that test needs no branches, so the
// compiler can vectorise it. Returns false for irregular input.
bool count_regular(const unsigned char* s, std::uint64_t nbytes, std::uint64_t* chars) {
  auto expects = [](unsigned before1, unsigned before2) { return (before1 >= 0xC0) | (before2 >= 0xE0); };
  auto is_cont = [](unsigned b) { return (b & 0xC0) == 0x80; };
  if (nbytes == 0) {
    *chars = 0;
    return true;
  }
  unsigned bad = is_cont(s[0]) | (s[0] >= 0xF0);
  std::uint64_t leads = !is_cont(s[0]);
  if (nbytes > 1) {
    bad |= (is_cont(s[1]) != expects(s[0], 0)) | (s[1] >= 0xF0);
    leads += !is_cont(s[1]);
  }
  for (std::uint64_t i = 2; i < nbytes; ++i) {
    const unsigned b = s[i];
    bad |= (is_cont(b) != expects(s[i - 1], s[i - 2])) | (b >= 0xF0);
    leads += !is_cont(b);
  }
  // Nothing may be expected after the last byte.
  bad |= expects(s[nbytes - 1], nbytes > 1 ? s[nbytes - 2] : 0);
  *chars = leads;
  return !bad;
}

// The fast count when the input is regular, else the exact steps.
detail::Walk scalar_walk(const unsigned char* s, std::uint64_t nbytes) noexcept {
  detail::Walk w{0, 0};
  if (count_regular(s, nbytes, &w.chars)) {
    w.bytes = nbytes;
    return w;
  }
  w.chars = 0;
  detail::walk_steps(s, nbytes, nbytes, w);
  return w;
}

// Eight bytes at p are all ASCII.
inline bool ascii8(const unsigned char* p) {
  std::uint64_t w;
  std::memcpy(&w, p, 8);
  return (w & 0x8080808080808080ull) == 0;
}

unsigned short* scalar_decode(unsigned short* dst, const unsigned char* s, std::uint64_t nbytes) noexcept {
  const unsigned char* end = s + nbytes;
  // Main loop: any sequence (and an 8-byte ASCII run) fits before end.
  while (end - s >= 8) {
    const unsigned b = s[0];
    if (b < 0x80) {
      if (ascii8(s)) {
        for (int k = 0; k < 8; ++k) dst[k] = s[k];
        dst += 8;
        s += 8;
      } else {
        *dst++ = static_cast<unsigned short>(b);
        s += 1;
      }
    } else if (b < 0xC0) {  // a stray continuation byte reads as itself
      *dst++ = static_cast<unsigned short>(b);
      s += 1;
    } else if (b < 0xE0) {
      *dst++ = static_cast<unsigned short>((b << 6) + s[1] - 0x3080);
      s += 2;
    } else {
      *dst++ = static_cast<unsigned short>((b << 12) + (s[1] << 6) + s[2] - 0xE2080);
      s += 3;
    }
  }
  while (s < end) {
    const unsigned len = sAddBytesFromUTF8[*s];
    *dst++ = decode_sequence(s, len);
    s += len;
  }
  return dst;
}

}  // namespace

namespace detail {

const Kernels kScalarKernels = {scalar_walk, scalar_decode, scalar_encoded_length, scalar_encode};

bool walk_steps(const unsigned char* s, std::uint64_t nbytes, std::uint64_t stop, Walk& w) noexcept {
  while (w.bytes < stop) {
    const unsigned len = sAddBytesFromUTF8[s[w.bytes]];
    if (len > 3 || len > nbytes - w.bytes) return false;
    w.bytes += len;
    ++w.chars;
  }
  return true;
}

}  // namespace detail

std::uint64_t encoded_length(const unsigned short* s, std::uint64_t n) noexcept {
  return detail::kernels().encoded_length(s, n);
}

unsigned char* encode(unsigned char* dst, const unsigned short* s, std::uint64_t n) noexcept {
  return detail::kernels().encode(dst, s, n);
}

zvStatus measure(const unsigned char* s, std::uint32_t nbytes, std::uint32_t* chars, std::uint32_t* bytes) noexcept {
  // Up to the terminator is up to the first 0 byte: a sequence that runs
  // into the terminator is one that this length cuts short.
  const std::uint64_t length = nbytes == npos ? std::strlen(reinterpret_cast<const char*>(s)) : nbytes;
  const detail::Walk w = detail::kernels().walk(s, length);
  if (w.bytes != length) return ZV_E_INVALID_DATA;
  if (w.chars > 0x7FFFFFFF || w.bytes > 0xFFFFFFFEu) return ZV_E_LENGTH;
  *chars = static_cast<std::uint32_t>(w.chars);
  *bytes = static_cast<std::uint32_t>(w.bytes);
  return ZV_S_OK;
}

unsigned short* decode(unsigned short* dst, const unsigned char* s, std::uint32_t nbytes) noexcept {
  return detail::kernels().decode(dst, s, nbytes);
}

}  // namespace kti18n::utf8

// ---- zv_utf8_traits -------------------------------------------------------

unsigned zv_utf8_traits::length(const unsigned char* s) { return static_cast<unsigned>(std::strlen(reinterpret_cast<const char*>(s))); }

unsigned zv_utf8_traits::length(const unsigned short* s) {
  unsigned n = 0;
  while (s[n] != 0) ++n;
  return length(s, n);
}

unsigned zv_utf8_traits::length(const unsigned short* s, unsigned n) {
  return static_cast<unsigned>(kti18n::utf8::encoded_length(s, n));
}

unsigned zv_utf8_traits::length(unsigned short ch, unsigned n) { return GetUTF8Bytes(ch) * n; }

// The counts below first take the fast walk over whole characters of 1 to 3
// bytes, then step on by lead bytes over what it leaves (a longer lead, a
// last sequence cut short).

unsigned zv_utf8_traits::char_length(const unsigned char* s) {
  const std::uint64_t length = std::strlen(reinterpret_cast<const char*>(s));
  const kti18n::utf8::detail::Walk w = kti18n::utf8::detail::kernels().walk(s, length);
  unsigned chars = static_cast<unsigned>(w.chars);
  for (const unsigned char* p = s + w.bytes; *p != 0; p += sAddBytesFromUTF8[*p]) {
    ++chars;
    // A sequence that runs into the terminator ends the text.
    for (unsigned k = 1; k < sAddBytesFromUTF8[*p]; ++k)
      if (p[k] == 0) return chars;
  }
  return chars;
}

unsigned zv_utf8_traits::char_length(const unsigned char* s, unsigned nbytes) {
  const kti18n::utf8::detail::Walk w = kti18n::utf8::detail::kernels().walk(s, nbytes);
  unsigned chars = static_cast<unsigned>(w.chars);
  for (std::uint64_t i = w.bytes; i < nbytes; i += sAddBytesFromUTF8[s[i]]) ++chars;
  return chars;
}

unsigned zv_utf8_traits::GetUTF8Bytes(unsigned int ch) {
  return ch < 0x80 ? 1 : ch < 0x800 ? 2 : ch < 0x10000 ? 3 : ch < 0x200000 ? 4 : ch < 0x4000000 ? 5 : 6;
}

int zv_utf8_traits::compare(const unsigned char* a, const unsigned char* b, unsigned n) {
  const int c = std::memcmp(a, b, n);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int zv_utf8_traits::compare(const unsigned char*, const unsigned short*, unsigned) {
  throw ZVException(ZV_E_INVALID_DATA, "comparing UTF-8 bytes with UCS-2 units is not supported");
}

unsigned char* zv_utf8_traits::copy(unsigned char* dst, const unsigned char* src, unsigned n) {
  if (n) std::memcpy(dst, src, n);
  return dst;
}

unsigned char* zv_utf8_traits::move(unsigned char* dst, const unsigned char* src, unsigned n) {
  if (n) std::memmove(dst, src, n);
  return dst;
}

unsigned short* zv_utf8_traits::copy(unsigned short* dst, const unsigned char* src, unsigned nchars) {
  for (unsigned i = 0; i < nchars; ++i) {
    const unsigned len = sAddBytesFromUTF8[*src];
    if (len > 3) throw ZVException(ZV_E_INVALID_DATA);
    dst[i] = kti18n::utf8::decode_sequence(src, len);
    src += len;
  }
  return dst;
}

unsigned char* zv_utf8_traits::assign(unsigned char* dst, unsigned nbytes, const unsigned short* src) {
  unsigned char* p = dst;
  unsigned char* end = dst + nbytes;
  while (p < end) {
    unsigned char unit[3];
    const unsigned len = static_cast<unsigned>(kti18n::utf8::encode(unit, src++, 1) - unit);
    const unsigned room = static_cast<unsigned>(end - p);
    std::memcpy(p, unit, len < room ? len : room);  // never past nbytes
    p += len < room ? len : room;
  }
  return dst;
}

unsigned char* zv_utf8_traits::assign(unsigned char* dst, unsigned nbytes, unsigned short ch) {
  unsigned char unit[3];
  const unsigned len = static_cast<unsigned>(kti18n::utf8::encode(unit, &ch, 1) - unit);
  if (len == 1) {
    std::memset(dst, unit[0], nbytes);
    return dst;
  }
  for (unsigned i = 0; i < nbytes; ++i) dst[i] = unit[i % len];
  return dst;
}

bool zv_utf8_traits::_is_valid_utf8(const unsigned char* s, unsigned nbytes) {
  unsigned i = 0;
  while (i < nbytes) {
    if (!is_lead_byte(s[i])) return false;
    const unsigned len = sAddBytesFromUTF8[s[i]];
    if (len > nbytes - i) return false;
    for (unsigned k = 1; k < len; ++k)
      if (is_lead_byte(s[i + k])) return false;
    i += len;
  }
  return true;
}

// ---- free conversion functions ------------------------------------------------

zvStatus UCS2_ConvertToUTF8(const unsigned short* src, unsigned n, unsigned char** out, unsigned* outBytes) {
  *out = nullptr;
  *outBytes = 0;
  const std::uint64_t bytes = kti18n::utf8::encoded_length(src, n);
  if (bytes > 0xFFFFFFFEu) return ZV_E_LENGTH;
  auto* block = new (std::nothrow) unsigned char[bytes ? bytes : 1];
  if (block == nullptr) return ZV_E_OUTOFMEMORY;
  kti18n::utf8::encode(block, src, n);
  *out = block;
  *outBytes = static_cast<unsigned>(bytes);
  return ZV_S_OK;
}

zvStatus UTF8_ConvertToUCS2(const unsigned char* src, unsigned nbytes, unsigned short** out, unsigned* outUnits) {
  *out = nullptr;
  *outUnits = 0;
  if (src == nullptr || nbytes == 0 || nbytes == kti18n::utf8::npos) return ZV_E_INVALID_DATA;
  std::uint32_t chars = 0, bytes = 0;
  if (kti18n::utf8::measure(src, nbytes, &chars, &bytes) != ZV_S_OK || chars == 0) return ZV_E_INVALID_DATA;
  auto* block = new (std::nothrow) unsigned short[chars];
  if (block == nullptr) return ZV_E_OUTOFMEMORY;
  kti18n::utf8::decode(block, src, bytes);
  *out = block;
  *outUnits = chars;
  return ZV_S_OK;
}

unsigned short UTF8_ConvertNextChar(const unsigned char** p, const unsigned char* end) {
  const unsigned char* s = *p;
  if (s >= end) return 0xFFFF;
  const unsigned len = sAddBytesFromUTF8[*s];
  // The whole sequence must lie before end: s + len <= end.
  if (len > 3 || len > static_cast<std::size_t>(end - s)) return 0xFFFF;
  *p = s + len;
  return kti18n::utf8::decode_sequence(s, len);
}

unsigned UTF8_GetCharCount(const unsigned char* s, unsigned nbytes) {
  const kti18n::utf8::detail::Walk w = kti18n::utf8::detail::kernels().walk(s, nbytes);
  unsigned chars = static_cast<unsigned>(w.chars);
  std::uint64_t i = w.bytes;
  while (i < nbytes) {
    i += 1 + sTrailingBytesFromUTF8[s[i]];
    ++chars;
  }
  return i == nbytes ? chars : 0;
}
