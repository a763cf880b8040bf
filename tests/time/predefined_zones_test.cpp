// The time belt, the rule table and the default zone of an offset.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "kti18n/calendar/simple_time_zone.h"
#include "kti18n/calendar/zone_database.h"
#include "kti18n/time/calendar_time.h"
#include "kti18n/time/predefined_zones.h"

namespace {

using namespace TimeLib;

std::string defaultZone(int offsetSeconds) {
  ucs2string id;
  PredefinedTimeZones::DefaultTZFromOffset(offsetSeconds, id);
  return id.to_utf8();
}

TEST(TimeBelt, ListsEveryIdInCodeUnitOrder) {
  const std::vector<ucs2string> ids = PredefinedTimeZones::timeBelt().list();
  ASSERT_EQ(ids.size(), 432u);
  EXPECT_EQ(ids[0], ucs2string("ACT"));
  EXPECT_EQ(ids[1], ucs2string("AET"));
  EXPECT_EQ(ids[2], ucs2string("AGT"));
  EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end(), [](const ucs2string& a, const ucs2string& b) {
    return a.compare(b) < 0;
  }));
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
  // Each ID finds its own handle, whose zone carries the ID.
  for (const ucs2string& id : ids) {
    const auto& handle = dynamic_cast<const zvPredefinedTimeZone&>(PredefinedTimeZones::timeBelt().find(id));
    EXPECT_EQ(handle.id(), id);
    std::unique_ptr<TimeZone> zone(handle.impl());
    ASSERT_NE(zone, nullptr);
    ucs2string zoneId;
    EXPECT_EQ(zone->getID(zoneId), id);
  }
}

TEST(TimeBelt, UnknownIdsThrow) {
  for (const char* id : {"", "Europe/Pari", "Europe/Paris ", "europe/paris", "ZZZ", "A"})
    EXPECT_THROW(PredefinedTimeZones::timeBelt().find(ucs2string(id)), UnknownTimeZone) << id;
  EXPECT_THROW(PredefinedTimeZones::timeBelt().find(ucs2string::null()), UnknownTimeZone);
  EXPECT_EQ(findZoneRule(ucs2string("Mars/Olympus")), nullptr);
  EXPECT_EQ(createPredefinedZone(ucs2string("Mars/Olympus")), nullptr);
}

TEST(TimeBelt, ZonesOfTheTable) {
  std::unique_ptr<TimeZone> paris(PredefinedTimeZones::timeBelt().find(ucs2string("Europe/Paris")).impl());
  EXPECT_EQ(paris->getRawOffset(), 3600000);
  EXPECT_TRUE(paris->useDaylightTime());
  std::unique_ptr<TimeZone> tokyo(PredefinedTimeZones::timeBelt().find(ucs2string("Asia/Tokyo")).impl());
  EXPECT_EQ(tokyo->getRawOffset(), 32400000);

  // The rule zones themselves, independent of any tz database.
  std::unique_ptr<TimeZone> tokyoRule(makeRuleZone(*findZoneRule(ucs2string("Asia/Tokyo")), ucs2string("Asia/Tokyo")));
  EXPECT_FALSE(tokyoRule->useDaylightTime());
  std::unique_ptr<TimeZone> lordHowe(
      makeRuleZone(*findZoneRule(ucs2string("Australia/Lord_Howe")), ucs2string("Australia/Lord_Howe")));
  EXPECT_EQ(lordHowe->getRawOffset(), 37800000);
  EXPECT_EQ(dynamic_cast<SimpleTimeZone&>(*lordHowe).getDSTSavings(), 1800000);
  std::unique_ptr<TimeZone> riyadh(makeRuleZone(*findZoneRule(ucs2string("Asia/Riyadh87")), ucs2string("x")));
  EXPECT_EQ(riyadh->getRawOffset(), 11224000);

  // Every record decodes, and records shared by several IDs are not repeated.
  std::set<int> used;
  for (const PredefinedZoneId& entry : kPredefinedZoneIds) used.insert(entry.rule);
  EXPECT_EQ(used.size(), 117u);
  for (const PredefinedZoneRule& rule : kPredefinedZoneRules)
    EXPECT_NO_THROW(std::unique_ptr<TimeZone>(makeRuleZone(rule, ucs2string("x"))));
}

