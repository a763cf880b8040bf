// The double nearest to D * 10^q, D of at most twenty decimal digits.
//
// Three ways, the cheapest that is sure of the answer:
//  1. D <= 2^53 and 10^|q| exact in a double (|q| <= 22, or a little more
//     when D has room to absorb part of a large power): one IEEE
//     multiplication or division of two exact values, which rounds
//     correctly by itself.
//  2. D < 2^64 and q within the 128-bit power table: D, shifted so that its
//     top bit is set, times the table's P (10^q ~ P * 2^b) gives a 192-bit
//     product whose upper 128 bits U are within two units of the true
//     scaled value, on a side the table's rounding direction tells. The 53
//     leading bits of U and the bit after them decide the rounding unless
//     the bits below sit within two units of the half-way point; then, and
//     for subnormal results, way 3 decides.
//  3. Exact big-integer comparison on the stack: start from a candidate
//     within a unit or two, compare D * 10^q with the half-way points to
//     its neighbours (both sides scaled to integers) and step until the
//     value lies between them; a tie goes to the even mantissa.
#include "kti18n/fmtlib/decimal_to_double.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "kti18n/locale/double_traits.h"
#include "kti18n/locale/pow10_128.h"

namespace FmtLib {
namespace {

using u128 = unsigned __int128;

constexpr std::uint64_t kTwoTo53 = std::uint64_t{1} << 53;
constexpr int kExactPow10Max = 22;  // 10^22 = 2^22 * 5^22, and 5^22 < 2^53

// A value below 10^-324 is under half the least subnormal (2^-1075 ~
// 2.47e-324) and one from 10^309 up is beyond the greatest double. Between
// them the exponent of a significand of at most twenty digits stays within
// -343..308, which bounds the big integers below.
constexpr int kZeroAtOrBelow = -324;
constexpr int kInfinityFrom = 309;

double Pow10(int n) { return zv_double_traits::kPowersOfTen[n + zv_double_traits::kPowersOfTenBias]; }

bool FastExact(std::uint64_t d, int q, double& out) {
  if (d > kTwoTo53) return false;
  if (q >= 0 && q <= kExactPow10Max) {
    out = static_cast<double>(d) * Pow10(q);
    return true;
  }
  if (q < 0 && q >= -kExactPow10Max) {
    out = static_cast<double>(d) / Pow10(-q);
    return true;
  }
  // 3e25 is 3e3 * 1e22 with 3e3 exact: move the excess power into D.
  if (q > kExactPow10Max && q <= kExactPow10Max + 15) {
    for (int i = kExactPow10Max; i < q; ++i) {
      d *= 10;
      if (d > kTwoTo53) return false;
    }
    out = static_cast<double>(d) * Pow10(kExactPow10Max);
    return true;
  }
  return false;
}

double FromBits(std::uint64_t mantissa53, int biasedExponent) {
  return std::bit_cast<double>((static_cast<std::uint64_t>(biasedExponent) << 52) |
                               (mantissa53 & ((std::uint64_t{1} << 52) - 1)));
}

// Way 2. False when it cannot be sure of the rounding or the result is
// subnormal.
bool Product128(std::uint64_t d, int q, double& out) {
  if (q < kPow10x128Min || q > kPow10x128Max) return false;
  const zv_pow10_128& p = kPow10x128[q - kPow10x128Min];
  const int lz = std::countl_zero(d);
  const std::uint64_t w = d << lz;
  const u128 high = static_cast<u128>(w) * p.hi;
  const u128 low = static_cast<u128>(w) * p.lo;
  const u128 upper = high + (low >> 64);  // the product over 2^64, truncated
  const int top = (upper >> 127) != 0 ? 127 : 126;
  const int shift = top - 52;
  const u128 below = upper & ((u128{1} << shift) - 1);
  const u128 half = u128{1} << (shift - 1);
  // The true value lies in [U, U + 2) for q >= 0 and in (U - 1, U + 1)
  // for q < 0 (units of U).
  if (below + 2 >= half && below <= half + 2) return false;
  std::uint64_t mantissa = static_cast<std::uint64_t>(upper >> shift);
  int exponent2 = shift + p.binaryExponent - lz + 64;  // value = mantissa * 2^exponent2
  if (below > half) {
    if (++mantissa == kTwoTo53) {
      mantissa >>= 1;
      ++exponent2;
    }
  }
  const int biased = exponent2 + 52 + 1023;
  if (biased <= 0) return false;  // subnormal: fewer mantissa bits, rounded elsewhere
  if (biased >= 2047) {
    out = std::numeric_limits<double>::infinity();
    return true;
  }
  out = FromBits(mantissa, biased);
  return true;
}

// A non-negative integer of up to kLimbs 32-bit limbs, least significant
// first. The largest value built here is (2^54 + 1) * 10^343 < 2^1195.
class BigInt {
 public:
  static constexpr int kLimbs = 40;

  explicit BigInt(std::uint64_t v) {
    m_limb[0] = static_cast<std::uint32_t>(v);
    m_limb[1] = static_cast<std::uint32_t>(v >> 32);
    m_size = m_limb[1] != 0 ? 2 : (m_limb[0] != 0 ? 1 : 0);
  }

  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (int i = 0; i < m_size; ++i) {
      const std::uint64_t t = static_cast<std::uint64_t>(m_limb[i]) * factor + carry;
      m_limb[i] = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
    if (carry != 0 && m_size < kLimbs) m_limb[m_size++] = static_cast<std::uint32_t>(carry);
  }

