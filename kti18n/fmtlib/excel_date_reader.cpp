// Reading spreadsheet date and time codes into date patterns.
//
// Date letters are read in any case; a run's length chooses the field
// ("d" day, "dd" two-digit day, "ddd" abbreviated and "dddd" full day
// name). "m" and "mm" are the month unless they follow an hour or precede
// a second (any literal text may stand between), where they are minutes.
// An hour is 12-hour when the section shows AM/PM. "/" and ":" show the
// locale's date and time separators. ".0" to ".000" after the seconds are
// tenths to milliseconds. "e" is the year, as outside Japanese locales,
// unless the code also shows the era ("g"), where it is the imperial year.
// Only the first section is read: a date code's other sections are for
// negative serial numbers and text.
#include <algorithm>

#include "kti18n/fmtlib/excel_code_scanner.h"
#include "kti18n/fmtlib/excel_codes.h"
#include "kti18n/fmtlib/excel_reader.h"

namespace FmtLib::excel {
namespace {

bool IsDateCode(const Lexeme& l) {
  return l.kind == Lex::kDateLetter || l.kind == Lex::kElapsed || l.kind == Lex::kAmPm;
}

bool IsHour(const Lexeme& l) { return (l.kind == Lex::kDateLetter || l.kind == Lex::kElapsed) && l.letter == u'h'; }
bool IsSecond(const Lexeme& l) { return (l.kind == Lex::kDateLetter || l.kind == Lex::kElapsed) && l.letter == u's'; }

// The system long date and long time tags: the locale's own formats.
std::optional<zvFmtTokens> SystemFormat(const Lexeme& l) {
  if (l.kind != Lex::kLocale) return std::nullopt;
  std::u16string id;
  for (char16_t c : l.locale) id += c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
  if (id == u"F800" || id == u"X-SYSDATE") return TK_DEF_LONG_DATE;
  if (id == u"F400" || id == u"X-SYSTIME") return TK_DEF_LONG_TIME;
  return std::nullopt;
}

zvFmtTokens AmPmToken(const std::u16string& written) {
  const bool upper = std::none_of(written.begin(), written.end(), [](char16_t c) { return c >= u'a' && c <= u'z'; });
  const bool lower = std::none_of(written.begin(), written.end(), [](char16_t c) { return c >= u'A' && c <= u'Z'; });
  if (upper) return TK_AMPM_UPPER;
  if (lower) return TK_AMPM_LOWER;
  return TK_AMPM_CAP;
}

class DateSectionReader {
 public:
  DateSectionReader(const Lexemes& lexemes, std::uint32_t& approx) : m_in(lexemes), m_approx(approx) {
    m_twelveHour = std::any_of(m_in.begin(), m_in.end(), [](const Lexeme& l) { return l.kind == Lex::kAmPm; });
    m_era = std::any_of(m_in.begin(), m_in.end(),
                        [](const Lexeme& l) { return l.kind == Lex::kDateLetter && l.letter == u'g'; });
  }

  Items Read() {
    for (m_at = 0; m_at < m_in.size(); ++m_at) Step(m_in[m_at]);
    return std::move(m_out);
  }

 private:
  void Step(const Lexeme& l) {
    switch (l.kind) {
      case Lex::kDateLetter: Letter(l); break;
      case Lex::kElapsed:
        m_approx |= EXCEL_ELAPSED;
        Letter(l);
        break;
      case Lex::kAmPm:
        if (l.text.size() != 5) m_approx |= EXCEL_NAME_FORM;
        Push(AmPmToken(l.text));
        break;
      case Lex::kSlash: Push(TK_DATE_SEPARATOR); break;
      case Lex::kColon: Push(TK_TIME_SEPARATOR); break;
      case Lex::kPoint: Point(); break;
      case Lex::kColor:
        if (l.approximate) m_approx |= EXCEL_COLOR;
        Push(l.token);
        break;
      case Lex::kCondition: m_approx |= EXCEL_CONDITION; break;
      case Lex::kLocale:
        if (!l.text.empty()) m_out.push_back(Literal(l.text));
        if (!l.locale.empty()) m_approx |= EXCEL_LOCALE_TAG;
        break;
      case Lex::kText: m_out.push_back(Literal(l.text)); break;
      case Lex::kZero: m_out.push_back(Literal(u"0")); break;
      case Lex::kHash: m_out.push_back(Literal(u"#")); break;
      case Lex::kQuestion: m_out.push_back(Literal(u"?")); break;
      case Lex::kComma: m_out.push_back(Literal(u",")); break;
      case Lex::kPercent: m_out.push_back(Literal(u"%")); break;
      case Lex::kExponent:
      case Lex::kGeneral:
      case Lex::kAt:
      case Lex::kUnknown: m_approx |= EXCEL_UNKNOWN_CODE; break;
    }
  }

  void Push(zvFmtTokens t) { m_out.push_back(Token(t)); }

