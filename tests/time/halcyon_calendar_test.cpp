// The Halcyon calendar: lenient fields, weeks from Monday with a full first
// week, and Gregorian rules back to year 0.
#include <gtest/gtest.h>

#include "kti18n/time/calendar_time.h"
#include "kti18n/time/halcyon_calendar.h"

namespace {

using namespace TimeLib;

zvCalendarTime onHalcyon(int year, int month1, int day) {
  zvFields f;
  f.set(Year, year).set(Month, month1 - 1).set(Day_of_month, day);
  return zvCalendarTime(f, zvTimeZone::utc(), zvHalcyonCalendar::calendar());
}

TEST(HalcyonCalendar, CarriesOutOfRangeFieldsWhereGregorianRefuses) {
  const zvCalendarTime t = onHalcyon(2004, 1, 32);
  EXPECT_EQ(t.month(), 1);
  EXPECT_EQ(t.day_of_month(), 1);
  zvFields f;
  f.set(Year, 2004).set(Month, 0).set(Day_of_month, 32);
  try {
    zvCalendarTime(f, zvTimeZone::utc(), zvCalendar::gregorian());
    ADD_FAILURE() << "January 32 accepted by the Gregorian handle";
  } catch (const IncorrectData& e) {
    EXPECT_EQ(e.code(), ZV_E_INVALID_DATA);
  }
}

TEST(HalcyonCalendar, GregorianRulesFromYearZero) {
  const zvCalendarTime reform = onHalcyon(1582, 10, 10);
  EXPECT_EQ(reform.month(), 9);
  EXPECT_EQ(reform.day_of_month(), 10);
  const zvCalendarTime leap1500 = onHalcyon(1500, 2, 29);  // not a leap year: carries to 1 March
  EXPECT_EQ(leap1500.month(), 2);
  EXPECT_EQ(leap1500.day_of_month(), 1);
  const zvCalendarTime leap1600 = onHalcyon(1600, 2, 29);
  EXPECT_EQ(leap1600.day_of_month(), 29);
  // The day after 1582-10-04 is the 5th, unlike on the historical calendar.
  zvCalendarTime next = onHalcyon(1582, 10, 4);
  next.add(Day_of_month, 1);
  EXPECT_EQ(next.day_of_month(), 5);
}

TEST(HalcyonCalendar, WeeksStartOnMondayAndTheFirstIsFull) {
  const zvCalendarTime thursday = onHalcyon(2004, 1, 1);
  EXPECT_EQ(thursday.year_woy(), 2003);
  EXPECT_EQ(thursday.week_of_year(), 52);
  const zvCalendarTime monday = onHalcyon(2004, 1, 5);
  EXPECT_EQ(monday.year_woy(), 2004);
  EXPECT_EQ(monday.week_of_year(), 1);
  EXPECT_EQ(monday.dow_local(), 1);
}

}  // namespace
