// Conversion between instants and fields in the hybrid calendar.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "kti18n/calendar/civil.h"
#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/historical_time_zone.h"
#include "kti18n/calendar/simple_time_zone.h"
#include "kti18n/calendar/time_zone.h"

using eng_civil::dayOfWeekOfJulianDay;
using eng_civil::floorDiv;
using eng_civil::floorMod;
using eng_civil::julianDayBeforeYear;

namespace {

// Constants rather than the class's tables, so that the hot paths divide by
// constants rather than by loaded values.
constexpr std::int64_t kMillisPerDay = eng_civil::kMillisPerDay;
constexpr double kDayMillis = eng_civil::kMillisPerDay;
using eng_civil::kEpochJulianDay;
constexpr std::int32_t kJan1Year1JulianDay = eng_civil::kGregorianJan1Year1JulianDay;

constexpr std::int32_t kAllInternallySet[Calendar::FIELD_COUNT] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                                  1, 1, 1, 1, 1, 1, 1, 1, 1};

// x mod 7 for -7000 < x < 6000, the range of the week arithmetic (days of a
// year or month, weekdays, and in a cutover year a shift of the year's
// start). Moved to 0 < u < 13000, u / 7 is u 9363 / 2^16 exactly (9363 / 2^16
// exceeds 1/7 by less than 1 / (7 13107)), one multiplication and a shift.
constexpr std::int32_t mod7(std::int32_t x) {
  const auto u = static_cast<std::uint32_t>(x + 7000);
  return static_cast<std::int32_t>(u - 7 * ((u * 9363) >> 16));
}
constexpr bool mod7HoldsOverItsRange() {
  for (std::int32_t x = -6999; x < 6000; ++x)
    if (mod7(x) != ((x % 7) + 7) % 7) return false;
  return true;
}
static_assert(mod7HoldsOverItsRange());

// Day of week (1 = Sunday) of a day counted from 1970-01-01, a Thursday;
// whole weeks ahead make the division one of non-negative numbers.
constexpr std::int32_t dayOfWeekOfDay(std::int32_t day) {
  constexpr std::uint32_t kWeeksAhead = 7u * 30000000u;
  static_assert(kWeeksAhead > std::uint32_t{eng_civil::kGregorianDateRange});
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(day) + kWeeksAhead + 4u) % 7u) + 1;
}

// floor() of an instant in ms, as an integer (instants are within 2^53).
std::int64_t floorMillis(double millis) {
  const auto truncated = static_cast<std::int64_t>(millis);
  return static_cast<double>(truncated) > millis ? truncated - 1 : truncated;
}

// The day (counted from 1970-01-01) holding a local time in ms: local times
// stay within +-5.2e15 ms, so an offset of 6e7 days makes the division one
// of non-negative numbers.
constexpr std::int64_t kDayBias = 60000000;
std::int64_t dayOf(std::int64_t localMillis) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(localMillis + kDayBias * kMillisPerDay) /
                                   static_cast<std::uint64_t>(kMillisPerDay)) -
         kDayBias;
}

// What a zone tells of an instant: both offsets, or (byLocalDate) only the
// raw offset, the daylight offset then depending on the local date.
struct ZoneAnswer {
  std::int32_t rawOffset = 0;
  std::int32_t dstOffset = 0;
  bool byLocalDate = false;
};

// The engine's own two kinds of zone are asked directly, which saves the
// virtual calls that cost as much as the rest of the conversion; any other
// zone is asked through its virtual operations. (Subclasses that keep
// their base's class ID are the base's kind, as in their comparisons.)
ZoneAnswer offsetsAtInstant(const TimeZone& zone, TimeZone::ClassID kind, double instant) {
  ZoneAnswer answer;
  if (kind == SimpleTimeZone::getStaticClassId()) {
    const auto& simple = static_cast<const SimpleTimeZone&>(zone);
    answer.rawOffset = simple.SimpleTimeZone::getRawOffset();
    answer.byLocalDate = simple.SimpleTimeZone::useDaylightTime();
  } else if (kind == HistoricalTimeZone::getStaticClassId()) {
    // The instant lies within the supported range.
    const auto& history = static_cast<const HistoricalTimeZone&>(zone).history();
    const eng_tzdb::ZoneOffsets o = history.atInstant(floorMillis(instant));
    answer.rawOffset = o.raw;
    answer.dstOffset = o.dst;
  } else if (!zone.getOffsetsAtInstant(instant, answer.rawOffset, answer.dstOffset)) {
    answer.rawOffset = zone.getRawOffset();
    answer.dstOffset = 0;
    answer.byLocalDate = zone.useDaylightTime();
  }
  return answer;
}

