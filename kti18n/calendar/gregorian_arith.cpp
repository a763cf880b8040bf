// Field arithmetic of the hybrid calendar: add, roll and actual limits.
#include <cmath>
#include <memory>

#include "kti18n/calendar/civil.h"
#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/time_zone.h"

using eng_civil::floorDiv;
using eng_civil::floorMod;

void GregorianCalendar::pinDayOfMonth() {
  const std::int32_t length = monthLength(internalGet(Month));
  if (internalGet(Day_of_month) > length) set(Day_of_month, length);
}

void GregorianCalendar::moveInstant(double delta, bool keepDst, EngineStatus& status) {
  if (eng_failure(status)) return;
  const double time = internalGetTime();
  const std::int32_t dstBefore = internalGet(Dst_offset);
  setTimeInMillis(time + delta, status);
  if (eng_failure(status) || !keepDst) return;
  const std::int32_t dstAfter = internalGet(Dst_offset);
  if (dstAfter != dstBefore) setTimeInMillis(time + delta + (dstBefore - dstAfter), status);
}

// ---- add -------------------------------------------------------------------

void GregorianCalendar::add(EDateFields field, std::int32_t amount, EngineStatus& status) {
  if (eng_failure(status) || amount == 0) return;
  if (!isValidField(field) || field == Zone_offset || field == Dst_offset) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  complete(status);
  if (eng_failure(status)) return;

  switch (field) {
    case Year:
    case Year_woy: {
      // Years run ... 2 BC, 1 BC, 1 AD, 2 AD ...: moving past year 1 flips
      // the era.
      const bool ad = internalGet(Era) == AD;
      const std::int64_t year = std::int64_t{internalGet(field)} + (ad ? amount : -std::int64_t{amount});
      const std::int64_t value = year > 0 ? year : 1 - year;
      if (value > kMaxValues[field]) {
        status = ENG_ILLEGAL_ARGUMENT;
        return;
      }
      set(field, static_cast<std::int32_t>(value));
      if (year <= 0) set(Era, ad ? BC : AD);
      pinDayOfMonth();
      return;
    }
    case Month: {
      const std::int64_t month = std::int64_t{internalGet(Month)} + amount;
      const std::int64_t years = floorDiv(month, 12);
      if (years != 0) {
        add(Year, static_cast<std::int32_t>(years), status);
        if (eng_failure(status)) return;
      }
      set(Month, static_cast<std::int32_t>(floorMod(month, 12)));
      pinDayOfMonth();
      return;
    }
    case Era: {
      const std::int64_t era = std::int64_t{internalGet(Era)} + amount;
      set(Era, era < BC ? BC : (era > AD ? AD : static_cast<std::int32_t>(era)));
      return;
    }
    default:
      break;
  }

  double unit = 0;
  bool keepDst = false;
  switch (field) {
    case Week_of_year:
    case Week_of_month:
    case Day_of_week_in_month: unit = kOneWeek; keepDst = true; break;
    case Am_pm: unit = eng_civil::kMillisPerHalfDay; keepDst = true; break;
    case Day_of_month:
    case Day_of_year:
    case Day_of_week:
    case Dow_local: unit = kOneDay; keepDst = true; break;
    case Hour:
    case Hour_of_day: unit = kOneHour; break;
    case Minute: unit = kOneMinute; break;
    case Second: unit = kOneSecond; break;
    case Millisecond: unit = 1; break;
    default: status = ENG_ILLEGAL_ARGUMENT; return;
  }
  moveInstant(amount * unit, keepDst, status);
}

// ---- roll ------------------------------------------------------------------

// The day of the month reached by rolling weeks within the month, the
// weeks being those the month's days fall into (the first may be partial).
std::int32_t GregorianCalendar::rolledWeekOfMonthDay(std::int64_t amount, std::int32_t dayOfMonth,
                                                     std::int32_t length, std::int32_t relDow) const {
  const std::int64_t relDowFirst = floorMod(relDow - dayOfMonth + 1, 7);
  // First day of week 1 (<= 1 when week 1 starts in the previous month) and
  // the first day after the month's last week.
  const std::int64_t start = (7 - relDowFirst < getMinimalDaysInFirstWeek() ? 8 : 1) - relDowFirst;
  const std::int64_t limit = length + 7 - floorMod(length - dayOfMonth + relDow, 7);
  std::int64_t day = floorMod(7 * amount + dayOfMonth - start, limit - start) + start;
  if (day < 1) day = 1;
  if (day > length) day = length;
  return static_cast<std::int32_t>(day);
}

