// Zones with history: the operations of a zone, local times in gaps and
// overlaps, negative daylight time, yearly rules past the last transition,
// abbreviations and the host zone.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "engine_test_support.h"
#include "kti18n/calendar/historical_time_zone.h"
#include "kti18n/calendar/tzif_reader.h"
#include "kti18n/calendar/zone_database.h"

namespace {

using namespace engine_test;
using C = Calendar;

// A database zone, or a skip when the host has no zone files.
#define DATABASE_ZONE(var, id)                                                        \
  std::unique_ptr<TimeZone> var(eng_tzdb::createZone(ucs2string(id)));               \
  if (!var) GTEST_SKIP() << "no zone " << id << " in " << zoneDirectory() << " (install tzdata)"

double utc(int year, int month, int day, int hour, int minute) {
  auto c = utcCalendar();
  setDate(*c, year, month, day, hour, minute);
  return timeOf(*c);
}

// The instant a calendar in the zone gives for a local wall-clock time.
double localToInstant(const TimeZone& zone, int year, int month, int day, int hour, int minute) {
  auto c = calendarIn(zone);
  setDate(*c, year, month, day, hour, minute);
  return timeOf(*c);
}

TEST(HistoricalZone, NewYorkFollowsThe2007Rules) {
  DATABASE_ZONE(newYork, "America/New_York");
  auto c = calendarIn(*newYork);
  setTime(*c, utc(2007, 3, 11, 7, 0));  // 03:00 daylight time; the 2004 rule waits for April
  EXPECT_EQ(field(*c, C::Hour_of_day), 3);
  EXPECT_EQ(field(*c, C::Dst_offset), 3600000);
  EngineStatus status = ENG_OK;
  EXPECT_TRUE(c->inDaylightTime(status));
  auto builtin = builtinZone("America/New_York");
  auto old = calendarIn(*builtin);
  setTime(*old, utc(2007, 3, 11, 7, 0));
  EXPECT_EQ(field(*old, C::Dst_offset), 0);
  // 1900: local mean time, 4:56:02 behind UTC.
  setTime(*c, utc(1880, 1, 1, 12, 0));
  EXPECT_EQ(field(*c, C::Zone_offset) + field(*c, C::Dst_offset), -17762000);
  EXPECT_EQ(newYork->getRawOffset(), -18000000);
  EXPECT_TRUE(newYork->useDaylightTime());
}

// Gaps and overlaps resolve as the rule-based zones resolve them: with the
// offset in force after the transition.
TEST(HistoricalZone, GapsAndOverlapsTakeTheLaterOffset) {
  DATABASE_ZONE(newYork, "America/New_York");
  auto builtin = builtinZone("America/New_York");
  // 02:30 does not exist: read in daylight time, it is 01:30 standard time.
  EXPECT_EQ(localToInstant(*newYork, 2007, 3, 11, 2, 30), utc(2007, 3, 11, 6, 30));
  EXPECT_EQ(localToInstant(*builtin, 2004, 4, 4, 2, 30), utc(2004, 4, 4, 6, 30));
  EXPECT_EQ(localToInstant(*newYork, 2004, 4, 4, 2, 30), utc(2004, 4, 4, 6, 30));
  // 01:30 happens twice: the second time, in standard time.
  EXPECT_EQ(localToInstant(*newYork, 2007, 11, 4, 1, 30), utc(2007, 11, 4, 6, 30));
  EXPECT_EQ(localToInstant(*builtin, 2004, 10, 31, 1, 30), utc(2004, 10, 31, 6, 30));
  // Either side of them, local times are exact.
  EXPECT_EQ(localToInstant(*newYork, 2007, 3, 11, 1, 59), utc(2007, 3, 11, 6, 59));
  EXPECT_EQ(localToInstant(*newYork, 2007, 3, 11, 3, 0), utc(2007, 3, 11, 7, 0));
  EXPECT_EQ(localToInstant(*newYork, 2007, 11, 4, 0, 59), utc(2007, 11, 4, 4, 59));
  EXPECT_EQ(localToInstant(*newYork, 2007, 11, 4, 2, 0), utc(2007, 11, 4, 7, 0));
  // The local-date form of getOffset reads wall-clock time the same way.
  EngineStatus status = ENG_OK;
  EXPECT_EQ(newYork->getOffset(1, 2007, 2, 11, 1, 9000000, 31, status), -14400000);  // 02:30
  EXPECT_EQ(newYork->getOffset(1, 2007, 10, 4, 1, 5400000, 30, status), -18000000);  // 01:30
  EXPECT_EQ(newYork->getOffset(1, 2007, 6, 1, 6, 0, status), -14400000);
  EXPECT_EQ(newYork->getOffset(0, 2007, 6, 1, 6, 0, status), -17762000);  // BC: before any transition
  EXPECT_EQ(status, ENG_OK);
  EXPECT_EQ(newYork->getOffset(1, 2007, 6, 1, 6, 86400000, 30, status), -1);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
}

TEST(HistoricalZone, IdentityCloningAndRules) {
  DATABASE_ZONE(newYork, "America/New_York");
  DATABASE_ZONE(paris, "Europe/Paris");
  std::unique_ptr<TimeZone> copy(newYork->clone());
  EXPECT_TRUE(*copy == *newYork);
  EXPECT_FALSE(*paris == *newYork);
  EXPECT_FALSE(paris->hasSameRules(*newYork));
  EXPECT_FALSE(newYork->hasSameRules(*builtinZone("America/New_York")));
  if (std::unique_ptr<TimeZone> alias{eng_tzdb::createZone("US/Eastern"_u2)}) {
    EXPECT_TRUE(alias->hasSameRules(*newYork));  // a link: same file, another name
    EXPECT_FALSE(*alias == *newYork);
  }
  ucs2string id;
  EXPECT_EQ(copy->getID(id), "America/New_York"_u2);
  EXPECT_EQ(copy->getDynamicClassId(), HistoricalTimeZone::getStaticClassId());
  // No single raw offset to replace.
  copy->setRawOffset(0);
  EXPECT_EQ(copy->getRawOffset(), -18000000);
  // The database wins over the built-in table for createTimeZone.
  std::unique_ptr<TimeZone> created(TimeZone::createTimeZone("America/New_York"_u2));
  EXPECT_TRUE(*created == *newYork);
}

// Tokyo has no daylight time now but had it from 1948 to 1951.
TEST(HistoricalZone, PastDaylightTimeOfAZoneWithoutItNow) {
  DATABASE_ZONE(tokyo, "Asia/Tokyo");
  EXPECT_FALSE(tokyo->useDaylightTime());
  auto c = calendarIn(*tokyo);
  setTime(*c, utc(1950, 7, 1, 0, 0));
  EngineStatus status = ENG_OK;
  EXPECT_TRUE(c->inDaylightTime(status));
  EXPECT_TRUE(tokyo->inDaylightTime(utc(1950, 7, 1, 0, 0), status));
  setTime(*c, utc(2020, 7, 1, 0, 0));
  EXPECT_FALSE(c->inDaylightTime(status));
}

// Irish winter time is daylight time one hour below standard time.
TEST(HistoricalZone, NegativeDaylightTimeAndAbbreviations) {
  DATABASE_ZONE(dublin, "Europe/Dublin");
  auto c = calendarIn(*dublin);
  const double winter = utc(2023, 1, 11, 7, 0), summer = utc(2023, 7, 11, 7, 0);
  setTime(*c, winter);
  EXPECT_EQ(field(*c, C::Zone_offset), 3600000);
  EXPECT_EQ(field(*c, C::Dst_offset), -3600000);
  EXPECT_EQ(field(*c, C::Hour_of_day), 7);
  EXPECT_EQ(eng_tzdb::abbreviationAt(*dublin, winter), "GMT");
  EXPECT_EQ(eng_tzdb::abbreviationAt(*dublin, summer), "IST");
  // Just after midnight UTC in winter the date must not slip a day.
  setTime(*c, utc(2023, 1, 1, 0, 30));
  EXPECT_EQ(field(*c, C::Day_of_month), 1);
  EXPECT_EQ(field(*c, C::Hour_of_day), 0);

  DATABASE_ZONE(paris, "Europe/Paris");
  EXPECT_EQ(eng_tzdb::abbreviationAt(*paris, winter), "CET");
  EXPECT_EQ(eng_tzdb::abbreviationAt(*paris, summer), "CEST");
  EXPECT_EQ(eng_tzdb::abbreviationAt(*builtinZone("Europe/Paris"), summer), "");
}

// Where the standard offset changed as a daylight period began, the saving
// is measured from the new standard time, not from the old one.
TEST(HistoricalZone, DaylightTimeBeganWithANewStandardOffset) {
  DATABASE_ZONE(apia, "Pacific/Apia");  // skipped 2011-12-30, from -11 to +13 in summer
  auto c = calendarIn(*apia);
  setTime(*c, utc(2011, 12, 30, 12, 0));
  EXPECT_EQ(field(*c, C::Day_of_month), 31);
  EXPECT_EQ(field(*c, C::Hour_of_day), 2);
  EXPECT_EQ(field(*c, C::Zone_offset), 13 * 3600000);
  EXPECT_EQ(field(*c, C::Dst_offset), 3600000);
  DATABASE_ZONE(paris, "Europe/Paris");  // summer of 1940: from Western to Central European time
  c = calendarIn(*paris);
  setTime(*c, utc(1940, 7, 1, 0, 0));
  EXPECT_EQ(field(*c, C::Zone_offset), 3600000);
  EXPECT_EQ(field(*c, C::Dst_offset), 3600000);
}

// Yearly rules of every kind, past the last transition, against the C
// library reading the same rule string from TZ.
TEST(HistoricalZone, YearlyRulesAgreeWithTheCLibrary) {
  for (const char* rule : {"CET-1CEST,M3.5.0,M10.5.0/3", "IST-1GMT0,M10.5.0,M3.5.0/1", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0",
                           "IST-2IDT,M3.4.4/26,M10.5.0", "XXX3YYY,J60/1:30,300", "AEST-10AEDT,M10.1.0,M4.1.0/3",
                           "EST5EDT,0/0,J365/25", "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", "NZST-12NZDT,M9.5.0,M4.1.0/3",
                           "<-04>4<-03>,M9.1.6/24,M4.1.6/24"}) {
    const auto text = eng_host::parsePosixRuleText(rule);
    ASSERT_TRUE(text) << rule;
    eng_tzdb::ZoneHistory history;
    history.names = {text->stdName, text->dstName};
    history.initial = {text->stdOffset * 1000, 0, 0};
    history.rule.emplace(*text);
    history.ruleStd = history.initial;
    history.ruleDst = {text->stdOffset * 1000, (text->dstOffset - text->stdOffset) * 1000, 1};
    history.minTotal = std::min(text->stdOffset, text->dstOffset) * 1000;
    HistoricalTimeZone zone(std::make_shared<const eng_tzdb::ZoneHistory>(history), ucs2string(rule));
    auto c = calendarIn(zone);

    const ScopedEnv tz("TZ", rule);
    ::tzset();
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::time_t> anyInstant(0, 4102444799);  // 1970..2099
    int mismatches = 0;
    for (int i = 0; i < 20000; ++i) {
      // Half of the instants on whole hours, where rule transitions fall.
      std::time_t t = anyInstant(random);
      if (i % 2 == 0) t -= t % 1800;
      std::tm expected{};
      ::localtime_r(&t, &expected);
      setTime(*c, static_cast<double>(t) * 1000.0);
      const bool same = (field(*c, C::Zone_offset) + field(*c, C::Dst_offset)) / 1000 == expected.tm_gmtoff &&
                        (field(*c, C::Dst_offset) != 0) == (expected.tm_isdst > 0) &&
                        field(*c, C::Hour_of_day) == expected.tm_hour && field(*c, C::Day_of_month) == expected.tm_mday;
      if (!same && mismatches++ < 3) ADD_FAILURE() << rule << " at " << t;
    }
  }
  ::tzset();
}

// The host zone: a database ID in TZ, a zone file's path, or /etc/localtime
// (a link into the zone directory, or a copy of a zone file).
TEST(HistoricalZone, HostZoneKeepsItsDatabaseName) {
  DATABASE_ZONE(paris, "Europe/Paris");
  ucs2string id;
  for (const std::string& tz : std::vector<std::string>{"Europe/Paris", ":Europe/Paris", ":" + zoneDirectory() + "/Europe/Paris"}) {
    std::unique_ptr<TimeZone> host(eng_tzdb::createHostZone(tz.c_str()));
    ASSERT_TRUE(host) << tz;
    EXPECT_EQ(host->getID(id), "Europe/Paris"_u2) << tz;
    EXPECT_TRUE(host->hasSameRules(*paris));
  }
  EXPECT_EQ(eng_tzdb::createHostZone("CET-1CEST,M3.5.0,M10.5.0/3"), nullptr);  // a rule string: no history
  EXPECT_EQ(eng_tzdb::createHostZone(""), nullptr);
  EXPECT_EQ(eng_tzdb::createHostZone(":../../etc/passwd"), nullptr);

  const std::string dir = std::string(KTI18N_BINARY_DIR) + "/historical_zone_test";
  std::filesystem::create_directories(dir);
  const std::string link = dir + "/localtime-link", copy = dir + "/localtime-copy";
  std::filesystem::remove(link);
  std::filesystem::create_symlink(zoneDirectory() + "/Europe/Paris", link);
  std::filesystem::copy_file(zoneDirectory() + "/Europe/Paris", copy,
                             std::filesystem::copy_options::overwrite_existing);
  std::unique_ptr<TimeZone> linked(eng_tzdb::createHostZone(nullptr, link));
  ASSERT_TRUE(linked);
  EXPECT_EQ(linked->getID(id), "Europe/Paris"_u2);
  std::unique_ptr<TimeZone> copied(eng_tzdb::createHostZone(nullptr, copy));
  ASSERT_TRUE(copied);
  EXPECT_EQ(copied->getID(id), "CET"_u2);  // no name to be had: the standard abbreviation
  EXPECT_TRUE(copied->hasSameRules(*paris));
  EXPECT_EQ(eng_tzdb::createHostZone(nullptr, dir + "/missing"), nullptr);
  std::filesystem::remove_all(dir);
}

}  // namespace

