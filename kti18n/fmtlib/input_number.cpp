// Reading typed numbers and writing them back in plain form.
//
// The mantissa keeps at most twenty significant digits: further integer
// digits only scale the number and further fraction digits are dropped
// (truncation). The kept digits, less their trailing zeros, and the decimal
// exponent become the double nearest to the number they denote
// (decimal_to_double.h). The decimal scale is limited: a scale above 10^308
// is an overflow and fails whatever the digits, and so do digits that
// denote more than the greatest double; a number below 10^-324, half the
// least subnormal, reads as zero.
#include "kti18n/fmtlib/input_number.h"

#include <climits>
#include <cstdint>
#include <limits>

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/decimal_to_double.h"
#include "kti18n/locale/ctype.h"
#include "kti18n/locale/num_put.h"
#include "kti18n/locale/numpunct.h"

namespace FmtLib {
namespace {

constexpr int kMaxScale = 308;
// A number whose first significant digit stands at a lower power of ten is
// below half the least subnormal double, and so is zero. The test is on
// the number, not on the scale of its last kept digit: twenty digits of a
// subnormal have a scale far below -324 and still denote it.
constexpr int kMinLeadingPower = -324;

// A decimal digit's value, or -1. ASCII digits are the common case and are
// told without the character tables.
inline int DigitValue(const zv_ctype& ctype, unsigned short c) {
  const unsigned ascii = static_cast<unsigned>(c) - '0';
  if (ascii < 10) return static_cast<int>(ascii);
  if (c < 0x80 || !ctype.IsDigit(c)) return -1;
  return ctype.getdigit(c);
}

// Printable ASCII is never white space; everything else asks the tables.
inline bool IsSpace(const zv_ctype& ctype, unsigned short c) {
  if (c > 0x20 && c < 0x7F) return false;
  return c != 0 && ctype.IsSpace(c);
}

// The hyphen-minus of every keyboard and the typographic minus sign that
// several locales write (sv, fi, nb ...) are one sign to a user: where the
// locale's negative sign is either, both are read.
inline bool IsMinusLike(unsigned short c) { return c == u'-' || c == 0x2212; }

inline bool IsNegativeSign(unsigned short c, unsigned short localeSign) {
  return c != 0 && (c == localeSign || (IsMinusLike(localeSign) && IsMinusLike(c)));
}

inline const unsigned short* SkipSpace(const zv_ctype& ctype, const unsigned short* p) {
  while (IsSpace(ctype, *p)) ++p;
  return p;
}

// The digits of the mantissa as the user typed them, reduced to what is
// kept: up to twenty significant digits and the decimal exponent of the
// first one.
struct Mantissa {
  unsigned char digit[kDecimalSignificandMax];
  int count = 0;
  int zeros = 0;           // trailing zeros among the kept digits
  std::int64_t exp10 = -1;  // power of ten of the first significant digit
  bool sawDigit = false;

