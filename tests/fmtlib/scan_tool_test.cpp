// The `kti18n scan-number` and `kti18n scan-date` subcommands, run as a
// separate program.
#include <gtest/gtest.h>

#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;

class ScanTools : public testing::Test {};

TEST_F(ScanTools, ScanNumberPrintsValueLengthAndKind) {
  ToolRun r = RunTool("scan-number -- 42 ' -7' 4294967295 0.1 '1e' 12abc 1e309");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "42\t2\tinteger\n-7\t3\tinteger\n4294967295\t10\tunsigned\n0.1\t3\t-\nerror\t2\n12\t2\tinteger\n"
                   "error\t5\n");
  r = RunTool("scan-number --locale de_DE -- '  -1.234,5e2' '-1234,5e2'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "-1\t4\tinteger\n-123450\t9\t-\n");
  EXPECT_TRUE(IsUsageError(RunTool("scan-number")));
  EXPECT_TRUE(IsUsageError(RunTool("scan-number --locale xx_YY 1")));
}

TEST_F(ScanTools, ScanDatePrintsIsoTimeAndLength) {
  ToolRun r = RunTool("scan-date --pattern 'T[0d]T[da]T[0M]T[da]T[y4]' -- '14/07/1789' '31/04/2004' x ' 7/ 3/2004 rest'");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "1789-07-14T00:00:00+00:00\t10\nerror\t10\tcalendar\nerror\t0\n2004-03-07T00:00:00+00:00\t10\n");
  r = RunTool("scan-date --zone Europe/Paris --default input-date-time '7/14/2004 1:02:03 PM'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "2004-07-14T13:02:03+02:00\t20\n");
  EXPECT_EQ(RunTool("scan-date --base-year 2029 --pattern 'T[y2]' 30 29").out,
            "1930-01-01T00:00:00+00:00\t2\n2029-01-01T00:00:00+00:00\t2\n");
  EXPECT_EQ(RunTool("scan-date --locale de_DE --default input-date '14.7.2004'").out,
            "2004-07-14T00:00:00+00:00\t9\n");
  EXPECT_EQ(RunTool("scan-date --dialect native --pattern dd/MM/yyyy 14/07/1789").out,
            "1789-07-14T00:00:00+00:00\t10\n");
  // The spreadsheet dialect takes its defaults from the locale's settings.
  r = RunTool("scan-date --locale fr_FR --dialect excel --pattern 'd mmmm yyyy' '14 JUILLET 1789'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "1789-07-14T00:00:00+00:00\t15\n");
  EXPECT_EQ(RunTool("scan-date --pattern 'T[era]' 1").status, 1);
  EXPECT_TRUE(IsUsageError(RunTool("scan-date --default date 1")));
  EXPECT_TRUE(IsUsageError(RunTool("scan-date --pattern 'T[0d]' --zone Mars/Base 1")));
  EXPECT_TRUE(IsUsageError(RunTool("scan-date --pattern 'T[0d]'")));
}

}  // namespace
