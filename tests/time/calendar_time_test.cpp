// Calendar times: construction, reading, changing, the guard that keeps a
// failing change from leaving any trace, diff, comparison and printing.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <sstream>
#include <string>

#include "kti18n/time/calendar_time.h"
#include "kti18n/time/predefined_zones.h"

namespace {

using namespace TimeLib;

zvPhysicalTime at(double ms) { return zvPhysicalTime::Epoch + zvDuration::Millisecond * ms; }
double millisOf(const zvPhysicalTime& t) { return (t - zvPhysicalTime::Epoch) / zvDuration::Millisecond; }

const zvTimeZone& zone(const char* id) { return PredefinedTimeZones::timeBelt().find(ucs2string(id)); }

zvCalendarTime utcDate(int year, int month1, int day, int hour = 0, int minute = 0, int second = 0) {
  zvFields f;
  f.set(Year, year).set(Month, month1 - 1).set(Day_of_month, day).set(Hour_of_day, hour).set(Minute, minute);
  f.set(Second, second);
  return zvCalendarTime(f, zvTimeZone::utc(), zvCalendar::gregorian());
}

std::string printed(const zvCalendarTime& t) {
  std::ostringstream os;
  os << t;
  return os.str();
}

// The whole visible state: every field and the instant.
struct Snapshot {
  std::array<std::int32_t, kFieldCount> fields;
  double instant;
  bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const zvCalendarTime& t) {
  Snapshot s{};
  for (int n = 0; n < kFieldCount; ++n) {
    if (n == Zone_offset.number())
      s.fields[n] = t.get(Zone_offset);
    else if (n == Dst_offset.number())
      s.fields[n] = t.get(Dst_offset);
    else
      s.fields[n] = t.get(FieldMaker::field(n));
  }
  s.instant = millisOf(t.physicalTime());
  return s;
}

template <class Change>
void expectRefusedWithoutTrace(zvCalendarTime& t, const char* message, Change change) {
  const Snapshot before = snapshot(t);
  try {
    change(t);
    ADD_FAILURE() << "no exception; expected " << message;
  } catch (const IncorrectData& e) {
    EXPECT_EQ(e.DoWhat(), message);
    EXPECT_EQ(e.code(), ZV_E_INVALID_DATA);
  }
  EXPECT_EQ(snapshot(t), before) << message;
}

TEST(CalendarTime, ConstructionForms) {
  const zvCalendarTime epoch(zvTimeZone::utc(), zvCalendar::gregorian());
  EXPECT_EQ(printed(epoch), "1970/1/1::0:0:0");
  EXPECT_EQ(epoch.physicalTime(), zvPhysicalTime::Epoch);
  EXPECT_EQ(epoch.time_zone_id(), ucs2string("GMT"));

  // Unset Year defaults to 1970 and unset time fields to 0.
  const zvCalendarTime june(zvFields().set(Month, 5).set(Day_of_month, 17), zvTimeZone::utc(),
                            zvCalendar::gregorian());
  EXPECT_EQ(printed(june), "1970/6/17::0:0:0");
  EXPECT_EQ(june.millisecond(), 0);

  // Competing fields: the higher number wins, whatever the order of the requests.
  const zvCalendarTime day100(zvFields().set(Day_of_year, 100).set(Day_of_month, 1).set(Year, 2004),
                              zvTimeZone::utc(), zvCalendar::gregorian());
  EXPECT_EQ(day100.day_of_year(), 100);
  EXPECT_EQ(day100.month(), 3);  // 9 April 2004
  EXPECT_EQ(day100.day_of_month(), 9);

  const zvCalendarTime paris(at(1084801507250.0), zone("Europe/Paris"), zvCalendar::gregorian());
  EXPECT_EQ(printed(paris), "2004/5/17::15:45:7.25");
  EXPECT_EQ(paris.zone_offset(), 3600000);
  EXPECT_EQ(paris.dst_offset(), 3600000);
  EXPECT_EQ(paris.time_zone_id(), ucs2string("Europe/Paris"));

  EXPECT_THROW(zvCalendarTime(zvFields().set(Month, 12), zvTimeZone::utc(), zvCalendar::gregorian()),
               IncorrectData);
  EXPECT_THROW(zvCalendarTime(at(1e300), zvTimeZone::utc(), zvCalendar::gregorian()), IncorrectData);
}

TEST(CalendarTime, CopiesAreIndependent) {
  zvCalendarTime a = utcDate(2004, 2, 29);
  zvCalendarTime b(a);
  b.add(Day_of_month, 1);
  EXPECT_EQ(a.day_of_month(), 29);
  EXPECT_EQ(b.month(), 2);
  a = b;
  b.add(Year, 1);
  EXPECT_EQ(a.year(), 2004);
  EXPECT_EQ(b.year(), 2005);
  const zvCalendarTime& self = a;
  a = self;  // self-assignment keeps the value
  EXPECT_EQ(a.day_of_month(), 1);
}

TEST(CalendarTime, SetAddRollAndProxies) {
  zvCalendarTime t = utcDate(2004, 12, 15, 13, 45, 7);
  t.add(Month, 1);
  EXPECT_EQ(printed(t), "2005/1/15::13:45:7");
  t.roll(Month, -1);  // no carry into the year
  EXPECT_EQ(printed(t), "2005/12/15::13:45:7");
  t.set(Day_of_month, 31).set(Hour_of_day, 23);
  t.roll(Hour_of_day, 1);
  EXPECT_EQ(printed(t), "2005/12/31::0:45:7");

  EXPECT_THROW(t.month() = 1, IncorrectData);  // February has no 31st
  EXPECT_EQ(t.month(), 11);
  t.day_of_month() = 28;
  t.month() = 1;
  t.year() += -1;
  t[Minute] -= 45;
  ++t.second();
  EXPECT_EQ(printed(t), "2004/2/28::0:0:8");
  EXPECT_EQ(t.day_of_month().maximum(), 29);
  EXPECT_EQ(t.maximum(Day_of_year), 366);
  EXPECT_EQ(t.minimum(Day_of_month), 1);
  EXPECT_EQ(t.max_maximum(Day_of_month), 31);
  EXPECT_EQ(t.min_maximum(Day_of_month), 28);
  EXPECT_EQ(t.min_minimum(Day_of_week_in_month), -1);

  t.physicalTime() += zvDuration::Day;
  EXPECT_EQ(printed(t), "2004/2/29::0:0:8");
  t.physicalTime() = at(0);
  EXPECT_EQ(printed(t), "1970/1/1::0:0:0");
}

TEST(CalendarTime, FailingChangesLeaveNoTrace) {
  zvCalendarTime april = utcDate(2004, 4, 10, 9, 30, 15);
  expectRefusedWithoutTrace(april, "set (zvField[s])", [](zvCalendarTime& t) { t.set(Day_of_month, 31); });
  expectRefusedWithoutTrace(april, "set (zvField[s])", [](zvCalendarTime& t) { t.set(Month, 12); });

  // Out-of-range values in every settable field, through set and through a
  // zvFields that also holds a valid request.
  for (int n = 0; n < kFieldCount; ++n) {
    if (n == Zone_offset.number() || n == Dst_offset.number()) continue;
    const zvField field = FieldMaker::field(n);
    SCOPED_TRACE(fieldName(n));
    for (std::int32_t bad : {april.max_maximum(field) + 1, april.min_minimum(field) - 1, INT_MAX, INT_MIN}) {
      if (field == Day_of_week_in_month && bad == -2) continue;  // counts from the month's end
      expectRefusedWithoutTrace(april, "set (zvField[s])", [&](zvCalendarTime& t) { t.set(field, bad); });
      expectRefusedWithoutTrace(april, "set (zvField[s])",
                                [&](zvCalendarTime& t) { t.set(zvFields().set(Minute, 1).set(field, bad)); });
      expectRefusedWithoutTrace(april, "assign (zvFields)",
                                [&](zvCalendarTime& t) { t.reset(zvFields().set(field, bad)); });
    }
  }

  // Clearing Year moves 29 February 2004 to 1970, which has no such day.
  zvCalendarTime leap = utcDate(2004, 2, 29);
  expectRefusedWithoutTrace(leap, "set (zvField[s])", [](zvCalendarTime& t) { t.clear(Year); });
  expectRefusedWithoutTrace(leap, "add (zvField)", [](zvCalendarTime& t) { t.add(Year, INT_MAX); });
  expectRefusedWithoutTrace(leap, "add (zvField)", [](zvCalendarTime& t) { t.add(Day_of_month, INT_MAX); });
  expectRefusedWithoutTrace(leap, "add (zvField)", [](zvCalendarTime& t) { t.year() -= INT_MIN; });
  expectRefusedWithoutTrace(leap, "assign (physicalTime)", [](zvCalendarTime& t) { t.reset(at(0.0 / 0.0)); });
  expectRefusedWithoutTrace(leap, "diff (zvField)",
                            [](zvCalendarTime& t) { t.diff(zvPhysicalTime::Epoch, Millisecond); });
  // The same fields after the failures as a fresh calendar time holds.
  EXPECT_EQ(snapshot(leap), snapshot(utcDate(2004, 2, 29)));
  EXPECT_NO_THROW(leap.clear(Hour_of_day));
}

TEST(CalendarTime, ChangesToAnotherYearKeepTheDay) {
  // Day 366 of 2004 must not stand in the way of 31 December 2005.
  zvCalendarTime t = utcDate(2004, 12, 31, 12);
  t.set(Year, 2005);
  EXPECT_EQ(printed(t), "2005/12/31::12:0:0");
  EXPECT_EQ(t.day_of_year(), 365);
  t.set(zvFields().set(Year, 2004).set(Month, 1).set(Day_of_month, 29));
  EXPECT_EQ(printed(t), "2004/2/29::12:0:0");
  EXPECT_THROW(t.set(Year, 2005), IncorrectData);  // 29 February 2005 does not exist
  t.set(Day_of_year, 366);
  EXPECT_EQ(printed(t), "2004/12/31::12:0:0");
}

TEST(CalendarTime, DiffMovesTheCalendarTime) {
  zvCalendarTime t = utcDate(2004, 1, 31);
  const zvPhysicalTime target = utcDate(2004, 3, 15).physicalTime();
  int count = -1;
  t.diff(target, Month, count);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(printed(t), "2004/2/29::0:0:0");
  EXPECT_EQ(t.diff(target, Day_of_month), 15);
  EXPECT_EQ(printed(t), "2004/3/15::0:0:0");
  // Backwards, a step that stays after the target counts.
  EXPECT_EQ(t.diff(utcDate(2003, 3, 14).physicalTime())[Year], -1);
  EXPECT_EQ(t.diff(utcDate(2001, 3, 16).physicalTime())[Year], -1);
  EXPECT_EQ(printed(t), "2002/3/15::0:0:0");
  EXPECT_EQ(zvDuration(t.diff(t.physicalTime() + zvDuration::Hour)), zvDuration::Hour);
}

TEST(CalendarTime, ComparesInstantsAcrossZones) {
  const zvCalendarTime tokyo(at(1084801507250.0), zone("Asia/Tokyo"), zvCalendar::gregorian());
  const zvCalendarTime utc(at(1084801507250.0), zvTimeZone::utc(), zvCalendar::gregorian());
  const zvCalendarTime later(at(1084801507251.0), zone("America/New_York"), zvCalendar::gregorian());
  EXPECT_TRUE(tokyo == utc);
  EXPECT_FALSE(tokyo != utc);
  EXPECT_NE(tokyo.hour_of_day(), utc.hour_of_day());
  EXPECT_TRUE(tokyo < later && later > utc && tokyo <= utc && later >= tokyo);
}

TEST(CalendarTime, DaylightTransitionsOfParis) {
  // The wall clock goes back from 2:59:59 to 2:00:00.
  zvCalendarTime t(at(1099184399000.0), zone("Europe/Paris"), zvCalendar::gregorian());
  EXPECT_EQ(printed(t), "2004/10/31::2:59:59");
  t.physicalTime() += zvDuration::Second;
  EXPECT_EQ(printed(t), "2004/10/31::2:0:0");
  EXPECT_EQ(t.dst_offset(), 0);
  // Adding a day keeps the wall-clock time across the spring change.
  zvCalendarTime spring(at(1080378000000.0), zone("Europe/Paris"), zvCalendar::gregorian());  // 27 March 10:00
  spring.add(Day_of_month, 1);
  EXPECT_EQ(printed(spring), "2004/3/28::10:0:0");
}

TEST(Fields, LastRequestWinsAndPrintsInFieldOrder) {
  zvFields f;
  f.set(Month, 3).clear(Year).set(Day_of_month, 1).set(Month, 4).set(Year, 2004);
  EXPECT_EQ(f.size(), 3);
  std::ostringstream os;
  os << f;
  EXPECT_EQ(os.str(), "zvFields ()\n   .set (Year, 2004)\n   .set (Month, 4)\n   .set (Day_of_month, 1)");
  f.clear(Month).erase(Day_of_month);
  std::ostringstream os2;
  f.print(os2);
  EXPECT_EQ(os2.str(), "zvFields ()\n   .set (Year, 2004)\n   .clear (Month)");
  EXPECT_TRUE(zvFields().empty());
}

TEST(Fields, NamesAndNumbers) {
  const zvField all[] = {Era,          Year,        Month,  Week_of_year, Week_of_month, Day_of_month,
                         Day_of_year,  Day_of_week, Day_of_week_in_month, Am_pm, Hour, Hour_of_day,
                         Minute,       Second,      Millisecond, Year_woy, Dow_local};
  std::string names;
  for (const zvField& f : all) {
    std::ostringstream os;
    os << f;
    names += os.str() + ' ';
  }
  EXPECT_EQ(names,
            "Era Year Month Week_of_year Week_of_month Day_of_month Day_of_year Day_of_week Day_of_week_in_month "
            "Am_pm Hour Hour_of_day Minute Second Millisecond Year_woy Dow_local ");
  EXPECT_EQ(Zone_offset.number(), 15);
  EXPECT_EQ(Dst_offset.number(), 16);
  EXPECT_EQ(Year_woy.number(), 17);
  EXPECT_STREQ(fieldName(15), "Unknown");
  EXPECT_THROW(FieldMaker::field(19), ZVException);
  EXPECT_THROW(FieldMaker::field(-1), ZVException);
  EXPECT_THROW(FieldMaker::field(Zone_offset.number()), ZVException);  // read-only
  EXPECT_THROW(FieldMaker::readOnly(Year.number()), ZVException);
  EXPECT_TRUE(Month < Day_of_month && Hour != Hour_of_day && Second >= Minute);
}

TEST(Exceptions, CodesAndPrintedForms) {
  auto print = [](const ZVTimeLibException& e) {
    std::ostringstream os;
    os << e;
    return os.str();
  };
  EXPECT_EQ(print(IncorrectData("set (zvField[s])")), "TimeLib::IncorrectData : set (zvField[s])");
  EXPECT_EQ(print(InternalError("x")), "TimeLib::InternalError : x");
  EXPECT_EQ(InternalError("x").code(), ZV_E_INTERNAL);
  EXPECT_EQ(print(ZVTimeLibException(ZV_E_FAIL, "m")), "TimeLib::Exception");
  try {
    PredefinedTimeZones::timeBelt().find(ucs2string("Mars/Olympus"));
    ADD_FAILURE();
  } catch (const ZVException& e) {  // caught through the library's base exception
    EXPECT_EQ(e.code(), ZV_S_NOTHING_MATCHED);
    EXPECT_EQ(print(dynamic_cast<const UnknownTimeZone&>(e)), "TimeLib::UnknownTimeZone : Mars/Olympus");
    EXPECT_EQ(dynamic_cast<const UnknownTimeZone&>(e).id(), ucs2string("Mars/Olympus"));
  }
}

}  // namespace
