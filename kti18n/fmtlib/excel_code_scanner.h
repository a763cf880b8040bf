// The lexical side of spreadsheet format codes: a code such as
// "[Red]#,##0.00_);\(#,##0.00\)" split into sections of lexemes (quoted
// text, escapes, placeholders, date letters, bracketed codes). What a lexeme
// means (a month or a minute, grouping or scaling) is decided by the number
// and date readers, which see its neighbours.
#ifndef KTI18N_FMTLIB_EXCEL_CODE_SCANNER_H
#define KTI18N_FMTLIB_EXCEL_CODE_SCANNER_H

#include <optional>
#include <string>
#include <vector>

#include "kti18n/fmtlib/fmt_tokens.h"
#include "kti18n/text/ucs2string.h"

namespace FmtLib::excel {

enum class Lex {
  kText,       // literal text (quoted, escaped, "_x" padding, or a plain character)
  kZero,       // "0"
  kHash,       // "#"
  kQuestion,   // "?"
  kPoint,      // "."
  kComma,      // ","
  kPercent,    // "%"
  kSlash,      // "/"
  kColon,      // ":"
  kExponent,   // "E+", "E-", "e+", "e-": token in `token`
  kGeneral,    // "General", any case
  kAt,         // "@"
  kColor,      // "[Red]", "[Color3]": token in `token`; `approximate` when the colour is folded
  kCondition,  // "[>100]"
  kLocale,     // "[$€-407]": symbol in `text`, locale id in `locale` (empty when none)
  kElapsed,    // "[h]", "[mm]", "[ss]": letter in `letter`, run length in `count`
  kDateLetter, // a run of one date letter (y m d h s e g b), lower-cased, with its length
  kAmPm,       // "AM/PM" or "A/P" in the case written: `text`
  kUnknown,    // a bracketed code the reader does not know
};

struct Lexeme {
  Lex kind;
  std::u16string text;    // kText: the characters; kLocale: the symbol; kAmPm: as written
  std::u16string locale;  // kLocale: the locale id after "-"
  char16_t letter = 0;    // kDateLetter, kElapsed
  int count = 0;          // kDateLetter, kElapsed: run length
  zvFmtTokens token = TK_LITERAL;  // kExponent, kColor
  bool approximate = false;        // kColor: a palette colour folded onto the sixteen
};

using Lexemes = std::vector<Lexeme>;

// The sections of a code (split at ";" outside quotes and brackets), or
// nothing when the code cannot be read: an unclosed quote or bracket, or an
// escape at the end.
std::optional<std::vector<Lexemes>> ScanExcelCode(const ucs2string& code);

}  // namespace FmtLib::excel

#endif
