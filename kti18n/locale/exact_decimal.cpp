// Exact leading digits of a double.
//
// A finite v > 0 is m * 2^e with 2^52 <= m < 2^53 (denormals normalised).
// The wanted D = floor(m * 2^e * 10^q) for q = 15 - E. Three ways to get it,
// the cheapest that is sure of the answer:
//  1. 0 <= q <= 27 (values from about 1e-12 to 1e16): 10^q = 5^q * 2^q and
//     5^q fits in 64 bits, so m * 5^q is an exact 128-bit product; D is that
//     product shifted. No rounding anywhere.
//  2. Otherwise a 128-bit approximation P * 2^b of 10^q (pow10_128.h) gives
//     m * P in 192 bits, shifted right by s. P errs by less than one unit
//     and in a known direction, so the true product lies within m < 2^53
//     units of m * P on a known side; unless the bits shifted out are that
//     close to a whole unit, the floor is certain.
//  3. In the rare uncertain cases (mostly decimal numbers that a double
//     holds exactly, such as 1e20), exact big-integer arithmetic on the
//     stack.
// E itself is first estimated from the binary exponent as
// floor((e + 52) * log10 2), which is E or E - 1; an estimate one too low
// shows as a D with seventeen digits, and floor(floor(x) / 10) = floor(x / 10)
// makes dropping the last digit exact.
//
// Whether the digits are the whole expansion falls out of each way: way 1
// sees the bits it shifts out; way 3 sees its division remainders and the
// bits below the binary point; way 2 only answers when the result is not a
// whole number (q < 0: the product's fraction is then larger than P's
// error; q > 27: v * 10^q = m * 5^q * 2^(e+q) is whole only when v's lowest
// set bit is at least 2^-q, and v < 10^(17-q) leaves no room for that once
// 5^q passes 10^17, at q = 25).
#include "kti18n/locale/exact_decimal.h"

#include <bit>

#include "kti18n/locale/pow10_128.h"

namespace {

using u128 = unsigned __int128;

constexpr std::uint64_t kSixteenDigits = 10'000'000'000'000'000u;  // 10^16

constexpr std::uint64_t pow5(int n) {
  std::uint64_t r = 1;
  while (n-- > 0) r *= 5;
  return r;
}

constexpr int kPow5MaxIn64 = 27;
constexpr auto kPow5 = [] {
  struct table { std::uint64_t v[kPow5MaxIn64 + 1]; } t{};
  for (int i = 0; i <= kPow5MaxIn64; ++i) t.v[i] = pow5(i);
  return t;
}();

struct binary_value {
  std::uint64_t m;  // 2^52 <= m < 2^53
  int e;
};

binary_value decompose(double v) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
  const int biased = static_cast<int>(bits >> 52) & 0x7FF;
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased != 0) return {fraction | (std::uint64_t{1} << 52), biased - 1075};
  const int shift = std::countl_zero(fraction) - 11;
  return {fraction << shift, -1074 - shift};
}

// floor(k * log10 2), exact for |k| <= 2620.
int floor_log10_pow2(int k) { return (k * 78913) >> 18; }

struct scaled {
  std::uint64_t d;
  bool exact;
};

// Way 1: 0 <= q <= 27.
scaled scale_exact_small(std::uint64_t m, int e, int q) {
  const u128 product = u128{m} * kPow5.v[q];
  const int shift = e + q;
  if (shift >= 0) return {static_cast<std::uint64_t>(product << shift), true};
  if (-shift >= 128) return {0, false};
  const u128 dropped = product & ((u128{1} << -shift) - 1);
  return {static_cast<std::uint64_t>(product >> -shift), dropped == 0};
}

// Way 2: false when the result is uncertain (or outside the shapes this
// path was sized for).
bool scale_by_table(std::uint64_t m, int e, int q, std::uint64_t& out) {
  if (q < kPow10x128Min || q > kPow10x128Max) return false;
  const zv_pow10_128& p = kPow10x128[q - kPow10x128Min];
  const u128 low = u128{m} * p.lo;
  const u128 high = u128{m} * p.hi;
  const std::uint64_t w0 = static_cast<std::uint64_t>(low);
  const u128 upper = high + (low >> 64);  // bits 64..191 of m * P
  const int s = -(e + p.binaryExponent);  // D = (m * P) >> s
  const int upperShift = s - 64;
  if (upperShift <= 0 || upperShift + 11 >= 128) return false;
  const u128 d = upper >> upperShift;
  if ((d >> 64) != 0) return false;
  // The shifted-out bits, without their lowest 53: s - 53 bits.
  const u128 fractionHigh = ((upper & ((u128{1} << upperShift) - 1)) << 11) | (w0 >> 53);
  if (q < 0) {
    // P is too large: the true product may be just below a whole unit.
    if (fractionHigh == 0) return false;
  } else if (q > kPow10x128ExactMax) {
    // P is too small: the true product may just reach the next unit.
    if (fractionHigh == (u128{1} << (s - 53)) - 1) return false;
  }
  out = static_cast<std::uint64_t>(d);
  return true;
}