void GregorianCalendar::roll(EDateFields field, std::int32_t amount, EngineStatus& status) {
  if (eng_failure(status) || amount == 0) return;
  if (!isValidField(field) || field == Zone_offset || field == Dst_offset) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  complete(status);
  if (eng_failure(status)) return;

  const std::int32_t min = getMinimum(field), max = getMaximum(field);
  const auto rolled = [&](std::int64_t value, std::int64_t low, std::int64_t high) {
    return static_cast<std::int32_t>(low + floorMod(value - low + amount, high - low + 1));
  };
  const std::int32_t relDow = static_cast<std::int32_t>(floorMod(internalGet(Day_of_week) - getFirstDayOfWeek(), 7));

  switch (field) {
    case Era:
    case Year:
      set(field, rolled(internalGet(field), min, max));
      pinDayOfMonth();
      return;
    case Am_pm:
    case Minute:
    case Second:
    case Millisecond:
    case Year_woy:
      set(field, rolled(internalGet(field), min, max));
      return;
    case Month:
      set(Month, static_cast<std::int32_t>(floorMod(std::int64_t{internalGet(Month)} + amount, 12)));
      pinDayOfMonth();
      return;
    case Hour:
    case Hour_of_day: {
      const std::int32_t value = internalGet(field);
      const auto next = static_cast<std::int32_t>(floorMod(std::int64_t{value} + amount, max + 1));
      moveInstant(double(next - value) * kOneHour, false, status);
      return;
    }
    case Week_of_year:
      rollWeekOfYear(amount, status);
      return;
    default:
      break;
  }

  // The month of the cutover, whose first day is Julian and whose last is
  // Gregorian, is shorter than its nominal length: its days are rolled on
  // the timeline so that the skipped dates never appear.
  if (field == Day_of_month || field == Week_of_month) {
    const std::int64_t year = extendedYear();
    if (year == fGregorianCutoverYear) {
      const std::int32_t month = internalGet(Month);
      const double firstDay = (static_cast<double>(eng_civil::julianDayBeforeYear(false, year) +
                                                   (eng_civil::julianLeap(year) ? kLeapNumDays : kNumDays)[month] + 1) -
                               kEpochStartAsJulianDay) * kOneDay;
      const double lastDay =
          (static_cast<double>(eng_civil::julianDayBeforeYear(true, year) +
                               (eng_civil::gregorianLeap(year) ? kLeapNumDays : kNumDays)[month] +
                               monthLength(month, year)) -
           kEpochStartAsJulianDay) * kOneDay;
      if (firstDay < fNormalizedGregorianCutover && lastDay >= fNormalizedGregorianCutover) {
        rollDayInCutoverMonth(field, amount, status);
        return;
      }
    }
  }

  switch (field) {
    case Day_of_month:
      set(Day_of_month, rolled(internalGet(Day_of_month), 1, monthLength(internalGet(Month))));
      return;
    case Week_of_month:
      set(Day_of_month, rolledWeekOfMonthDay(amount, internalGet(Day_of_month), monthLength(internalGet(Month)),
                                             relDow));
      return;
    case Day_of_year: {
      const std::int64_t index = internalGet(Day_of_year) - 1;
      moveInstant(double(floorMod(index + amount, yearLength()) - index) * kOneDay, true, status);
      return;
    }
    case Day_of_week:
    case Dow_local: {
      const std::int64_t index = field == Day_of_week ? relDow : internalGet(Dow_local) - 1;
      moveInstant(double(floorMod(index + amount, 7) - index) * kOneDay, true, status);
      return;
    }
    case Day_of_week_in_month: {
      // The weeks of the month that hold this weekday.
      const std::int32_t day = internalGet(Day_of_month);
      const std::int64_t before = (day - 1) / 7, after = (monthLength(internalGet(Month)) - day) / 7;
      const std::int64_t next = floorMod(before + amount, before + after + 1);
      moveInstant(double(next - before) * kOneWeek, true, status);
      return;
    }
    default:
      status = ENG_ILLEGAL_ARGUMENT;
      return;
  }
}

