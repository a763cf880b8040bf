// The digit engine of number output: a double becomes separate integer,
// fraction and exponent digit strings under a set of layout limits, with at
// most 15 significant digits. zv_num_put::convert is this engine bound to
// the digits of a locale; the number formats call it through the facet.
#ifndef KTI18N_LOCALE_DIGIT_ENGINE_H
#define KTI18N_LOCALE_DIGIT_ENGINE_H

#include "kti18n/text/formatter.h"

struct zv_digit_layout {
  int maxFraction = 17;      // fraction digits at most (fixed notation: the rounding place)
  int minFraction = 1;       // fraction digits at least, padded with zero digits
  int maxInteger = 256;      // integer digits beyond this switch fixed notation to scientific
  int exponentStep = 1;      // scientific exponents are multiples of this (below 1: 1)
  int minExponentDigits = 0; // the exponent is padded with zero digits to this width
  bool scientific = false;
};

struct zv_digit_result {
  ucs2string_formatter& integerDigits;
  ucs2string_formatter& fractionDigits;
  ucs2string_formatter& exponentDigits;
  bool& negative;
  bool& hasExponent;
  bool& negativeExponent;
};

// Clears and fills `out`. `digits` points at the locale's ten digit
// characters, zero first. Returns true for a finite value; for NaN and the
// infinities it returns false with the integer string "0" or "1" and the
// special text ("#NAN", "#IND", "#INF") in the fraction string.
// Throws ZVException 0x80041124 for a floating-point class it does not know,
// and 0x8004112A when a result would pass the formatter's length limit.
bool zv_convert_digits(double value, const zv_digit_layout& layout, const unsigned short* digits,
                       const zv_digit_result& out);

#endif