namespace {

// Offsets the fields' tables do not foresee (Irish winter time below
// standard time, British double summer time, Manila's local mean time of
// 1844) are computed values, not a caller's out-of-range input: a strict
// calendar must still move on from them.
TEST(HistoricalZone, StrictCalendarsAcceptComputedOffsetsOutsideTheTables) {
  for (const auto& [id, when] : std::vector<std::pair<const char*, double>>{
           {"Europe/Dublin", utc(2023, 1, 11, 7, 0)}, {"Europe/London", utc(1943, 6, 1, 12, 0)},
           {"Asia/Manila", utc(1800, 6, 1, 12, 0)}}) {
    DATABASE_ZONE(zone, id);
    auto c = calendarIn(*zone);
    c->setLenient(false);
    setTime(*c, when);
    const int hour = field(*c, C::Hour_of_day), minute = field(*c, C::Minute);
    c->set(C::Minute, 30);
    EngineStatus status = ENG_OK;
    const double moved = c->getTime(status);
    EXPECT_EQ(status, ENG_OK) << id;
    EXPECT_EQ(moved, when + (30 - minute) * 60000.0) << id;
    EXPECT_EQ(field(*c, C::Hour_of_day), hour) << id;
    // A caller's own out-of-range offset is still refused.
    c->set(C::Dst_offset, -3600000);
    c->set(C::Zone_offset, 0);
    status = ENG_OK;
    c->getTime(status);
    EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT) << id;
  }
}

}  // namespace
