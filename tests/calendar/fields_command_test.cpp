// The `kti18n fields` subcommand, run as a program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;
using Outcome = ToolRun;

// `kti18n fields ARGUMENTS`, with environment assignments (such as TZ=...)
// before the command.
Outcome runTool(const std::string& arguments, const std::string& environment = "") {
  return RunShell(environment + " TOOL fields " + arguments);
}

bool hasLine(const Outcome& r, const std::string& line) { return r.out.find(line + "\n") != std::string::npos; }

using FieldsCommand = testing::Test;

TEST_F(FieldsCommand, ParisSpringForward) {
  const Outcome after = runTool("--zone Europe/Paris 2004-03-28T01:00:00Z");
  EXPECT_EQ(after.status, 0);
  EXPECT_TRUE(hasLine(after, "Dst_offset 3600000")) << after.out;
  EXPECT_TRUE(hasLine(after, "Hour_of_day 3"));
  EXPECT_TRUE(hasLine(after, "Instant 1080435600000"));
  EXPECT_TRUE(hasLine(after, "In_daylight_time true"));
  const Outcome before = runTool("--zone Europe/Paris 2004-03-28T00:59:59Z");
  EXPECT_TRUE(hasLine(before, "Dst_offset 0")) << before.out;
  EXPECT_TRUE(hasLine(before, "In_daylight_time false"));
  // 19 fields, the instant and the daylight flag.
  int lines = 0;
  for (char ch : before.out) lines += ch == '\n';
  EXPECT_EQ(lines, 21);
}

TEST_F(FieldsCommand, InstantForms) {
  const Outcome millis = runTool("1080435600000");
  EXPECT_TRUE(hasLine(millis, "Hour_of_day 1")) << millis.out;
  EXPECT_TRUE(hasLine(millis, "Zone_offset 0"));
  const Outcome ides = runTool("-- -0044-03-15T12:00:00Z");
  EXPECT_TRUE(hasLine(ides, "Era 0")) << ides.out;
  EXPECT_TRUE(hasLine(ides, "Year 45"));
  EXPECT_TRUE(hasLine(ides, "Day_of_week 3"));  // a Tuesday in the Julian calendar
  const Outcome far = runTool("+10000-01-01T00:00:00.5Z");
  EXPECT_TRUE(hasLine(far, "Year 10000")) << far.out;
  EXPECT_TRUE(hasLine(far, "Millisecond 500"));
  const Outcome lenient = runTool("--lenient 2004-02-30T00:00:00Z");
  EXPECT_TRUE(hasLine(lenient, "Day_of_month 1")) << lenient.out;
}

TEST_F(FieldsCommand, BadInputExitsWithStatusTwo) {
  EXPECT_TRUE(IsUsageError(runTool("2004-02-30T00:00:00Z")));
  EXPECT_TRUE(IsUsageError(runTool("2004-03-28T01:00:00")));
  EXPECT_TRUE(IsUsageError(runTool("yesterday")));
  EXPECT_TRUE(IsUsageError(runTool("99999999999999999")));
  EXPECT_TRUE(IsUsageError(runTool("--zone Mars/Olympus 0")));
  EXPECT_TRUE(IsUsageError(runTool("")));
}

TEST_F(FieldsCommand, HostZoneFromTz) {
  const std::string tz = "TZ='CET-1CEST,M3.5.0,M10.5.0/3'";
  EXPECT_TRUE(hasLine(runTool("--zone host 2004-03-28T01:00:00Z", tz), "Dst_offset 3600000"));
  EXPECT_TRUE(hasLine(runTool("--zone host 2004-03-28T00:59:59Z", tz), "Dst_offset 0"));
  EXPECT_TRUE(hasLine(runTool("--zone host 2004-10-31T00:59:59Z", tz), "Dst_offset 3600000"));
  EXPECT_TRUE(hasLine(runTool("--zone host 2004-10-31T01:00:00Z", tz), "Dst_offset 0"));
  EXPECT_TRUE(hasLine(runTool("--zone host 0", "TZ=Nowhere/Special"), "Zone_offset 0"));
}

// Database zones by ID and as the host zone, with their history: New York
// followed the 2007 rules from 2007 only.
TEST_F(FieldsCommand, DatabaseZones) {
  if (!std::ifstream("/usr/share/zoneinfo/America/New_York").good() && std::getenv("TZDIR") == nullptr)
    GTEST_SKIP() << "no zone files in /usr/share/zoneinfo (install tzdata)";
  EXPECT_TRUE(hasLine(runTool("--zone America/New_York 2007-03-11T07:00:00Z"), "In_daylight_time true"));
  EXPECT_TRUE(hasLine(runTool("--zone America/New_York 2007-03-11T06:59:59Z"), "In_daylight_time false"));
  EXPECT_TRUE(hasLine(runTool("--zone Asia/Kathmandu 2020-01-01T00:00:00Z"), "Zone_offset 20700000"));
  const std::string tz = "TZ=:America/New_York";
  EXPECT_TRUE(hasLine(runTool("--zone host 2006-03-20T12:00:00Z", tz), "Dst_offset 0"));
  EXPECT_TRUE(hasLine(runTool("--zone host 2007-03-20T12:00:00Z", tz), "Dst_offset 3600000"));
}

}  // namespace
