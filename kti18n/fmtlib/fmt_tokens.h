// The format vocabulary: the closed set of token numbers that every format
// of the library is made of, the facts known about each token (serial code,
// side, descriptive name, default keyword), and the token objects that a
// pattern holds.
//
// Token numbers are stored in serial format strings written by callers, so
// they never change. Numbers not listed below are not tokens.
#ifndef KTI18N_FMTLIB_FMT_TOKENS_H
#define KTI18N_FMTLIB_FMT_TOKENS_H

#include <cstdint>
#include <span>

#include "kti18n/text/ucs2string.h"

namespace FmtLib {

enum zvFmtTokens : std::int32_t {
  TK_LITERAL = 1,           // a piece of literal text (zvLiteralToken)
  TK_FORMAT_SEPARATOR = 2,  // separates the sections of a format
  TK_ERROR = 3,             // marks a pattern whose text was unreadable

  // am/pm marker: as the locale writes it, upper, lower, capitalised.
  TK_AMPM = 10,
  TK_AMPM_UPPER = 11,
  TK_AMPM_LOWER = 12,
  TK_AMPM_CAP = 13,
  // Month names, full then abbreviated, in the same four cases.
  TK_MONTH_NAME = 14,
  TK_MONTH_NAME_UPPER = 15,
  TK_MONTH_NAME_LOWER = 16,
  TK_MONTH_NAME_CAP = 17,
  TK_ABB_MONTH_NAME = 18,
  TK_ABB_MONTH_NAME_UPPER = 19,
  TK_ABB_MONTH_NAME_LOWER = 20,
  TK_ABB_MONTH_NAME_CAP = 21,
  // Clock fields, with or without a leading zero.
  TK_HOUR_00_23 = 22,
  TK_HOUR_0_23 = 23,
  TK_HOUR_01_12 = 24,
  TK_HOUR_1_12 = 25,
  TK_HOUR_01_24 = 26,
  TK_HOUR_1_24 = 27,
  TK_HOUR_00_11 = 28,
  TK_HOUR_0_11 = 29,
  TK_MONTH_01 = 30,
  TK_MONTH_1 = 31,
  TK_MINUTE_00 = 32,
  TK_MINUTE_0 = 33,
  TK_SECOND_00 = 34,
  TK_SECOND_0 = 35,
  TK_MILLISECOND_000 = 36,
  TK_HUNDREDTH_SECOND_00 = 37,
  TK_TENTH_SECOND_0 = 38,
  // Years.
  TK_YEAR_0000 = 39,
  TK_YEAR_00 = 40,
  TK_JP_IMP_YEAR_0 = 41,
  TK_JP_IMP_YEAR = 42,
  TK_JP_IMP_YEAR_ENG = 43,
  // Day names, full then abbreviated, in the four cases.
  TK_DAY_NAME = 46,
  TK_DAY_NAME_UPPER = 47,
  TK_DAY_NAME_LOWER = 48,
  TK_DAY_NAME_CAP = 49,
  TK_ABB_DAY_NAME = 50,
  TK_ABB_DAY_NAME_UPPER = 51,
  TK_ABB_DAY_NAME_LOWER = 52,
  TK_ABB_DAY_NAME_CAP = 53,
  // Other calendar fields, the zone, the locale's separators.
  TK_MONTH_DAY_00 = 54,
  TK_MONTH_DAY_0 = 55,
  TK_ERA = 56,
  TK_DAY_OF_WEEK_IN_MONTH = 57,
  TK_DAY_OF_YEAR_000 = 58,
  TK_DAY_OF_YEAR_00 = 59,
  TK_DAY_OF_YEAR_0 = 60,
  TK_WEEK_OF_YEAR_00 = 61,
  TK_WEEK_OF_YEAR_0 = 62,
  TK_WEEK_OF_MONTH = 63,
  TK_TIME_ZONE = 64,
  TK_DATE_SEPARATOR = 65,
  TK_TIME_SEPARATOR = 66,
  TK_YEAR_OF_WEEK_0000 = 67,
  TK_YEAR_OF_WEEK_00 = 68,
  TK_JP_IMP_PERIOD = 69,
  TK_JP_IMPERIAL_YEAR_0 = 70,
  TK_JP_IMPERIAL_YEAR_00 = 71,

  // Number side.
  TK_SIGN = 100,
  TK_DIGIT = 101,  // "#": a digit shown only when significant
  TK_ZERO = 102,   // "0": a digit always shown
  TK_DECIMAL_SEPARATOR = 103,
  TK_GROUPING_SEPARATOR = 104,
  TK_NEGATIVE_OPEN = 105,
  TK_NEGATIVE_CLOSE = 106,
  TK_EXPONENT_UPPER_PLUS = 107,
  TK_EXPONENT_UPPER_MINUS = 108,
  TK_EXPONENT_LOWER_PLUS = 109,
  TK_EXPONENT_LOWER_MINUS = 110,
  TK_POSITIVE_SIGN = 111,
  TK_PERCENT = 112,       // times 100
  TK_PERCENT_SIGN = 113,  // times 100 and a percent sign
  TK_BOOL = 114,
  TK_TRUE = 115,
  TK_FALSE = 116,