// A handle that cannot make its zone.
class NoZone : public zvTimeZone {
 public:
  Impl* impl() const override { return nullptr; }
};

TEST(TimeBelt, FixedHandles) {
  try {
    zvCalendarTime(NoZone(), zvCalendar::gregorian());
    ADD_FAILURE();
  } catch (const IncorrectData& e) {
    EXPECT_EQ(e.DoWhat(), "GregorianCalendar::make ()");
  }
  const zvCalendarTime utc(zvTimeZone::utc(), zvCalendar::gregorian());
  EXPECT_EQ(utc.time_zone_id(), ucs2string("GMT"));
  const zvCalendarTime available(zvTimeZone::localHost(), zvAvailableCalendar::gregorian());
  EXPECT_EQ(available.physicalTime(), zvPhysicalTime::Epoch);
  EXPECT_FALSE(available.calendar().isLenient());
}

TEST(DefaultZone, FromOffset) {
  EXPECT_EQ(defaultZone(3600), "Etc/GMT-1");
  EXPECT_EQ(defaultZone(3601), "Etc/GMT-2");
  EXPECT_EQ(defaultZone(-43200), "Etc/GMT+12");
  EXPECT_EQ(defaultZone(-50000), "Etc/GMT+12");
  EXPECT_EQ(defaultZone(INT32_MIN), "Etc/GMT+12");
  EXPECT_EQ(defaultZone(-43199), "Etc/GMT+11");
  EXPECT_EQ(defaultZone(60000), "GMT");
  EXPECT_EQ(defaultZone(2000000), "GMT");
  EXPECT_EQ(defaultZone(INT32_MAX), "GMT");
  EXPECT_EQ(defaultZone(0), "GMT");
  EXPECT_EQ(defaultZone(-9000), "America/St_Johns");
  EXPECT_EQ(defaultZone(-1), "GMT");
  EXPECT_EQ(defaultZone(50400), "Etc/GMT-14");
  // Every default is a predefined zone.
  for (int offset = -50400; offset <= 54000; offset += 900)
    EXPECT_NE(findZoneRule(ucs2string(defaultZone(offset).c_str())), nullptr) << offset;
}

}  // namespace

namespace {

std::int32_t julyNoonOffset(const TimeZone& zone, std::int32_t year, std::int32_t dayOfWeekOfJuly15) {
  return zone.getOffset(1, year, 6, 15, dayOfWeekOfJuly15, 12 * 3600 * 1000);
}

}  // namespace

// Where the host has a tz database, region IDs take its history, while short
// IDs that mean another zone there (the database's EST is a fixed offset)
// keep the table's meaning.
TEST(TimeBelt, DatabaseHistoryWhereTheIdMeansTheSameZone) {
  std::unique_ptr<TimeZone> probe(eng_tzdb::createZone(ucs2string("Europe/Paris")));
  if (probe == nullptr) GTEST_SKIP() << "no tz database on this host";

  std::unique_ptr<TimeZone> paris(createPredefinedZone(ucs2string("Europe/Paris")));
  EXPECT_EQ(julyNoonOffset(*paris, 1975, 3), 3600000) << "France had no summer time in 1975";
  EXPECT_EQ(julyNoonOffset(*paris, 2004, 5), 7200000);

  std::unique_ptr<TimeZone> est(createPredefinedZone(ucs2string("EST")));
  ucs2string id;
  EXPECT_EQ(est->getID(id), ucs2string("EST"));
  EXPECT_EQ(julyNoonOffset(*est, 2004, 5), -4 * 3600000) << "the table's EST keeps New York's summer time";
}
