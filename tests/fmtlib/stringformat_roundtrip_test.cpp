// Round trip per predefined dictionary: random patterns made of the tokens a
// dialect can write, with random literal text between them, come back token
// for token after Render then Parse.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <string>
#include <vector>

#include "stringformat_support.h"

using namespace FmtLib;
using namespace sf_test;

namespace {

struct Dialect {
  std::string name;
  Format format;
  bool date;
  int maxSeparators;          // separators a pattern may hold before its text section
  bool monthMinute = false;   // months and minutes are told apart by context
};

// The tokens that the dialect writes as text that reads back as that token.
std::vector<zvFmtTokens> WritableTokens(const Dialect& d) {
  std::vector<zvFmtTokens> tokens;
  for (const zvTokenInfo& info : AllTokenInfos()) {
    const zvFmtTokens t = info.token;
    if (d.monthMinute && t >= TK_MONTH_01 && t <= TK_MINUTE_0) continue;
    zvFmtPatternImp one(d.date);
    one.push_back(t);
    ucs2string text;
    d.format->Render(one, text);
    if (!text.empty() && Read(*d.format, text) == std::to_string(t)) tokens.push_back(t);
  }
  return tokens;
}

// Literal text made of the characters that dialects treat specially.
ucs2string RandomLiteral(std::mt19937& rng) {
  static const char16_t kChars[] = u"ad0#'\\![];%LT] .,é黒E-";
  const unsigned n = 1 + rng() % 4;
  ucs2string s;
  for (unsigned i = 0; i < n; ++i) s += static_cast<unsigned short>(kChars[rng() % (std::size(kChars) - 1)]);
  return s;
}

// Tokens alternate with literals so that no two keywords run together (two
// "d" would read as one "dd").
zvFmtPatternImp RandomPattern(const Dialect& d, const std::vector<zvFmtTokens>& tokens, std::mt19937& rng) {
  zvFmtPatternImp p(d.date);
  const unsigned n = 1 + rng() % 8;
  int separators = 0;
  if (rng() % 2) p.push_back(RandomLiteral(rng));
  for (unsigned i = 0; i < n; ++i) {
    if (i > 0) p.push_back(RandomLiteral(rng));
    zvFmtTokens t = tokens[rng() % tokens.size()];
    // Past the allowed separators the rest would be the text section.
    while (t == TK_FORMAT_SEPARATOR && d.maxSeparators >= 0 && separators == d.maxSeparators)
      t = tokens[rng() % tokens.size()];
    if (t == TK_FORMAT_SEPARATOR) ++separators;
    p.push_back(t);
  }
  if (rng() % 2) p.push_back(RandomLiteral(rng));
  return p;
}

std::vector<Dialect> AllDialects() {
  std::vector<Dialect> all;
  all.push_back({"serial number", Format(CreateSerialStringFormatNumber()), false, -1});
  all.push_back({"serial date", Format(CreateSerialStringFormatDate()), true, -1});
  for (const char* language : {"en", "fr", "ja"}) {
    all.push_back({std::string("native number ") + language, Format(CreateStringFormatNumber(language, nullptr)),
                   false, 2});
    all.push_back({std::string("native date ") + language, Format(CreateStringFormatDate(language, nullptr)), true,
                   0});
  }
  // The four number tables: en, fr, de and de-CH.
  for (auto [language, country] : {std::pair<const char*, const char*>{"en", nullptr}, {"fr", nullptr},
                                   {"de", nullptr}, {"de", "CH"}}) {
    for (bool percent : {false, true})
      all.push_back({std::string("halcyon number ") + language + (country ? country : "") + (percent ? " %" : ""),
                     Format(CreateHalcyonStringFormatNumber("EN", language, country, percent)), false, 2});
  }
  // Every date table, with the separators "/" ":" and ". " ":".
  int i = 0;
  for (const char* code : {"EN", "FR", "GE", "JP", "SP", "IT", "NL", "SW", "BR", "DA", "RU", "PL", "KR"}) {
    const char* language = i++ % 2 ? "hu" : "en";
    all.push_back({std::string("halcyon date ") + code + " " + language,
                   Format(CreateHalcyonStringFormatDate(code, language, nullptr)), true, 0, true});
  }
  return all;
}

TEST(StringFormatRoundTrip, RandomPatternsComeBackTokenForToken) {
  FmtLibInitExit guard;
  std::mt19937 rng(20240917);
  for (const Dialect& d : AllDialects()) {
    const std::vector<zvFmtTokens> tokens = WritableTokens(d);
    ASSERT_GT(tokens.size(), 5u) << d.name;
    for (int round = 0; round < 300; ++round) {
      const zvFmtPatternImp p = RandomPattern(d, tokens, rng);
      ucs2string text;
      d.format->Render(p, text);
      ASSERT_EQ(Read(*d.format, text), Describe(p)) << d.name << ": " << text;
    }
  }
}

// Patterns far longer than any buffer of fixed size: about 100,000 units of
// text in every dialect, read and written whole.
TEST(StringFormatRoundTrip, LongPatternsComeBackWhole) {
  FmtLibInitExit guard;
  std::mt19937 rng(13);
  for (const Dialect& d : AllDialects()) {
    const std::vector<zvFmtTokens> tokens = WritableTokens(d);
    zvFmtPatternImp p(d.date);
    for (int i = 0; i < 12'000; ++i) {
      zvFmtTokens t = tokens[rng() % tokens.size()];
      if (t == TK_FORMAT_SEPARATOR) continue;
      p.push_back(RandomLiteral(rng));
      p.push_back(t);
    }
    ucs2string text;
    d.format->Render(p, text);
    ASSERT_GT(text.length(), 40'000u) << d.name;
    EXPECT_TRUE(Read(*d.format, text) == Describe(p)) << d.name;
  }
}

TEST(StringFormatRoundTrip, EveryDialectWritesItsOwnKeywords) {
  FmtLibInitExit guard;
  for (const Dialect& d : AllDialects()) {
    const std::vector<zvFmtTokens> tokens = WritableTokens(d);
    auto has = [&](zvFmtTokens t) { return std::find(tokens.begin(), tokens.end(), t) != tokens.end(); };
    if (d.date) {
      EXPECT_TRUE(has(TK_YEAR_0000)) << d.name;
    } else {
      EXPECT_TRUE(has(TK_ZERO) && has(TK_DECIMAL_SEPARATOR) && has(TK_GROUPING_SEPARATOR)) << d.name;
    }
    EXPECT_TRUE(has(TK_FORMAT_SEPARATOR) && has(TK_COLOR_RED)) << d.name;
  }
}

}  // namespace
