// Layout, rounding and notation of number output.
//
// The value's leading sixteen digits and decimal exponent E come exact from
// zv_exact_leading_digits. Then:
//  - Fifteen digits. The value is rounded to 15 significant digits, ties to
//    even (a 5 in the sixteenth place is a tie only when nothing follows
//    it). A decimal typed with at most 15 significant digits comes back
//    exactly as typed: 2.675, held as 2.67499999999999982..., becomes
//    267500000000000 again. A carry out of the first digit (9.99...95)
//    makes the value 1 one place higher.
//  - Layout. Fixed notation has E + 1 integer places (at least 1); when
//    that passes maxInteger the number goes scientific with step 1, 14
//    fraction digits at most and none forced. Scientific notation uses the
//    exponent X = E rounded down to a multiple of the step, leaving
//    E - X + 1 integer places. Either way the wanted digit count is the
//    integer places plus maxFraction.
//  - Rounding. min(wanted, 15) of the fifteen digits are kept and rounded
//    half up on the next one (which is the first digit when none are kept).
//    Rounding the typed decimal, not the binary value's expansion, is what
//    makes 2.675 show as 2.68 with two decimals, as a spreadsheet shows it.
//    A carry out of the first digit makes the number 1 followed by zeros
//    one place higher: E grows by one and the layout is chosen again for it.
//  - Output. Trailing zero digits are dropped; the integer string holds the
//    kept digits before the decimal point, padded with zero digits up to
//    it, the fraction string those after it (with the zeros that lead up to
//    the first digit), padded with zero digits to minFraction.
// Counts run in 64 bits so that extreme layout arguments cannot overflow.
#include "kti18n/locale/digit_engine.h"

#include <algorithm>
#include <cstdint>

#include "kti18n/base/exception.h"
#include "kti18n/locale/double_traits.h"
#include "kti18n/locale/exact_decimal.h"

namespace {

constexpr std::uint64_t kPow10[17] = {
    1u, 10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u, 100000000u,
    1000000000u, 10000000000u, 100000000000u, 1000000000000u, 10000000000000u,
    100000000000000u, 1000000000000000u, 10000000000000000u};

constexpr int kMaxSignificant = 15;

struct placement {
  bool scientific;
  std::int64_t exponent;        // X (scientific only)
  std::int64_t integerPlaces;   // places before the decimal point, from the leading digit
  std::int64_t wanted;          // digits up to the last fraction place
  std::int64_t maxFraction;
  std::int64_t minFraction;
};

std::int64_t floor_to_multiple(std::int64_t value, std::int64_t step) {
  std::int64_t q = value / step;
  if (value % step != 0 && value < 0) --q;
  return q * step;
}

placement place(std::int64_t e, const zv_digit_layout& layout, bool forceScientific) {
  placement p{layout.scientific || forceScientific, 0, 0, 0, layout.maxFraction, layout.minFraction};
  std::int64_t step = std::max(layout.exponentStep, 1);
  if (!p.scientific) {
    if (std::max<std::int64_t>(e + 1, 1) <= layout.maxInteger) {
      p.integerPlaces = e + 1;
      p.wanted = e + 1 + p.maxFraction;
      return p;
    }
    p.scientific = true;
    step = 1;
    p.maxFraction = 14;
    p.minFraction = 0;
  } else if (forceScientific && !layout.scientific) {
    step = 1;
    p.maxFraction = 14;
    p.minFraction = 0;
  }
  p.exponent = floor_to_multiple(e, step);
  p.integerPlaces = e - p.exponent + 1;
  p.wanted = p.integerPlaces + p.maxFraction;
  return p;
}

void append_repeated(ucs2string_formatter& f, std::int64_t count, unsigned short ch) {
  if (count <= 0) return;
  if (count > ucs2string_formatter::kMaxLength) throw ZVException(ZV_E_LENGTH);
  f.append(static_cast<unsigned>(count), ch);
}

void append_text(ucs2string_formatter& f, const char* ascii) {
  while (*ascii != 0) f.append(static_cast<unsigned short>(*ascii++));
}

bool convert_special(int ieeeClass, const unsigned short* digits, const zv_digit_result& out) {
  switch (ieeeClass) {
    case zv_double_traits::kSignalingNaN:
      out.integerDigits.append(digits[0]);
      append_text(out.fractionDigits, "#NAN");
      return true;
    case zv_double_traits::kQuietNaN:
      out.integerDigits.append(digits[0]);
      append_text(out.fractionDigits, "#IND");
      return true;
    case zv_double_traits::kNegativeInfinity:
      out.negative = true;
      [[fallthrough]];
    case zv_double_traits::kPositiveInfinity:
      out.integerDigits.append(digits[1]);
      append_text(out.fractionDigits, "#INF");
      return true;
    default:
      return false;
  }
}

// The fifteen significant digits of a value, 10^14 <= digits < 10^15,
// the first standing for 10^exponent.
struct fifteen_digits {
  std::uint64_t digits;
  std::int64_t exponent;
};

fifteen_digits round_to_fifteen(double value) {
  const zv_decimal_lead lead = zv_exact_leading_digits(value);
  std::uint64_t digits = lead.digits / 10;
  const unsigned next = static_cast<unsigned>(lead.digits % 10);
  const bool tie = next == 5 && lead.exact;
  if (next > 5 || (next == 5 && (!tie || (digits & 1) != 0))) ++digits;
  if (digits == kPow10[kMaxSignificant]) return {kPow10[kMaxSignificant - 1], lead.exponent + 1};
  return {digits, lead.exponent};
}

// Writes `count` digits of `value` (most significant first) into `buffer`.
void spell(std::uint64_t value, int count, const unsigned short* digits, unsigned short* buffer) {
  for (int i = count - 1; i >= 0; --i) {
    buffer[i] = digits[value % 10];
    value /= 10;
  }
}

}  // namespace

