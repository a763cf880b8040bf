// The `kti18n tokens` subcommand, run as a separate program.
#include <gtest/gtest.h>

#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;

ToolRun Tokens(const std::string& arguments) { return RunTool("tokens " + arguments); }

using TokensTool = testing::Test;

TEST_F(TokensTool, ListsEntriesWithNumberAndSerialCode) {
  const ToolRun serial = Tokens("--dialect serial --number");
  EXPECT_EQ(serial.status, 0);
  EXPECT_EQ(serial.out.rfind("T[#]\t101\tT[#]\n", 0), 0u) << serial.out;
  EXPECT_NE(serial.out.find("T[Cgr]\t415\tT[Cgr]\n"), std::string::npos);

  const ToolRun halcyon = Tokens("--dialect halcyon --date --code GE --language de --country CH");
  EXPECT_EQ(halcyon.status, 0);
  EXPECT_NE(halcyon.out.find(".\t65\tT[da]\n"), std::string::npos);
  EXPECT_NE(halcyon.out.find("JJJJ\t39\tT[y4]\n"), std::string::npos);

  // "native" is what the other commands call the default dictionaries.
  EXPECT_EQ(Tokens("--dialect native --date --language fr").out, Tokens("--dialect default --date --language fr").out);

  const ToolRun colours = Tokens("--dialect color --code FR");
  EXPECT_NE(colours.out.find("Rouge foncé \t408\tT[Cdr]\n"), std::string::npos);
}

TEST_F(TokensTool, ReportsBadUsageAndMissingDictionaries) {
  EXPECT_TRUE(IsUsageError(Tokens("--dialect klingon")));
  EXPECT_TRUE(IsUsageError(Tokens("--date --number")));
  EXPECT_TRUE(IsUsageError(Tokens("extra")));
  const ToolRun none = Tokens("--dialect halcyon --number --language zh");
  EXPECT_EQ(none.status, 1);
  EXPECT_TRUE(none.out.empty());
}

}  // namespace