  void MultiplyPow10(int n) {
    static constexpr std::uint32_t kSmall[] = {1,      10,      100,      1000,      10000,
                                               100000, 1000000, 10000000, 100000000, 1000000000};
    for (; n >= 9; n -= 9) MultiplyAdd(kSmall[9], 0);
    if (n > 0) MultiplyAdd(kSmall[n], 0);
  }

  void ShiftLeft(int bits) {
    if (m_size == 0 || bits == 0) return;
    const int words = bits / 32, rest = bits % 32;
    int newSize = m_size + words + 1;
    if (newSize > kLimbs) newSize = kLimbs;
    for (int i = newSize - 1; i >= 0; --i) {
      const int src = i - words;
      std::uint64_t v = 0;
      if (src >= 0 && src < m_size) v = static_cast<std::uint64_t>(m_limb[src]) << rest;
      if (rest != 0 && src - 1 >= 0 && src - 1 < m_size) v |= m_limb[src - 1] >> (32 - rest);
      m_limb[i] = static_cast<std::uint32_t>(v);
    }
    m_size = newSize;
    while (m_size > 0 && m_limb[m_size - 1] == 0) --m_size;
  }

  friend int Compare(const BigInt& a, const BigInt& b) {
    if (a.m_size != b.m_size) return a.m_size < b.m_size ? -1 : 1;
    for (int i = a.m_size - 1; i >= 0; --i)
      if (a.m_limb[i] != b.m_limb[i]) return a.m_limb[i] < b.m_limb[i] ? -1 : 1;
    return 0;
  }

 private:
  std::uint32_t m_limb[kLimbs] = {};
  int m_size = 0;
};

struct Split {
  std::uint64_t m;  // mantissa, below 2^53 (below 2^52 for subnormals)
  int e;            // value = m * 2^e
};

Split Decompose(double v) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
  const int biased = static_cast<int>(bits >> 52) & 0x7FF;
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased == 0) return {fraction, -1074};
  return {fraction | (std::uint64_t{1} << 52), biased - 1075};
}

// The sign of D * 10^q - k * 2^e.
int CompareWithDyadic(const unsigned char* digits, int count, int q, std::uint64_t k, int e) {
  BigInt left(0);
  for (int i = 0; i < count; ++i) left.MultiplyAdd(10, digits[i]);
  BigInt right(k);
  if (q >= 0) left.MultiplyPow10(q);
  else right.MultiplyPow10(-q);
  if (e >= 0) right.ShiftLeft(e);
  else left.ShiftLeft(-e);
  return Compare(left, right);
}

double Exact(const unsigned char* digits, int count, int q, double candidate) {
  constexpr double kMax = std::numeric_limits<double>::max();
  double v = std::isfinite(candidate) ? candidate : kMax;
  if (v < 0) v = 0;
  // Upwards while the value lies above the half-way point to the next double.
  for (;;) {
    const Split s = Decompose(v);
    const int c = CompareWithDyadic(digits, count, q, 2 * s.m + 1, s.e - 1);
    if (c < 0 || (c == 0 && (s.m & 1) == 0)) break;
    if (v == kMax) return std::numeric_limits<double>::infinity();
    v = std::nextafter(v, std::numeric_limits<double>::infinity());
  }
  // Downwards while it lies below the half-way point to the previous one.
  while (v > 0) {
    const Split s = Decompose(v);
    const bool narrowBelow = s.m == (std::uint64_t{1} << 52) && s.e > -1074;
    const int c = narrowBelow ? CompareWithDyadic(digits, count, q, 4 * s.m - 1, s.e - 2)
                              : CompareWithDyadic(digits, count, q, 2 * s.m - 1, s.e - 1);
    if (c > 0 || (c == 0 && (s.m & 1) == 0)) break;
    v = std::nextafter(v, 0.0);
  }
  return v;
}

double Candidate(const unsigned char* digits, int count, int q) {
  long double d = 0;
  for (int i = 0; i < count; ++i) d = d * 10 + digits[i];
  return static_cast<double>(d * std::pow(10.0L, static_cast<long double>(q)));
}

}  // namespace

double zvDecimalToDouble(const unsigned char* digits, int count, int exponent) noexcept {
  // Leading zeros add nothing; trailing zeros only move the exponent.
  while (count > 0 && digits[0] == 0) {
    ++digits;
    --count;
  }
  while (count > 0 && digits[count - 1] == 0) {
    --count;
    ++exponent;
  }
  if (count == 0) return 0.0;
  // D * 10^exponent lies in [10^(count - 1 + exponent), 10^(count + exponent)).
  if (count + exponent <= kZeroAtOrBelow) return 0.0;
  if (count - 1 + exponent >= kInfinityFrom) return std::numeric_limits<double>::infinity();

  if (count <= 19) {
    std::uint64_t d = 0;
    for (int i = 0; i < count; ++i) d = d * 10 + digits[i];
    double out;
    if (FastExact(d, exponent, out) || Product128(d, exponent, out)) return out;
  }
  return Exact(digits, count, exponent, Candidate(digits, count, exponent));
}

}  // namespace FmtLib
