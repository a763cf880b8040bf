// The `kti18n date` and `kti18n datetime` subcommands, run as a separate
// program.
#include <gtest/gtest.h>

#include <string>

#include "tool_runner.h"

namespace {

using namespace tool_test;

class DateTools : public testing::Test {};

TEST_F(DateTools, DateFormatsInstantsThroughPatternsAndDefaults) {
  ToolRun r = RunTool("date --locale ja_JP --zone utc --pattern 'T[ip]T[jy]' 2019-05-01T00:00:00Z 2019-04-30T23:59:59Z");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "令和1\n平成31\n");
  r = RunTool("date --locale fr_FR --zone Europe/Paris --default long-date 2004-03-05T23:30:00Z 1078488000000");
  EXPECT_EQ(r.out, "6 mars 2004\n5 mars 2004\n");
  r = RunTool("date --zone Europe/Paris --pattern 'T[023]L[:]T[0m]L[ ]T[tz]' 2004-07-01T12:00:00+02:00");
  EXPECT_EQ(r.out, "12:00 CEST\n");  // the zone's abbreviation from the tz database
  r = RunTool("date --dialect native --pattern 'yyyy;[Red]\"none\"' 0");
  EXPECT_EQ(r.out, "1970\n");
  r = RunTool("date --pattern 'T[Cb]T[y4]' 0");
  EXPECT_EQ(r.out, "1970\tBlue\n");
  r = RunTool("date --calendar halcyon --pattern 'T[ywoy4]L[-W]T[0wy]' 2004-01-01T00:00:00Z");
  EXPECT_EQ(r.out, "2003-W52\n");
  // Without --locale, the host's locale settings.
  EXPECT_EQ(RunShell("LC_ALL= LANG=de_DE.UTF-8 TOOL date --default long-date 2024-03-01T12:00:00Z").out,
            "1. M\u00e4rz 2024\n");
}

TEST_F(DateTools, DateReadsSpreadsheetSerialDays) {
  const ToolRun r = RunTool("date --serial --pattern 'T[y4]L[-]T[0M]L[-]T[0d]L[ ]T[023]L[:]T[0m]' 38051.5 61 0");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "2004-03-05 12:00\n1900-03-01 00:00\n1899-12-30 00:00\n");
}

TEST_F(DateTools, DateRefusesBadCommandLines) {
  EXPECT_EQ(RunTool("date --pattern 'T[y4]' 2004-13-01T00:00:00Z").status, 2);
  EXPECT_EQ(RunTool("date --pattern 'T[y4]' 1582-10-10T00:00:00Z").status, 2);  // skipped by the reform
  EXPECT_EQ(RunTool("date --pattern 'T[y4]' 1582-10-04T23:59:59Z 1582-10-15T00:00:00Z").out, "1582\n1582\n");
  EXPECT_EQ(RunTool("date --pattern 'T[y4]' --default date 0").status, 2);
  EXPECT_EQ(RunTool("date --default weekly 0").status, 2);
  EXPECT_EQ(RunTool("date --calendar julian --default date 0").status, 2);
  EXPECT_EQ(RunTool("date --zone Mars/Olympus --default date 0").status, 2);
  EXPECT_EQ(RunTool("date --serial --default date 1e400").status, 2);
  EXPECT_EQ(RunTool("date --default date").status, 2);
  // A pattern that does not read in its dialect is an error, not "#FORMAT".
  const ToolRun unreadable = RunTool("date --pattern dd.MM.yyyy 0");
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_EQ(unreadable.out, "");
  EXPECT_NE(unreadable.err.find("reading failed at character 1"), std::string::npos) << unreadable.err;
}

TEST_F(DateTools, DatetimePrintsDayNumbersAndPatterns) {
  ToolRun r = RunTool("datetime -4712-01-01T12:00:00 1858-11-17 2004-01-05T09:07:03.5");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "mjd=-2400000.500000 jd=0.000000 weekday=2 yday=1\n"
            "mjd=0.000000 jd=2400000.500000 weekday=4 yday=321\n"
            "mjd=53009.379902 jd=2453009.879902 weekday=2 yday=5\n");
  r = RunTool("datetime --locale fr_FR --print '%A %e %B %Y, %H:%M' 1582-10-15");
  EXPECT_EQ(r.out, "mjd=-100840.000000 jd=2299160.500000 weekday=6 yday=278\tvendredi 15 octobre 1582, 00:00\n");
  r = RunTool("datetime 1582-10-10");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("ZV_E_INVALID_DATA"), std::string::npos) << r.err;
  EXPECT_EQ(RunTool("datetime 2004-02-30T00:00:00").status, 1);
  EXPECT_EQ(RunTool("datetime 2004-2-3").status, 2);
  EXPECT_EQ(RunTool("datetime").status, 2);
}

}  // namespace