// Day_of_month and Week_of_month in the cutover month, counted over the
// days the month really has: index 0 is its first day on the timeline.
void GregorianCalendar::rollDayInCutoverMonth(EDateFields field, std::int32_t amount, EngineStatus& status) {
  const std::int64_t year = extendedYear();
  const std::int32_t month = internalGet(Month);
  const std::int64_t firstJulianDay =
      eng_civil::julianDayBeforeYear(false, year) + (eng_civil::julianLeap(year) ? kLeapNumDays : kNumDays)[month] + 1;
  const std::int64_t nextMonthJulianDay =
      eng_civil::julianDayBeforeYear(true, year) + (eng_civil::gregorianLeap(year) ? kLeapNumDays : kNumDays)[month] +
      monthLength(month, year) + 1;
  const auto realLength = static_cast<std::int32_t>(nextMonthJulianDay - firstJulianDay);
  const double localDay = std::floor((internalGetTime() + internalGet(Zone_offset) + internalGet(Dst_offset)) / kOneDay);
  const auto index = static_cast<std::int32_t>(static_cast<std::int64_t>(localDay) + kEpochStartAsJulianDay - firstJulianDay);
  std::int64_t next;
  if (field == Day_of_month) {
    next = floorMod(std::int64_t{index} + amount, realLength);
  } else {
    const std::int32_t relDow = static_cast<std::int32_t>(floorMod(internalGet(Day_of_week) - getFirstDayOfWeek(), 7));
    next = rolledWeekOfMonthDay(amount, index + 1, realLength, relDow) - 1;
  }
  moveInstant(double(next - index) * kOneDay, true, status);
}

// Rolls the week within the week year (Year_woy), whose last week is 52 or
// 53 depending on how the year ends.
void GregorianCalendar::rollWeekOfYear(std::int32_t amount, EngineStatus& status) {
  const std::int32_t firstDay = getFirstDayOfWeek();
  const std::int32_t minimalDays = getMinimalDaysInFirstWeek();
  std::int64_t woy = internalGet(Week_of_year);
  const std::int32_t isoYear = internalGet(Year_woy);
  const std::int64_t isoYearRaw = internalGet(Era) == BC ? 1 - std::int64_t{isoYear} : isoYear;
  // The day of the week year (may be <= 0 or beyond the calendar year).
  std::int64_t isoDoy = internalGet(Day_of_year);
  if (internalGet(Month) != 0 && woy == 1) {
    isoDoy -= yearLength(isoYearRaw - 1);
  } else if (internalGet(Month) == 0 && woy >= 52) {
    isoDoy += yearLength(isoYearRaw);
  }
  woy += amount;
  if (woy < 1 || woy > 52) {
    std::int64_t lastDoy = yearLength(isoYearRaw);
    const std::int64_t lastRelDow = floorMod(internalGet(Day_of_week) - isoDoy + lastDoy - firstDay, 7);
    if (6 - lastRelDow >= minimalDays) lastDoy -= 7;  // the last days are week 1 of the next year
    const auto lastDow = static_cast<std::int32_t>(floorMod(lastRelDow + firstDay - 1, 7) + 1);
    const std::int64_t lastWoy = weekNumber(static_cast<std::int32_t>(lastDoy), lastDow);
    woy = floorMod(woy + lastWoy - 1, lastWoy) + 1;
  }
  (void)status;
  set(Week_of_year, static_cast<std::int32_t>(woy));
  set(Year_woy, isoYear);
}

// ---- Actual limits ---------------------------------------------------------

std::int32_t GregorianCalendar::getActualMaximum(EDateFields field, EngineStatus& status) {
  if (eng_failure(status)) return 0;
  if (!isValidField(field)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return 0;
  }
  switch (field) {
    case Day_of_month:
      complete(status);
      return eng_success(status) ? monthLength(internalGet(Month)) : 0;
    case Day_of_year:
      complete(status);
      return eng_success(status) ? yearLength() : 0;
    case Week_of_year:
    case Week_of_month:
    case Day_of_week_in_month:
      return Calendar::getActualMaximum(field, status);
    case Year:
    case Year_woy:
      return actualMaximumOfYear(field, status);
    default:
      return getMaximum(field);
  }
}

// The greatest year that keeps the current date inside the supported range:
// a binary search on a lenient copy for the last value that reads back
// unchanged in the same era.
std::int32_t GregorianCalendar::actualMaximumOfYear(EDateFields field, EngineStatus& status) {
  complete(status);
  if (eng_failure(status)) return 0;
  std::unique_ptr<Calendar> work(clone());
  work->setLenient(true);
  const std::int32_t era = internalGet(Era);
  const double saved = internalGetTime();
  std::int32_t good = kLeastMaxValues[field], bad = kMaxValues[field] + 1;
  while (good + 1 < bad) {
    const std::int32_t year = good + (bad - good) / 2;
    EngineStatus probe = ENG_OK;
    work->set(field, year);
    if (work->get(field, probe) == year && work->get(Era, probe) == era && eng_success(probe)) {
      good = year;
    } else {
      bad = year;
      EngineStatus restore = ENG_OK;
      work->setTime(saved, restore);
    }
  }
  return good;
}
