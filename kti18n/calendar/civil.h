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

}  // namespace eng_civil

#endif