  // The fifteen locale default date and time formats.
  TK_DEF_FULL_DATE = 300,
  TK_DEF_LONG_DATE = 301,
  TK_DEF_MEDIUM_DATE = 302,
  TK_DEF_SHORT_DATE = 303,
  TK_DEF_FULL_TIME = 304,
  TK_DEF_LONG_TIME = 305,
  TK_DEF_MEDIUM_TIME = 306,
  TK_DEF_SHORT_TIME = 307,
  TK_DEF_FULL_DATE_TIME = 308,
  TK_DEF_LONG_DATE_TIME = 309,
  TK_DEF_MEDIUM_DATE_TIME = 310,
  TK_DEF_SHORT_DATE_TIME = 311,
  TK_DEF_INPUT_DATE = 312,
  TK_DEF_INPUT_TIME = 313,
  TK_DEF_INPUT_DATE_TIME = 314,
  // The four default number formats.
  TK_DEF_NUMERIC = 350,
  TK_DEF_PERCENT = 351,
  TK_DEF_SCIENTIFIC = 352,
  TK_DEF_BOOLEAN = 353,

  // The sixteen colours.
  TK_COLOR_BLACK = 400,
  TK_COLOR_WHITE = 401,
  TK_COLOR_RED = 402,
  TK_COLOR_GREEN = 403,
  TK_COLOR_BLUE = 404,
  TK_COLOR_YELLOW = 405,
  TK_COLOR_MAGENTA = 406,
  TK_COLOR_CYAN = 407,
  TK_COLOR_DARK_RED = 408,
  TK_COLOR_DARK_GREEN = 409,
  TK_COLOR_DARK_BLUE = 410,
  TK_COLOR_LIGHT_BROWN = 411,
  TK_COLOR_PURPLE = 412,
  TK_COLOR_DARK_CYAN = 413,
  TK_COLOR_LIGHT_GRAY = 414,
  TK_COLOR_GRAY = 415,
};

inline constexpr zvFmtTokens TK_FIRST_COLOR = TK_COLOR_BLACK;
inline constexpr zvFmtTokens TK_LAST_COLOR = TK_COLOR_GRAY;
inline constexpr int kColorCount = TK_LAST_COLOR - TK_FIRST_COLOR + 1;

constexpr bool IsColorToken(zvFmtTokens t) { return t >= TK_FIRST_COLOR && t <= TK_LAST_COLOR; }

// Which serial dictionary holds a token: date, number, or both.
enum class zvTokenSide : std::uint8_t { kDate, kNumber, kBoth };

constexpr bool OnDateSide(zvTokenSide s) { return s != zvTokenSide::kNumber; }
constexpr bool OnNumberSide(zvTokenSide s) { return s != zvTokenSide::kDate; }

// The facts about one token. Texts are UTF-8; a null pointer means "none".
struct zvTokenInfo {
  zvFmtTokens token;
  const char* serialCode;   // "T[FS]": the token's text in the serial dialect
  zvTokenSide side;
  const char* name;         // "<format separator>", accepted as a keyword by the default dictionaries
  const char* keyword;      // the keyword of the default dialect for "en"
};

// Every token, in ascending number; the literal token 1 has no entry, since
// the serial dialect writes literals as L[text].
std::span<const zvTokenInfo> AllTokenInfos();
// The entry of a token, or null for the literal token and for numbers that
// are not tokens.
const zvTokenInfo* FindTokenInfo(zvFmtTokens token);

// A token of a pattern: a piece of literal text or one enumerated token.
// Owned by whoever made it; a pattern owns the tokens it holds.
class zvToken {
 public:
  virtual ~zvToken();
  virtual zvFmtTokens Token() const = 0;  // TK_LITERAL for a literal token
  virtual bool IsLiteral() const = 0;
  // The literal's characters (null for an enumerated token).
  virtual const unsigned short* c_str() const = 0;
  // The literal's length in UTF-16 units (0 for an enumerated token).
  virtual unsigned length() const = 0;

  // Each returns a new token owned by the caller, or null when memory is
  // exhausted. The range form also gives null for a range whose end lies
  // before its begin, or a null begin with a non-empty range: such input
  // holds no text that could be copied safely.
  static zvToken* MakeToken(const unsigned short* begin, const unsigned short* end);
  static zvToken* MakeToken(const ucs2string& text);
  static zvToken* MakeToken(zvFmtTokens token);

 protected:
  zvToken() = default;
  zvToken(const zvToken&) = default;
  zvToken& operator=(const zvToken&) = default;
};

class zvLiteralToken final : public zvToken {
 public:
  explicit zvLiteralToken(ucs2string text) : m_text(std::move(text)) {}
  zvLiteralToken(const zvLiteralToken&) = default;
  zvLiteralToken& operator=(const zvLiteralToken&) = default;
  ~zvLiteralToken() override;

  zvFmtTokens Token() const override { return TK_LITERAL; }
  bool IsLiteral() const override { return true; }
  const unsigned short* c_str() const override { return m_text.c_str(); }
  unsigned length() const override { return m_text.length(); }
  const ucs2string& text() const { return m_text; }

 private:
  ucs2string m_text;  // may be empty or null
};

class zvEnumToken final : public zvToken {
 public:
  explicit zvEnumToken(zvFmtTokens token) : m_token(token) {}
  zvEnumToken(const zvEnumToken&) = default;
  zvEnumToken& operator=(const zvEnumToken&) = default;
  ~zvEnumToken() override;

  zvFmtTokens Token() const override { return m_token; }
  bool IsLiteral() const override { return false; }
  const unsigned short* c_str() const override { return nullptr; }
  unsigned length() const override { return 0; }

 private:
  zvFmtTokens m_token;
};

}  // namespace FmtLib

#endif
