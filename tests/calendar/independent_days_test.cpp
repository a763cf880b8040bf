// The engine's fields against a day count written independently here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "engine_test_support.h"

namespace {

using namespace engine_test;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days since 1970-01-01 of a date, counting years from 1 March so that the
// leap day comes last: the day of such a year is (153 m' + 2) / 5 + d - 1
// with m' the month counted from March.
std::int64_t marchDayOfYear(int month, int day) { return (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1; }

std::int64_t gregorianDays(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = floorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + marchDayOfYear(m, d);
  return era * 146097 + doe - 719468;
}

std::int64_t julianDaysUnshifted(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = floorDiv(y, 4);
  const std::int64_t yoe = y - era * 4;
  return era * 1461 + yoe * 365 + marchDayOfYear(m, d);
}

// 4 October 1582 (Julian) is the day before 15 October 1582 (Gregorian).
const std::int64_t kJulianShift = gregorianDays(1582, 10, 15) - 1 - julianDaysUnshifted(1582, 10, 4);

bool beforeCutover(std::int64_t y, int m, int d) {
  return y < 1582 || (y == 1582 && (m < 10 || (m == 10 && d < 15)));
}

std::int64_t civilDays(std::int64_t y, int m, int d) {
  return beforeCutover(y, m, d) ? julianDaysUnshifted(y, m, d) + kJulianShift : gregorianDays(y, m, d);
}

bool leapYear(std::int64_t y) {
  return y < 1582 ? floorDiv(y, 4) * 4 == y : (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0));
}

int dayOfWeek(std::int64_t days) { return static_cast<int>(days - floorDiv(days + 4, 7) * 7 + 4) + 1; }

// A date that exists: the ten days dropped in October 1582 do not.
bool validDate(std::int64_t y, int m, int d) {
  static const int kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m < 1 || m > 12 || d < 1 || d > kLength[m - 1] + (m == 2 && leapYear(y) ? 1 : 0)) return false;
  return !(y == 1582 && m == 10 && d > 4 && d < 15);
}

// The astronomical year holding a day, among the years next to a guess.
std::int64_t yearOfDay(std::int64_t days, std::int64_t guess) {
  while (civilDays(guess, 1, 1) > days) --guess;
  while (civilDays(guess + 1, 1, 1) <= days) ++guess;
  return guess;
}

// All 19 fields of a calendar set to t in a zone of fixed offset, checked
// against the day count above and plain definitions: ISO weeks belong to
// the year (or month) holding their Thursday; weeks start on Monday.
::testing::AssertionResult referenceFields(Calendar& c, double t, int offset) {
  setTime(c, t);
  const double local = t + offset;
  const auto days = static_cast<std::int64_t>(std::floor(local / kDay));
  const auto millisInDay = static_cast<std::int64_t>(local - static_cast<double>(days) * kDay);
  const int era = field(c, Calendar::Era), yearOfEra = field(c, Calendar::Year);
  const int month = field(c, Calendar::Month) + 1, day = field(c, Calendar::Day_of_month);
  const std::int64_t y = era == GregorianCalendar::AD ? yearOfEra : 1 - yearOfEra;
  auto fail = [&](const char* what, std::int64_t got, std::int64_t expected) {
    return ::testing::AssertionFailure() << what << " " << got << " != " << expected << " at t=" << t << " offset "
                                         << offset << " (" << y << "-" << month << "-" << day << ")";
  };
  if (era != GregorianCalendar::AD && era != GregorianCalendar::BC) return fail("era", era, 1);
  if (yearOfEra < 1 || !validDate(y, month, day)) return fail("valid date", 0, 1);
  if (civilDays(y, month, day) != days) return fail("day count", civilDays(y, month, day), days);
  const int weekday = dayOfWeek(days), isoWeekday = (weekday + 5) % 7 + 1;  // Monday = 1
  const std::int64_t thursday = days - isoWeekday + 4;
  const std::int64_t weekYear = yearOfDay(thursday, y);
  const std::int64_t monthThursday = thursday - (days - (day - 1));  // counted from the month's day 1
  const std::int64_t expected[Calendar::FIELD_COUNT] = {
      era, yearOfEra, month - 1, (thursday - civilDays(weekYear, 1, 1)) / 7 + 1,
      monthThursday < 0 ? 0 : monthThursday / 7 + 1, day, days - civilDays(y, 1, 1) + 1, weekday,
      (day - 1) / 7 + 1, millisInDay / 43200000, millisInDay / 3600000 % 12, millisInDay / 3600000,
      millisInDay / 60000 % 60, millisInDay / 1000 % 60, millisInDay % 1000, offset, 0,
      weekYear >= 1 ? weekYear : 1 - weekYear, isoWeekday};
  for (int f = 0; f < Calendar::FIELD_COUNT; ++f) {
    const int got = field(c, static_cast<Calendar::EDateFields>(f));
    if (got != expected[f]) return fail(("field " + std::to_string(f)).c_str(), got, expected[f]);
  }
  return ::testing::AssertionSuccess();
}

