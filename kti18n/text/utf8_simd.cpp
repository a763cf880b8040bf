// Vector kernels of the UTF-8 <-> UCS-2 conversions (SSE2, and AVX2 where
// the processor has it), and the choice of kernel set.
//
// The technique follows the published work on vectorised UTF-8 transcoding
// (classify a block of bytes at once, widen ASCII blocks, rearrange the
// others with shuffle tables), adapted to this library's reading of UTF-8,
// which is not a validation: lengths come from lead bytes alone, a stray
// continuation byte is a 1-byte character, trailing bytes are not checked.
// Every kernel here gives exactly what the scalar kernels of utf8.cpp give.
//
// Reading UTF-8 (the walk that counts, and decoding) goes by windows of 16
// (SSE2) or 32 (AVX2) bytes, each starting on a character boundary. A few
// compares turn a window into bit masks: continuation bytes, and bytes at or
// above 0xC0, 0xE0 and 0xF0. The window is regular when no byte is 0xF0 or
// above and its continuation bytes are exactly those that the leads before
// them call for (the byte after a lead >= 0xC0, the byte two after a lead >=
// 0xE0). In a regular window the characters start exactly at the
// non-continuation bytes, which is where the lead-by-lead walk would step;
// a character cut by the window's end is left to the next window. Then:
//   - an all-ASCII window is widened byte to unit;
//   - otherwise every position is decoded as if a character started there
//     (the formulas of utf8.h on the byte and the two after it, so no lane
//     needs another's result), and the lanes of the real leads are packed
//     together: by a shuffle whose control comes from a table indexed by the
//     8-bit lead mask of each 8 lanes (AVX2), or by stepping over the mask's
//     bits (SSE2 has no byte shuffle).
// A window holding anything else (a stray continuation byte, a lead whose
// trailing bytes are not continuation bytes, a lead of 4 or more bytes) goes
// to the scalar steps up to its end, which read it exactly as the scalar
// code does; the next window starts where they stopped.
//
// Writing UTF-8 takes 8 (SSE2) or 16 (AVX2) units at a time. ASCII units are
// narrowed. Otherwise each unit gets its 1-, 2- or 3-byte form in a 16-bit
// lane (when no unit needs 3 bytes) or a 32-bit lane, and the bytes are
// packed by a shuffle from a table indexed by the units' lengths (AVX2), or
// each lane is stored as 4 bytes and the output advanced by its length
// (SSE2).
//
// Wide stores may write past the last unit or byte they produce. Each loop
// stops while enough input is left that those places lie inside the output
// the rest of the input will fill (a byte of input is at most one unit of
// output and three bytes at least one; a unit of input is at least one byte
// of output). The scalar code finishes every buffer.
#include "kti18n/text/utf8_simd.h"

#include <atomic>
#include <cstring>

#include "kti18n/text/utf8.h"

#if defined(__x86_64__) && !defined(KTI18N_SCALAR_UTF8)
#define KTI18N_UTF8_VECTOR 1
#include <immintrin.h>
#endif

