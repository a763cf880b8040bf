#include "kti18n/locale/num_put.h"

#include <cstdint>

#include "kti18n/locale/digit_engine.h"
#include "kti18n/locale/numpunct.h"

zv_locale::id zv_num_put::id;

namespace {

// A facet's count changes only while implementations are built or torn
// down; holding the punctuation counts as one more holder.
const zv_numpunct* hold(const zv_numpunct* punct) {
  const_cast<zv_numpunct*>(punct)->_M_add_reference();
  return punct;
}

}  // namespace

zv_num_put::zv_num_put(unsigned refs) : facet(refs), m_punct(hold(new zv_numpunct(0))) {}

zv_num_put::zv_num_put(const zv_numpunct* punct, unsigned refs)
    : facet(refs), m_punct(hold(punct != nullptr ? punct : new zv_numpunct(0))) {}

zv_num_put::~zv_num_put() { const_cast<zv_numpunct*>(m_punct)->_M_remove_reference(); }

bool zv_num_put::convert(double value, int maxFraction, int minFraction, int maxInteger, int exponentStep,
                         int minExponentDigits, bool scientific, bool /*reserved*/,
                         ucs2string_formatter& integerDigits, ucs2string_formatter& fractionDigits,
                         ucs2string_formatter& exponentDigits, bool& negative, bool& hasExponent,
                         bool& negativeExponent) const {
  const zv_digit_layout layout{maxFraction, minFraction, maxInteger, exponentStep, minExponentDigits, scientific};
  return zv_convert_digits(value, layout, m_punct->GetDigits(false),
                           {integerDigits, fractionDigits, exponentDigits, negative, hasExponent, negativeExponent});
}

ucs2string_formatter& zv_num_put::do_put(ucs2string_formatter& out, unsigned short, double value) const {
  ucs2string_formatter integer, fraction, exponent;
  bool negative = false, hasExponent = false, negativeExponent = false;
  if (!convert(value, 17, 1, 256, 1, 0, false, false, integer, fraction, exponent, negative, hasExponent,
               negativeExponent)) {
    out.append(fraction);
    return out;
  }
  const unsigned short sign = m_punct->negative_sign();
  put_signed(out, m_punct->mode(), sign, negative, [&] {
    if (integer.empty()) {
      out.append(m_punct->GetDigits(false)[0]);
    } else {
      out.append(integer);
    }
    out.append(m_punct->decimal_point());
    out.append(fraction);
    if (hasExponent) {
      out.append(m_punct->GetExponent(false));
      if (negativeExponent) out.append(sign);
      out.append(exponent);
    }
  });
  return out;
}

void zv_num_put::put_magnitude(ucs2string_formatter& out, std::uint64_t magnitude) const {
  const unsigned short* digits = m_punct->GetDigits(false);
  constexpr int kMaxDigits = 20;
  unsigned short buffer[kMaxDigits];
  int n = 0;
  do {
    buffer[kMaxDigits - 1 - n++] = digits[magnitude % 10];
    magnitude /= 10;
  } while (magnitude != 0);
  out.append(buffer + kMaxDigits - n, static_cast<unsigned>(n));
}

ucs2string_formatter& zv_num_put::do_put(ucs2string_formatter& out, unsigned short, unsigned long value) const {
  put_magnitude(out, value);
  return out;
}

ucs2string_formatter& zv_num_put::do_put(ucs2string_formatter& out, unsigned short, long value) const {
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  put_signed(out, m_punct->mode(), m_punct->negative_sign(), value < 0, [&] { put_magnitude(out, magnitude); });
  return out;
}

ucs2string_formatter& zv_num_put::do_put(ucs2string_formatter& out, unsigned short, bool value) const {
  out.append(m_punct->GetDigits(false)[value ? 1 : 0]);
  return out;
}
