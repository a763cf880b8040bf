// The constant tables from which the predefined dictionaries are built at
// start-up. Internal to the formatting library. Texts are UTF-8.
#ifndef KTI18N_FMTLIB_PREDEFINED_TABLES_H
#define KTI18N_FMTLIB_PREDEFINED_TABLES_H

#include <span>
#include <vector>

#include "kti18n/fmtlib/fmt_tokens.h"

namespace FmtLib::predefined {

// One pair of an alias map; the pair whose key is "" is the map's default.
struct AliasPair {
  const char* key;
  const char* value;
};

// The default dialect: locale code to language key.
std::span<const AliasPair> DefaultAliases();
// Spreadsheet language code to date key.
std::span<const AliasPair> HalcyonDateLanguageAliases();
// Spreadsheet language code to ISO language of the colour names.
std::span<const AliasPair> HalcyonColorLanguageAliases();
// Locale (language, or language and country run together) to separator key.
std::span<const AliasPair> SeparatorAliases();
// Locale to spreadsheet number key.
std::span<const AliasPair> NumberAliases();
// Language to colour key.
std::span<const AliasPair> ColorAliases();

// The letters of one spreadsheet-style date language, from which its date
// table is generated (halcyon_date_rules.cpp). Each letter is one character;
// its other case is derived.
struct HalcyonDateLetters {
  const char* key;            // the date key: "EN", "FR", ...
  const char* firstMarker;    // "AM"
  const char* secondMarker;   // "PM"
  const char* hourUpper;      // "H": 00-23 when doubled, 0-23 alone
  const char* hourLower;      // "h": 01-12 when doubled, 1-12 alone
  const char* year;
  const char* day;
  const char* month;
  const char* second;
  const char* minute;         // for the minute table
  bool imperialYears;         // the Japanese imperial year entries
};
std::span<const HalcyonDateLetters> HalcyonDateLanguages();
const HalcyonDateLetters* FindHalcyonDateLanguage(const char* key);
// The minute letter of a date key without a table.
inline constexpr const char* kDefaultMinuteLetter = "m";

// Date and time separators by separator key.
struct SeparatorTable {
  const char* key;
  const char* date;
  const char* time;
};
std::span<const SeparatorTable> SeparatorTables();

// Spreadsheet-style number tables: the tokens shared by every key, then
// the decimal and grouping separators of each key.
struct TokenText {
  zvFmtTokens token;
  const char* text;
};
std::span<const TokenText> HalcyonNumberCommonTokens();
struct HalcyonNumberSeparators {
  const char* key;
  const char* decimal;
  const char* grouping;
};
std::span<const HalcyonNumberSeparators> HalcyonNumberTables();

// Colour names of one language, in token order 400 to 415.
struct ColorNames {
  const char* language;
  const char* names[kColorCount];
};
std::span<const ColorNames> ColorTables();
// The English names, which every colour dictionary also accepts.
const ColorNames& EnglishColorNames();

// Spreadsheet-style date entries generated from a language's letters, in
// the order they are added to its dictionary.
struct GeneratedEntry {
  zvFmtTokens token;
  ucs2string text;
};
std::vector<GeneratedEntry> GenerateHalcyonDateTable(const HalcyonDateLetters& letters);

}  // namespace FmtLib::predefined

#endif
