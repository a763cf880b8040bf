// The hybrid calendar's rules: cutover, leap years, weeks, add and roll,
// strictness and actual limits.
#include <gtest/gtest.h>

#include <limits>

#include "engine_test_support.h"

namespace {

using namespace engine_test;
using C = Calendar;

TEST(GregorianRules, CutoverJoinsFourthAndFifteenthOctober1582) {
  auto c = utcCalendar();
  setDate(*c, 1582, 10, 4);
  EngineStatus status = ENG_OK;
  c->add(C::Day_of_month, 1, status);
  EXPECT_EQ(field(*c, C::Month), 9);
  EXPECT_EQ(field(*c, C::Day_of_month), 15);
  EXPECT_EQ(field(*c, C::Day_of_year), 278);
  // Day_of_year counts the days of 1582 as they happened, both ways.
  c->clear();
  c->set(C::Year, 1582);
  c->set(C::Day_of_year, 355);
  EXPECT_EQ(field(*c, C::Month), 11);
  EXPECT_EQ(field(*c, C::Day_of_month), 31);
  // Rolling the day within October 1582 never shows the ten dropped days.
  setDate(*c, 1582, 10, 4);
  c->roll(C::Day_of_month, 1, status);
  EXPECT_EQ(field(*c, C::Day_of_month), 15);
  c->roll(C::Day_of_month, -2, status);
  EXPECT_EQ(field(*c, C::Day_of_month), 3);
  c->roll(C::Day_of_month, 19, status);
  EXPECT_EQ(field(*c, C::Day_of_month), 1);
  EXPECT_EQ(status, ENG_OK);
}

TEST(GregorianRules, LeapYearsFollowTheCalendarInForce) {
  auto c = utcCalendar();
  EXPECT_TRUE(c->isLeapYear(1500));
  EXPECT_FALSE(c->isLeapYear(1700));
  EXPECT_TRUE(c->isLeapYear(2000));
  EXPECT_TRUE(c->isLeapYear(0));
  EXPECT_TRUE(c->isLeapYear(-4));
  EXPECT_FALSE(c->isLeapYear(-1));
  EngineStatus status = ENG_OK;
  setDate(*c, 1900, 2, 1);
  EXPECT_EQ(c->getActualMaximum(C::Day_of_month, status), 28);
  setDate(*c, 1600, 2, 1);
  EXPECT_EQ(c->getActualMaximum(C::Day_of_month, status), 29);
}

TEST(GregorianRules, IsoWeeksAtYearEnds) {
  auto c = utcCalendar();
  setDate(*c, 2004, 12, 31);
  EXPECT_EQ(field(*c, C::Week_of_year), 53);
  EXPECT_EQ(field(*c, C::Year_woy), 2004);
  setDate(*c, 2008, 12, 29);
  EXPECT_EQ(field(*c, C::Week_of_year), 1);
  EXPECT_EQ(field(*c, C::Year_woy), 2009);
  setDate(*c, 2010, 1, 3);
  EXPECT_EQ(field(*c, C::Week_of_year), 53);
  EXPECT_EQ(field(*c, C::Year_woy), 2009);
}

// Every other way of telling a date reads back the same day.
TEST(GregorianRules, WeekAndWeekdayFieldsRoundTrip) {
  auto reader = utcCalendar();
  auto c = utcCalendar();
  for (double t = 1104537600000.0 - 400 * kDay; t < 1104537600000.0 + 800 * kDay; t += kDay) {
    setTime(*reader, t);
    const int year = field(*reader, C::Year), month = field(*reader, C::Month);
    const int dow = field(*reader, C::Day_of_week);

    c->clear();
    c->set(C::Year_woy, field(*reader, C::Year_woy));
    c->set(C::Week_of_year, field(*reader, C::Week_of_year));
    c->set(C::Day_of_week, dow);
    ASSERT_EQ(timeOf(*c), t) << "week of year";

    c->clear();
    c->set(C::Year, year);
    c->set(C::Month, month);
    c->set(C::Week_of_month, field(*reader, C::Week_of_month));
    c->set(C::Day_of_week, dow);
    ASSERT_EQ(timeOf(*c), t) << "week of month";

    c->clear();
    c->set(C::Year, year);
    c->set(C::Month, month);
    c->set(C::Day_of_week, dow);
    c->set(C::Day_of_week_in_month, field(*reader, C::Day_of_week_in_month));
    ASSERT_EQ(timeOf(*c), t) << "n-th weekday";

    // A caller who changes only the week keeps the calendar year's reading.
    setTime(*c, t);
    c->set(C::Week_of_year, field(*reader, C::Week_of_year));
    ASSERT_EQ(timeOf(*c), t) << "week of year, calendar year";
  }
}

TEST(GregorianRules, WeekOfYearKeepsTheEraBeforeChrist) {
  auto c = utcCalendar();
  setDate(*c, -43, 3, 15);
  const double t = timeOf(*c);
  c->set(C::Week_of_year, field(*c, C::Week_of_year));
  EXPECT_EQ(timeOf(*c), t);
  EXPECT_EQ(field(*c, C::Era), GregorianCalendar::BC);
}

TEST(GregorianRules, AddCarriesAndPins) {
  auto c = utcCalendar();
  EngineStatus status = ENG_OK;
  setDate(*c, 2004, 1, 31);
  c->add(C::Month, 1, status);
  EXPECT_EQ(field(*c, C::Month), 1);
  EXPECT_EQ(field(*c, C::Day_of_month), 29);
  c->add(C::Month, -14, status);
  EXPECT_EQ(field(*c, C::Year), 2002);
  EXPECT_EQ(field(*c, C::Month), 11);

  setDate(*c, 0, 6, 1);  // 1 BC
  c->add(C::Year, 1, status);
  EXPECT_EQ(field(*c, C::Era), GregorianCalendar::AD);
  EXPECT_EQ(field(*c, C::Year), 1);
  c->add(C::Year, -1, status);
  EXPECT_EQ(field(*c, C::Era), GregorianCalendar::BC);
  EXPECT_EQ(field(*c, C::Year), 1);

  c->add(C::Era, 5, status);
  EXPECT_EQ(field(*c, C::Era), GregorianCalendar::AD);
  EXPECT_EQ(status, ENG_OK);

  c->add(C::Zone_offset, 1, status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  status = ENG_OK;
  c->roll(C::Dst_offset, 1, status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  status = ENG_OK;
  c->add(static_cast<C::EDateFields>(40), 1, status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
}

TEST(GregorianRules, RollStaysInsideTheLargerField) {
  auto c = utcCalendar();
  EngineStatus status = ENG_OK;
  setDate(*c, 2004, 3, 31, 23);
  c->roll(C::Hour_of_day, 1, status);
  EXPECT_EQ(field(*c, C::Hour_of_day), 0);
  EXPECT_EQ(field(*c, C::Day_of_month), 31);
  c->roll(C::Hour_of_day, -1, status);
  EXPECT_EQ(field(*c, C::Hour_of_day), 23);
  c->roll(C::Month, -3, status);
  EXPECT_EQ(field(*c, C::Month), 11);
  EXPECT_EQ(field(*c, C::Year), 2004);
  c->roll(C::Month, 2, status);  // February: 31 pinned to 29
  EXPECT_EQ(field(*c, C::Day_of_month), 29);
  c->roll(C::Day_of_month, 1, status);
  EXPECT_EQ(field(*c, C::Day_of_month), 1);
  EXPECT_EQ(field(*c, C::Month), 1);
  c->roll(C::Day_of_year, -1, status);
  EXPECT_EQ(field(*c, C::Day_of_year), 31);
  setDate(*c, 2004, 1, 1);
  c->roll(C::Day_of_year, -1, status);
  EXPECT_EQ(field(*c, C::Day_of_year), 366);
  EXPECT_EQ(field(*c, C::Year), 2004);
  c->roll(C::Day_of_week, 1, status);  // the week of Friday 31 December runs into 2005
  EXPECT_EQ(field(*c, C::Year), 2005);
  EXPECT_EQ(field(*c, C::Day_of_year), 1);
  setDate(*c, 2004, 12, 31);
  c->roll(C::Week_of_year, 1, status);  // week 53 of 2004 -> week 1 of 2004
  EXPECT_EQ(field(*c, C::Week_of_year), 1);
  EXPECT_EQ(field(*c, C::Year_woy), 2004);
  c->roll(C::Week_of_year, -1, status);
  EXPECT_EQ(field(*c, C::Week_of_year), 53);
  setDate(*c, 2004, 3, 15);
  c->roll(C::Week_of_month, 3, status);
  EXPECT_EQ(field(*c, C::Month), 2);
  EXPECT_EQ(field(*c, C::Day_of_week), 2);
  EXPECT_EQ(status, ENG_OK);
}

// Moving a local date by days or weeks keeps the wall-clock time across a
// daylight-saving change, for add and roll alike.
TEST(GregorianRules, DayStepsKeepTheWallClockTime) {
  auto paris = zone("Europe/Paris");
  auto c = calendarIn(*paris);
  EngineStatus status = ENG_OK;
  setDate(*c, 2004, 3, 27, 12);
  c->add(C::Day_of_month, 2, status);
  EXPECT_EQ(field(*c, C::Hour_of_day), 12);
  setDate(*c, 2004, 3, 27, 12);  // Saturday
  c->roll(C::Day_of_week, 2, status);
  EXPECT_EQ(field(*c, C::Day_of_month), 22);  // the week of Monday 22 wraps to Monday
  EXPECT_EQ(field(*c, C::Hour_of_day), 12);
  setDate(*c, 2004, 3, 22, 12);
  c->roll(C::Day_of_year, 7, status);
  EXPECT_EQ(field(*c, C::Day_of_month), 29);
  EXPECT_EQ(field(*c, C::Hour_of_day), 12);
  EXPECT_EQ(status, ENG_OK);
}

// A date told by Day_of_year in a zone with daylight time takes the daylight
// offset of that date, not of the date the other fields still show.
TEST(GregorianRules, DaylightOffsetFollowsTheDateReallySet) {
  auto paris = zone("Europe/Paris");
  auto c = calendarIn(*paris);
  c->setLenient(false);
  setDate(*c, 2004, 1, 15, 10);
  EXPECT_EQ(field(*c, C::Dst_offset), 0);
  c->set(C::Day_of_year, 200);
  EXPECT_EQ(field(*c, C::Hour_of_day), 10);
  EXPECT_EQ(field(*c, C::Dst_offset), 3600000);
  EXPECT_EQ(field(*c, C::Month), 6);
}

TEST(GregorianRules, StrictCalendarRefusesOutOfRangeFields) {
  auto c = utcCalendar();
  c->setLenient(false);
  setDate(*c, 2004, 4, 30);
  const double before = timeOf(*c);
  EngineStatus status = ENG_OK;
  c->set(C::Month, 12);
  EXPECT_EQ(c->get(C::Day_of_month, status), 0);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  status = ENG_OK;
  EXPECT_EQ(c->getTime(status), 0);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);

  setDate(*c, 2004, 4, 31);
  status = ENG_OK;
  c->getTime(status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  setDate(*c, 2004, 4, 30);
  c->set(C::Day_of_week_in_month, 0);
  status = ENG_OK;
  c->getTime(status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);

  // An incoming failure makes every operation a no-op.
  setTime(*c, before);
  status = ENG_ILLEGAL_ARGUMENT;
  c->add(C::Day_of_month, 1, status);
  c->setTime(0, status);
  EXPECT_EQ(timeOf(*c), before);

  auto lenient = utcCalendar();
  setDate(*lenient, 2004, 13, 1);
  EXPECT_EQ(field(*lenient, C::Year), 2005);
  EXPECT_EQ(field(*lenient, C::Month), 0);
  lenient->set(C::Era, 2);
  status = ENG_OK;
  lenient->getTime(status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
}

TEST(GregorianRules, ActualLimits) {
  auto c = utcCalendar();
  EngineStatus status = ENG_OK;
  setDate(*c, 2004, 2, 29);  // a Sunday; 1 February 2004 lies in week 0
  EXPECT_EQ(c->getActualMaximum(C::Week_of_month, status), 4);
  EXPECT_EQ(c->getActualMaximum(C::Day_of_week_in_month, status), 5);
  setDate(*c, 2004, 2, 10);  // there are four Tuesdays
  EXPECT_EQ(c->getActualMaximum(C::Day_of_week_in_month, status), 4);
  EXPECT_EQ(c->getActualMaximum(C::Week_of_year, status), 53);
  setDate(*c, 2003, 6, 10);
  EXPECT_EQ(c->getActualMaximum(C::Week_of_year, status), 52);
  EXPECT_EQ(c->getActualMinimum(C::Day_of_month, status), 1);
  const int maxYear = c->getActualMaximum(C::Year, status);
  EXPECT_GE(maxYear, 140742);
  EXPECT_LE(maxYear, 144683);
  c->set(C::Year, maxYear);
  EXPECT_EQ(field(*c, C::Year), maxYear);
  EXPECT_EQ(status, ENG_OK);
  // The date itself is not moved by the searches.
  EXPECT_EQ(field(*c, C::Month), 5);
}

TEST(GregorianRules, FieldDifferenceStepsLikeTheCaller) {
  auto c = utcCalendar();
  auto target = utcCalendar();
  EngineStatus status = ENG_OK;
  setDate(*target, 2004, 3, 15);
  setDate(*c, 2004, 1, 31);
  EXPECT_EQ(c->fieldDifference(timeOf(*target), C::Month, status), 1);
  EXPECT_EQ(field(*c, C::Day_of_month), 29);
  // 31 January steps to 29 February, then to 29 March, which stays before 30 March.
  setDate(*target, 2004, 3, 30);
  setDate(*c, 2004, 1, 31);
  EXPECT_EQ(c->fieldDifference(timeOf(*target), C::Month, status), 2);
  setDate(*c, 2004, 3, 15);
  setDate(*target, 1999, 3, 15, 12);
  // Stepping back stops on 16 March: 15 March 00:00 would pass 12:00.
  EXPECT_EQ(c->fieldDifference(timeOf(*target), C::Day_of_month, status), -1826);
  EXPECT_EQ(field(*c, C::Day_of_month), 16);
  EXPECT_EQ(c->fieldDifference(timeOf(*target), C::Minute, status), -720);
  EXPECT_EQ(timeOf(*c), timeOf(*target));
  // Era cannot move past AD: the count ends instead of looping.
  setDate(*c, 2004, 1, 1);
  EXPECT_EQ(c->fieldDifference(timeOf(*c) + 1e12, C::Era, status), 0);
  // A count beyond 32 bits is refused, and the calendar keeps its instant.
  const double start = timeOf(*c);
  c->fieldDifference(start + 1e12, C::Millisecond, status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  EXPECT_EQ(timeOf(*c), start);
}

TEST(GregorianRules, MovedCutoverAppliesGregorianRulesEarlier) {
  auto c = utcCalendar();
  EngineStatus status = ENG_OK;
  c->setGregorianChange(-62167266000000.0, status);
  ASSERT_EQ(status, ENG_OK);
  EXPECT_FALSE(c->isLeapYear(1500));
  setDate(*c, 1582, 10, 10);
  EXPECT_EQ(field(*c, C::Day_of_month), 10);
  // Year 0 is wholly Gregorian: its days count from 1.
  setDate(*c, 0, 1, 5);
  EXPECT_EQ(field(*c, C::Day_of_year), 5);
  c->setFirstDayOfWeek(2);
  c->setMinimalDaysInFirstWeek(7);
  setDate(*c, 2004, 1, 1);
  EXPECT_EQ(field(*c, C::Week_of_year), 52);
  EXPECT_EQ(field(*c, C::Year_woy), 2003);
  setDate(*c, 2004, 1, 5);
  EXPECT_EQ(field(*c, C::Week_of_year), 1);
}

// Stamps order the caller's settings; a long-lived calendar renumbers them
// instead of overflowing the counter.
class StampProbe : public GregorianCalendar {
 public:
  using GregorianCalendar::GregorianCalendar;
  void nearOverflow() { fNextStamp = std::numeric_limits<std::int32_t>::max() - 1; }
  std::int32_t stamp(EDateFields f) const { return stampOf(f); }
};

TEST(GregorianRules, StampsSurviveCounterOverflow) {
  EngineStatus status = ENG_OK;
  StampProbe c(SimpleTimeZone(0, "UTC"_u2), status);
  c.clear();
  c.set(C::Year, 2004);
  c.nearOverflow();
  c.set(C::Day_of_month, 1);       // last stamp before the limit
  c.set(C::Day_of_year, 100);      // renumbers first
  c.set(C::Month, 0);
  EXPECT_LT(c.stamp(C::Year), c.stamp(C::Day_of_month));
  EXPECT_LT(c.stamp(C::Day_of_month), c.stamp(C::Day_of_year));
  EXPECT_LT(c.stamp(C::Day_of_year), c.stamp(C::Month));
  EXPECT_EQ(field(c, C::Day_of_month), 1);  // Month set last: month and day decide
  EXPECT_EQ(field(c, C::Month), 0);
}

TEST(GregorianRules, EqualityAndCopies) {
  auto a = utcCalendar();
  setDate(*a, 2004, 5, 17, 13, 45, 7, 250);
  timeOf(*a);
  std::unique_ptr<Calendar> b(a->clone());
  EXPECT_TRUE(*a == *b);
  EngineStatus status = ENG_OK;
  b->add(C::Millisecond, 1, status);
  EXPECT_FALSE(*a == *b);
  EXPECT_TRUE(a->equivalentTo(*b));
  EXPECT_TRUE(a->before(*b, status));
  EXPECT_TRUE(b->after(*a, status));
  b->setLenient(false);
  EXPECT_FALSE(a->equivalentTo(*b));
  GregorianCalendar copy(*a);
  EXPECT_TRUE(copy == *a);
  copy.setTimeZone(*zone("Asia/Tokyo"));
  EXPECT_FALSE(copy.equivalentTo(*a));
  EXPECT_EQ(field(copy, C::Hour_of_day), 22);
}

}  // namespace