// Local times reach beyond the supported range of instants by at most the
// zone offsets; this keeps day counts well inside 32 bits.
constexpr double kLocalLimit = Calendar::LATEST_SUPPORTED_MILLIS + 2.0 * kDayMillis;

}  // namespace

// ---- Time to fields --------------------------------------------------------

// The steps from a day to its fields are forced inline into computeFields
// and computeTime: as calls of their own they cost about as much as their
// arithmetic.

// The date of a local day. The Gregorian date comes from the day count
// directly (see gregorianDateOfDay). The Julian calendar has only the
// 4-year cycle, so the year is floor((4 d + 1464) / 1461) directly, with d
// counted from the Julian 1 January of year 1; months then follow from the
// day of the year: counting February as 30 days turns the month lengths into
// a near-linear run, which (12 d + 6) / 367 inverts.
[[gnu::always_inline]] inline GregorianCalendar::CivilDay GregorianCalendar::civilDay(std::int64_t epochDay) const {
  CivilDay c{};
  // Day counts of the supported range stay below 2^27, so 32 bits suffice
  // from here on.
  const auto day = static_cast<std::int32_t>(epochDay);
  const bool gregorian = static_cast<double>(day) * kDayMillis >= fNormalizedGregorianCutover;
  if (gregorian) {
    const eng_civil::GregorianDate g = eng_civil::gregorianDateOfDay(day);
    c.rawYear = g.year;
    c.month = g.month;
    c.dayOfMonth = g.dayOfMonth;
    c.dayOfYear0 = g.dayOfYear0;
    c.leap = g.leap;
    // In the cutover year Day_of_year counts on from the Julian 1 January.
    if (c.rawYear == fGregorianCutoverYear) c.dayOfYear0 -= cutoverYearShift();
  } else {
    const std::int32_t d = day + kEpochJulianDay - (kJan1Year1JulianDay - 2);
    const auto rawYear = static_cast<std::int32_t>(floorDiv(4 * std::int64_t{d} + 1464, 1461));
    const std::int32_t dayOfYear0 = d - (365 * (rawYear - 1) + static_cast<std::int32_t>(floorDiv(rawYear - 1, 4)));
    c.leap = eng_civil::julianLeap(rawYear);
    const std::int32_t leapCorrection = dayOfYear0 >= (c.leap ? 60 : 59) ? (c.leap ? 1 : 2) : 0;
    c.month = (12 * (dayOfYear0 + leapCorrection) + 6) / 367;
    c.dayOfMonth = dayOfYear0 - (c.leap ? kLeapNumDays : kNumDays)[c.month] + 1;
    c.rawYear = rawYear;
    c.dayOfYear0 = dayOfYear0;
  }
  c.dayOfWeek = dayOfWeekOfDay(day);
  return c;
}

[[gnu::always_inline]] inline void GregorianCalendar::applyCivilDay(const CivilDay& c) {
  const bool ad = c.rawYear >= 1;
  const std::int32_t year = ad ? c.rawYear : 1 - c.rawYear;
  internalSet(Era, ad ? AD : BC);
  internalSet(Year, year);
  internalSet(Month, c.month);
  internalSet(Day_of_month, c.dayOfMonth);
  internalSet(Day_of_year, c.dayOfYear0 + 1);
  internalSet(Day_of_week, c.dayOfWeek);
  computeWeekFields(c, ad, year);
}