namespace kti18n::utf8::detail {
namespace {

#if KTI18N_UTF8_VECTOR

// ---- Windows of UTF-8 bytes (plain integer work, shared by both paths) ----

// Bit j stands for byte j of the window.
struct ByteClasses {
  std::uint64_t high;  // >= 0x80
  std::uint64_t ge_c0;
  std::uint64_t ge_e0;
  std::uint64_t ge_f0;
};

struct Window {
  bool regular;
  unsigned consumed;    // bytes of the whole characters in the window
  std::uint64_t leads;  // their first bytes
};

inline Window read_window(const ByteClasses& c, unsigned width) {
  const std::uint64_t inside = (std::uint64_t{1} << width) - 1;
  const std::uint64_t cont = c.high & ~c.ge_c0;
  const std::uint64_t expected = (c.ge_c0 << 1) | (c.ge_e0 << 2);
  Window w;
  w.regular = c.ge_f0 == 0 && cont == (expected & inside);
  // A lead in the last byte cuts 1 byte off, a 3-byte lead in the one
  // before 2 (without branches: where windows end within characters is
  // beyond prediction).
  const unsigned lead_last = static_cast<unsigned>(c.ge_c0 >> (width - 1)) & 1;
  const unsigned lead3_before = static_cast<unsigned>(c.ge_e0 >> (width - 2)) & 1;
  w.consumed = width - (lead_last | ((lead3_before & ~lead_last) << 1));
  w.leads = ~cont & ((std::uint64_t{1} << w.consumed) - 1);
  return w;
}

// Decodes the characters that start before stop (measured bytes: each lies
// wholly before the end of the input); returns where the next one starts.
inline const unsigned char* decode_steps(unsigned short*& dst, const unsigned char* p, const unsigned char* stop) {
  while (p < stop) {
    const unsigned len = sAddBytesFromUTF8[*p];
    *dst++ = decode_sequence(p, len);
    p += len;
  }
  return p;
}

// ---- Shuffle tables ----

// Packs the 16-bit lanes named by an 8-bit mask to the front.
struct UnitPackTable {
  alignas(16) unsigned char control[256][16];
  constexpr UnitPackTable() : control() {
    for (unsigned m = 0; m < 256; ++m) {
      unsigned k = 0;
      for (unsigned j = 0; j < 8; ++j) {
        if (!((m >> j) & 1)) continue;
        control[m][k++] = static_cast<unsigned char>(2 * j);
        control[m][k++] = static_cast<unsigned char>(2 * j + 1);
      }
      while (k < 16) control[m][k++] = 0x80;
    }
  }
};

// 8 units in 16-bit lanes (first byte low, second high): keeps the second
// byte of the units named by the mask (those of 2 bytes).
struct PairPackTable {
  alignas(16) unsigned char control[256][16];
  constexpr PairPackTable() : control() {
    for (unsigned m = 0; m < 256; ++m) {
      unsigned k = 0;
      for (unsigned j = 0; j < 8; ++j) {
        control[m][k++] = static_cast<unsigned char>(2 * j);
        if ((m >> j) & 1) control[m][k++] = static_cast<unsigned char>(2 * j + 1);
      }
      while (k < 16) control[m][k++] = 0x80;
    }
  }
};

// 4 units in 32-bit lanes: index bits 0-3 say which units are >= 0x80, bits
// 4-7 which are >= 0x800; a unit keeps 1, 2 or 3 bytes of its lane.
struct WordPackTable {
  alignas(16) unsigned char control[256][16];
  unsigned char length[256];
  constexpr WordPackTable() : control(), length() {
    for (unsigned m = 0; m < 256; ++m) {
      unsigned k = 0;
      for (unsigned j = 0; j < 4; ++j) {
        const unsigned len = 1 + ((m >> j) & 1) + ((m >> (j + 4)) & 1);
        for (unsigned b = 0; b < len; ++b) control[m][k++] = static_cast<unsigned char>(4 * j + b);
      }
      length[m] = static_cast<unsigned char>(k);
      while (k < 16) control[m][k++] = 0x80;
    }
  }
};

constexpr UnitPackTable kUnitPack;
constexpr PairPackTable kPairPack;
constexpr WordPackTable kWordPack;

// ---- SSE2 ----

inline unsigned popcount16(unsigned m) {
  m = m - ((m >> 1) & 0x5555);
  m = (m & 0x3333) + ((m >> 2) & 0x3333);
  m = (m + (m >> 4)) & 0x0F0F;
  return (m + (m >> 8)) & 0x1F;
}

inline __m128i select128(__m128i mask, __m128i yes, __m128i no) {
  return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

inline __m128i load128(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }

inline ByteClasses classify16(__m128i v) {
  // Offset by 0x80, the bytes compare as signed values in their own order.
  const __m128i x = _mm_xor_si128(v, _mm_set1_epi8(static_cast<char>(0x80)));
  auto at_least = [x](int b) {
    return static_cast<std::uint64_t>(_mm_movemask_epi8(_mm_cmpgt_epi8(x, _mm_set1_epi8(static_cast<char>(b - 1 - 0x80)))));
  };
  return {static_cast<std::uint64_t>(_mm_movemask_epi8(v)), at_least(0xC0), at_least(0xE0), at_least(0xF0)};
}

Walk walk_sse2(const unsigned char* s, std::uint64_t nbytes) noexcept {
  Walk w{0, 0};
  while (nbytes - w.bytes >= 16) {
    const __m128i v = load128(s + w.bytes);
    if (_mm_movemask_epi8(v) == 0) {
      w.bytes += 16;
      w.chars += 16;
      continue;
    }
    const Window win = read_window(classify16(v), 16);
    if (win.regular) {
      w.bytes += win.consumed;
      w.chars += popcount16(static_cast<unsigned>(win.leads));
    } else if (!walk_steps(s, nbytes, w.bytes + 16, w)) {
      return w;
    }
  }
  walk_steps(s, nbytes, nbytes, w);
  return w;
}

// The unit that 8 positions would decode to if a character started at each;
// b0, b1, b2: the bytes at, after and two after each position.
inline __m128i decode_lanes8(__m128i b0, __m128i b1, __m128i b2) {
  // 16-bit arithmetic is the formulas' truncation: 0xE2080 is 0x2080 modulo 2^16.
  const __m128i two = _mm_sub_epi16(_mm_add_epi16(_mm_slli_epi16(b0, 6), b1), _mm_set1_epi16(0x3080));
  const __m128i three = _mm_sub_epi16(
      _mm_add_epi16(_mm_add_epi16(_mm_slli_epi16(b0, 12), _mm_slli_epi16(b1, 6)), b2), _mm_set1_epi16(0x2080));
  const __m128i lead2 = _mm_cmpgt_epi16(b0, _mm_set1_epi16(0xBF));
  const __m128i lead3 = _mm_cmpgt_epi16(b0, _mm_set1_epi16(0xDF));
  return select128(lead3, three, select128(lead2, two, b0));
}

unsigned short* decode_sse2(unsigned short* dst, const unsigned char* s, std::uint64_t nbytes) noexcept {
  const unsigned char* p = s;
  const unsigned char* const end = s + nbytes;
  const __m128i zero = _mm_setzero_si128();
  // A window reads 18 bytes.
  while (end - p >= 18) {
    const __m128i v = load128(p);
    if (_mm_movemask_epi8(v) == 0) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_unpacklo_epi8(v, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 8), _mm_unpackhi_epi8(v, zero));
      dst += 16;
      p += 16;
      continue;
    }
    const Window win = read_window(classify16(v), 16);
    if (!win.regular) {
      p = decode_steps(dst, p, p + 16);
      continue;
    }
    const __m128i v1 = load128(p + 1);
    const __m128i v2 = load128(p + 2);
    alignas(16) unsigned short lanes[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes),
                    decode_lanes8(_mm_unpacklo_epi8(v, zero), _mm_unpacklo_epi8(v1, zero), _mm_unpacklo_epi8(v2, zero)));
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes + 8),
                    decode_lanes8(_mm_unpackhi_epi8(v, zero), _mm_unpackhi_epi8(v1, zero), _mm_unpackhi_epi8(v2, zero)));
    // Every lane is written and only leads advance: no branch to mispredict.
    // The last write may land one unit past the window's characters, where
    // the next character (there is one: 2 bytes are left) goes.
    const unsigned leads = static_cast<unsigned>(win.leads);
    for (unsigned j = 0; j < 16; ++j) {
      *dst = lanes[j];
      dst += (leads >> j) & 1;
    }
    p += win.consumed;
  }
  decode_steps(dst, p, end);
  return dst;
}

