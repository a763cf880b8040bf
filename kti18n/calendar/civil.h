// Integer helpers shared by the calendar engine's day counting. Internal to
// the engine.
#ifndef KTI18N_CALENDAR_CIVIL_H
#define KTI18N_CALENDAR_CIVIL_H

#include <cstdint>

namespace eng_civil {

// Lengths of time in milliseconds, the engine's unit. Days are always 24
// hours long: daylight time is an offset, not a longer day.
inline constexpr std::int32_t kMillisPerSecond = 1000;
inline constexpr std::int32_t kMillisPerMinute = 60 * kMillisPerSecond;
inline constexpr std::int32_t kMillisPerHour = 60 * kMillisPerMinute;
inline constexpr std::int32_t kMillisPerHalfDay = 12 * kMillisPerHour;
inline constexpr std::int32_t kMillisPerDay = 24 * kMillisPerHour;
inline constexpr std::int32_t kMillisPerWeek = 7 * kMillisPerDay;

// Julian day numbers of the engine's fixed points: 1 January 1970 (the
// origin of instants) and 1 January of year 1 in the Gregorian calendar.
inline constexpr std::int32_t kEpochJulianDay = 2440588;
inline constexpr std::int32_t kGregorianJan1Year1JulianDay = 1721426;

// The Julian day whose instant is the most negative 64-bit count of
// milliseconds: floor(INT64_MIN / kMillisPerDay) + kEpochJulianDay. The
// engine's ancestor computed day counts in 64-bit milliseconds, and a day
// count that overflowed there came out as this day; such a date is taken
// as it is and never recomputed under the other calendar.
inline constexpr double kOverflowedJulianDay = -106749550580.0;
static_assert(kOverflowedJulianDay == double(-9223372036854775807LL / kMillisPerDay - 1 + kEpochJulianDay));

// Division rounding towards minus infinity, and its non-negative remainder
// (for b > 0): day counts before 1970 must fall into the right day, week and
// year, which C++'s truncating division does not give.
constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
constexpr std::int64_t floorMod(std::int64_t a, std::int64_t b) { return a - floorDiv(a, b) * b; }

constexpr bool gregorianLeap(std::int64_t y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }
// The Julian rule also for years 0, -4, -8 ...: a zero remainder has no sign.
constexpr bool julianLeap(std::int64_t y) { return y % 4 == 0; }
constexpr bool leapYear(bool gregorian, std::int64_t y) { return gregorian ? gregorianLeap(y) : julianLeap(y); }

// Julian day number of the day before 1 January of year y (astronomical
// numbering: year 0 is 1 BC). The Julian calendar has 365.25 days a year and
// its 1 January of year 1 is Julian day 1721424; the Gregorian calendar drops
// the century leap days not divisible by 400, which puts its 1 January of
// year 1 two days later, at 1721426.
constexpr std::int64_t julianDayBeforeYear(bool gregorian, std::int64_t y) {
  const std::int64_t y1 = y - 1;
  std::int64_t jd = 365 * y1 + floorDiv(y1, 4) + 1721423;
  if (gregorian) jd += floorDiv(y1, 400) - floorDiv(y1, 100) + 2;
  return jd;
}

// Day of week (1 = Sunday .. 7 = Saturday) of a Julian day number; Julian
// day 0 was a Monday.
constexpr std::int32_t dayOfWeekOfJulianDay(std::int64_t jd) {
  return static_cast<std::int32_t>(floorMod(jd + 1, 7)) + 1;
}

// The proleptic Gregorian date of a day counted from 1970-01-01, for days
// within kGregorianDateRange of it.
//
// Euclidean affine functions (Neri and Schneider, "Euclidean affine functions
// and their application to calendar algorithms", 2022): each step of the
// date is the quotient and remainder of an affine function f(n) = (a n + b) / d,
// and such a quotient can be had from one multiplication and a shift when
// n is bounded. The count starts on 1 March of year 0, so that the leap day
// is the last day of its year and the months March to February have the
// lengths 31 30 31 30 31 31 30 31 30 31 31 29/28, a run that one affine
// function follows:
//  - 4n + 3 = 146097 century + r: Gregorian centuries have 36524.25 days on
//    average, and r / 4 is the day within the century;
//  - (4 r' + 3) / 1461 gives the year within the century and the day within
//    the year, computed as 2939745 (4 r' + 3) / 2^32 (2939745 / 2^32 is
//    1 / 1461 to within the error the bound on r' allows): the upper half is
//    the year, the lower half divided by 2939745 and 4 the day;
//  - (2141 day + 197913) / 2^16 is the month counted from March = 3, and its
//    remainder divided by 2141 the day of the month: five months have 153
//    days, and 2141 / 2^16 is 5 / 153 closely enough for the 366 days of a
//    year.
// January and February then belong to the next calendar year. Everything
// runs on unsigned 32-bit numbers: the day is moved forward by whole
// 400-year cycles, which leaves dates and weekdays as they are.
struct GregorianDate {
  std::int32_t year;        // astronomical: 0 = 1 BC
  std::int32_t month;       // 0 = January
  std::int32_t dayOfMonth;  // from 1
  std::int32_t dayOfYear0;  // 0 = 1 January
  bool leap;
};

inline constexpr std::uint32_t kGregorianShiftCycles = 1000;
// Day 0 of the count (1 March of year 0) lies 719468 days before 1970-01-01.
inline constexpr std::uint32_t kGregorianShiftDays = 719468 + 146097 * kGregorianShiftCycles;
// |day| below this keeps 4n + 3 within 32 bits (and n non-negative).
inline constexpr std::int32_t kGregorianDateRange = 140000000;
static_assert(kGregorianShiftDays > std::uint32_t{kGregorianDateRange});
static_assert(std::uint64_t{4} * (kGregorianShiftDays + kGregorianDateRange) + 3 < (std::uint64_t{1} << 32));

constexpr GregorianDate gregorianDateOfDay(std::int32_t day) {
  const std::uint32_t n = static_cast<std::uint32_t>(day) + kGregorianShiftDays;
  const std::uint32_t n1 = 4 * n + 3;
  const std::uint32_t century = n1 / 146097;
  const std::uint32_t n2 = (n1 % 146097) | 3;  // 4 (day of the century) + 3
  const std::uint64_t p2 = std::uint64_t{2939745} * n2;
  const auto yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);
  const std::uint32_t dayOfMarchYear = static_cast<std::uint32_t>(p2) / 2939745 / 4;
  const std::uint32_t n3 = 2141 * dayOfMarchYear + 197913;
  const std::uint32_t marchMonth = n3 >> 16;  // 3 = March .. 14 = February
  // Without branches: for random dates, whether the year is leap or the
  // day in January or February could not be predicted.
  const std::uint32_t janFeb = dayOfMarchYear >= 306 ? 1 : 0;
  const std::uint32_t shiftedYear = 100 * century + yearOfCentury + janFeb;
  // Divisible by 4 and, among centuries (multiples of 25 then), by 16.
  const std::uint32_t leap = static_cast<std::uint32_t>((shiftedYear & 3) == 0) &
                             (static_cast<std::uint32_t>(shiftedYear % 25 != 0) |
                              static_cast<std::uint32_t>((shiftedYear & 15) == 0));
  GregorianDate date{};
  date.year = static_cast<std::int32_t>(shiftedYear) - static_cast<std::int32_t>(400 * kGregorianShiftCycles);
  date.month = static_cast<std::int32_t>(marchMonth - 1 - 12 * janFeb);
  date.dayOfMonth = static_cast<std::int32_t>((n3 & 0xFFFF) / 2141) + 1;
  // From 1 March, day 0 is 1 January's day 59 (60 in a leap year); 1 January
  // is day 306.
  date.dayOfYear0 = static_cast<std::int32_t>(dayOfMarchYear + 59 + leap - janFeb * (365 + leap));
  date.leap = leap != 0;
  return date;
}

}  // namespace eng_civil

#endif
