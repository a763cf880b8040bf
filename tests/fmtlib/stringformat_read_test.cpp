// Reading dialect text into patterns: the serial form, quotes and escapes of
// the native dialect, colours, sections, the Halcyon percent sign and the
// month/minute correction.
#include <gtest/gtest.h>

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/format_translator.h"
#include "stringformat_support.h"

using namespace FmtLib;
using namespace sf_test;

namespace {

class StringFormatRead : public testing::Test {
 protected:
  FmtLibInitExit guard;
};

TEST_F(StringFormatRead, SerialTextStandsInTokensAndBracketedLiterals) {
  Format date(CreateSerialStringFormatDate());
  Format number(CreateSerialStringFormatNumber());
  EXPECT_EQ(Read(*date, "T[0d]L[/]T[0M]"), "54 '/' 30");
  EXPECT_EQ(Read(*date, "L[a\\]b]"), "'a]b'");
  EXPECT_EQ(Read(*date, "L[\\\\]L[]"), "'\\' ''");
  EXPECT_EQ(Read(*date, ""), "");
  EXPECT_EQ(Read(*number, "T[#]T[gs]T[0]T[ds]T[0]T[FS]T[Cr]T[ns]T[0]T[ne]"), "101 104 102 103 102 2 402 105 102 106");
  // Only the side's own codes are keywords.
  EXPECT_EQ(Read(*number, "T[0d]"), "3");
}

TEST_F(StringFormatRead, SerialTextOutsideLiteralsIsUnreadable) {
  Format date(CreateSerialStringFormatDate());
  for (const char* text : {"T[0d]/T[0M]", "T[0d] T[0M]", "x", "L", "Lx", "L[abc", "L[ab\\", "T[0d", "t[0d]"})
    EXPECT_EQ(Read(*date, text), "3") << text;
}

TEST_F(StringFormatRead, ParseReplacesThePatternItIsGiven) {
  Format number(CreateSerialStringFormatNumber());
  zvFmtPattern* p = CreateDateFmtPattern();
  p->push_back(TK_MONTH_DAY_00);
  ASSERT_EQ(number->Parse("T[0]", p), 0);
  ASSERT_NE(p, nullptr);
  EXPECT_FALSE(p->IsDate());
  EXPECT_EQ(Describe(*p), "102");
  // Unreadable text still succeeds, with the error pattern.
  EXPECT_EQ(number->Parse("T[0", p), 0);
  EXPECT_EQ(Describe(*p), "3");
  delete p;
}

TEST_F(StringFormatRead, NativeQuotesAndEscapes) {
  Format f(CreateStringFormatNumber("en", nullptr));
  EXPECT_EQ(Read(*f, "''"), "'''");
  EXPECT_EQ(Read(*f, "0'abc'0"), "102 'abc' 102");
  EXPECT_EQ(Read(*f, "'it''s'"), "'it's'");
  EXPECT_EQ(Read(*f, "'a\\'b'"), "'a'b'");
  EXPECT_EQ(Read(*f, "\\0\\#"), "'0#'");
  for (const char* text : {"0\\", "'abc", "0'", "'ab\\"}) EXPECT_EQ(Read(*f, text), "3") << text;
}

TEST_F(StringFormatRead, JapaneseAndKoreanEscapeWithAnExclamationMark) {
  for (const char* language : {"ja", "ko"}) {
    Format f(CreateStringFormatDate(language, nullptr));
    EXPECT_EQ(Read(*f, "!dd"), "'d' 55") << language;
    EXPECT_EQ(Read(*f, "\\dd"), "'\\' 54") << language;
    EXPECT_EQ(Read(*f, "dd!"), "3") << language;
  }
  Format halcyon(CreateHalcyonStringFormatNumber("JP", "ja", nullptr, false));
  EXPECT_EQ(Read(*halcyon, "!0\\0"), "'0\\' 102");
}

TEST_F(StringFormatRead, KeywordsTakeTheLongestMatch) {
  Format f(CreateStringFormatDate("en", nullptr));
  EXPECT_EQ(Read(*f, "ddddd"), "46 55");
  EXPECT_EQ(Read(*f, "yyyyyy"), "39 40");
  EXPECT_EQ(Read(*f, "<day name>d"), "46 55");
  // Case-sensitive: "DD" is not a keyword, "DDD" is.
  EXPECT_EQ(Read(*f, "DDDD"), "47");
  EXPECT_EQ(Read(*f, "SHORT_DATE"), "303");
  Format n(CreateStringFormatNumber("en", nullptr));
  EXPECT_EQ(Read(*n, "0.00E+00"), "102 103 102 102 107 102 102");
  EXPECT_EQ(Read(*n, "0[%]"), "102 112");
}

TEST_F(StringFormatRead, TheLastSectionOfANumberIsText) {
  Format f(CreateStringFormatNumber("en", nullptr));
  EXPECT_EQ(Read(*f, "0;(0);0;'zero' is 0;\\"), "102 2 105 102 106 2 102 2 ''zero' is 0;\\'");
  // A colour is still read in the text section.
  EXPECT_EQ(Read(*f, "0;0;0;[Red]none"), "102 2 102 2 102 2 402 'none'");
  Format d(CreateStringFormatDate("en", nullptr));
  EXPECT_EQ(Read(*d, "dd;dd 'x'"), "54 2 'dd 'x''");
  Format serial(CreateSerialStringFormatNumber());
  EXPECT_EQ(Read(*serial, "T[0]T[FS]T[0]T[FS]T[0]T[FS]T[0]T[FS]T[0]"), "102 2 102 2 102 2 102 2 102");
}

TEST_F(StringFormatRead, ColoursInAnyCaseTheCollationTreatsAsEqual) {
  Format en(CreateStringFormatNumber("en", nullptr));
  EXPECT_EQ(Read(*en, "[Red]0"), "402 102");
  EXPECT_EQ(Read(*en, "[rED]0;[light cyan]0"), "402 102 2 414 102");
  // A bracketed word that names no colour is read character by character.
  EXPECT_EQ(Read(*en, "[Rouge]0"), "'[Rouge]' 102");
  EXPECT_EQ(Read(*en, "[]0"), "'[]' 102");
  EXPECT_EQ(Read(*en, "0[Red"), "102 '[Red'");
  Format fr(CreateStringFormatNumber("fr", nullptr));
  EXPECT_EQ(Read(*fr, "[ROUGE]0[Red]"), "402 102 402");
  EXPECT_EQ(Read(*fr, "[rouge foncé ]"), "408");
  Format de(CreateHalcyonStringFormatNumber("GE", "de", nullptr, false));
  EXPECT_EQ(Read(*de, "[weiß]#.##0,00"), "401 101 104 101 101 102 103 102 102");
}

TEST_F(StringFormatRead, HalcyonPercentAndQuotes) {
  Format percent(CreateHalcyonStringFormatNumber("EN", "en", nullptr, true));
  Format plain(CreateHalcyonStringFormatNumber("EN", "en", nullptr, false));
  EXPECT_EQ(Read(*percent, "0%"), "102 113");
  EXPECT_EQ(Read(*plain, "0%"), "102 '%'");
  // Quotes are ordinary characters in this dialect.
  EXPECT_EQ(Read(*plain, "'0'"), "''' 102 '''");
  // After the third separator even "%" is text.
  EXPECT_EQ(Read(*percent, "0;0;0;5%"), "102 2 102 2 102 2 '5%'");
}

TEST_F(StringFormatRead, HalcyonDatesTellMonthsFromMinutes) {
  Format f(CreateHalcyonStringFormatDate("EN", "en", nullptr));
  EXPECT_EQ(Read(*f, "hh:mm"), "24 66 32");
  EXPECT_EQ(Read(*f, "mm/dd"), "30 65 54");
  EXPECT_EQ(Read(*f, "mm:ss"), "32 66 34");
  EXPECT_EQ(Read(*f, "dd/mm/yyyy hh:mm:ss"), "54 65 30 65 39 ' ' 24 66 32 66 34");
  EXPECT_EQ(Read(*f, "m"), "31");
  Format ge(CreateHalcyonStringFormatDate("GE", "de", "CH"));
  EXPECT_EQ(Read(*ge, "TT.MM.JJJJ hh:mm"), "54 65 30 65 39 ' ' 24 66 32");
}

TEST(MonthMinuteCorrection, RulesThatParsingAloneDoesNotReach) {
  auto run = [](std::initializer_list<zvFmtTokens> tokens) {
    zvFmtPatternImp p(true);
    for (zvFmtTokens t : tokens) p.push_back(t);
    CorrectMonthMinute(p);
    return Describe(p);
  };
  // A minute after a date field is a month.
  EXPECT_EQ(run({TK_YEAR_0000, TK_MINUTE_0}), "39 31");
  // A minute before a day is a month, unless an hour came before it.
  EXPECT_EQ(run({TK_MINUTE_00, TK_MONTH_DAY_00}), "30 54");
  EXPECT_EQ(run({TK_HOUR_00_23, TK_MONTH_1, TK_MONTH_DAY_0}), "22 33 55");
  // Anything else forgets what came before.
  EXPECT_EQ(run({TK_HOUR_00_23, TK_TIME_ZONE, TK_MONTH_01}), "22 64 30");
}

TEST_F(StringFormatRead, FactoriesRefuseWhatHasNoDictionary) {
  // "zh" numbers have no spreadsheet-style table.
  try {
    Format f(CreateHalcyonStringFormatNumber("CS", "zh", nullptr, false));
    ADD_FAILURE() << "no exception";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_INTERNAL);
  }
  // Unknown languages fall back to the defaults.
  EXPECT_NE(Format(CreateStringFormatNumber("xx", "YY")), nullptr);
  EXPECT_NE(Format(CreateHalcyonStringFormatDate(nullptr, nullptr, nullptr)), nullptr);
}

}  // namespace
