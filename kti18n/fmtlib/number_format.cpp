// Formatting a number: choose the section, scale for percent, get the
// digits from the locale's digit engine, run the section's program.
#include <iterator>
#include <memory>

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/number_format_imp.h"
#include "kti18n/locale/num_put.h"
#include "kti18n/locale/numpunct.h"

namespace FmtLib {
namespace {

// The engine turns the integer part into at most this many digits before it
// switches a fixed section to an exponent (the plain form is then written).
constexpr int kMaxIntegerDigits = 256;

const unsigned short kFormatError[] = {'#', 'F', 'O', 'R', 'M', 'A', 'T'};

unsigned Length(const unsigned short* s) {
  unsigned n = 0;
  while (s[n] != 0) ++n;
  return n;
}

// A separator preference set to "" is held as 0: the number then has no
// separator there, rather than a NUL unit that ends its C string.
void AppendSeparator(ucs2string_formatter& out, unsigned short separator) {
  if (separator != 0) out.append(separator);
}

}  // namespace

zvFormat::~zvFormat() = default;
zvNumberFormat::~zvNumberFormat() = default;

zvNumberFormatImp::zvNumberFormatImp(const izv_ptr<zvSettings>& settings) : m_settings(settings) {
  if (m_settings.get() == nullptr) throw ZVException(ZV_E_INVALID_DATA);
  m_settingsImp = m_settings->GetImp();
  m_numPut = &zv_use_facet<zv_num_put>(m_settingsImp->GetLocale());
  const zv_numpunct& punct = m_settingsImp->GetNumpunct();
  const zvPreferencesImp* prefs = m_settingsImp->GetPreferences();
  m_negativeSign = punct.negative_sign();
  m_positiveSign = punct.positive_sign();
  m_decimalPoint = prefs->IsDecimalPoint() ? prefs->decimal_point() : punct.decimal_point();
  m_groupingSeparator = prefs->IsThousandsSep() ? prefs->thousands_sep() : punct.thousands_sep();
  m_trueWord = prefs->IsTrue() ? prefs->true_string() : punct.true_string();
  m_falseWord = prefs->IsFalse() ? prefs->false_string() : punct.false_string();
  m_zeroDigit = m_settingsImp->GetDigits()[0];
  m_exponentChar = punct.exponent_sign();
}

zvNumberFormatImp::~zvNumberFormatImp() = default;

bool zvNumberFormatImp::FormatText() {
  m_result.assign(m_program.textSection.data(), m_program.textSection.length());
  m_resultColor = m_program.textColor;
  return true;
}

// The digits least significant first, each paired with a mask position
// from the right; where the digits run out, every further '0' position adds
// a zero digit, so that forced placeholders find a digit of their own.
void zvNumberFormatImp::PrepareWork(const ucs2string_formatter& digits, const std::string& mask, unsigned short zero,
                                    ucs2string_formatter& work) {
  work.clear();
  for (unsigned i = digits.length(); i > 0; --i) work.append(digits[i - 1]);
  for (std::size_t k = digits.length(); k < mask.size(); ++k)
    if (mask[mask.size() - 1 - k] == '0') work.append(zero);
}

// Without the section's layout: the sign, the digits, the decimal point and
// fraction, and the exponent in the locale's letter. Used when the engine
// cannot give digits (NaN, infinities) or needs an exponent the section
// does not have.
void zvNumberFormatImp::WritePlain() {
  zv_num_put::put_signed(m_result, zv_numpunct::kNegativeSignFirst, m_negativeSign, m_negative, [&] {
    m_result.append(m_integerDigits);
    if (!m_fractionDigits.empty()) {
      AppendSeparator(m_result, m_decimalPoint);
      m_result.append(m_fractionDigits);
    }
    if (m_hasExponent) {
      m_result.append(m_exponentChar);
      if (m_negativeExponent) m_result.append(m_negativeSign);
      m_result.append(m_exponentDigits);
    }
  });
}

// Runs one section's program. Digits are taken from the top (most
// significant) end of the work strings. A placeholder is "due" a digit when
// no more placeholders remain than digits: the digits fill the placeholders
// from the right.
class zvNumberFormatImp::Runner {
 public:
  Runner(zvNumberFormatImp& f, const zvNumberSection& s)
      : m_f(f),
        m_s(s),
        m_out(f.m_result),
        m_intLeft(f.m_integerWork.length()),
        m_intSlots(s.integerPlaceholders),
        m_expLeft(f.m_exponentWork.length()),
        m_expSlots(s.minExponentDigits + s.optionalExponentDigits) {}

