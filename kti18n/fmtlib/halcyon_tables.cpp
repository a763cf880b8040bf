// The tables of the default and spreadsheet-style dialects: alias maps,
// the letters of the spreadsheet-style date languages, date and time
// separators, and the spreadsheet-style number tables.
#include <cstring>

#include "kti18n/fmtlib/predefined_tables.h"

namespace FmtLib::predefined {
namespace {

// Every default lookup yields the "en" dictionaries.
constexpr AliasPair kDefaultAliases[] = {{"en", "en"}, {"", "en"}};

constexpr AliasPair kHalcyonDateLanguageAliases[] = {
    {"EN", "EN"}, {"FR", "FR"}, {"GE", "GE"}, {"JP", "JP"}, {"SP", "SP"}, {"IT", "IT"}, {"CS", "EN"},
    {"KR", "EN"}, {"NL", "NL"}, {"SW", "SW"}, {"BR", "BR"}, {"AR", "EN"}, {"CZ", "EN"}, {"DA", "DA"},
    {"EL", "EN"}, {"HE", "EN"}, {"HU", "EN"}, {"RU", "RU"}, {"TH", "EN"}, {"TR", "EN"}, {"PL", "PL"},
    {"LV", "EN"}, {"LT", "EN"}, {"ET", "EN"}, {"", "EN"},
};

constexpr AliasPair kHalcyonColorLanguageAliases[] = {
    {"EN", "en"}, {"FR", "fr"}, {"GE", "de"}, {"JP", "ja"}, {"SP", "es"}, {"IT", "it"}, {"CS", "zh"},
    {"KR", "ko"}, {"NL", "nl"}, {"SW", "sv"}, {"BR", "pt"}, {"AR", "en"}, {"CZ", "cs"}, {"DA", "da"},
    {"EL", "en"}, {"HE", "he"}, {"HU", "hu"}, {"RU", "ru"}, {"TH", "en"}, {"TR", "en"}, {"PL", "pl"},
    {"LV", "en"}, {"LT", "en"}, {"ET", "en"}, {"", "en"},
};

constexpr AliasPair kSeparatorAliases[] = {
    {"en", "en"}, {"zh", "en"}, {"cs", "de"}, {"da", "nl"}, {"nl", "nl"}, {"nlBE", "en"}, {"et", "de"},
    {"fi", "de"}, {"fr", "en"}, {"frCA", "nl"}, {"frCH", "de"}, {"de", "de"}, {"el", "en"}, {"iw", "en"},
    {"he", "en"}, {"hu", "hu"}, {"is", "de"}, {"it", "it"}, {"itCH", "de"}, {"ja", "en"}, {"ko", "nl"},
    {"lv", "de"}, {"lt", "de"}, {"no", "de"}, {"pl", "de"}, {"pt", "nl"}, {"ptBR", "en"}, {"ru", "de"},
    {"es", "en"}, {"sv", "de"}, {"th", "en"}, {"tr", "de"}, {"", "en"},
};

constexpr AliasPair kNumberAliases[] = {
    {"en", "en"}, {"zh", "zh"}, {"cs", "fr"}, {"da", "de"}, {"nl", "de"}, {"et", "fr"}, {"fi", "fr"},
    {"frBE", "de"}, {"frCH", "CH"}, {"fr", "fr"}, {"de", "de"}, {"deLI", "CH"}, {"deCH", "CH"}, {"el", "de"},
    {"iw", "en"}, {"he", "en"}, {"hu", "fr"}, {"is", "de"}, {"it", "de"}, {"itCH", "CH"}, {"ja", "en"},
    {"ko", "en"}, {"lv", "fr"}, {"lt", "de"}, {"no", "fr"}, {"pl", "fr"}, {"pt", "de"}, {"ru", "fr"},
    {"es", "de"}, {"esDO", "en"}, {"esGT", "en"}, {"esMX", "en"}, {"esPA", "en"}, {"esPE", "en"},
    {"sv", "fr"}, {"th", "en"}, {"tr", "de"}, {"", "en"},
};

constexpr AliasPair kColorAliases[] = {
    {"en", "en"}, {"fr", "fr"}, {"de", "de"}, {"ja", "ja"}, {"es", "es"}, {"it", "it"}, {"zh", "zh"},
    {"ko", "ko"}, {"nl", "nl"}, {"sv", "sv"}, {"ru", "ru"}, {"da", "da"}, {"pl", "pl"}, {"pt", "pt"},
    {"cs", "cs"}, {"he", "he"}, {"hu", "hu"}, {"", "en"},
};

// key, markers, hour letters (upper, lower), year, day, month, second,
// minute, imperial years.
constexpr HalcyonDateLetters kDateLanguages[] = {
    {"EN", "AM", "PM", "H", "h", "y", "d", "M", "s", "m", false},
    {"FR", "AM", "PM", "H", "h", "a", "j", "M", "s", "m", false},
    {"GE", "AM", "PM", "H", "h", "j", "t", "M", "s", "m", false},
    {"JP", "AM", "PM", "H", "h", "y", "d", "M", "s", "m", true},
    {"SP", "AM", "PM", "H", "h", "a", "d", "M", "s", "m", false},
    {"IT", "AM", "PM", "O", "o", "a", "g", "M", "s", "m", false},
    {"NL", "AM", "PM", "U", "u", "j", "d", "M", "s", "m", false},
    {"SW", "FM", "EM", "H", "h", "å", "d", "M", "s", "m", false},
    {"BR", "A.M.", "P.M.", "H", "h", "a", "d", "M", "s", "m", false},
    {"DA", "AM", "PM", "T", "t", "å", "d", "M", "s", "m", false},
    // Cyrillic letters throughout, the markers excepted.
    {"RU", "AM", "PM", "Ч", "ч", "г", "д", "М", "с", "м", false},
    {"PL", "AM", "PM", "G", "g", "r", "d", "M", "s", "m", false},
};

constexpr SeparatorTable kSeparators[] = {
    {"en", "/", ":"}, {"de", ".", ":"}, {"nl", "-", ":"}, {"it", "/", "."},
    {"hu", ". ", ":"},  // the space belongs to the separator
};

constexpr TokenText kNumberCommon[] = {
    {TK_FORMAT_SEPARATOR, ";"},       {TK_SIGN, "-"},
    {TK_DIGIT, "#"},                  {TK_ZERO, "0"},
    {TK_NEGATIVE_OPEN, "("},          {TK_NEGATIVE_CLOSE, ")"},
    {TK_EXPONENT_UPPER_PLUS, "E+"},   {TK_EXPONENT_UPPER_MINUS, "E-"},
    {TK_EXPONENT_LOWER_PLUS, "e+"},   {TK_EXPONENT_LOWER_MINUS, "e-"},
};

constexpr HalcyonNumberSeparators kNumberTables[] = {
    {"en", ".", ","},
    {"fr", ",", "\u00A0"},  // no-break space
    {"de", ",", "."},
    {"CH", ".", "'"},
};

}  // namespace

std::span<const AliasPair> DefaultAliases() { return kDefaultAliases; }
std::span<const AliasPair> HalcyonDateLanguageAliases() { return kHalcyonDateLanguageAliases; }
std::span<const AliasPair> HalcyonColorLanguageAliases() { return kHalcyonColorLanguageAliases; }
std::span<const AliasPair> SeparatorAliases() { return kSeparatorAliases; }
std::span<const AliasPair> NumberAliases() { return kNumberAliases; }
std::span<const AliasPair> ColorAliases() { return kColorAliases; }

std::span<const HalcyonDateLetters> HalcyonDateLanguages() { return kDateLanguages; }

const HalcyonDateLetters* FindHalcyonDateLanguage(const char* key) {
  for (const auto& language : kDateLanguages)
    if (std::strcmp(language.key, key) == 0) return &language;
  return nullptr;
}

std::span<const SeparatorTable> SeparatorTables() { return kSeparators; }
std::span<const TokenText> HalcyonNumberCommonTokens() { return kNumberCommon; }
std::span<const HalcyonNumberSeparators> HalcyonNumberTables() { return kNumberTables; }

}  // namespace FmtLib::predefined
