// Reading spreadsheet number codes into number patterns.
//
// How the spreadsheet shows a number under a code, and how the pattern gets
// the same result:
// - Sections: positive;negative;zero;text. With one numeric section a
//   negative number gets a leading minus; with a negative section it is
//   shown without sign, only as that section writes it; zero uses the
//   positive section unless a zero section is given. An empty section shows
//   nothing, so it becomes an empty literal (a section that writes nothing
//   but still counts as given).
// - "0" "#" "." "," "E+" "%" are the pattern's own tokens; "." and "," show
//   the locale's separators. A "," after the last integer placeholder
//   divides by 1000, which a pattern cannot do.
// - "?" is a digit or a space; a pattern has no space-or-digit, so it reads
//   as "#", except in the zero section, whose value is always 0: there each
//   "?" shows a space and each "#" nothing.
// - "General" shows up to eleven characters without grouping: it reads as
//   "0.#########", which shows the same for every value with at most eleven
//   integer digits and short fractions.
#include <algorithm>

#include "kti18n/fmtlib/excel_code_scanner.h"
#include "kti18n/fmtlib/excel_codes.h"
#include "kti18n/fmtlib/excel_reader.h"

namespace FmtLib::excel {
namespace {

bool IsPlaceholder(Lex k) { return k == Lex::kZero || k == Lex::kHash || k == Lex::kQuestion; }

void AppendGeneral(Items& out) {
  out.push_back(Token(TK_ZERO));
  out.push_back(Token(TK_DECIMAL_SEPARATOR));
  out.insert(out.end(), 9, Token(TK_DIGIT));
}

bool IsDigitItem(const Item& i) { return i.Is(TK_DIGIT) || i.Is(TK_ZERO); }

class NumberSectionReader {
 public:
  NumberSectionReader(const Lexemes& lexemes, bool zeroSection, std::uint32_t& approx)
      : m_in(lexemes), m_zero(zeroSection), m_approx(approx) {}

  Items Read() {
    const auto percents = std::count_if(m_in.begin(), m_in.end(), [](const Lexeme& l) { return l.kind == Lex::kPercent; });
    for (m_at = 0; m_at < m_in.size(); ++m_at) Step(m_in[m_at], percents);
    return std::move(m_out);
  }

 private:
  void Step(const Lexeme& lx, long percents) {
    switch (lx.kind) {
      case Lex::kZero: Digit(TK_ZERO); break;
      case Lex::kHash:
        if (!m_zero) Digit(TK_DIGIT);
        break;
      case Lex::kQuestion:
        if (m_zero) {
          m_out.push_back(Literal(u" "));
        } else {
          m_approx |= EXCEL_SPACE_DIGIT;
          Digit(TK_DIGIT);
        }
        break;
      case Lex::kPoint:
        if (m_fraction || m_exponent) {
          m_out.push_back(Literal(u"."));
        } else {
          m_fraction = true;
          m_out.push_back(Token(TK_DECIMAL_SEPARATOR));
        }
        break;
      case Lex::kComma: Comma(); break;
      case Lex::kPercent:
        if (percents == 1) {
          m_out.push_back(Token(TK_PERCENT_SIGN));
        } else {  // each "%" multiplies by 100 and shows itself
          m_out.push_back(Token(TK_PERCENT));
          m_out.push_back(Literal(u"%"));
        }
        break;
      case Lex::kSlash: Slash(); break;
      case Lex::kExponent:
        m_exponent = true;
        m_out.push_back(Token(lx.token));
        break;
      case Lex::kGeneral:
        AppendGeneral(m_out);
        m_fraction = true;
        break;
      case Lex::kColor:
        if (lx.approximate) m_approx |= EXCEL_COLOR;
        m_out.push_back(Token(lx.token));
        break;
      case Lex::kCondition: m_approx |= EXCEL_CONDITION; break;
      case Lex::kLocale:
        if (!lx.text.empty()) m_out.push_back(Literal(lx.text));
        if (!lx.locale.empty()) m_approx |= EXCEL_LOCALE_TAG;
        break;
      case Lex::kColon: m_out.push_back(Literal(u":")); break;
      case Lex::kText: m_out.push_back(Literal(lx.text)); break;
      case Lex::kAt:
      case Lex::kElapsed:
      case Lex::kDateLetter:
      case Lex::kAmPm:
      case Lex::kUnknown: m_approx |= EXCEL_UNKNOWN_CODE; break;
    }
  }

  void Digit(zvFmtTokens t) { m_out.push_back(Token(t)); }