  void Run() {
    for (const zvNumberOp& op : m_s.program) Do(op);
  }

 private:
  zvNumberFormatImp& m_f;
  const zvNumberSection& m_s;
  ucs2string_formatter& m_out;
  int m_intLeft;
  int m_intSlots;
  unsigned m_fraction = 0;
  int m_expLeft;
  int m_expSlots;
  bool m_digitWritten = false;

  void Sign(bool negative) { m_out.append(negative ? m_f.m_negativeSign : m_f.m_positiveSign); }
  void Word(const unsigned short* w) { m_out.append(w, Length(w)); }

  // The integer digit at `position` (from the units digit), after a
  // grouping separator when the settings place one there.
  void IntegerDigit(unsigned short digit, int position) {
    if (m_s.grouping && m_digitWritten && m_f.m_settingsImp->IsGroupingPosition(position))
      AppendSeparator(m_out, m_f.m_groupingSeparator);
    m_out.append(digit);
    m_digitWritten = true;
  }
  void NextIntegerDigit() {
    IntegerDigit(m_f.m_integerWork[static_cast<unsigned>(m_intLeft - 1)], m_intLeft - 1);
    --m_intLeft;
  }
  void NextExponentDigit() { m_out.append(m_f.m_exponentWork[static_cast<unsigned>(--m_expLeft)]); }

  void Do(const zvNumberOp& op) {
    const bool negative = m_f.m_negative;
    switch (op.code) {
      case OP_FORMAT_ERROR: m_out.append(kFormatError, std::size(kFormatError)); return;
      case OP_LITERAL: m_out.append(m_s.literals[static_cast<std::size_t>(op.argument)]); return;
      case OP_SIGN: Sign(negative); return;
      case OP_NEGATIVE_SIGN:
      case OP_AUTO_SIGN:
        if (negative) m_out.append(m_f.m_negativeSign);
        return;
      case OP_OPTIONAL_DIGIT:
        if (m_intSlots <= m_intLeft && m_intLeft > 0) NextIntegerDigit();
        --m_intSlots;
        return;
      case OP_SURPLUS_DIGITS:
        while (m_intLeft > m_intSlots) NextIntegerDigit();
        return;
      case OP_FORCED_DIGIT:
        if (m_intLeft >= m_intSlots && m_intLeft > 0)
          NextIntegerDigit();
        else
          IntegerDigit(m_f.m_zeroDigit, m_intSlots - 1);
        --m_intSlots;
        return;
      case OP_OPTIONAL_FRACTION:
        if (m_fraction < m_f.m_fractionDigits.length()) m_out.append(m_f.m_fractionDigits[m_fraction++]);
        return;
      case OP_FORCED_FRACTION:
        m_out.append(m_fraction < m_f.m_fractionDigits.length() ? m_f.m_fractionDigits[m_fraction++]
                                                                 : m_f.m_zeroDigit);
        return;
      case OP_OPTIONAL_EXPONENT:
        if (m_expSlots <= m_expLeft && m_expLeft > 0) NextExponentDigit();
        --m_expSlots;
        return;
      case OP_SURPLUS_EXPONENT:
        while (m_expLeft > m_expSlots) NextExponentDigit();
        return;
      case OP_FORCED_EXPONENT:
        if (m_expLeft >= m_expSlots && m_expLeft > 0)
          NextExponentDigit();
        else
          m_out.append(m_f.m_zeroDigit);
        --m_expSlots;
        return;
      case OP_DECIMAL_POINT:
        if (m_s.keepDecimal || !m_f.m_fractionDigits.empty()) AppendSeparator(m_out, m_f.m_decimalPoint);
        return;
      case OP_OPEN_BRACKET:
        if (negative) m_out.append(u'(');
        return;
      case OP_CLOSE_BRACKET:
        if (negative) m_out.append(u')');
        return;
      case OP_EXPONENT_UPPER_SIGN:
      case OP_EXPONENT_UPPER:
      case OP_EXPONENT_LOWER_SIGN:
      case OP_EXPONENT_LOWER: Exponent(op.code); return;
      case OP_PERCENT: m_out.append(u'%'); return;
      case OP_BOOL: Word(m_f.m_zero ? m_f.m_falseWord : m_f.m_trueWord); return;
      case OP_TRUE: Word(m_f.m_trueWord); return;
      case OP_FALSE: Word(m_f.m_falseWord); return;
    }
  }

