// Pieces shared by the spreadsheet writers and readers: a pattern copied
// into plain values that can be reshaped freely, the fixed spreadsheet code
// of each token, the colour names, and the spreadsheet literal rule.
#ifndef KTI18N_FMTLIB_EXCEL_CODES_H
#define KTI18N_FMTLIB_EXCEL_CODES_H

#include <string>
#include <string_view>
#include <vector>

#include "kti18n/fmtlib/fmt_pattern.h"
#include "kti18n/text/ucs2string.h"

namespace FmtLib::excel {

// One token by value: an enumerated token, or a literal (TK_LITERAL) with
// its text.
struct Item {
  zvFmtTokens token;
  std::u16string text;

  bool IsLiteral() const { return token == TK_LITERAL; }
  bool Is(zvFmtTokens t) const { return token == t; }
};
using Items = std::vector<Item>;

inline Item Literal(std::u16string text) { return Item{TK_LITERAL, std::move(text)}; }
inline Item Token(zvFmtTokens t) { return Item{t, {}}; }

// Copies a pattern's tokens into values (the pattern is only read).
Items ItemsOf(const zvFmtPattern& pattern);
// Appends the items to a pattern.
void AppendItems(const Items& items, zvFmtPattern& pattern);

// Splits items at format separators into at most `maxSections` sections;
// items after the last separator allowed are dropped.
std::vector<Items> SplitSections(const Items& items, std::size_t maxSections);

// The spreadsheet code of a number or date token; null for tokens that
// write nothing (literals and colours are written by the functions below).
const char* NumberCode(zvFmtTokens token);
const char* DateCode(zvFmtTokens token);

// The spreadsheet's eight colour names, onto which the sixteen colour
// tokens fold: "[Red]" for 402 and 408, and so on.
const char* ColorCode(zvFmtTokens colour);

// Appends a literal in spreadsheet form: runs of two or more characters in
// double quotes, a single character after a backslash, a double quote
// always as \".
void AppendLiteral(std::u16string_view text, ucs2string& out);

}  // namespace FmtLib::excel

#endif