  void Keep(int d) {
    if (count < kDecimalSignificandMax) {
      digit[count++] = static_cast<unsigned char>(d);
      zeros = d == 0 ? zeros + 1 : 0;
    }
  }
  void IntegerDigit(int d) {
    sawDigit = true;
    if (count == 0 && d == 0) return;  // a leading zero
    Keep(d);
    ++exp10;  // also once twenty digits are held: the number grows by ten
  }
  void FractionDigit(int d) {
    sawDigit = true;
    if (count == 0) {
      if (d == 0) --exp10;
      else Keep(d);
      return;
    }
    Keep(d);
  }
};

}  // namespace

zvInputNumber::~zvInputNumber() = default;

zvInputNumberImp::zvInputNumberImp(izv_ptr<zvSettings>& settings) : m_settings(settings) {
  if (m_settings.get() == nullptr) throw ZVException(ZV_E_INVALID_DATA);
  m_settingsImp = m_settings->GetImp();
  m_numPut = &zv_use_facet<zv_num_put>(m_settingsImp->GetLocale());
  const zv_numpunct& punct = m_settingsImp->GetNumpunct();
  const zvPreferencesImp* prefs = m_settingsImp->GetPreferences();
  m_negativeSign = punct.negative_sign();
  m_positiveSign = punct.positive_sign();
  m_exponentSign = punct.exponent_sign();
  m_exponentSignLower = m_settingsImp->GetCtype().tolower(m_exponentSign);
  m_decimalPoint = prefs->IsDecimalPoint() ? prefs->decimal_point() : punct.decimal_point();
}

zvInputNumberImp::~zvInputNumberImp() { m_output.clear(); }

bool zvInputNumberImp::Scan(const unsigned short* text, double& value, int& length) {
  m_notInteger = false;
  m_value = 0.0;
  m_negative = false;
  if (text == nullptr) {  // no text holds no number
    length = 0;
    return false;
  }
  const zv_ctype& ctype = m_settingsImp->GetCtype();
  const unsigned short* p = text;
  bool ok = true;

  p = SkipSpace(ctype, p);
  if (IsNegativeSign(*p, m_negativeSign)) {
    m_negative = true;
    ++p;
  } else if (*p != 0 && *p == m_positiveSign) {
    ++p;
  }
  p = SkipSpace(ctype, p);

  Mantissa mantissa;
  for (int d; (d = DigitValue(ctype, *p)) >= 0; ++p) mantissa.IntegerDigit(d);
  if (*p != 0 && *p == m_decimalPoint) {
    ++p;
    m_notInteger = true;
    for (int d; (d = DigitValue(ctype, *p)) >= 0; ++p) mantissa.FractionDigit(d);
  }

  std::int64_t exponent = 0;
  if (!mantissa.sawDigit) {
    ok = false;
  } else {
    const unsigned short* ahead = SkipSpace(ctype, p);
    if (*ahead != 0 && ctype.tolower(*ahead) == m_exponentSignLower) {
      p = SkipSpace(ctype, ahead + 1);
      bool negativeExponent = false;
      if (IsNegativeSign(*p, m_negativeSign)) {
        negativeExponent = true;
        p = SkipSpace(ctype, p + 1);
      } else if (*p != 0 && *p == m_positiveSign) {
        p = SkipSpace(ctype, p + 1);
      }
      bool sawExponentDigit = false;
      std::int32_t e = 0;
      for (int d; (d = DigitValue(ctype, *p)) >= 0; ++p) {
        sawExponentDigit = true;
        // Saturates: a longer exponent would overflow a 32-bit integer and
        // means an overflow or a zero all the same.
        e = e > (INT32_MAX - d) / 10 ? INT32_MAX : e * 10 + d;
      }
      if (!sawExponentDigit) {
        ok = false;
      } else {
        if (negativeExponent) {
          e = -e;
          m_notInteger = true;
        }
        exponent = e;
      }
    }
  }

  if (ok) {
    const int n = mantissa.count - mantissa.zeros;
    const std::int64_t scale = mantissa.exp10 - n + 1 + exponent;
    if (scale > kMaxScale) {
      m_value = zvDecimalToDouble(mantissa.digit, n, 0) * 1e308;
      if (m_negative) m_value = -m_value;
      ok = false;
    } else if (mantissa.exp10 + exponent < kMinLeadingPower) {
      m_value = 0.0;
    } else {
      m_value = zvDecimalToDouble(mantissa.digit, n, static_cast<int>(scale));
      // Within the scale, twenty digits can still denote more than the
      // greatest double: an overflow as well, not an infinite number.
      if (m_value > std::numeric_limits<double>::max()) {
        if (m_negative) m_value = -m_value;
        ok = false;
      }
    }
    if (ok) {
      if (m_negative) m_value *= -1.0;
      value = m_value;
    }
  }
  length = static_cast<int>(p - text);
  return ok;
}

bool zvInputNumberImp::IsInteger(long& value) {
  if (m_notInteger || m_value > 2147483647.0 || m_value < -2147483648.0) return false;
  value = static_cast<long>(m_value);
  return true;
}

bool zvInputNumberImp::IsUnsignedInteger(unsigned long& value) {
  if (m_negative || m_notInteger || m_value > 4294967295.0) return false;
  value = static_cast<unsigned long>(static_cast<std::uint32_t>(m_value));
  return true;
}

bool zvInputNumberImp::Format(double value) {
  m_output.clear();
  const bool scientific = value >= 1e16 || value <= -1e16 || (value != 0 && value > -0.0001 && value < 0.0001);
  bool negative = false, hasExponent = false, negativeExponent = false;
  m_numPut->convert(value, 20, 0, 15, 1, 1, scientific, false, m_integerDigits, m_fractionDigits, m_exponentDigits,
                    negative, hasExponent, negativeExponent);
  if (negative) m_output.append(m_negativeSign);
  if (m_integerDigits.empty()) m_output.append(m_settingsImp->GetDigits()[0]);
  else m_output.append(m_integerDigits);
  if (!m_fractionDigits.empty()) {
    m_output.append(m_decimalPoint);
    m_output.append(m_fractionDigits);
  }
  if (hasExponent) {
    m_output.append(m_exponentSign);
    if (negativeExponent) m_output.append(m_negativeSign);
    m_output.append(m_exponentDigits);
  }
  return true;
}

bool zvInputNumberImp::FormatWhole(double value) {
  m_output.clear();
  bool negative = false, hasExponent = false, negativeExponent = false;
  m_numPut->convert(value, 0, 0, 15, 1, 1, false, false, m_integerDigits, m_fractionDigits, m_exponentDigits,
                    negative, hasExponent, negativeExponent);
  if (negative) m_output.append(m_negativeSign);
  if (m_integerDigits.empty()) m_output.append(m_settingsImp->GetDigits()[0]);
  else m_output.append(m_integerDigits);
  return true;
}

// Both integer forms carry 32-bit values by contract.
bool zvInputNumberImp::Format(long value) { return FormatWhole(static_cast<double>(static_cast<std::int32_t>(value))); }

bool zvInputNumberImp::Format(unsigned long value) {
  return FormatWhole(static_cast<double>(static_cast<std::uint32_t>(value)));
}

zvStatus CreateInputNumber(izv_ptr<zvSettings>& settings, zvInputNumber*& result) {
  try {
    result = new zvInputNumberImp(settings);
    return 0;
  } catch (...) {
    return ZV_E_FAIL;
  }
}

}  // namespace FmtLib
