// Reading the host's zone: rule strings, zone files and TZ.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "engine_test_support.h"
#include "kti18n/calendar/host_zone.h"

namespace {

using namespace engine_test;
using eng_host::HostZoneRule;
using eng_host::parsePosixRule;
using C = Calendar;

void expectRule(const eng_host::TransitionRule& r, int month, int day, int dayOfWeek, int time) {
  EXPECT_EQ(r.month, month);
  EXPECT_EQ(r.day, day);
  EXPECT_EQ(r.dayOfWeek, dayOfWeek);
  EXPECT_EQ(r.time, time);
}

TEST(HostZone, RuleStringsOfCommonZones) {
  const auto paris = parsePosixRule("CET-1CEST,M3.5.0,M10.5.0/3");
  ASSERT_TRUE(paris);
  EXPECT_EQ(paris->name, "CET");
  EXPECT_EQ(paris->rawOffset, 3600000);
  EXPECT_TRUE(paris->hasDaylight);
  EXPECT_EQ(paris->dstSavings, 3600000);
  expectRule(paris->start, 2, -1, 1, 7200000);
  expectRule(paris->end, 9, -1, 1, 10800000);

  const auto newYork = parsePosixRule("EST5EDT,M3.2.0,M11.1.0");
  ASSERT_TRUE(newYork);
  EXPECT_EQ(newYork->rawOffset, -18000000);
  expectRule(newYork->start, 2, 2, 1, 7200000);
  expectRule(newYork->end, 10, 1, 1, 7200000);

  const auto kolkata = parsePosixRule("<+0530>-5:30");
  ASSERT_TRUE(kolkata);
  EXPECT_EQ(kolkata->name, "+0530");
  EXPECT_EQ(kolkata->rawOffset, 19800000);
  EXPECT_FALSE(kolkata->hasDaylight);

  // Without dates the customary American ones apply.
  const auto bare = parsePosixRule("EST5EDT");
  ASSERT_TRUE(bare);
  expectRule(bare->start, 2, 2, 1, 7200000);

  const auto julian = parsePosixRule("XXX3YYY,J60/1:30,300");
  ASSERT_TRUE(julian);
  expectRule(julian->start, 2, 1, 0, 5400000);    // day 60 without 29 February: 1 March
  expectRule(julian->end, 9, 28, 0, 7200000);     // zero-based day 300: 28 October
}

TEST(HostZone, NegativeSavingsAndOutOfDayTimes) {
  // Winter time below standard time: the lower offset becomes standard.
  const auto dublin = parsePosixRule("IST-1GMT0,M10.5.0,M3.5.0/1");
  ASSERT_TRUE(dublin);
  EXPECT_EQ(dublin->name, "GMT");
  EXPECT_EQ(dublin->rawOffset, 0);
  EXPECT_EQ(dublin->dstSavings, 3600000);
  expectRule(dublin->start, 2, -1, 1, 3600000);
  expectRule(dublin->end, 9, -1, 1, 7200000);

  // The Thursday of the fourth week plus 26 hours: the Friday on or after the 23rd, 02:00.
  const auto jerusalem = parsePosixRule("IST-2IDT,M3.4.4/26,M10.5.0");
  ASSERT_TRUE(jerusalem);
  expectRule(jerusalem->start, 2, 23, -6, 7200000);
  // The last Sunday minus one hour: the last Saturday on or before the 30th, 23:00.
  const auto nuuk = parsePosixRule("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
  ASSERT_TRUE(nuuk);
  expectRule(nuuk->start, 2, -30, -7, 82800000);
  expectRule(nuuk->end, 9, -1, 1, 0);
}

TEST(HostZone, MalformedRuleStrings) {
  for (const char* bad : {"", "C", "CET", "CET-", "CET-1CEST,M3.5.0", "CET-1CEST,M13.5.0,M10.5.0",
                          "CET-1CEST,M3.6.0,M10.5.0", "CET-1CEST,M3.5.7,M10.5.0", "CET-99", "<+05", "CET-1CEST,J0,J5",
                          "CET-1CEST,M3.5.0,M10.5.0/200", "Europe/Paris", "CET-1 trailing"}) {
    EXPECT_FALSE(parsePosixRule(bad)) << bad;
  }
}

TEST(HostZone, ZoneFileFooter) {
  std::string file("TZif2");
  file.append(40, '\0');
  file += "\nCET-1CEST,M3.5.0,M10.5.0/3\n";
  EXPECT_EQ(eng_host::tzifFooter(file), "CET-1CEST,M3.5.0,M10.5.0/3");
  EXPECT_FALSE(eng_host::tzifFooter(std::string("TZif") + std::string(44, '\0')));  // version 1
  EXPECT_FALSE(eng_host::tzifFooter("not a zone file at all, just some text\n\n"));
  std::string empty("TZif3");
  empty.append(40, '\0');
  empty += "\n\n";
  EXPECT_FALSE(eng_host::tzifFooter(empty));

  const std::string path = std::string(KTI18N_BINARY_DIR) + "/host_zone_test.tzif";
  std::ofstream(path, std::ios::binary) << file;
  const auto zone = eng_host::readHostZone(nullptr, path);
  ASSERT_TRUE(zone);
  EXPECT_EQ(zone->name, "CET");
  std::remove(path.c_str());
  EXPECT_FALSE(eng_host::readHostZone(nullptr, path));
}

TEST(HostZone, TzVariable) {
  EXPECT_EQ(eng_host::readHostZone("")->name, "UTC");
  EXPECT_EQ(eng_host::readHostZone("JST-9")->rawOffset, 32400000);
  EXPECT_FALSE(eng_host::readHostZone("No/Such/Zone"));
  EXPECT_FALSE(eng_host::readHostZone(":../../etc/passwd"));
  if (std::ifstream("/usr/share/zoneinfo/Europe/Paris").good()) {
    const auto named = eng_host::readHostZone("Europe/Paris");
    ASSERT_TRUE(named);
    EXPECT_EQ(named->name, "CET");
    EXPECT_EQ(eng_host::readHostZone(":Europe/Paris")->rawOffset, 3600000);
  }
}

// The host's transitions are wall-clock times: with the rule of Paris the
// clocks go forward at 02:00 standard time and back at 03:00 daylight time.
TEST(HostZone, TransitionsAtTheHostsWallClockTimes) {
  const auto host = parsePosixRule("CET-1CEST,M3.5.0,M10.5.0/3");
  ASSERT_TRUE(host);
  EngineStatus status = ENG_OK;
  SimpleTimeZone zone(host->rawOffset, "CET"_u2, host->start.month, host->start.day, host->start.dayOfWeek,
                      host->start.time, SimpleTimeZone::WALL_TIME, host->end.month, host->end.day,
                      host->end.dayOfWeek, host->end.time, SimpleTimeZone::WALL_TIME, host->dstSavings, status);
  ASSERT_EQ(status, ENG_OK);
  auto c = calendarIn(zone);
  setTime(*c, 1080435599000.0);  // 2004-03-28 00:59:59 UTC
  EXPECT_EQ(field(*c, C::Dst_offset), 0);
  setTime(*c, 1080435600000.0);
  EXPECT_EQ(field(*c, C::Dst_offset), 3600000);
  EXPECT_EQ(field(*c, C::Hour_of_day), 3);
  setTime(*c, 1099184399000.0);  // 2004-10-31 00:59:59 UTC
  EXPECT_EQ(field(*c, C::Dst_offset), 3600000);
  setTime(*c, 1099184400000.0);
  EXPECT_EQ(field(*c, C::Dst_offset), 0);
  EXPECT_EQ(field(*c, C::Hour_of_day), 2);
}

}  // namespace