// Week numbers under the week rule (first day of week, minimal days of the
// first week): week 1 is the first week with at least the minimal number of
// days in the period, so days before it belong to the last week of the
// previous period and the days at the end of a year may belong to week 1 of
// the next. Everything follows from the day of the year, the day of the
// month and the weekday; only the first and last days of a year need a
// year's length.
[[gnu::always_inline]] inline void GregorianCalendar::computeWeekFields(const CivilDay& c, bool ad, std::int32_t year) {
  const std::int32_t firstDay = getFirstDayOfWeek();
  const std::int32_t minimalDays = getMinimalDaysInFirstWeek();
  const std::int32_t dayOfYear = c.dayOfYear0 + 1;
  const std::int32_t dow = c.dayOfWeek;

  const std::int32_t relDowOrNegative = dow - firstDay;  // -6..6
  const std::int32_t relDow = relDowOrNegative + (7 & (relDowOrNegative >> 31));  // no branch to mispredict
  const std::int32_t relDowJan1 = mod7(dow - dayOfYear + 1 - firstDay);
  std::int32_t woy = (dayOfYear - 1 + relDowJan1) / 7;
  std::int32_t yearWoy = year;
  if (7 - relDowJan1 >= minimalDays) ++woy;
  // The last days of a year belong to week 1 of the next when their week
  // has too few days in this year, whether or not this year's first week
  // was counted.
  // (Only the cutover year is shorter than 365 days, so earlier days of
  // other years need not look up the year's length.)
  const std::int32_t lastDoy =
      dayOfYear > 358 || c.rawYear == fGregorianCutoverYear ? yearLength(c.rawYear) : 366;
  if (woy != 0 && dayOfYear > lastDoy - 7) {
    const std::int32_t lastRelDow = mod7(relDow + lastDoy - dayOfYear);
    if (6 - lastRelDow >= minimalDays && dayOfYear + 7 - relDow > lastDoy) {
      woy = 1;
      yearWoy = ad ? year + 1 : (year == 1 ? 1 : year - 1);
    }
  }
  if (woy == 0) {
    woy = weekNumber(dayOfYear + yearLength(std::int64_t{c.rawYear} - 1), dow);
    yearWoy = ad ? (year == 1 ? 1 : year - 1) : year + 1;
  }
  internalSet(Week_of_year, woy);
  internalSet(Year_woy, yearWoy);
  internalSet(Week_of_month, weekNumber(c.dayOfMonth, dow));
  internalSet(Day_of_week_in_month, static_cast<std::int32_t>(static_cast<std::uint32_t>(c.dayOfMonth - 1) / 7) + 1);
  internalSet(Dow_local, relDow + 1);
}

std::int32_t GregorianCalendar::weekNumber(std::int32_t dayOfPeriod, std::int32_t dayOfWeek) const {
  const std::int32_t start = mod7(dayOfWeek - getFirstDayOfWeek() - dayOfPeriod + 1);
  std::int32_t week = (dayOfPeriod + start - 1) / 7;  // dayOfPeriod >= 1
  if (7 - start >= getMinimalDaysInFirstWeek()) ++week;
  return week;
}