TEST(IndependentDayCount, RandomInstantsMatchAndRoundTrip) {
  auto calendar = utcCalendar();
  auto builder = utcCalendar();
  builder->setLenient(false);
  const double low = static_cast<double>(civilDays(-5000, 1, 1)) * kDay;
  const double high = static_cast<double>(civilDays(10000, 1, 1)) * kDay;
  std::mt19937_64 random(20041031);
  std::uniform_int_distribution<std::int64_t> pick(static_cast<std::int64_t>(low), static_cast<std::int64_t>(high));
  for (int i = 0; i < 200000; ++i) {
    const double t = static_cast<double>(pick(random));
    setTime(*calendar, t);
    const int era = field(*calendar, Calendar::Era), year = field(*calendar, Calendar::Year);
    const int month = field(*calendar, Calendar::Month) + 1, day = field(*calendar, Calendar::Day_of_month);
    const std::int64_t y = era == GregorianCalendar::AD ? year : 1 - year;
    const std::int64_t days = static_cast<std::int64_t>(std::floor(t / kDay));
    const auto millisInDay = static_cast<std::int64_t>(t - static_cast<double>(days) * kDay);
    ASSERT_EQ(civilDays(y, month, day), days) << "t=" << t << " " << y << "-" << month << "-" << day;
    ASSERT_EQ(field(*calendar, Calendar::Day_of_week), dayOfWeek(days)) << t;
    const std::int64_t jan1 = civilDays(y, 1, 1);
    ASSERT_EQ(field(*calendar, Calendar::Day_of_year), days - jan1 + 1) << t;
    ASSERT_EQ(field(*calendar, Calendar::Hour_of_day), millisInDay / 3600000) << t;
    ASSERT_EQ(field(*calendar, Calendar::Minute), millisInDay / 60000 % 60) << t;
    ASSERT_EQ(field(*calendar, Calendar::Second), millisInDay / 1000 % 60) << t;
    ASSERT_EQ(field(*calendar, Calendar::Millisecond), millisInDay % 1000) << t;

    // Fields -> time -> fields, on a strict calendar.
    setDate(*builder, static_cast<int>(y), month, day, static_cast<int>(millisInDay / 3600000),
            static_cast<int>(millisInDay / 60000 % 60), static_cast<int>(millisInDay / 1000 % 60),
            static_cast<int>(millisInDay % 1000));
    EngineStatus status = ENG_OK;
    ASSERT_EQ(builder->getTime(status), t) << y << "-" << month << "-" << day;
    ASSERT_EQ(status, ENG_OK);
    ASSERT_EQ(field(*builder, Calendar::Year), year);
    ASSERT_EQ(field(*builder, Calendar::Month), month - 1);
    ASSERT_EQ(field(*builder, Calendar::Day_of_month), day);
    ASSERT_EQ(field(*builder, Calendar::Day_of_year), field(*calendar, Calendar::Day_of_year));
    ASSERT_EQ(field(*builder, Calendar::Week_of_year), field(*calendar, Calendar::Week_of_year));
  }
}

// The fields a calendar reads, set on a strict calendar in the same zone,
// give back its instant.
::testing::AssertionResult roundTrips(Calendar& read, Calendar& builder) {
  const int era = field(read, Calendar::Era), year = field(read, Calendar::Year);
  setDate(builder, era == GregorianCalendar::AD ? year : 1 - year, field(read, Calendar::Month) + 1,
          field(read, Calendar::Day_of_month), field(read, Calendar::Hour_of_day), field(read, Calendar::Minute),
          field(read, Calendar::Second), field(read, Calendar::Millisecond));
  EngineStatus status = ENG_OK;
  const double back = builder.getTime(status), t = timeOf(read);
  if (status == ENG_OK && back == t) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "t=" << t << " came back as " << back << " status " << status;
}