  void Letter(const Lexeme& l) {
    const int n = l.count;
    switch (l.letter) {
      case u'y': Push(n <= 2 ? TK_YEAR_00 : TK_YEAR_0000); break;
      case u'd': Push(n == 1 ? TK_MONTH_DAY_0 : n == 2 ? TK_MONTH_DAY_00 : n == 3 ? TK_ABB_DAY_NAME : TK_DAY_NAME); break;
      case u'h':
        if (m_twelveHour) Push(n == 1 ? TK_HOUR_1_12 : TK_HOUR_01_12);
        else Push(n == 1 ? TK_HOUR_0_23 : TK_HOUR_00_23);
        break;
      case u's': Push(n == 1 ? TK_SECOND_0 : TK_SECOND_00); break;
      case u'm': Month(l); break;
      case u'e':
        if (m_era) Push(n == 1 ? TK_JP_IMPERIAL_YEAR_0 : TK_JP_IMPERIAL_YEAR_00);
        else Push(TK_YEAR_0000);
        break;
      case u'g':
        if (n == 1 && m_at + 1 < m_in.size() && m_in[m_at + 1].kind == Lex::kDateLetter &&
            m_in[m_at + 1].letter == u'e' && m_in[m_at + 1].count == 1) {
          Push(TK_JP_IMP_YEAR_ENG);  // "ge": the period's initial and its year
          ++m_at;
          break;
        }
        if (n < 3) m_approx |= EXCEL_NAME_FORM;
        Push(TK_JP_IMP_PERIOD);
        break;
      case u'b':  // the Buddhist year, 543 years ahead: no token
        m_approx |= EXCEL_NAME_FORM;
        Push(n <= 2 ? TK_YEAR_00 : TK_YEAR_0000);
        break;
      default: break;
    }
  }

  void Month(const Lexeme& l) {
    const int n = l.count;
    if (l.kind == Lex::kDateLetter && n >= 3) {
      if (n > 4) m_approx |= EXCEL_NAME_FORM;  // "mmmmm": the month's first letter
      Push(n == 4 ? TK_MONTH_NAME : TK_ABB_MONTH_NAME);
      return;
    }
    if (l.kind == Lex::kElapsed || IsMinute()) {
      Push(n == 1 ? TK_MINUTE_0 : TK_MINUTE_00);
      return;
    }
    Push(n == 1 ? TK_MONTH_1 : TK_MONTH_01);
  }

  bool IsMinute() const {
    for (std::size_t k = m_at; k-- > 0;) {
      if (IsDateCode(m_in[k])) {
        if (IsHour(m_in[k])) return true;
        break;
      }
    }
    for (std::size_t k = m_at + 1; k < m_in.size(); ++k)
      if (IsDateCode(m_in[k])) return IsSecond(m_in[k]);
    return false;
  }

  // "ss.00": hundredths of a second, whose point stays literal text (the
  // fraction token writes digits only); any other "." is literal text.
  void Point() {
    std::size_t zeros = 0;
    while (m_at + 1 + zeros < m_in.size() && m_in[m_at + 1 + zeros].kind == Lex::kZero) ++zeros;
    if (m_at == 0 || !IsSecond(m_in[m_at - 1]) || zeros == 0) {
      m_out.push_back(Literal(u"."));
      return;
    }
    if (zeros > 3) m_approx |= EXCEL_NAME_FORM;
    m_out.push_back(Literal(u"."));
    Push(zeros == 1 ? TK_TENTH_SECOND_0 : zeros == 2 ? TK_HUNDREDTH_SECOND_00 : TK_MILLISECOND_000);
    m_at += zeros;
  }

  const Lexemes& m_in;
  std::uint32_t& m_approx;
  bool m_twelveHour = false;
  bool m_era = false;
  std::size_t m_at = 0;
  Items m_out;
};

bool IsTextOnly(const Lexemes& s) {
  return std::all_of(s.begin(), s.end(),
                     [](const Lexeme& l) { return l.kind == Lex::kAt || (l.kind == Lex::kText && l.text == u" "); });
}

}  // namespace

void ReadDateSections(const std::vector<Lexemes>& sections, Items& out, std::uint32_t& approx) {
  for (std::size_t k = 1; k < sections.size(); ++k)
    if (!IsTextOnly(sections[k])) approx |= EXCEL_DATE_SECTIONS;
  const Lexemes& first = sections.front();
  for (const Lexeme& l : first) {
    if (const auto system = SystemFormat(l)) {
      out.push_back(Token(*system));
      return;
    }
  }
  Items read = DateSectionReader(first, approx).Read();
  out.insert(out.end(), read.begin(), read.end());
}

bool HoldsDateCode(const std::vector<Lexemes>& sections) {
  for (const Lexemes& s : sections)
    for (const Lexeme& l : s)
      if (IsDateCode(l) || SystemFormat(l)) return true;
  return false;
}

}  // namespace FmtLib::excel
