// Round trip per predefined dictionary: every token a dialect has text for
// reads back as itself, the tokens it has no text for are listed here, and
// random patterns of its tokens with random literal text between them come
// back token for token after Render then Parse.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <random>
#include <utility>
#include <string>
#include <vector>

#include "stringformat_support.h"

using namespace FmtLib;
using namespace sf_test;

namespace {

enum class Kind { kSerial, kNative, kHalcyonNumber, kHalcyonNumberPercent, kHalcyonDate, kHalcyonDateJapanese };

struct Dialect {
  std::string name;
  Format format;
  bool date;
  int maxSeparators;          // separators a pattern may hold before its text section
  Kind kind;
  bool monthMinute = false;   // months and minutes are told apart by context
};

std::vector<int> Range(int first, int last) {
  std::vector<int> out;
  for (int t = first; t <= last; ++t) out.push_back(t);
  return out;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  std::sort(out.begin(), out.end());
  return out;
}

// The tokens of its side of the vocabulary that a dialect has no text for,
// so cannot write at all. Every other token must read back as itself.
std::vector<int> Unwritable(Kind kind) {
  switch (kind) {
    case Kind::kSerial: return {};
    case Kind::kNative: return {TK_ERROR};
    case Kind::kHalcyonNumber:
      // The error token, the "times 100" percent and Boolean tokens, the
      // default formats.
      return Join({{TK_ERROR}, Range(111, 116), Range(TK_DEF_NUMERIC, TK_DEF_BOOLEAN)});
    case Kind::kHalcyonNumberPercent:
      // As above, but the percent table writes the percent sign (113).
      return Join({{TK_ERROR}, Range(111, 112), Range(114, 116), Range(TK_DEF_NUMERIC, TK_DEF_BOOLEAN)});
    case Kind::kHalcyonDate:
    case Kind::kHalcyonDateJapanese:
      // The error token; AM/PM without case; full and abbreviated month and
      // day names without case; hours 1-24 and 0-11; tenths to
      // milliseconds; era and the week and day counts; the imperial periods;
      // the default formats. Only the Japanese table has the imperial years.
      return Join({{TK_ERROR, TK_AMPM, TK_MONTH_NAME, TK_ABB_MONTH_NAME},
                   Range(TK_HOUR_01_24, TK_HOUR_0_11),
                   Range(TK_MILLISECOND_000, TK_TENTH_SECOND_0),
                   kind == Kind::kHalcyonDate ? Range(TK_JP_IMP_YEAR_0, TK_JP_IMP_YEAR_ENG) : std::vector<int>{},
                   {TK_DAY_NAME, TK_ABB_DAY_NAME},
                   Range(56, 64),
                   Range(67, 71),
                   Range(300, 314)});
  }
  return {};
}

bool OnSideOf(const Dialect& d, const zvTokenInfo& info) {
  return d.date ? OnDateSide(info.side) : OnNumberSide(info.side);
}

ucs2string Render(const Dialect& d, std::initializer_list<zvFmtTokens> tokens, const char* between = nullptr) {
  zvFmtPatternImp p(d.date);
  for (zvFmtTokens t : tokens) {
    if (between != nullptr && p.size() > 0) p.push_back(ucs2string(between));
    p.push_back(t);
  }
  ucs2string text;
  d.format->Render(p, text);
  return text;
}

// The tokens the dialect writes. Months and minutes are told apart by
// context in some dialects, so random patterns leave them out there (they
// are checked in context by EveryTokenWithTextReadsBack).
std::vector<zvFmtTokens> WritableTokens(const Dialect& d) {
  std::vector<zvFmtTokens> tokens;
  for (const zvTokenInfo& info : AllTokenInfos()) {
    const zvFmtTokens t = info.token;
    if (!OnSideOf(d, info) || Render(d, {t}).empty()) continue;
    if (d.monthMinute && t >= TK_MONTH_01 && t <= TK_MINUTE_0) continue;
    tokens.push_back(t);
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
  all.push_back({"serial number", Format(CreateSerialStringFormatNumber()), false, -1, Kind::kSerial});
  all.push_back({"serial date", Format(CreateSerialStringFormatDate()), true, -1, Kind::kSerial});
  for (const char* language : {"en", "fr", "ja"}) {
    all.push_back({std::string("native number ") + language, Format(CreateStringFormatNumber(language, nullptr)),
                   false, 2, Kind::kNative});
    all.push_back({std::string("native date ") + language, Format(CreateStringFormatDate(language, nullptr)), true,
                   0, Kind::kNative});
  }
  // The four number tables: en, fr, de and de-CH.
  for (auto [language, country] : {std::pair<const char*, const char*>{"en", nullptr}, {"fr", nullptr},
                                   {"de", nullptr}, {"de", "CH"}}) {
    for (bool percent : {false, true})
      all.push_back({std::string("halcyon number ") + language + (country ? country : "") + (percent ? " %" : ""),
                     Format(CreateHalcyonStringFormatNumber("EN", language, country, percent)), false, 2,
                     percent ? Kind::kHalcyonNumberPercent : Kind::kHalcyonNumber});
  }
  // Every date table, with the separators "/" ":" and ". " ":".
  int i = 0;
  for (const char* code : {"EN", "FR", "GE", "JP", "SP", "IT", "NL", "SW", "BR", "DA", "RU", "PL", "KR"}) {
    const char* language = i++ % 2 ? "hu" : "en";
    all.push_back({std::string("halcyon date ") + code + " " + language,
                   Format(CreateHalcyonStringFormatDate(code, language, nullptr)), true, 0,
                   std::string(code) == "JP" ? Kind::kHalcyonDateJapanese : Kind::kHalcyonDate, true});
  }
  return all;
}

TEST(StringFormatRoundTrip, EveryTokenWithTextReadsBack) {
  FmtLibInitExit guard;
  for (const Dialect& d : AllDialects()) {
    std::vector<int> unwritable;
    for (const zvTokenInfo& info : AllTokenInfos()) {
      if (!OnSideOf(d, info)) continue;
      const zvFmtTokens t = info.token;
      const ucs2string text = Render(d, {t});
      if (text.empty()) {
        unwritable.push_back(t);
      } else if (d.monthMinute && (t == TK_MINUTE_00 || t == TK_MINUTE_0)) {
        // A minute is a minute after an hour.
        const ucs2string inContext = Render(d, {TK_HOUR_00_23, t}, ":");
        EXPECT_EQ(Read(*d.format, inContext), std::to_string(TK_HOUR_00_23) + " ':' " + std::to_string(t))
            << d.name << ": " << inContext;
      } else {
        EXPECT_EQ(Read(*d.format, text), std::to_string(t)) << d.name << ": " << text;
      }
    }
    std::sort(unwritable.begin(), unwritable.end());
    EXPECT_EQ(unwritable, Unwritable(d.kind)) << d.name;
  }
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