// Units of 8 lanes at or above 0x80 (ge80) and 0x800 (ge800), as all-ones lanes.
inline __m128i units_at_least(__m128i v, int mask) {
  return _mm_xor_si128(_mm_cmpeq_epi16(_mm_and_si128(v, _mm_set1_epi16(static_cast<short>(mask))), _mm_setzero_si128()),
                       _mm_set1_epi8(-1));
}

std::uint64_t encoded_length_sse2(const unsigned short* s, std::uint64_t n) noexcept {
  std::uint64_t bytes = n;
  std::uint64_t i = 0;
  while (n - i >= 8) {
    // 16-bit lane sums of at most 2 a window cannot overflow in 16383 windows.
    const std::uint64_t windows = (n - i) / 8 < 16383 ? (n - i) / 8 : 16383;
    __m128i sums = _mm_setzero_si128();
    for (std::uint64_t k = 0; k < windows; ++k, i += 8) {
      const __m128i v = load128(s + i);
      sums = _mm_sub_epi16(sums, _mm_add_epi16(units_at_least(v, 0xFF80), units_at_least(v, 0xF800)));
    }
    alignas(16) std::int32_t lanes[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), _mm_madd_epi16(sums, _mm_set1_epi16(1)));
    bytes += static_cast<std::uint64_t>(lanes[0]) + lanes[1] + lanes[2] + lanes[3];
  }
  for (; i < n; ++i) bytes += (s[i] >= 0x80) + (s[i] >= 0x800);
  return bytes;
}

