// Building a number format: default-format tokens are replaced by the
// locale's text, then the tokens are compiled section by section.
//
// Compilation is a walk with a state per section: P before any digit
// placeholder (the prefix), I among integer placeholders, D just after the
// decimal separator, F among fraction placeholders, X just after an
// exponent marker, Y among exponent placeholders; T in the text-only fourth
// section and Z after it, where everything is ignored. Placeholders emit
// the digit operations and count the digits the engine must produce;
// signs, brackets, literals, percent and Boolean tokens emit their own
// operations in any of P to Y. The first placeholder of a section (and a
// decimal separator or exponent met in P) is preceded by "surplus digits",
// which writes the integer digits that have no placeholder of their own.
#include <memory>
#include <utility>

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/number_format_imp.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"

namespace FmtLib {
namespace {

FmtLibInitExit fmtLibGuard;

enum class State { P, I, D, F, X, Y, T, Z };

bool IsDefaultNumberToken(zvFmtTokens t) { return t >= TK_DEF_NUMERIC && t <= TK_DEF_BOOLEAN; }

int DefaultKind(zvFmtTokens t) {
  switch (t) {
    case TK_DEF_NUMERIC: return STANDARD;
    case TK_DEF_PERCENT: return PERCENT;
    case TK_DEF_SCIENTIFIC: return SCIENTIFIC;
    default: return BOOLEAN;
  }
}

}  // namespace

class zvNumberFormatImp::Compiler {
 public:
  explicit Compiler(zvNumberProgram& f) : m_f(f) {}

  void Run(const zvFmtPattern& pattern) {
    for (const zvToken* token : pattern) Take(*token);
    // A single section without any sign of its own writes the minus sign
    // of negative numbers itself.
    if (m_s == 0 && !m_signSeen && (Sec().integerPlaceholders > 0 || Sec().maxFraction > 0)) AddAutoSign();
    m_f.negativeSection = m_f.sections[1].program.empty() ? 0 : 1;
    m_f.zeroSection = m_f.sections[2].program.empty() ? 0 : 2;
  }

 private:
  zvNumberProgram& m_f;
  int m_s = 0;
  State m_state = State::P;
  bool m_signSeen = false;

  zvNumberSection& Sec() { return m_f.sections[m_s]; }
  void Emit(zvNumberOpCode code, int argument = 0) { Sec().program.push_back({code, argument}); }
  void AddAutoSign() {
    auto& program = m_f.sections[0].program;
    program.insert(program.begin(), zvNumberOp{OP_AUTO_SIGN, 0});
  }

  void Take(const zvToken& token) {
    if (m_state == State::Z) return;
    if (m_state == State::T) return TakeText(token);
    if (token.IsLiteral()) {
      Sec().literals.emplace_back(token.c_str(), token.length());
      Emit(OP_LITERAL, static_cast<int>(Sec().literals.size() - 1));
      return;
    }
    const zvFmtTokens t = token.Token();
    if (IsColorToken(t)) {
      Sec().color = t - (TK_FIRST_COLOR - 1);
      return;
    }
    switch (t) {
      case TK_DIGIT: return Digit('#');
      case TK_ZERO: return Digit('0');
      case TK_DECIMAL_SEPARATOR: return DecimalSeparator();
      case TK_GROUPING_SEPARATOR:
        if (m_state == State::I) Sec().grouping = true;
        return;
      case TK_EXPONENT_UPPER_PLUS: return Exponent(OP_EXPONENT_UPPER_SIGN);
      case TK_EXPONENT_UPPER_MINUS: return Exponent(OP_EXPONENT_UPPER);
      case TK_EXPONENT_LOWER_PLUS: return Exponent(OP_EXPONENT_LOWER_SIGN);
      case TK_EXPONENT_LOWER_MINUS: return Exponent(OP_EXPONENT_LOWER);
      case TK_SIGN: return Sign(OP_NEGATIVE_SIGN);
      case TK_POSITIVE_SIGN: return Sign(OP_SIGN);
      case TK_NEGATIVE_OPEN:
        m_signSeen = true;
        return Emit(OP_OPEN_BRACKET);
      case TK_NEGATIVE_CLOSE:
        m_signSeen = true;
        return Emit(OP_CLOSE_BRACKET);
      case TK_PERCENT:
        ++Sec().percentCount;
        return;
      case TK_PERCENT_SIGN:
        Sec().percentWithSign = true;
        return Emit(OP_PERCENT);
      case TK_BOOL: return Emit(OP_BOOL);
      case TK_TRUE: return Emit(OP_TRUE);
      case TK_FALSE: return Emit(OP_FALSE);
      case TK_ERROR: return Emit(OP_FORMAT_ERROR);
      case TK_FORMAT_SEPARATOR: return CloseSection();
      default: return;  // date tokens and numbers that are not tokens
    }
  }

