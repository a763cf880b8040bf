// The constant tables of GregorianCalendar.
#include "kti18n/calendar/gregorian_calendar.h"

#include "kti18n/calendar/civil.h"

const std::int32_t GregorianCalendar::kJan1_1JulianDay = eng_civil::kGregorianJan1Year1JulianDay;
const std::int32_t GregorianCalendar::kEpochStartAsJulianDay = eng_civil::kEpochJulianDay;
const std::int32_t GregorianCalendar::kEpochYear = 1970;

const std::int32_t GregorianCalendar::kNumDays[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
const std::int32_t GregorianCalendar::kLeapNumDays[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
const std::int32_t GregorianCalendar::kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
const std::int32_t GregorianCalendar::kLeapMonthLength[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

const std::int32_t GregorianCalendar::kOneSecond = eng_civil::kMillisPerSecond;
const std::int32_t GregorianCalendar::kOneMinute = eng_civil::kMillisPerMinute;
const std::int32_t GregorianCalendar::kOneHour = eng_civil::kMillisPerHour;
const double GregorianCalendar::kOneDay = eng_civil::kMillisPerDay;
const double GregorianCalendar::kOneWeek = eng_civil::kMillisPerWeek;

// 15 October 1582 lies 141427 days before 1970-01-01.
const double GregorianCalendar::kPapalCutover = -141427.0 * eng_civil::kMillisPerDay;

const char GregorianCalendar::kDateTimeElements[] = "DateTimeElements";

// Era, Year, Month, Week_of_year, Week_of_month, Day_of_month, Day_of_year,
// Day_of_week, Day_of_week_in_month, Am_pm, Hour, Hour_of_day, Minute,
// Second, Millisecond, Zone_offset, Dst_offset, Year_woy, Dow_local. The
// year limits are those of the supported range of instants (+-(2^52 - 1) ms
// around 1970).
const std::int32_t GregorianCalendar::kMinValues[FIELD_COUNT] = {
    0, 1, 0, 1, 0, 1, 1, 1, -1, 0, 0, 0, 0, 0, 0, -43200000, 0, 1, 1};
const std::int32_t GregorianCalendar::kLeastMaxValues[FIELD_COUNT] = {
    1, 140742, 11, 52, 4, 28, 365, 7, 4, 1, 11, 23, 59, 59, 999, 50400000, 3600000, 140742, 7};
const std::int32_t GregorianCalendar::kMaxValues[FIELD_COUNT] = {
    1, 144683, 11, 53, 6, 31, 366, 7, 6, 1, 11, 23, 59, 59, 999, 50400000, 3600000, 144683, 7};
