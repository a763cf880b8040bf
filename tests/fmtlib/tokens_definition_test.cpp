#include <gtest/gtest.h>

#include <algorithm>

#include "kti18n/fmtlib/tokens_definition.h"

using namespace FmtLib;

namespace {

std::vector<ucs2string> Texts(const zvTokensDefinition& d) {
  std::vector<ucs2string> texts;
  for (const tokenDef& e : d) texts.push_back(e.text);
  return texts;
}

TEST(TokensDefinition, FirstDefinitionOfATextWins) {
  zvTokensDefinition d(TOKDEF_ZVLOC, true);
  EXPECT_TRUE(d.AddTokenDefinition(TK_MONTH_01, "MM", true));
  EXPECT_FALSE(d.AddTokenDefinition(TK_MONTH_NAME_UPPER, "MM", true));
  d.EndBuild();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].token, TK_MONTH_01);
  // The losing token still got its text for writing.
  EXPECT_EQ(d.TokenString(TK_MONTH_NAME_UPPER), "MM"_u2);
}

TEST(TokensDefinition, FirstTextOfATokenIsItsWrittenForm) {
  zvTokensDefinition d(TOKDEF_PELTA, true);
  EXPECT_TRUE(d.AddTokenDefinition(TK_DAY_NAME, "dddd", true));
  EXPECT_TRUE(d.AddTokenDefinition(TK_DAY_NAME, "<day name>", true));
  EXPECT_EQ(d.TokenString(TK_DAY_NAME), "dddd"_u2);  // already before EndBuild
  d.EndBuild();
  EXPECT_EQ(d.TokenString(TK_DAY_NAME), "dddd"_u2);
  EXPECT_EQ(Texts(d), (std::vector<ucs2string>{"<day name>", "dddd"}));
  EXPECT_TRUE(d.TokenString(TK_ERA).empty());
}

TEST(TokensDefinition, ParseFlagDecidesWhetherATextIsRead) {
  zvTokensDefinition d(TOKDEF_PELTA, false);
  EXPECT_FALSE(d.AddTokenDefinition(TK_PERCENT_SIGN, "%", false));
  EXPECT_FALSE(d.AddTokenDefinition(TK_PERCENT_SIGN, "pct", false));
  // A text first added without the flag can still become an entry.
  EXPECT_TRUE(d.AddTokenDefinition(TK_PERCENT, "%", true));
  d.EndBuild();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].token, TK_PERCENT);
  EXPECT_EQ(d.TokenString(TK_PERCENT_SIGN), "%"_u2);
}

TEST(TokensDefinition, EntriesAreSortedByCodeUnitOnceBuilt) {
  zvTokensDefinition d(TOKDEF_ZVLOC, true);
  for (const char* text : {"yyyy", "MM", "é", "dd", "M", "yy", "a", "A"}) d.AddTokenDefinition(TK_ERA, text, true);
  d.AddTokenDefinition(TK_ERA, "MM", true);
  EXPECT_EQ(d.size(), 0u);
  EXPECT_EQ(d.begin(), d.end());
  d.EndBuild();
  EXPECT_TRUE(d.IsBuild());
  EXPECT_EQ(Texts(d), (std::vector<ucs2string>{"A", "M", "MM", "a", "dd", "yy", "yyyy", "é"}));
  EXPECT_EQ(d.end() - d.begin(), 8);
}

TEST(TokensDefinition, IsClosedAfterEndBuild) {
  zvTokensDefinition d(TOKDEF_SERIAL, false);
  d.AddTokenDefinition(TK_SIGN, "T[-]", true);
  d.EndBuild();
  d.EndBuild();
  EXPECT_FALSE(d.AddTokenDefinition(TK_ZERO, "T[0]", true));
  EXPECT_FALSE(d.AddTokenDefinition(TK_ZERO, "T[0]", false));
  EXPECT_EQ(d.size(), 1u);
  EXPECT_TRUE(d.TokenString(TK_ZERO).empty());
}

TEST(TokensDefinition, EmptyTextsAreWrittenButNeverRead) {
  zvTokensDefinition d(TOKDEF_ZVLOC, true);
  EXPECT_FALSE(d.AddTokenDefinition(TK_ERA, "", true));
  EXPECT_FALSE(d.AddTokenDefinition(TK_TIME_ZONE, ucs2string::null(), true));
  d.EndBuild();
  EXPECT_EQ(d.size(), 0u);
}

TEST(TokensDefinition, TellsItsDialectAndKind) {
  const zvTokensDefinition pelta(TOKDEF_PELTA, true), serial(TOKDEF_SERIAL, false), halcyon(TOKDEF_HALCYON, true),
      zvloc(TOKDEF_ZVLOC, false);
  EXPECT_TRUE(pelta.IsPelta() && pelta.IsDate() && !pelta.IsSerial() && !pelta.IsBuild());
  EXPECT_TRUE(serial.IsSerial() && !serial.IsDate() && !serial.IsHalcyon());
  EXPECT_TRUE(halcyon.IsHalcyon() && !halcyon.IsZvLoc());
  EXPECT_TRUE(zvloc.IsZvLoc() && !zvloc.IsPelta());
}

TEST(TokensDefinition, CopiesAreIndependent) {
  zvTokensDefinition built(TOKDEF_HALCYON, true);
  built.AddTokenDefinition(TK_YEAR_00, "yy", true);
  built.EndBuild();

  zvTokensDefinition copy(TOKDEF_SERIAL, false);
  copy.AddTokenDefinition(TK_SIGN, "-", true);
  copy = built;
  EXPECT_TRUE(copy.IsBuild() && copy.IsHalcyon() && copy.IsDate());
  ASSERT_EQ(copy.size(), 1u);
  EXPECT_NE(copy.begin(), built.begin());
  EXPECT_EQ(copy.TokenString(TK_YEAR_00), "yy"_u2);
  EXPECT_TRUE(copy.TokenString(TK_SIGN).empty());

  const zvTokensDefinition& same = copy;
  copy = same;
  EXPECT_EQ(copy.size(), 1u);

  // A dictionary still being built gets a build index of its own: both can
  // be finished and destroyed independently.
  zvTokensDefinition building(TOKDEF_ZVLOC, false);
  building.AddTokenDefinition(TK_SIGN, "-", true);
  zvTokensDefinition twin(building);
  twin.AddTokenDefinition(TK_ZERO, "0", true);
  building.EndBuild();
  twin.EndBuild();
  EXPECT_EQ(building.size(), 1u);
  EXPECT_EQ(twin.size(), 2u);
}

}  // namespace
