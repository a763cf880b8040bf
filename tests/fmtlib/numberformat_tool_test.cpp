// The `kti18n number` and `kti18n translate` subcommands, run as a separate
// program.
#include <gtest/gtest.h>

#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;

using FormatTools = testing::Test;

TEST_F(FormatTools, NumberPrintsOneLinePerValueWithItsColour) {
  ToolRun r = RunTool("number --pattern 'T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]' -- 1234567.891 -5 0");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "1234567.89\n-5.00\n0.00\n");
  r = RunTool("number --dialect native --pattern '#,##0.00;[Red](#,##0.00)' -- -5 5");
  EXPECT_EQ(r.out, "(5.00)\tRed\n5.00\n");
  r = RunTool("number --default boolean 0 2");
  EXPECT_EQ(r.out, "false\ntrue\n");
  r = RunTool("number --dialect halcyon --code GE --language de --pattern '[Blau]0,0%' 0.125");
  EXPECT_EQ(r.out, "12.5%\tBlue\n");  // the dialect reads; the locale writes
  // A named locale brings its punctuation and grouping.
  r = RunTool("number --locale de_DE --pattern 'T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]' -- -1234567.891");
  EXPECT_EQ(r.out, "-1.234.567,89\n");
  EXPECT_EQ(RunTool("number --locale hi_IN --pattern 'T[#]T[gs]T[0]' 123456789").out, "12,34,56,789\n");
  // Unreadable pattern text is a warning on stderr and exit 1, not "#FORMAT".
  r = RunTool("number --pattern 'T[0' 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
}

TEST_F(FormatTools, NumberRefusesBadUsage) {
  EXPECT_TRUE(IsUsageError(RunTool("number 12abc")));
  EXPECT_TRUE(IsUsageError(RunTool("number --locale xx_YY 1")));
  EXPECT_TRUE(IsUsageError(RunTool("number --dialect klingon --pattern 0 1")));
  EXPECT_TRUE(IsUsageError(RunTool("number --default money 1")));
  EXPECT_TRUE(IsUsageError(RunTool("number --pattern 0 --default standard 1")));
  EXPECT_TRUE(IsUsageError(RunTool("number")));
}

TEST_F(FormatTools, TranslateBetweenDialects) {
  ToolRun r = RunTool("translate --number --from native --to serial '#,##0.00;[Red](#,##0.00)'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[FS]T[Cr]T[ns]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[ne]\n");
  r = RunTool("translate --date --from halcyon --code GE --language de --to serial 'TT.MM.JJJJ hh:mm'");
  EXPECT_EQ(r.out, "T[0d]T[da]T[0M]T[da]T[y4]L[ ]T[012]T[ts]T[0m]\n");
  r = RunTool("translate --number --from serial --to halcyon --language fr 'T[#]T[gs]T[0]T[ds]T[0]L[ x]'");
  EXPECT_EQ(r.out, "#\u00a00,0 \\x\n");
  EXPECT_EQ(r.err, "");
  // Tokens the target has no code for are left out, and said so.
  r = RunTool("translate --date --from serial --to halcyon 'T[dn]L[ ]T[d]T[00yd]'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, " D\n");
  EXPECT_EQ(r.err, "kti18n: translate: warning: the target dialect has no code for T[dn] T[00yd]; left out\n");
  EXPECT_EQ(RunTool("translate --number --from serial --to excel 'T[ns]T[0]'").err, "");  // reshaped, not lost
  // An unreadable pattern is a warning with the place reading failed, exit 1.
  EXPECT_EQ(RunTool("translate --number --from serial --to native 'T[0'").status, 1);
  EXPECT_TRUE(IsUsageError(RunTool("translate --number --from serial 'T[0]'")));
  EXPECT_TRUE(IsUsageError(RunTool("translate --number --date --from serial --to native 'T[0]'")));
}

}  // namespace