// A zone that knows its offsets by instant gives both at once, and so does
// a zone without daylight time. Otherwise the zone's raw offset gives the
// local standard time, whose date decides the daylight offset. When
// daylight time pushes the time of day past midnight (either way) the date
// is read again. The fields are written once, at the end.
void GregorianCalendar::computeFields(EngineStatus& status) {
  if (eng_failure(status)) return;
  const double time = internalGetTime();
  if (!(time >= EARLIEST_SUPPORTED_MILLIS && time <= LATEST_SUPPORTED_MILLIS)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  const ZoneAnswer offsets = offsetsAtInstant(getTimeZone(), zoneKind(), time);
  const std::int32_t rawOffset = offsets.rawOffset;
  std::int32_t dstOffset = offsets.dstOffset;
  // Local times are whole milliseconds within 2^53 of 1970 (the supported
  // range plus an offset), exact in 64 bits: no sum can overflow into the
  // opposite sign, which would call for clamping. Offsets known by instant
  // are applied at once; by the rules, the date in standard time tells the
  // daylight offset, which may then move the time past midnight.
  const std::int64_t localMillis = floorMillis(time) + rawOffset + dstOffset;
  const std::int64_t day = dayOf(localMillis);
  CivilDay c = civilDay(day);
  auto millisInDay = static_cast<std::int32_t>(localMillis - day * kMillisPerDay);
  if (offsets.byLocalDate) {
    const bool ad = c.rawYear >= 1;
    dstOffset = getTimeZone().getOffset(ad ? AD : BC, ad ? c.rawYear : 1 - c.rawYear, c.month, c.dayOfMonth,
                                        c.dayOfWeek, millisInDay, monthLength(c.month, c.rawYear), status) -
                rawOffset;
    if (eng_failure(status)) return;
    millisInDay += dstOffset;
    if (millisInDay >= kMillisPerDay || millisInDay < 0) {
      millisInDay = static_cast<std::int32_t>(floorMod(millisInDay, kMillisPerDay));
      c = civilDay(dayOf(localMillis + dstOffset));
    }
  }
  applyCivilDay(c);

  // 0 <= millisInDay < one day.
  const auto millis = static_cast<std::uint32_t>(millisInDay);
  const std::uint32_t seconds = millis / 1000, minutes = seconds / 60, hours = minutes / 60;
  internalSet(Millisecond, static_cast<std::int32_t>(millis - 1000 * seconds));
  internalSet(Second, static_cast<std::int32_t>(seconds - 60 * minutes));
  internalSet(Minute, static_cast<std::int32_t>(minutes - 60 * hours));
  internalSet(Hour_of_day, static_cast<std::int32_t>(hours));
  const std::uint32_t pm = hours >= 12 ? 1 : 0;
  internalSet(Am_pm, static_cast<std::int32_t>(pm));
  internalSet(Hour, static_cast<std::int32_t>(hours - 12 * pm));
  internalSet(Zone_offset, rawOffset);
  internalSet(Dst_offset, dstOffset);

  std::memset(fIsSet, true, sizeof fIsSet);
  std::memcpy(fStamp, kAllInternallySet, sizeof fStamp);
  fNextStamp = kMinimumUserStamp;
}

// ---- Fields to time --------------------------------------------------------

// All arithmetic runs in 64 bits: fields may hold any 32-bit value in a
// lenient calendar, and a result outside the supported range is refused
// with status 1 rather than wrapped.
void GregorianCalendar::computeTime(EngineStatus& status) {
  if (eng_failure(status)) return;
  if (!isLenient() && !validateFields()) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  std::int64_t year = isSet(Year) ? internalGet(Year) : kEpochYear;
  if (isSet(Era)) {
    const std::int32_t era = internalGet(Era);
    if (era == BC) {
      year = 1 - year;
    } else if (era != AD) {
      status = ENG_ILLEGAL_ARGUMENT;
      return;
    }
  }

  // The calendar is chosen by the year first; a date on the other side of
  // the cutover (early 1582, say) is then computed again with the other one.
  const bool isGregorian = year >= fGregorianCutoverYear;
  double julianDay = computeJulianDay(isGregorian, year);
  double millis = (julianDay - kEpochJulianDay) * kDayMillis;
  if (isGregorian != (millis >= fNormalizedGregorianCutover) && julianDay != eng_civil::kOverflowedJulianDay) {
    julianDay = computeJulianDay(!isGregorian, year);
    millis = (julianDay - kEpochJulianDay) * kDayMillis;
  }

  // The more recently set of Hour_of_day and Hour (with Am_pm) gives the hour.
  std::int64_t hour = 0;
  if (isSet(Hour_of_day) || isSet(Hour)) {
    hour = stampOf(Hour_of_day) >= stampOf(Hour)
               ? std::int64_t{internalGet(Hour_of_day)}
               : std::int64_t{internalGet(Hour)} + 12 * std::int64_t{internalGet(Am_pm)};
  }
  const std::int64_t millisInDay =
      ((hour * 60 + internalGet(Minute)) * 60 + internalGet(Second)) * 1000 + internalGet(Millisecond);
  millis += static_cast<double>(millisInDay);
  if (!(std::fabs(millis) <= kLocalLimit)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }

  // A caller's Zone_offset fixes both offsets; otherwise the zone tells the
  // daylight offset of the date the local time really falls on (which, when
  // other fields than Month and Day_of_month decided the date or the time of
  // day overflowed, is not the one in those fields).
  const bool callerOffset = stampOf(Zone_offset) >= kMinimumUserStamp;
  const TimeZone& zone = getTimeZone();
  std::int32_t localRaw = 0, localDst = 0;
  const bool knownByLocalTime = !callerOffset && zone.getOffsetsAtLocalTime(millis, localRaw, localDst);
  const double zoneOffset = callerOffset       ? internalGet(Zone_offset)
                            : knownByLocalTime ? localRaw
                                               : zone.getRawOffset();
  double dstOffset = 0;
  if (callerOffset) {
    dstOffset = internalGet(Dst_offset);
  } else if (knownByLocalTime) {
    dstOffset = localDst;
  } else if (zone.useDaylightTime()) {
    const std::int64_t localMillis = floorMillis(millis);
    const std::int64_t day = dayOf(localMillis);
    const auto normalizedMillisInDay = static_cast<std::int32_t>(localMillis - day * kMillisPerDay);
    const CivilDay c = civilDay(day);
    const std::int32_t era = c.rawYear < 1 ? BC : AD;
    const std::int32_t yearOfEra = c.rawYear < 1 ? 1 - c.rawYear : c.rawYear;
    dstOffset = zone.getOffset(era, yearOfEra, c.month, c.dayOfMonth, c.dayOfWeek, normalizedMillisInDay,
                               monthLength(c.month, c.rawYear), status) -
                zoneOffset;
    if (eng_failure(status)) return;
  }
  const double instant = millis - zoneOffset - dstOffset;
  if (!(instant >= EARLIEST_SUPPORTED_MILLIS && instant <= LATEST_SUPPORTED_MILLIS)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  internalSetTime(instant);
}

// The Julian day of the date the fields give. The most recently set of the
// date fields decides how the date is told: month and day of month; month,
// week of month and weekday; month, n-th weekday; day of year; or week of
// year and weekday.
double GregorianCalendar::computeJulianDay(bool isGregorian, std::int64_t year) const {
  const std::int32_t firstDay = getFirstDayOfWeek();
  const std::int32_t minimalDays = getMinimalDaysInFirstWeek();
  const std::int32_t monthStamp = stampOf(Month), domStamp = stampOf(Day_of_month),
                     womStamp = stampOf(Week_of_month), dowimStamp = stampOf(Day_of_week_in_month),
                     doyStamp = stampOf(Day_of_year), woyStamp = stampOf(Week_of_year);
  std::int32_t best = std::max({monthStamp, domStamp, womStamp, dowimStamp, doyStamp});

  // The weekday asked for, relative to the first day of the week.
  const std::int64_t requestedRelDow =
      stampOf(Dow_local) > stampOf(Day_of_week) ? std::int64_t{internalGet(Dow_local)} - 1
      : isSet(Day_of_week)                      ? floorMod(std::int64_t{internalGet(Day_of_week)} - firstDay, 7)
                                                : 0;
  // The first 1 January on the timeline of a year: in a cutover year that
  // began under Julian rules it is the Julian one.
  const auto jan1 = [&](std::int64_t y) {
    if (isGregorian && y == fGregorianCutoverYear && cutoverYearShift() != 0)
      return julianDayBeforeYear(false, y) + 1;
    return julianDayBeforeYear(isGregorian, y) + 1;
  };
  const auto relDowOf = [&](std::int64_t julianDay) {
    return floorMod(dayOfWeekOfJulianDay(julianDay) - firstDay, 7);
  };
  // Day of the year (possibly <= 0) on which week 1 starts.
  const auto firstWeekStart = [&](std::int64_t relDowJan1) {
    return (7 - relDowJan1 >= minimalDays ? 1 : 8) - relDowJan1;
  };
  const auto eraAdjusted = [&](std::int64_t y) { return isSet(Era) && internalGet(Era) == BC ? 1 - y : y; };

  bool weekOfYearWins = false;
  if (woyStamp >= best) {
    if (stampOf(Year_woy) > stampOf(Year)) {
      year = eraAdjusted(internalGet(Year_woy));
      weekOfYearWins = true;
    } else if (woyStamp > best) {
      weekOfYearWins = true;
      if (isSet(Year_woy) && stampOf(Year_woy) >= stampOf(Year)) {
        year = eraAdjusted(internalGet(Year_woy));
      } else {
        // Only the calendar year is known: a day of week 1 before 1 January
        // belongs to the next week year, a day of week 52 or 53 after
        // 31 December to the previous one.
        const std::int64_t relDowJan1 = relDowOf(jan1(year));
        const std::int64_t start = firstWeekStart(relDowJan1);
        const std::int32_t woy = internalGet(Week_of_year);
        if (woy == 1) {
          if (start < 1 && requestedRelDow < relDowJan1) ++year;
        } else if (woy >= 52) {
          if (requestedRelDow + start + 7 * std::int64_t{woy} - 7 > yearLength(year)) --year;
        }
      }
    }
  }

  const bool useMonth = !weekOfYearWins && best != kUnset &&
                        (best == monthStamp || best == domStamp || best == womStamp || best == dowimStamp);
  if (useMonth) {
    std::int64_t month = isSet(Month) ? internalGet(Month) : 0;
    year += floorDiv(month, 12);
    month = floorMod(month, 12);
    const bool leap = eng_civil::leapYear(isGregorian, year);
    std::int64_t julianDay = julianDayBeforeYear(isGregorian, year) + (leap ? kLeapNumDays : kNumDays)[month];
    if (best == domStamp || best == monthStamp) {
      return static_cast<double>(julianDay + (isSet(Day_of_month) ? internalGet(Day_of_month) : 1));
    }
    const std::int64_t relDow1 = relDowOf(julianDay + 1);
    const std::int64_t weekday = isSet(Day_of_week) ? floorMod(std::int64_t{internalGet(Day_of_week)} - firstDay, 7) : 0;
    std::int64_t date = weekday - relDow1 + 1;  // day of the month in week 0 or 1
    if (best == womStamp) {
      if (7 - relDow1 < minimalDays) date += 7;
      return static_cast<double>(julianDay + date + 7 * (std::int64_t{internalGet(Week_of_month)} - 1));
    }
    if (date < 1) date += 7;  // the first such weekday of the month
    const std::int64_t n = internalGet(Day_of_week_in_month);
    if (n >= 0) return static_cast<double>(julianDay + date + 7 * (n - 1));
    const std::int64_t length = (leap ? kLeapMonthLength : kMonthLength)[month];
    return static_cast<double>(julianDay + date + 7 * ((length - date) / 7 + n + 1));
  }

  const std::int64_t dayBeforeYear = jan1(year) - 1;
  if (weekOfYearWins) {
    const std::int64_t relDowJan1 = relDowOf(dayBeforeYear + 1);
    const std::int64_t doy =
        7 * std::int64_t{internalGet(Week_of_year)} + firstWeekStart(relDowJan1) + requestedRelDow - 7;
    return static_cast<double>(dayBeforeYear + doy);
  }
  if (best != kUnset && best == doyStamp) return static_cast<double>(dayBeforeYear + internalGet(Day_of_year));
  return static_cast<double>(dayBeforeYear + 1);
}

namespace {

// The least stamp of a field whose value is checked against the tables.
// Day_of_month and Day_of_year are checked against the actual month and
// year instead. The offsets a zone gave are facts of its history, which may
// lie outside the tables (double summer time, daylight time below standard
// time, old local mean times); only a caller's own are checked.
constexpr std::int32_t kNever = INT32_MAX;
constexpr std::int32_t kLeastCheckedStamp[Calendar::FIELD_COUNT] = {
    1, 1, 1, 1, 1, kNever, kNever, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 1, 1};
static_assert(kLeastCheckedStamp[Calendar::Day_of_month] == kNever &&
              kLeastCheckedStamp[Calendar::Day_of_year] == kNever &&
              kLeastCheckedStamp[Calendar::Zone_offset] == 2 && kLeastCheckedStamp[Calendar::Dst_offset] == 2 &&
              kLeastCheckedStamp[Calendar::Dow_local] == 1);

}  // namespace

// A non-lenient calendar takes only values inside each field's range; the
// day of the month and of the year are checked against the actual month
// and year. The limits are this class's own tables (what getMinimum and
// getMaximum return), read directly, and all fields are checked at once,
// without a branch each: validation runs on every change of a strict
// calendar.
bool GregorianCalendar::validateFields() const {
  bool outOfRange = false;
  for (int f = 0; f < FIELD_COUNT; ++f) {
    const bool checked = fStamp[f] >= kLeastCheckedStamp[f];
    outOfRange |= checked & ((fFields[f] < kMinValues[f]) | (fFields[f] > kMaxValues[f]));
  }
  if (outOfRange) return false;
  if (isSet(Day_of_month)) {
    const std::int32_t day = internalGet(Day_of_month);
    if (day < 1 || day > monthLength(internalGet(Month))) return false;
  }
  if (isSet(Day_of_year)) {
    const std::int32_t day = internalGet(Day_of_year);
    if (day < 1 || day > yearLength()) return false;
  }
  if (isSet(Day_of_week_in_month) && internalGet(Day_of_week_in_month) == 0) return false;
  return true;
}
