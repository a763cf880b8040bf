// The `kti18n time` and `kti18n zones` subcommands, run as programs.
#include <gtest/gtest.h>

#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;
using Outcome = ToolRun;

Outcome runTool(const std::string& arguments) { return RunTool(arguments); }

std::string firstLine(const Outcome& r) { return r.out.substr(0, r.out.find('\n')); }
bool hasLine(const Outcome& r, const std::string& line) { return ("\n" + r.out).find("\n" + line + "\n") != std::string::npos; }

using ToolTest = testing::Test;

TEST_F(ToolTest, TimeInParisAcrossTheAutumnChange) {
  const Outcome before = runTool("time --zone Europe/Paris 2004-10-31T00:59:59Z");
  EXPECT_EQ(before.status, 0);
  EXPECT_EQ(firstLine(before), "2004/10/31::2:59:59");
  EXPECT_TRUE(hasLine(before, "Dst_offset 3600000")) << before.out;
  const Outcome after = runTool("time --zone Europe/Paris 2004-10-31T01:00:00Z");
  EXPECT_EQ(firstLine(after), "2004/10/31::2:0:0");
  EXPECT_TRUE(hasLine(after, "Dst_offset 0"));
  int lines = 0;
  for (char ch : after.out) lines += ch == '\n';
  EXPECT_EQ(lines, 20);  // the calendar time and 19 fields
}

TEST_F(ToolTest, InstantForms) {
  EXPECT_EQ(firstLine(runTool("time 2004-05-17T15:45:07.250+02:00")), "2004/5/17::13:45:7.25");
  EXPECT_EQ(firstLine(runTool("time --zone utc 2004-05-17T08:15:07.25-0530")), "2004/5/17::13:45:7.25");
  EXPECT_EQ(firstLine(runTool("time --zone utc 1084801507250")), "2004/5/17::13:45:7.25");
  EXPECT_EQ(firstLine(runTool("time --zone utc -- -1000")), "1969/12/31::23:59:59");
  EXPECT_TRUE(hasLine(runTool("fields --zone utc 2004-05-17T15:45:07+02"), "Hour_of_day 13"));
  EXPECT_EQ(runTool("time --zone host now").status, 0);
  EXPECT_TRUE(IsUsageError(runTool("time 2004-05-17T15:45:07")));
  EXPECT_TRUE(IsUsageError(runTool("time 2004-05-17T15:45:07+25:00")));
  EXPECT_TRUE(IsUsageError(runTool("time --calendar julian 0")));
}

TEST_F(ToolTest, UnknownZone) {
  const Outcome r = runTool("time --zone Mars/Olympus now");
  EXPECT_TRUE(IsUsageError(r));
  EXPECT_EQ(r.err, "TimeLib::UnknownTimeZone : Mars/Olympus\n");
  EXPECT_TRUE(IsUsageError(runTool("fields --zone Mars/Olympus 0")));
}

TEST_F(ToolTest, Zones) {
  const Outcome list = runTool("zones");
  EXPECT_EQ(list.status, 0);
  int lines = 0;
  for (char ch : list.out) lines += ch == '\n';
  EXPECT_EQ(lines, 432);
  EXPECT_EQ(firstLine(list), "ACT\t34200000\tdst");
  EXPECT_TRUE(hasLine(list, "Asia/Tokyo\t32400000\t-"));
  EXPECT_EQ(runTool("zones --offset 3601").out, "Etc/GMT-2\n");
  EXPECT_EQ(runTool("zones --offset -50000").out, "Etc/GMT+12\n");
  EXPECT_TRUE(IsUsageError(runTool("zones --offset 1h")));
  EXPECT_EQ(runTool("zones --database").status, 0);
}

}  // namespace