// The UTF-8 form of 4 units in 32-bit lanes: first byte lowest.
inline __m128i encode_lanes4(__m128i u) {
  const __m128i low6 = _mm_or_si128(_mm_and_si128(u, _mm_set1_epi32(0x3F)), _mm_set1_epi32(0x80));
  const __m128i mid6 = _mm_or_si128(_mm_and_si128(_mm_srli_epi32(u, 6), _mm_set1_epi32(0x3F)), _mm_set1_epi32(0x80));
  const __m128i two = _mm_or_si128(_mm_or_si128(_mm_srli_epi32(u, 6), _mm_set1_epi32(0xC0)), _mm_slli_epi32(low6, 8));
  const __m128i three = _mm_or_si128(_mm_or_si128(_mm_srli_epi32(u, 12), _mm_set1_epi32(0xE0)),
                                     _mm_or_si128(_mm_slli_epi32(mid6, 8), _mm_slli_epi32(low6, 16)));
  const __m128i ge80 = _mm_cmpgt_epi32(u, _mm_set1_epi32(0x7F));
  const __m128i ge800 = _mm_cmpgt_epi32(u, _mm_set1_epi32(0x7FF));
  return select128(ge800, three, select128(ge80, two, u));
}

unsigned char* encode_sse2(unsigned char* dst, const unsigned short* s, std::uint64_t n) noexcept {
  const unsigned short* const end = s + n;
  const __m128i zero = _mm_setzero_si128();
  // A unit's 4-byte store may reach 3 bytes past its own: keep 3 units ahead.
  while (end - s >= 11) {
    const __m128i v = load128(s);
    if (_mm_movemask_epi8(units_at_least(v, 0xFF80)) == 0) {
      _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), _mm_packus_epi16(v, v));
      dst += 8;
      s += 8;
      continue;
    }
    alignas(16) std::uint32_t lanes[8];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), encode_lanes4(_mm_unpacklo_epi16(v, zero)));
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes + 4), encode_lanes4(_mm_unpackhi_epi16(v, zero)));
    for (int k = 0; k < 8; ++k) {
      std::memcpy(dst, &lanes[k], 4);
      dst += 1 + (s[k] >= 0x80) + (s[k] >= 0x800);
    }
    s += 8;
  }
  return kScalarKernels.encode(dst, s, static_cast<std::uint64_t>(end - s));
}

// ---- AVX2 ----

#define KTI18N_AVX2 __attribute__((target("avx2,popcnt")))

KTI18N_AVX2 inline __m256i load256(const void* p) { return _mm256_loadu_si256(static_cast<const __m256i*>(p)); }

KTI18N_AVX2 inline std::uint64_t byte_mask(__m256i v) {
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(v));
}

KTI18N_AVX2 inline ByteClasses classify32(__m256i v) {
  const __m256i x = _mm256_xor_si256(v, _mm256_set1_epi8(static_cast<char>(0x80)));
  const __m256i c0 = _mm256_cmpgt_epi8(x, _mm256_set1_epi8(0xBF - 0x80));
  const __m256i e0 = _mm256_cmpgt_epi8(x, _mm256_set1_epi8(0xDF - 0x80));
  const __m256i f0 = _mm256_cmpgt_epi8(x, _mm256_set1_epi8(0xEF - 0x80));
  return {byte_mask(v), byte_mask(c0), byte_mask(e0), byte_mask(f0)};
}

