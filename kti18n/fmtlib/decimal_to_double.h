// Decimal to binary: the double nearest to a decimal number.
//
// A number typed by a user is a string of decimal digits and a power of
// ten. Accumulating the digits in double arithmetic and scaling by a
// rounded power of ten can miss the nearest double by a unit in the last
// place; this conversion never does. It rounds to nearest with ties to
// even, gives subnormals and zero below the range and infinity above it,
// and allocates nothing.
#ifndef KTI18N_FMTLIB_DECIMAL_TO_DOUBLE_H
#define KTI18N_FMTLIB_DECIMAL_TO_DOUBLE_H

namespace FmtLib {

// The most significant digits a decimal significand may have here.
inline constexpr int kDecimalSignificandMax = 20;

// The double nearest to D * 10^exponent, where D is the integer whose
// decimal digits (values 0 to 9, most significant first) are
// digits[0..count-1], 0 <= count <= kDecimalSignificandMax. Positive; zero
// when count is 0 or D is 0.
double zvDecimalToDouble(const unsigned char* digits, int count, int exponent) noexcept;

}  // namespace FmtLib

#endif