  void TakeText(const zvToken& token) {
    if (token.IsLiteral()) {
      m_f.textSection.append(token.c_str(), token.length());
    } else if (IsColorToken(token.Token())) {
      m_f.textColor = token.Token() - (TK_FIRST_COLOR - 1);
    } else if (token.Token() == TK_FORMAT_SEPARATOR) {
      m_state = State::Z;
    }
  }

  void Digit(char mask) {
    zvNumberSection& s = Sec();
    const bool forced = mask == '0';
    switch (m_state) {
      case State::P:
        Emit(OP_SURPLUS_DIGITS);
        [[fallthrough]];
      case State::I:
        Emit(forced ? OP_FORCED_DIGIT : OP_OPTIONAL_DIGIT);
        s.integerMask += mask;
        ++s.integerPlaceholders;
        m_state = State::I;
        return;
      case State::D:
        ++s.maxFraction;
        if (forced) {
          Emit(OP_FORCED_FRACTION);
          ++s.minFraction;
          s.keepDecimal = true;
        } else {
          Emit(OP_OPTIONAL_FRACTION);
          m_state = State::F;
        }
        return;
      case State::F:
        ++s.maxFraction;
        Emit(forced ? OP_FORCED_FRACTION : OP_OPTIONAL_FRACTION);
        if (forced) s.keepDecimal = true;
        return;
      case State::X:
        Emit(OP_SURPLUS_EXPONENT);
        [[fallthrough]];
      case State::Y:
        Emit(forced ? OP_FORCED_EXPONENT : OP_OPTIONAL_EXPONENT);
        s.exponentMask += mask;
        ++(forced ? s.minExponentDigits : s.optionalExponentDigits);
        m_state = State::Y;
        return;
      default:
        return;
    }
  }

  void DecimalSeparator() {
    if (m_state != State::P && m_state != State::I) return;
    if (m_state == State::P) Emit(OP_SURPLUS_DIGITS);
    Emit(OP_DECIMAL_POINT);
    m_state = State::D;
  }

  void Exponent(zvNumberOpCode op) {
    if (m_state == State::X || m_state == State::Y) return;
    if (m_state == State::P) Emit(OP_SURPLUS_DIGITS);
    Emit(op);
    Sec().scientific = true;
    m_state = State::X;
  }

  void Sign(zvNumberOpCode op) {
    if (m_state == State::X || m_state == State::Y) return;
    Emit(op);
    m_signSeen = true;
  }

  void CloseSection() {
    if (m_s == 0 && m_state != State::P && !m_signSeen) AddAutoSign();
    ++m_s;
    m_signSeen = false;
    m_state = m_s < kSections ? State::P : State::T;
  }
};

zvStatus zvNumberFormatImp::BuildFrom(zvFmtPattern* pattern) {
  zvNumberProgram built;
  const zvStatus status = Compile(pattern, built, 0);
  m_program = std::move(built);
  return status;
}

zvStatus zvNumberFormatImp::Compile(zvFmtPattern* pattern, zvNumberProgram& out, int depth) const {
  if (pattern == nullptr || pattern->IsDate()) return ZV_E_FAIL;
  for (const zvToken* token : *pattern)
    if (!token->IsLiteral() && IsDefaultNumberToken(token->Token()))
      return CompileDefault(DefaultKind(token->Token()), out, depth);
  Compiler(out).Run(*pattern);
  return 0;
}

// The locale's text of a default format, read in the serial dialect. An
// unreadable text gives the error pattern (the format writes "#FORMAT");
// a reading that fails outright is a failure of the build, not an empty
// success.
zvStatus zvNumberFormatImp::CompileDefault(int kind, zvNumberProgram& out, int depth) const {
  const unsigned short* text = m_settings->GetDefaultFormat(kind);
  if (text == nullptr || depth > 0) return ZV_E_FAIL;
  std::unique_ptr<zvStringFormat> serial;
  try {
    serial.reset(CreateSerialStringFormatNumber());
  } catch (const ZVException&) {
    return ZV_E_FAIL;
  }
  if (serial == nullptr) return ZV_E_FAIL;
  zvFmtPattern* raw = nullptr;
  const zvStatus read = serial->Parse(ucs2string(text), raw);
  std::unique_ptr<zvFmtPattern> read_pattern(raw);
  if (read < 0) return ZV_E_FAIL;
  return Compile(read_pattern.get(), out, depth + 1);
}

}  // namespace FmtLib