KTI18N_AVX2 Walk walk_avx2(const unsigned char* s, std::uint64_t nbytes) noexcept {
  Walk w{0, 0};
  while (nbytes - w.bytes >= 32) {
    const __m256i v = load256(s + w.bytes);
    if (_mm256_movemask_epi8(v) == 0) {
      w.bytes += 32;
      w.chars += 32;
      continue;
    }
    const Window win = read_window(classify32(v), 32);
    if (win.regular) {
      w.bytes += win.consumed;
      w.chars += static_cast<std::uint64_t>(_mm_popcnt_u64(win.leads));
    } else if (!walk_steps(s, nbytes, w.bytes + 32, w)) {
      return w;
    }
  }
  walk_steps(s, nbytes, nbytes, w);
  return w;
}

// Decodes 16 positions at p as if a character started at each.
KTI18N_AVX2 inline __m256i decode_lanes16(const unsigned char* p) {
  const __m256i b0 = _mm256_cvtepu8_epi16(load128(p));
  const __m256i b1 = _mm256_cvtepu8_epi16(load128(p + 1));
  const __m256i b2 = _mm256_cvtepu8_epi16(load128(p + 2));
  const __m256i two = _mm256_sub_epi16(_mm256_add_epi16(_mm256_slli_epi16(b0, 6), b1), _mm256_set1_epi16(0x3080));
  const __m256i three =
      _mm256_sub_epi16(_mm256_add_epi16(_mm256_add_epi16(_mm256_slli_epi16(b0, 12), _mm256_slli_epi16(b1, 6)), b2),
                       _mm256_set1_epi16(0x2080));
  const __m256i lead2 = _mm256_cmpgt_epi16(b0, _mm256_set1_epi16(0xBF));
  const __m256i lead3 = _mm256_cmpgt_epi16(b0, _mm256_set1_epi16(0xDF));
  return _mm256_blendv_epi8(_mm256_blendv_epi8(b0, two, lead2), three, lead3);
}

// Stores the lanes named by the 16-bit mask, in order; writes 8 units past
// the last one at most.
KTI18N_AVX2 inline unsigned short* pack_units16(unsigned short* dst, __m256i lanes, unsigned mask) {
  const unsigned lo = mask & 0xFF;
  const unsigned hi = (mask >> 8) & 0xFF;
  const __m256i control = _mm256_set_m128i(load128(kUnitPack.control[hi]), load128(kUnitPack.control[lo]));
  const __m256i packed = _mm256_shuffle_epi8(lanes, control);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_castsi256_si128(packed));
  dst += _mm_popcnt_u32(lo);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_extracti128_si256(packed, 1));
  return dst + _mm_popcnt_u32(hi);
}

KTI18N_AVX2 unsigned short* decode_avx2(unsigned short* dst, const unsigned char* s, std::uint64_t nbytes) noexcept {
  const unsigned char* p = s;
  const unsigned char* const end = s + nbytes;
  // A window reads 34 bytes; 30 more give the 8 units a packed store may
  // write ahead.
  while (end - p >= 64) {
    const __m256i v = load256(p);
    if (_mm256_movemask_epi8(v) == 0) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst), _mm256_cvtepu8_epi16(_mm256_castsi256_si128(v)));
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + 16), _mm256_cvtepu8_epi16(_mm256_extracti128_si256(v, 1)));
      dst += 32;
      p += 32;
      continue;
    }
    const Window win = read_window(classify32(v), 32);
    if (!win.regular) {
      p = decode_steps(dst, p, p + 32);
      continue;
    }
    dst = pack_units16(dst, decode_lanes16(p), static_cast<unsigned>(win.leads & 0xFFFF));
    dst = pack_units16(dst, decode_lanes16(p + 16), static_cast<unsigned>(win.leads >> 16));
    p += win.consumed;
  }
  return decode_sse2(dst, p, static_cast<std::uint64_t>(end - p));
}

KTI18N_AVX2 inline __m256i units_at_least256(__m256i v, int mask) {
  return _mm256_xor_si256(
      _mm256_cmpeq_epi16(_mm256_and_si256(v, _mm256_set1_epi16(static_cast<short>(mask))), _mm256_setzero_si256()),
      _mm256_set1_epi8(-1));
}