// Random instants over the whole supported range and the years around 1 AD
// and the cutover, in UTC and the two most distant offsets, then every day
// around the cutover and around year 0; each also back from its fields.
TEST(IndependentDayCount, EveryFieldOverTheWholeRange) {
  const SimpleTimeZone utc(0, "UTC"_u2), east(50400000, "E"_u2), west(-43200000, "W"_u2);
  std::mt19937_64 random(1582);
  const auto limit = static_cast<std::int64_t>(Calendar::LATEST_SUPPORTED_MILLIS);
  std::uniform_int_distribution<std::int64_t> anywhere(-limit, limit);
  std::uniform_int_distribution<std::int64_t> historical(static_cast<std::int64_t>(civilDays(-3000, 1, 1) * kDay),
                                                         static_cast<std::int64_t>(civilDays(3000, 1, 1) * kDay));
  for (const SimpleTimeZone* zone : {&utc, &east, &west}) {
    auto calendar = calendarIn(*zone), builder = calendarIn(*zone);
    builder->setLenient(false);
    const int offset = zone->getRawOffset();
    for (int i = 0; i < 30000; ++i) {
      auto t = static_cast<double>(i % 2 == 0 ? anywhere(random) : historical(random));
      t = std::min(std::max(t, Calendar::EARLIEST_SUPPORTED_MILLIS), Calendar::LATEST_SUPPORTED_MILLIS);
      ASSERT_TRUE(referenceFields(*calendar, t, offset));
      ASSERT_TRUE(roundTrips(*calendar, *builder));
    }
    for (const std::int64_t middle : {civilDays(1582, 10, 15), civilDays(1, 1, 1)})
      for (std::int64_t d = middle - 800; d < middle + 800; ++d) {
        ASSERT_TRUE(referenceFields(*calendar, static_cast<double>(d) * kDay + 43200000.0 - offset, offset));
        ASSERT_TRUE(roundTrips(*calendar, *builder));
      }
  }
}

TEST(IndependentDayCount, LeapYearsAndFirstWeekdayOfEveryYear) {
  auto calendar = utcCalendar();
  for (int y = -4800; y <= 4800; ++y) {
    ASSERT_EQ(calendar->isLeapYear(y), leapYear(y)) << y;
    setDate(*calendar, y, 1, 1);
    ASSERT_EQ(field(*calendar, Calendar::Day_of_week), dayOfWeek(civilDays(y, 1, 1))) << y;
    EngineStatus status = ENG_OK;
    const int expectedLength = y == 1582 ? 355 : (leapYear(y) ? 366 : 365);
    ASSERT_EQ(calendar->getActualMaximum(Calendar::Day_of_year, status), expectedLength) << y;
    ASSERT_EQ(calendar->getActualMaximum(Calendar::Day_of_month, status), 31) << y;
  }
}

// ISO 8601 week numbers computed here from the Thursday rule: a week
// belongs to the year that holds its Thursday.
TEST(IndependentDayCount, IsoWeeksOfModernYears) {
  auto calendar = utcCalendar();
  for (std::int64_t days = gregorianDays(1900, 1, 1); days < gregorianDays(2101, 1, 1); ++days) {
    setTime(*calendar, static_cast<double>(days) * kDay);
    const int isoWeekday = (dayOfWeek(days) + 5) % 7 + 1;  // Monday = 1
    const std::int64_t thursday = days - isoWeekday + 4;
    setTime(*calendar, static_cast<double>(thursday) * kDay);
    const int weekYear = field(*calendar, Calendar::Year);
    const std::int64_t week = (thursday - gregorianDays(weekYear, 1, 1)) / 7 + 1;
    setTime(*calendar, static_cast<double>(days) * kDay);
    ASSERT_EQ(field(*calendar, Calendar::Week_of_year), week) << days;
    ASSERT_EQ(field(*calendar, Calendar::Year_woy), weekYear) << days;
  }
}

}  // namespace