  // "E" and "e" are fixed letters, not the locale's exponent character.
  void Exponent(zvNumberOpCode code) {
    const bool upper = code == OP_EXPONENT_UPPER_SIGN || code == OP_EXPONENT_UPPER;
    const bool alwaysSigned = code == OP_EXPONENT_UPPER_SIGN || code == OP_EXPONENT_LOWER_SIGN;
    m_out.append(upper ? u'E' : u'e');
    if (m_f.m_negativeExponent)
      m_out.append(m_f.m_negativeSign);
    else if (alwaysSigned)
      m_out.append(m_f.m_positiveSign);
  }
};

bool zvNumberFormatImp::Format(double value) {
  m_result.clear();
  m_zero = false;
  int index = 0;
  if (value < 0) {
    index = m_program.negativeSection;
  } else if (value == 0) {
    index = m_program.zeroSection;
    m_zero = true;
  }
  const zvNumberSection& s = m_program.sections[index];
  if (s.percentWithSign) {
    value *= 100;
  } else {
    for (int i = 0; i < s.percentCount; ++i) value *= 100;
  }
  m_resultColor = s.color;
  m_converted = m_numPut->convert(value, s.maxFraction, s.minFraction, kMaxIntegerDigits, s.integerPlaceholders,
                                  s.minExponentDigits, s.scientific, false, m_integerDigits, m_fractionDigits,
                                  m_exponentDigits, m_negative, m_hasExponent, m_negativeExponent);
  if (!m_converted || (m_hasExponent && !s.scientific)) {
    WritePlain();
    return true;
  }
  PrepareWork(m_integerDigits, s.integerMask, m_zeroDigit, m_integerWork);
  PrepareWork(m_exponentDigits, s.exponentMask, m_zeroDigit, m_exponentWork);
  Runner(*this, s).Run();
  return true;
}

zvStatus CreateNumberFormat(izv_ptr<zvSettings>& settings, zvFmtPattern* pattern, zvNumberFormat*& out) {
  try {
    auto format = std::make_unique<zvNumberFormatImp>(settings);
    if (format->BuildFrom(pattern) < 0) return ZV_E_FAIL;
    out = format.release();
    return 0;
  } catch (...) {
    return ZV_E_FAIL;
  }
}

zvStatus CreateDefaultNumberFormat(izv_ptr<zvSettings>& settings, fmtLibDefaultFormats kind, zvNumberFormat*& out) {
  zvFmtTokens token;
  switch (kind) {
    case STANDARD: token = TK_DEF_NUMERIC; break;
    case PERCENT: token = TK_DEF_PERCENT; break;
    case SCIENTIFIC: token = TK_DEF_SCIENTIFIC; break;
    case BOOLEAN: token = TK_DEF_BOOLEAN; break;
    default: return ZV_E_FAIL;
  }
  try {
    zvFmtPatternImp pattern(false);
    pattern.push_back(token);
    return CreateNumberFormat(settings, &pattern, out);
  } catch (...) {
    return ZV_E_FAIL;
  }
}

}  // namespace FmtLib