KTI18N_AVX2 std::uint64_t encoded_length_avx2(const unsigned short* s, std::uint64_t n) noexcept {
  std::uint64_t bytes = n;
  std::uint64_t i = 0;
  while (n - i >= 16) {
    const std::uint64_t windows = (n - i) / 16 < 16383 ? (n - i) / 16 : 16383;
    __m256i sums = _mm256_setzero_si256();
    for (std::uint64_t k = 0; k < windows; ++k, i += 16) {
      const __m256i v = load256(s + i);
      sums = _mm256_sub_epi16(sums, _mm256_add_epi16(units_at_least256(v, 0xFF80), units_at_least256(v, 0xF800)));
    }
    const __m256i wide = _mm256_madd_epi16(sums, _mm256_set1_epi16(1));
    const __m128i four = _mm_add_epi32(_mm256_castsi256_si128(wide), _mm256_extracti128_si256(wide, 1));
    alignas(16) std::int32_t lanes[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), four);
    bytes += static_cast<std::uint64_t>(lanes[0]) + lanes[1] + lanes[2] + lanes[3];
  }
  return bytes + (encoded_length_sse2(s + i, n - i) - (n - i));
}

// 16 units below 0x800: 1 or 2 bytes each, from 16-bit lanes. Writes 8
// bytes past the last one at most.
KTI18N_AVX2 inline unsigned char* encode_pairs16(unsigned char* dst, __m256i v) {
  const __m256i ascii = _mm256_cmpeq_epi16(_mm256_and_si256(v, _mm256_set1_epi16(static_cast<short>(0xFF80))),
                                           _mm256_setzero_si256());
  const __m256i trail = _mm256_or_si256(_mm256_and_si256(v, _mm256_set1_epi16(0x3F)), _mm256_set1_epi16(0x80));
  const __m256i two = _mm256_or_si256(_mm256_or_si256(_mm256_srli_epi16(v, 6), _mm256_set1_epi16(0xC0)),
                                      _mm256_slli_epi16(trail, 8));
  const __m256i lanes = _mm256_blendv_epi8(two, v, ascii);
  // One mask bit a unit: units 0-7 in bits 0-7, units 8-15 in bits 16-23.
  const unsigned one_byte =
      static_cast<unsigned>(_mm256_movemask_epi8(_mm256_packs_epi16(ascii, _mm256_setzero_si256())));
  const unsigned lo = ~one_byte & 0xFF;
  const unsigned hi = (~one_byte >> 16) & 0xFF;
  const __m256i control = _mm256_set_m128i(load128(kPairPack.control[hi]), load128(kPairPack.control[lo]));
  const __m256i packed = _mm256_shuffle_epi8(lanes, control);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_castsi256_si128(packed));
  dst += 8 + _mm_popcnt_u32(lo);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_extracti128_si256(packed, 1));
  return dst + 8 + _mm_popcnt_u32(hi);
}

// 8 units of 1 to 3 bytes each, from 32-bit lanes. Writes 12 bytes past the
// last one at most.
KTI18N_AVX2 inline unsigned char* encode_words8(unsigned char* dst, __m128i units) {
  const __m256i u = _mm256_cvtepu16_epi32(units);
  const __m256i low6 = _mm256_or_si256(_mm256_and_si256(u, _mm256_set1_epi32(0x3F)), _mm256_set1_epi32(0x80));
  const __m256i mid6 =
      _mm256_or_si256(_mm256_and_si256(_mm256_srli_epi32(u, 6), _mm256_set1_epi32(0x3F)), _mm256_set1_epi32(0x80));
  const __m256i two =
      _mm256_or_si256(_mm256_or_si256(_mm256_srli_epi32(u, 6), _mm256_set1_epi32(0xC0)), _mm256_slli_epi32(low6, 8));
  const __m256i three = _mm256_or_si256(_mm256_or_si256(_mm256_srli_epi32(u, 12), _mm256_set1_epi32(0xE0)),
                                        _mm256_or_si256(_mm256_slli_epi32(mid6, 8), _mm256_slli_epi32(low6, 16)));
  const __m256i ge80 = _mm256_cmpgt_epi32(u, _mm256_set1_epi32(0x7F));
  const __m256i ge800 = _mm256_cmpgt_epi32(u, _mm256_set1_epi32(0x7FF));
  const __m256i lanes = _mm256_blendv_epi8(_mm256_blendv_epi8(u, two, ge80), three, ge800);
  const unsigned m80 = static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(ge80)));
  const unsigned m800 = static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(ge800)));
  const unsigned lo = (m80 & 0xF) | ((m800 & 0xF) << 4);
  const unsigned hi = (m80 >> 4) | ((m800 >> 4) << 4);
  const __m256i control = _mm256_set_m128i(load128(kWordPack.control[hi]), load128(kWordPack.control[lo]));
  const __m256i packed = _mm256_shuffle_epi8(lanes, control);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_castsi256_si128(packed));
  dst += kWordPack.length[lo];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_extracti128_si256(packed, 1));
  return dst + kWordPack.length[hi];
}

