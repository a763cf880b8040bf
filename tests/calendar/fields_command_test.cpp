// The `kti18n fields` subcommand, run as a program.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const std::string kTool = std::string(KTI18N_BINARY_DIR) + "/kti18n";

struct Outcome {
  std::string out;
  int status;
};

Outcome runTool(const std::string& arguments, const std::string& environment = "") {
  const std::string command = environment + " '" + kTool + "' fields " + arguments + " 2>/dev/null";
  Outcome result{"", -1};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) result.out += buffer;
  const int raw = pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

bool hasLine(const Outcome& r, const std::string& line) { return r.out.find(line + "\n") != std::string::npos; }

class FieldsCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::ifstream(kTool).good()) GTEST_SKIP() << "the kti18n tool is not built at " << kTool;
  }
};

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
  EXPECT_EQ(runTool("2004-02-30T00:00:00Z").status, 2);
  EXPECT_EQ(runTool("2004-03-28T01:00:00").status, 2);
  EXPECT_EQ(runTool("yesterday").status, 2);
  EXPECT_EQ(runTool("99999999999999999").status, 2);
  EXPECT_EQ(runTool("--zone Mars/Olympus 0").status, 2);
  EXPECT_EQ(runTool("").status, 2);
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
