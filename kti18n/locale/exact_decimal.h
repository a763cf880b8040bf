// The leading decimal digits of a double, exactly.
//
// For a finite v > 0 with decimal exponent E = floor(log10 v), the sixteen
// leading digits are D = floor(v * 10^(15 - E)), 10^15 <= D < 10^16: the
// digits of v's exact decimal expansion, truncated, never rounded, and
// whether anything but zeros follows them. That is all number output needs
// to round v to fifteen significant digits, ties to even: the sixteenth
// digit, and whether a 5 there is an exact tie.
#ifndef KTI18N_LOCALE_EXACT_DECIMAL_H
#define KTI18N_LOCALE_EXACT_DECIMAL_H

#include <cstdint>

struct zv_decimal_lead {
  std::uint64_t digits;  // sixteen digits, 10^15 <= digits < 10^16
  int exponent;          // E: the leading digit stands for 10^E
  bool exact;            // v * 10^(15 - E) is a whole number: nothing follows the digits
};

// v must be finite and positive (denormals included).
zv_decimal_lead zv_exact_leading_digits(double v) noexcept;

#endif