KTI18N_AVX2 unsigned char* encode_avx2(unsigned char* dst, const unsigned short* s, std::uint64_t n) noexcept {
  const unsigned short* const end = s + n;
  const __m256i ascii_bits = _mm256_set1_epi16(static_cast<short>(0xFF80));
  const __m256i three_byte_bits = _mm256_set1_epi16(static_cast<short>(0xF800));
  // Windows of 16 units with 16 more ahead: a packed store writes at most
  // 12 bytes past its own, and each unit ahead fills at least one.
  while (end - s >= 32) {
    const __m256i v = load256(s);
    const __m256i next = load256(s + 16);
    if (_mm256_testz_si256(_mm256_or_si256(v, next), ascii_bits)) {
      // Packing interleaves the 128-bit halves: put them back in order.
      const __m256i bytes = _mm256_permute4x64_epi64(_mm256_packus_epi16(v, next), 0xD8);
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst), bytes);
      dst += 32;
      s += 32;
      continue;
    }
    if (_mm256_testz_si256(v, ascii_bits)) {
      const __m256i bytes = _mm256_permute4x64_epi64(_mm256_packus_epi16(v, v), 0x08);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_castsi256_si128(bytes));
      dst += 16;
    } else if (_mm256_testz_si256(v, three_byte_bits)) {
      dst = encode_pairs16(dst, v);
    } else {
      dst = encode_words8(dst, _mm256_castsi256_si128(v));
      dst = encode_words8(dst, _mm256_extracti128_si256(v, 1));
    }
    s += 16;
  }
  return encode_sse2(dst, s, static_cast<std::uint64_t>(end - s));
}

#undef KTI18N_AVX2

const Kernels kSse2Kernels = {walk_sse2, decode_sse2, encoded_length_sse2, encode_sse2};
const Kernels kAvx2Kernels = {walk_avx2, decode_avx2, encoded_length_avx2, encode_avx2};

#endif  // KTI18N_UTF8_VECTOR

// ---- The choice ----

const Kernels* kernels_of(Path path) {
  switch (path) {
#if KTI18N_UTF8_VECTOR
    case Path::Sse2: return &kSse2Kernels;
    case Path::Avx2: return &kAvx2Kernels;
#endif
    default: return &kScalarKernels;
  }
}

// Set once on first use (every thread that races there stores the same
// choice), and by set_path.
std::atomic<const Kernels*> g_kernels{nullptr};
std::atomic<Path> g_path{Path::Scalar};

}  // namespace

bool path_available(Path path) noexcept {
  switch (path) {
    case Path::Scalar: return true;
#if KTI18N_UTF8_VECTOR
    case Path::Sse2: return true;  // the x86-64 baseline
    case Path::Avx2:
      __builtin_cpu_init();
      return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
#endif
    default: return false;
  }
}

Path best_path() noexcept {
  if (path_available(Path::Avx2)) return Path::Avx2;
  if (path_available(Path::Sse2)) return Path::Sse2;
  return Path::Scalar;
}

const Kernels& kernels() noexcept {
  const Kernels* k = g_kernels.load(std::memory_order_acquire);
  if (k == nullptr) {
    const Path path = best_path();
    k = kernels_of(path);
    g_path.store(path, std::memory_order_relaxed);
    g_kernels.store(k, std::memory_order_release);
  }
  return *k;
}

Path current_path() noexcept {
  kernels();
  return g_path.load(std::memory_order_relaxed);
}

bool set_path(Path path) noexcept {
  if (!path_available(path)) return false;
  g_path.store(path, std::memory_order_relaxed);
  g_kernels.store(kernels_of(path), std::memory_order_release);
  return true;
}

}  // namespace kti18n::utf8::detail
