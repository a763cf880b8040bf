// SimpleTimeZone rules, the built-in zones and the default zone.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine_test_support.h"

namespace {

using namespace engine_test;
using C = Calendar;

// Offset (raw + daylight) at a UTC date and time.
int offsetAt(const TimeZone& z, int year, int month, int day, int hour, int minute, int second = 0) {
  auto c = utcCalendar();
  setDate(*c, year, month, day, hour, minute, second);
  auto local = calendarIn(z);
  setTime(*local, timeOf(*c));
  return field(*local, C::Zone_offset) + field(*local, C::Dst_offset);
}

TEST(TimeZones, ParisSwitchesAtOneUtc) {
  auto paris = zone("Europe/Paris");
  EXPECT_EQ(offsetAt(*paris, 2004, 3, 28, 0, 59, 59), 3600000);
  EXPECT_EQ(offsetAt(*paris, 2004, 3, 28, 1, 0), 7200000);
  EXPECT_EQ(offsetAt(*paris, 2004, 10, 31, 0, 59, 59), 7200000);
  EXPECT_EQ(offsetAt(*paris, 2004, 10, 31, 1, 0), 3600000);
  EngineStatus status = ENG_OK;
  EXPECT_TRUE(paris->inDaylightTime(1090000000000.0, status));
  EXPECT_FALSE(paris->inDaylightTime(1100000000000.0, status));
}

TEST(TimeZones, NewYorkSwitchesAtTwoWallClock) {
  auto newYork = zone("America/New_York");
  auto c = calendarIn(*newYork);
  setDate(*c, 2004, 4, 4, 1, 59);
  EXPECT_EQ(field(*c, C::Dst_offset), 0);
  EXPECT_EQ(field(*c, C::Zone_offset), -18000000);
  setDate(*c, 2004, 4, 4, 3, 0);
  EXPECT_EQ(field(*c, C::Dst_offset), 3600000);
  // The local fields and the instant agree across the change.
  EXPECT_EQ(timeOf(*c), 1081062000000.0);
  EXPECT_EQ(offsetAt(*newYork, 2004, 10, 31, 5, 59), -14400000);
  EXPECT_EQ(offsetAt(*newYork, 2004, 10, 31, 6, 0), -18000000);
}

TEST(TimeZones, BuiltinListAndUnknownIds) {
  // The built-in IDs are known with or without the host's database.
  std::int32_t count = 0;
  std::unique_ptr<const ucs2string*[]> ids(TimeZone::createAvailableIDs(count));
  for (const ucs2string& builtin : {"America/New_York"_u2, "Europe/Paris"_u2, "Asia/Tokyo"_u2})
    EXPECT_TRUE(std::find_if(ids.get(), ids.get() + count, [&](const ucs2string* id) { return *id == builtin; }) !=
                ids.get() + count);
  auto tokyo = builtinZone("Asia/Tokyo");
  ASSERT_EQ(tokyo->getDynamicClassId(), SimpleTimeZone::getStaticClassId());
  EXPECT_FALSE(tokyo->useDaylightTime());
  EXPECT_EQ(tokyo->getRawOffset(), 32400000);

  auto unknown = zone("Europe/Atlantis");
  ucs2string id;
  EXPECT_EQ(unknown->getID(id), "GMT"_u2);
  EXPECT_TRUE(unknown->hasSameRules(*TimeZone::GMT));
  EXPECT_TRUE(*unknown == *TimeZone::GMT);
  EXPECT_TRUE(*zone("europe/paris") == *TimeZone::GMT);  // IDs match exactly
}

TEST(TimeZones, RuleDecodingRefusesBadRules) {
  const auto make = [](int startMonth, int startDay, int startDow, int startTime, int savings = 3600000) {
    EngineStatus status = ENG_OK;
    SimpleTimeZone z(0, "X"_u2, startMonth, startDay, startDow, startTime, 9, -1, 1, 3600000, savings, status);
    return status;
  };
  EXPECT_EQ(make(2, -1, 1, 3600000), ENG_OK);
  EXPECT_EQ(make(2, 1, 8, 0), ENG_ILLEGAL_ARGUMENT);          // weekday 8
  EXPECT_EQ(make(2, 6, 1, 0), ENG_ILLEGAL_ARGUMENT);          // 6th Sunday
  EXPECT_EQ(make(12, 1, 1, 0), ENG_ILLEGAL_ARGUMENT);         // month 12
  EXPECT_EQ(make(1, 29, 0, 0), ENG_ILLEGAL_ARGUMENT);         // 29 February
  EXPECT_EQ(make(1, 28, 0, 86400001), ENG_ILLEGAL_ARGUMENT);  // time past the day
  EXPECT_EQ(make(2, -1, 1, 0, -1), ENG_ILLEGAL_ARGUMENT);     // negative savings
  EXPECT_EQ(make(1000, 1, 1, 0), ENG_ILLEGAL_ARGUMENT);       // beyond the stored width

  EngineStatus status = ENG_OK;
  SimpleTimeZone off(0, "X"_u2, 2, 0, 0, 0, 9, -1, 1, 0, status);
  EXPECT_EQ(status, ENG_OK);
  EXPECT_FALSE(off.useDaylightTime());
  // A setter that fails keeps the rule it had.
  SimpleTimeZone z(0, "X"_u2, 2, -1, 1, 0, 9, -1, 1, 0, status);
  z.setStartRule(2, 6, 1, 0, status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  EXPECT_TRUE(z.useDaylightTime());
  status = ENG_OK;
  z.setDSTSavings(0, status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  EXPECT_EQ(z.getDSTSavings(), 3600000);
}

TEST(TimeZones, GetOffsetChecksItsArguments) {
  auto paris = builtinZone("Europe/Paris");
  EngineStatus status = ENG_OK;
  EXPECT_EQ(paris->getOffset(1, 2004, 6, 1, 5, 86400000, 31, status), -1);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  status = ENG_OK;
  EXPECT_EQ(paris->getOffset(1, 2004, 12, 1, 5, 0, status), 0);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  status = ENG_OK;
  EXPECT_EQ(paris->getOffset(2, 2004, 6, 1, 5, 0, 31, status), -1);
  status = ENG_OK;
  EXPECT_EQ(paris->getOffset(1, 2004, 6, 1, 5, 0, 31, status), 7200000);
  EXPECT_EQ(paris->getOffset(0, 2004, 6, 1, 5, 0, 31, status), 3600000);  // BC: no daylight rule
  EXPECT_EQ(status, ENG_OK);
}

// Rule modes: exact day, first weekday on or after, last on or before, and
// a southern zone whose daylight period spans the new year.
TEST(TimeZones, RuleModesAndSouthernZones) {
  EngineStatus status = ENG_OK;
  SimpleTimeZone z(0, "X"_u2);
  z.setStartRule(3, 10, 0, status);                             // 10 April
  z.setEndRule(9, 25, 1, 0, false, status);                      // last Sunday on or before 25 October
  ASSERT_EQ(status, ENG_OK);
  EXPECT_EQ(offsetAt(z, 2004, 4, 9, 23, 59), 0);
  EXPECT_EQ(offsetAt(z, 2004, 4, 10, 0, 0), 3600000);
  EXPECT_EQ(offsetAt(z, 2004, 10, 24, 0, 59), 0);               // Sunday 24 October, 00:59 + 1 h
  EXPECT_EQ(offsetAt(z, 2004, 10, 23, 22, 59), 3600000);
  z.setStartYear(2005);
  EXPECT_EQ(offsetAt(z, 2004, 6, 1, 0, 0), 0);

  SimpleTimeZone south(36000000, "S"_u2, 9, 1, -1, 7200000, SimpleTimeZone::STANDARD_TIME, 2, -1, 1, 7200000,
                       SimpleTimeZone::STANDARD_TIME, 3600000, status);
  ASSERT_EQ(status, ENG_OK);
  EXPECT_EQ(offsetAt(south, 2004, 1, 15, 0, 0), 39600000);
  EXPECT_EQ(offsetAt(south, 2004, 7, 15, 0, 0), 36000000);
}

TEST(TimeZones, EqualityAndSameRules) {
  EngineStatus status = ENG_OK;
  SimpleTimeZone a(3600000, "A"_u2, 2, -1, 1, 3600000, 9, -1, 1, 3600000, status);
  SimpleTimeZone b(a);
  EXPECT_TRUE(a == b);
  b.setID("B"_u2);
  EXPECT_FALSE(a == b);
  EXPECT_TRUE(a.hasSameRules(b));
  b.setEndRule(9, -1, 1, 7200000, status);
  EXPECT_FALSE(a.hasSameRules(b));
  SimpleTimeZone plain(3600000, "A"_u2);
  EXPECT_FALSE(a.hasSameRules(plain));
  std::unique_ptr<TimeZone> copy(a.clone());
  EXPECT_TRUE(*copy == a);
}

TEST(TimeZones, DefaultZoneCanBeReplaced) {
  std::unique_ptr<TimeZone> host(TimeZone::createDefault());
  ASSERT_NE(host, nullptr);
  TimeZone::setDefault(*zone("Asia/Tokyo"));
  std::unique_ptr<TimeZone> now(TimeZone::createDefault());
  EXPECT_EQ(now->getRawOffset(), 32400000);
  TimeZone::adoptDefault(nullptr);  // ignored
  std::unique_ptr<TimeZone> still(TimeZone::createDefault());
  EXPECT_EQ(still->getRawOffset(), 32400000);
  TimeZone::adoptDefault(host.release());
}

TEST(TimeZones, CalendarConstructionReportsFaults) {
  EngineStatus status = ENG_OK;
  std::unique_ptr<Calendar> c(Calendar::createInstance(nullptr, status));
  EXPECT_EQ(c, nullptr);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  status = ENG_OK;
  c.reset(Calendar::createInstance(*zone("Europe/Paris"), status));
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(status, ENG_OK);
  EXPECT_LE(std::abs(timeOf(*c) - Calendar::getNow()), 2000.0);
  EXPECT_EQ(c->getFirstDayOfWeek(), 2);
  EXPECT_EQ(c->getMinimalDaysInFirstWeek(), 4);
}

}  // namespace