bool zv_convert_digits(double value, const zv_digit_layout& layout, const unsigned short* digits,
                       const zv_digit_result& out) {
  out.integerDigits.clear();
  out.fractionDigits.clear();
  out.exponentDigits.clear();
  out.negative = false;
  out.hasExponent = false;
  out.negativeExponent = false;

  const int ieeeClass = zv_double_traits::GetIeeeClass(value);
  switch (ieeeClass) {
    case zv_double_traits::kNegativeNormal:
    case zv_double_traits::kNegativeDenormal:
      out.negative = true;
      value = -value;
      break;
    case zv_double_traits::kNegativeZero:
    case zv_double_traits::kPositiveZero:
      value = 0.0;
      break;
    case zv_double_traits::kPositiveNormal:
    case zv_double_traits::kPositiveDenormal:
      break;
    default:
      if (convert_special(ieeeClass, digits, out)) return false;
      throw ZVException(ZV_E_FP_CLASS);
  }

  // kept: the kept digits as an integer of keptCount digits, leading digit at 10^e.
  std::int64_t e = 0;
  std::uint64_t kept = 0;
  int keptCount = 0;
  placement p = place(0, layout, false);
  if (value != 0.0) {
    const fifteen_digits rounded = round_to_fifteen(value);
    e = rounded.exponent;
    p = place(e, layout, false);
    const std::int64_t keep = std::min<std::int64_t>(p.wanted, kMaxSignificant);
    if (keep >= 0) {
      const int k = static_cast<int>(keep);
      kept = rounded.digits / kPow10[kMaxSignificant - k];
      keptCount = k;
      const unsigned next =
          k < kMaxSignificant ? static_cast<unsigned>(rounded.digits / kPow10[kMaxSignificant - 1 - k] % 10) : 0;
      if (next >= 5 && ++kept == kPow10[k]) {
        // Carry out of the first digit: 1 one place higher.
        kept = 1;
        keptCount = 1;
        ++e;
        p = place(e, layout, p.scientific);
      }
    }
    while (keptCount > 0 && kept % 10 == 0) {
      kept /= 10;
      --keptCount;
    }
  }

  unsigned short spelled[kMaxSignificant];
  spell(kept, keptCount, digits, spelled);
  const std::int64_t places = p.integerPlaces;
  if (keptCount > 0 && places > 0) {
    const std::int64_t before = std::min<std::int64_t>(keptCount, places);
    out.integerDigits.append(spelled, static_cast<unsigned>(before));
    append_repeated(out.integerDigits, places - before, digits[0]);
  }
  if (keptCount > 0 && keptCount > places) {
    append_repeated(out.fractionDigits, -places, digits[0]);
    const std::int64_t from = std::max<std::int64_t>(places, 0);
    out.fractionDigits.append(spelled + from, static_cast<unsigned>(keptCount - from));
  }
  append_repeated(out.fractionDigits, p.minFraction - out.fractionDigits.length(), digits[0]);

  if (p.scientific) {
    out.hasExponent = true;
    out.negativeExponent = p.exponent < 0;
    std::uint64_t magnitude = static_cast<std::uint64_t>(p.exponent < 0 ? -p.exponent : p.exponent);
    int width = 1;
    while (width < 16 && magnitude >= kPow10[width]) ++width;
    unsigned short buffer[20];
    spell(magnitude, width, digits, buffer);
    append_repeated(out.exponentDigits, std::int64_t{layout.minExponentDigits} - width, digits[0]);
    out.exponentDigits.append(buffer, static_cast<unsigned>(width));
  }
  return true;
}