  // Between integer placeholders "," groups; after the last one (before the
  // point, the exponent or the end of the digits) it divides by 1000.
  void Comma() {
    if (m_exponent) return;
    bool digitFollows = false;
    for (std::size_t k = m_at + 1; k < m_in.size(); ++k) {
      const Lex next = m_in[k].kind;
      if (IsPlaceholder(next)) {
        digitFollows = true;
        break;
      }
      if (next != Lex::kComma) break;
    }
    if (!m_fraction && digitFollows) {
      m_out.push_back(Token(TK_GROUPING_SEPARATOR));
    } else if (!digitFollows) {
      m_approx |= EXCEL_SCALING;
    }
  }

  // "# ?/?", "?/8", "# ??/100": a fraction. A pattern shows decimals
  // instead: the integer part, then as many decimals as the denominator
  // has digits, plus one.
  void Slash() {
    std::size_t numerator = 0;
    while (!m_out.empty() && IsDigitItem(m_out.back())) {
      m_out.pop_back();
      ++numerator;
    }
    if (numerator == 0) {
      m_out.push_back(Literal(u"/"));
      return;
    }
    m_approx |= EXCEL_FRACTION;
    Items spaces;
    while (!m_out.empty() && m_out.back().IsLiteral() && m_out.back().text == u" ") {
      spaces.push_back(m_out.back());
      m_out.pop_back();
    }
    // The decimals need a digit before the point ("0.5", not ".5").
    const auto last = std::find_if(m_out.rbegin(), m_out.rend(), IsDigitItem);
    if (last == m_out.rend())
      m_out.push_back(Token(TK_ZERO));
    else
      last->token = TK_ZERO;
    int denominator = 0;
    while (m_at + 1 < m_in.size()) {
      const Lexeme& next = m_in[m_at + 1];
      const bool literalDigit = next.kind == Lex::kText && next.text.size() == 1 && next.text[0] >= u'1' &&
                                next.text[0] <= u'9';
      if (!IsPlaceholder(next.kind) && !literalDigit) break;
      ++denominator;
      ++m_at;
    }
    m_out.push_back(Token(TK_DECIMAL_SEPARATOR));
    m_out.insert(m_out.end(), static_cast<std::size_t>(std::max(denominator, 1) + 1), Token(TK_DIGIT));
    m_fraction = true;
  }

  const Lexemes& m_in;
  bool m_zero;
  std::uint32_t& m_approx;
  std::size_t m_at = 0;
  bool m_fraction = false;
  bool m_exponent = false;
  Items m_out;
};

bool HoldsPlaceholder(const Items& s) {
  return std::any_of(s.begin(), s.end(), [](const Item& i) { return IsDigitItem(i); });
}

// A text section's literal text, when it says more than "@" with padding.
bool TextSectionSaysMore(const Lexemes& s) {
  return std::any_of(s.begin(), s.end(), [](const Lexeme& l) {
    return l.kind != Lex::kAt && !(l.kind == Lex::kText && l.text == u" ");
  });
}

}  // namespace

void ReadNumberSections(const std::vector<Lexemes>& sections, Items& out, std::uint32_t& approx) {
  std::vector<const Lexemes*> numeric;
  const Lexemes* text = nullptr;
  for (const Lexemes& s : sections) {
    const bool isText = std::any_of(s.begin(), s.end(), [](const Lexeme& l) { return l.kind == Lex::kAt; });
    if (isText && text == nullptr)
      text = &s;
    else if (numeric.size() < 3)
      numeric.push_back(&s);
  }
  std::vector<Items> read;
  for (std::size_t k = 0; k < numeric.size(); ++k)
    read.push_back(NumberSectionReader(*numeric[k], k == 2, approx).Read());
  if (read.empty()) {  // only a text section: numbers show as General
    read.emplace_back();
    AppendGeneral(read.back());
  }
  if (read.size() == 1 && !HoldsPlaceholder(read[0])) {
    // The leading minus of a lone section, which the pattern would only add
    // next to digits.
    read[0].insert(read[0].begin(), Token(TK_SIGN));
  }
  for (std::size_t k = 1; k < read.size(); ++k)
    if (read[k].empty()) read[k].push_back(Literal(u""));

  const bool textSection = text != nullptr && TextSectionSaysMore(*text);
  for (std::size_t k = 0; k < read.size(); ++k) {
    if (k > 0) out.push_back(Token(TK_FORMAT_SEPARATOR));
    out.insert(out.end(), read[k].begin(), read[k].end());
  }
  if (!textSection) return;
  // The fourth section holds the literal text; where "@" stood cannot be
  // kept, since a text section only has its literals.
  approx |= EXCEL_TEXT_SECTION;
  for (std::size_t k = read.size(); k < 4; ++k) out.push_back(Token(TK_FORMAT_SEPARATOR));
  for (const Lexeme& l : *text) {
    if (l.kind == Lex::kText) out.push_back(Literal(l.text));
    if (l.kind == Lex::kColor) out.push_back(Token(l.token));
  }
}

}  // namespace FmtLib::excel
