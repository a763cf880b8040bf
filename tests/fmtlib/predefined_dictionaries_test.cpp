#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "kti18n/fmtlib/predefined_dictionaries.h"

using namespace FmtLib;

namespace {

class Predefined : public testing::Test {
 protected:
  FmtLibInitExit guard;
};

// The token an entry text is read as, or 0 when the dictionary lacks it.
int ReadAs(const zvTokensDefinition* d, const ucs2string& text) {
  for (const tokenDef& e : *d)
    if (e.text == text) return e.token;
  return 0;
}

std::vector<ucs2string> TextsOf(const zvTokensDefinition* d, zvFmtTokens token) {
  std::vector<ucs2string> texts;
  for (const tokenDef& e : *d)
    if (e.token == token) texts.push_back(e.text);
  return texts;
}

TEST_F(Predefined, SizesFollowFromTheTables) {
  // Serial: every token of the side, each with its own code.
  EXPECT_EQ(GetSerialDateTokensDefinition()->size(), 93u);
  EXPECT_EQ(GetSerialNumberTokensDefinition()->size(), 39u);
  // Default: 66 date keywords + 92 names; 17 number keywords + 38 names.
  EXPECT_EQ(GetDateTokensDefinition("en", nullptr)->size(), 158u);
  EXPECT_EQ(GetNumberTokensDefinition("en", nullptr)->size(), 55u);
  for (const char* language : {"en", "fr", "de", "it"})
    EXPECT_EQ(GetHalcyonNumberTokensDefinition(nullptr, language, nullptr)->size(), 12u) << language;
  EXPECT_EQ(GetHalcyonNumberTokensDefinition(nullptr, "de", "CH")->size(), 12u);
  // Spreadsheet-style dates: 106 generated texts and 2 separators; the
  // minutes are shadowed by the months; JP adds 8 imperial year texts.
  for (const char* code : {"EN", "FR", "GE", "SP", "IT", "NL", "SW", "BR", "DA", "RU", "PL"})
    EXPECT_EQ(GetHalcyonDateTokensDefinition(code, "en", nullptr)->size(), 108u) << code;
  EXPECT_EQ(GetHalcyonDateTokensDefinition("JP", "ja", nullptr)->size(), 116u);
  // Colours: 16 names and the English ones, less the names the language
  // shares with English.
  const std::map<const char*, unsigned> colours = {{"en", 16}, {"fr", 30}, {"de", 31}, {"sv", 30},
                                                   {"da", 30}, {"ja", 32}, {"ru", 32}, {"cs", 32}};
  for (const auto& [language, size] : colours) EXPECT_EQ(GetPeltaColorDefinition(language, nullptr)->size(), size) << language;
}

TEST_F(Predefined, DialectsAndKinds) {
  const auto* serialDate = GetSerialDateTokensDefinition();
  EXPECT_TRUE(serialDate->IsSerial() && serialDate->IsDate() && serialDate->IsBuild());
  EXPECT_FALSE(GetSerialNumberTokensDefinition()->IsDate());
  EXPECT_TRUE(GetDateTokensDefinition(nullptr, nullptr)->IsPelta());
  const auto* halcyonDate = GetHalcyonDateTokensDefinition("EN", "en", nullptr);
  EXPECT_TRUE(halcyonDate->IsHalcyon() && halcyonDate->IsDate());
  const auto* colours = GetPeltaColorDefinition("en", nullptr);
  EXPECT_TRUE(colours->IsPelta() && !colours->IsDate());
}

TEST_F(Predefined, SerialDialectWritesAndReadsEveryCode) {
  const auto* d = GetSerialDateTokensDefinition();
  EXPECT_EQ(d->TokenString(TK_FORMAT_SEPARATOR), "T[FS]"_u2);
  EXPECT_EQ(d->TokenString(TK_ERROR), "T[Err]"_u2);
  EXPECT_EQ(ReadAs(d, "T[0d]"_u2), TK_MONTH_DAY_00);
  EXPECT_TRUE(d->TokenString(TK_SIGN).empty());  // a number token
  const auto* n = GetSerialNumberTokensDefinition();
  EXPECT_EQ(ReadAs(n, "T[Cgr]"_u2), TK_COLOR_GRAY);
  EXPECT_EQ(ReadAs(n, "T[0d]"_u2), 0);
}

TEST_F(Predefined, DefaultDictionariesPreferKeywordsForWriting) {
  const auto* d = GetDateTokensDefinition("en", "US");
  EXPECT_EQ(d->TokenString(TK_MONTH_NAME), "mmmm"_u2);
  EXPECT_EQ(ReadAs(d, "<month name>"_u2), TK_MONTH_NAME);
  EXPECT_EQ(d->TokenString(TK_AMPM_LOWER), "<lower am/pm sign>"_u2);
  EXPECT_EQ(ReadAs(d, "FULL_DATE"_u2), TK_DEF_FULL_DATE);
  EXPECT_EQ(ReadAs(d, "<Light Gray>"_u2), TK_COLOR_LIGHT_GRAY);
  EXPECT_EQ(ReadAs(d, "<sign>"_u2), 0);
  const auto* n = GetNumberTokensDefinition("en", nullptr);
  EXPECT_EQ(n->TokenString(TK_PERCENT), "[%]"_u2);
  EXPECT_EQ(n->TokenString(TK_BOOL), "<bool>"_u2);
  EXPECT_EQ(ReadAs(n, ";"_u2), TK_FORMAT_SEPARATOR);
}

TEST_F(Predefined, EveryLocaleGetsTheEnglishDefaults) {
  const auto* en = GetDateTokensDefinition("en", nullptr);
  EXPECT_EQ(GetDateTokensDefinition("de", "CH"), en);
  EXPECT_EQ(GetDateTokensDefinition(nullptr, "CH"), en);
  EXPECT_EQ(GetDateTokensDefinition(nullptr, nullptr), en);
  EXPECT_EQ(GetNumberTokensDefinition("xx", ""), GetNumberTokensDefinition("en", nullptr));
}

TEST_F(Predefined, NumberLookupFallsBackFromLocaleToLanguageToDefault) {
  auto separators = [](const char* language, const char* country) {
    const auto* d = GetHalcyonNumberTokensDefinition("EN", language, country);
    return d ? (d->TokenString(TK_DECIMAL_SEPARATOR) + d->TokenString(TK_GROUPING_SEPARATOR)).to_utf8() : "null";
  };
  EXPECT_EQ(separators("fr", "CH"), ".'");
  EXPECT_EQ(separators("fr", "CA"), ",\u00A0");
  EXPECT_EQ(separators("de", "LI"), ".'");
  EXPECT_EQ(separators("de", "AT"), ",.");
  EXPECT_EQ(separators("es", "MX"), ".,");
  EXPECT_EQ(separators("es", nullptr), ",.");
  EXPECT_EQ(separators("xx", "YY"), ".,");
  EXPECT_EQ(separators(nullptr, nullptr), ".,");
  // Chinese numbers have no table.
  EXPECT_EQ(separators("zh", "CN"), "null");
  // The code plays no part.
  EXPECT_EQ(GetHalcyonNumberTokensDefinition("JP", "fr", nullptr), GetHalcyonNumberTokensDefinition(nullptr, "fr", nullptr));
}

TEST_F(Predefined, ColourLookups) {
  const auto* fr = GetPeltaColorDefinition("fr", "CA");
  EXPECT_EQ(fr, GetPeltaColorDefinition("fr", nullptr));
  EXPECT_EQ(fr->TokenString(TK_COLOR_RED), "Rouge"_u2);
  EXPECT_EQ(ReadAs(fr, "Rouge"_u2), TK_COLOR_RED);
  EXPECT_EQ(ReadAs(fr, "Red"_u2), TK_COLOR_RED);
  EXPECT_EQ(fr->TokenString(TK_COLOR_DARK_RED), "Rouge foncé "_u2);
  EXPECT_EQ(ReadAs(fr, "Rouge foncé"_u2), 0);

  const auto* zh = GetPeltaColorDefinition("zh", "TW");
  EXPECT_EQ(GetHalcyonColorDefinition("CS"), zh);
  EXPECT_EQ(zh->TokenString(TK_COLOR_MAGENTA), "洋红"_u2);
  EXPECT_EQ(GetHalcyonColorDefinition("GE"), GetPeltaColorDefinition("de", nullptr));
  const auto* en = GetPeltaColorDefinition("en", nullptr);
  EXPECT_EQ(GetHalcyonColorDefinition("AR"), en);
  EXPECT_EQ(GetHalcyonColorDefinition("XX"), en);
  EXPECT_EQ(GetHalcyonColorDefinition(nullptr), en);
  EXPECT_EQ(GetPeltaColorDefinition("ar", nullptr), en);
  EXPECT_EQ(GetPeltaColorDefinition(nullptr, nullptr), en);
  EXPECT_EQ(en->TokenString(TK_COLOR_LIGHT_GRAY), "Light Cyan"_u2);
}

TEST_F(Predefined, HalcyonDatesTakeSeparatorsFromTheLocale) {
  auto separators = [](const char* code, const char* language, const char* country) {
    const auto* d = GetHalcyonDateTokensDefinition(code, language, country);
    return (d->TokenString(TK_DATE_SEPARATOR) + d->TokenString(TK_TIME_SEPARATOR)).to_utf8();
  };
  EXPECT_EQ(separators("XX", "fr", "CA"), "-:");
  EXPECT_EQ(separators("FR", "fr", nullptr), "/:");
  EXPECT_EQ(separators("GE", "de", "CH"), ".:");
  EXPECT_EQ(separators("IT", "it", "CH"), ".:");
  EXPECT_EQ(separators("IT", "it", nullptr), "/.");
  EXPECT_EQ(separators("HU", "hu", nullptr), ". :");
  EXPECT_EQ(separators(nullptr, nullptr, nullptr), "/:");
  // An unknown code reads the EN letters.
  const auto* xx = GetHalcyonDateTokensDefinition("XX", "fr", "CA");
  EXPECT_EQ(ReadAs(xx, "yyyy"_u2), TK_YEAR_0000);
  EXPECT_EQ(ReadAs(xx, "-"_u2), TK_DATE_SEPARATOR);
}

TEST_F(Predefined, HalcyonDatesAreCachedPerDateAndSeparatorKey) {
  const auto* ge = GetHalcyonDateTokensDefinition("GE", "de", "CH");
  EXPECT_EQ(GetHalcyonDateTokensDefinition("GE", "de", nullptr), ge);
  EXPECT_EQ(GetHalcyonDateTokensDefinition("GE", "ru", nullptr), ge);  // also separator key "de"
  EXPECT_NE(GetHalcyonDateTokensDefinition("GE", "en", nullptr), ge);
  EXPECT_EQ(GetHalcyonDateTokensDefinition("CS", "zh", nullptr), GetHalcyonDateTokensDefinition("EN", "en", nullptr));
}

TEST_F(Predefined, MonthsShadowMinutesForReadingOnly) {
  const auto* en = GetHalcyonDateTokensDefinition("EN", "en", nullptr);
  EXPECT_EQ(ReadAs(en, "mm"_u2), TK_MONTH_01);
  EXPECT_EQ(ReadAs(en, "m"_u2), TK_MONTH_1);
  EXPECT_EQ(en->TokenString(TK_MINUTE_00), "mm"_u2);
  EXPECT_EQ(en->TokenString(TK_MINUTE_0), "m"_u2);
  EXPECT_EQ(en->TokenString(TK_MONTH_01), "MM"_u2);

  const auto* ru = GetHalcyonDateTokensDefinition("RU", "ru", nullptr);
  EXPECT_EQ(ReadAs(ru, "мм"_u2), TK_MONTH_01);
  EXPECT_EQ(ru->TokenString(TK_MINUTE_00), "мм"_u2);
  EXPECT_EQ(ru->TokenString(TK_MINUTE_0), "м"_u2);
  EXPECT_EQ(TextsOf(ru, TK_SECOND_00), (std::vector<ucs2string>{"СС", "Сс", "сС", "сс"}));
  EXPECT_EQ(TextsOf(ru, TK_SECOND_0), std::vector<ucs2string>{"с"});
  EXPECT_EQ(ReadAs(ru, "ss"_u2), 0);
  EXPECT_EQ(ReadAs(ru, "ЧЧ"_u2), TK_HOUR_00_23);
  EXPECT_EQ(ReadAs(ru, "ГГГГ"_u2), TK_YEAR_0000);
}

// Every case combination of four month letters is read as exactly one of
// the three name tokens: upper when the first two are upper, lower when the
// first is lower, capitalised otherwise.
TEST_F(Predefined, HalcyonNameRulesShareOutEveryCaseCombination) {
  const auto* d = GetHalcyonDateTokensDefinition("GE", "de", nullptr);
  for (unsigned bits = 0; bits < 16; ++bits) {
    ucs2string text;
    for (int i = 3; i >= 0; --i) text += static_cast<unsigned short>((bits >> i) & 1 ? 'm' : 'M');
    const bool firstLower = bits & 8, secondLower = bits & 4;
    const int expected = firstLower ? TK_MONTH_NAME_LOWER : secondLower ? TK_MONTH_NAME_CAP : TK_MONTH_NAME_UPPER;
    EXPECT_EQ(ReadAs(d, text), expected) << text;
    // The same rules for German day names, whose letter is t.
    ucs2string day = text;
    for (unsigned i = 0; i < day.length(); ++i) day[i] = day[i] == 'M' ? 'T' : 't';
    EXPECT_EQ(ReadAs(d, day), expected - TK_MONTH_NAME_UPPER + TK_DAY_NAME_UPPER) << day;
  }
  EXPECT_EQ(TextsOf(d, TK_ABB_MONTH_NAME_UPPER), (std::vector<ucs2string>{"MMM", "MMm"}));
  EXPECT_EQ(TextsOf(d, TK_ABB_MONTH_NAME_CAP), (std::vector<ucs2string>{"MmM", "Mmm"}));
  EXPECT_EQ(d->TokenString(TK_YEAR_0000), "JJJJ"_u2);
  EXPECT_EQ(ReadAs(d, "jJ"_u2), TK_YEAR_00);
  EXPECT_EQ(ReadAs(d, "HH"_u2), TK_HOUR_00_23);
  EXPECT_EQ(ReadAs(d, "hh"_u2), TK_HOUR_01_12);
  EXPECT_EQ(ReadAs(d, "hH"_u2), 0);
}

TEST_F(Predefined, HalcyonMarkersFollowTheirCaseRules) {
  const auto* br = GetHalcyonDateTokensDefinition("BR", "pt", "BR");
  EXPECT_EQ(TextsOf(br, TK_AMPM_UPPER), (std::vector<ucs2string>{"A.M./P.M.", "A.M./P.m.", "A.M./p.M.", "A.M./p.m."}));
  EXPECT_EQ(TextsOf(br, TK_AMPM_LOWER).size(), 8u);
  EXPECT_EQ(ReadAs(br, "a.m./p.m."_u2), TK_AMPM_LOWER);
  EXPECT_EQ(ReadAs(br, "A.m./P.M."_u2), TK_AMPM_CAP);
  const auto* sw = GetHalcyonDateTokensDefinition("SW", "sv", nullptr);
  EXPECT_EQ(ReadAs(sw, "fm/em"_u2), TK_AMPM_LOWER);
  EXPECT_EQ(ReadAs(sw, "ÅÅÅÅ"_u2), TK_YEAR_0000);
  EXPECT_EQ(ReadAs(sw, "åÅ"_u2), TK_YEAR_00);
  EXPECT_EQ(ReadAs(sw, "AM/PM"_u2), 0);
}

TEST_F(Predefined, OnlyJapaneseReadsImperialYears) {
  const auto* jp = GetHalcyonDateTokensDefinition("JP", "ja", nullptr);
  EXPECT_EQ(ReadAs(jp, "rR"_u2), TK_JP_IMP_YEAR_0);
  EXPECT_EQ(ReadAs(jp, "R"_u2), TK_JP_IMP_YEAR);
  EXPECT_EQ(jp->TokenString(TK_JP_IMP_YEAR_ENG), "g"_u2);
  EXPECT_EQ(ReadAs(GetHalcyonDateTokensDefinition("EN", "ja", nullptr), "rr"_u2), 0);
}

// Start-up counts its guards: the tables live while any guard does, and a
// start-up after the last guard has gone builds everything afresh. This
// program's own static guards keep the library started, so a probe program
// loads and unloads the library with dlopen and checks it there, with a
// round that loads the locale-data module through the catalog and clears it
// (under the sanitizer build, its leak checker also sees whether tear-down
// and clearing freed it all).
TEST(FmtLibStartUp, CountsGuardsAndStartsAfresh) {
  const std::string command = std::string(KTI18N_STARTUP_PROBE) + " " + KTI18N_LIBRARY_FILE + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status)) << output;
  EXPECT_EQ(WEXITSTATUS(status), 0) << output;
  EXPECT_NE(output.find("all checks hold"), std::string::npos) << output;
}

}  // namespace