// A non-negative integer of up to 1280 bits, on the stack: enough for
// m * 10^339 (1180 bits) and m * 2^971 (1024 bits).
class stack_bignum {
 public:
  explicit stack_bignum(std::uint64_t v) {
    limbs_[0] = static_cast<std::uint32_t>(v);
    limbs_[1] = static_cast<std::uint32_t>(v >> 32);
    size_ = limbs_[1] != 0 ? 2 : (limbs_[0] != 0 ? 1 : 0);
  }

  void multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t t = std::uint64_t{limbs_[i]} * factor + carry;
      limbs_[i] = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
    if (carry != 0 && size_ < kLimbs) limbs_[size_++] = static_cast<std::uint32_t>(carry);
  }

  // Returns false when the division leaves a remainder.
  bool divide(std::uint32_t divisor) {
    std::uint64_t rest = 0;
    for (int i = size_ - 1; i >= 0; --i) {
      const std::uint64_t t = (rest << 32) | limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(t / divisor);
      rest = t % divisor;
    }
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
    return rest == 0;
  }

  void shift_left(int n) {
    const int whole = n / 32, bits = n % 32;
    if (size_ == 0 || size_ + whole + 1 > kLimbs) return;
    limbs_[size_ + whole] = 0;
    for (int i = size_ - 1; i >= 0; --i) {
      const std::uint64_t t = std::uint64_t{limbs_[i]} << bits;
      limbs_[i + whole + 1] |= static_cast<std::uint32_t>(t >> 32);
      limbs_[i + whole] = static_cast<std::uint32_t>(t);
    }
    for (int i = 0; i < whole; ++i) limbs_[i] = 0;
    size_ += whole + 1;
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }

  // The 64 bits starting at bit `pos`: floor(value / 2^pos) mod 2^64.
  std::uint64_t bits_from(int pos) const {
    std::uint64_t r = 0;
    for (int i = 63; i >= 0; --i) r = (r << 1) | bit(pos + i);
    return r;
  }

  bool any_bit_below(int pos) const {
    const int whole = pos / 32;
    for (int i = 0; i < whole && i < size_; ++i) {
      if (limbs_[i] != 0) return true;
    }
    const std::uint32_t partMask = (std::uint32_t{1} << (pos % 32)) - 1;
    return whole < size_ && (limbs_[whole] & partMask) != 0;
  }

 private:
  static constexpr int kLimbs = 40;
  std::uint32_t limbs_[kLimbs] = {};
  int size_ = 0;

  std::uint64_t bit(int n) const {
    const int i = n / 32;
    return i < size_ ? (limbs_[i] >> (n % 32)) & 1u : 0;
  }
};

// 10^k for 0 <= k <= 9.
std::uint32_t pow10_u32(int k) {
  std::uint32_t r = 1;
  while (k-- > 0) r *= 10;
  return r;
}

// Way 3: floor(m * 2^e * 10^q) in exact arithmetic.
scaled scale_by_bignum(std::uint64_t m, int e, int q) {
  stack_bignum n(m);
  for (int k = q; k > 0; k -= 9) n.multiply(pow10_u32(k >= 9 ? 9 : k));
  if (e > 0) n.shift_left(e);
  // Successive floors of divisions equal the floor of the whole division.
  bool exact = true;
  for (int k = -q; k > 0; k -= 9) exact &= n.divide(pow10_u32(k >= 9 ? 9 : k));
  const int point = e < 0 ? -e : 0;
  return {n.bits_from(point), exact && !n.any_bit_below(point)};
}

}  // namespace

zv_decimal_lead zv_exact_leading_digits(double v) noexcept {
  const binary_value b = decompose(v);
  const int estimate = floor_log10_pow2(b.e + 52);
  const int q = 15 - estimate;
  scaled s{0, false};
  if (q >= 0 && q <= kPow5MaxIn64) {
    s = scale_exact_small(b.m, b.e, q);
  } else if (!scale_by_table(b.m, b.e, q, s.d)) {
    s = scale_by_bignum(b.m, b.e, q);
  }
  if (s.d >= kSixteenDigits) return {s.d / 10, estimate + 1, s.exact && s.d % 10 == 0};
  return {s.d, estimate, s.exact};
}
