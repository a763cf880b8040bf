#include "kti18n/calendar/gregorian_calendar.h"

#include <cmath>
#include <memory>

#include "kti18n/calendar/civil.h"
#include "kti18n/calendar/time_zone.h"

const char GregorianCalendar::classIdTag = 0;

GregorianCalendar::GregorianCalendar(TimeZone* zoneToAdopt, EngineStatus& status)
    : Calendar(zoneToAdopt, status),
      fGregorianCutover(kPapalCutover),
      fNormalizedGregorianCutover(kPapalCutover),
      fGregorianCutoverYear(1582) {
  setTimeInMillis(getNow(), status);
}

GregorianCalendar::GregorianCalendar(const TimeZone& zone, EngineStatus& status)
    : Calendar(zone, status),
      fGregorianCutover(kPapalCutover),
      fNormalizedGregorianCutover(kPapalCutover),
      fGregorianCutoverYear(1582) {
  setTimeInMillis(getNow(), status);
}

GregorianCalendar::~GregorianCalendar() = default;

Calendar* GregorianCalendar::clone() const { return new GregorianCalendar(*this); }

bool GregorianCalendar::operator==(const Calendar& that) const {
  return Calendar::operator==(that) &&
         fGregorianCutover == static_cast<const GregorianCalendar&>(that).fGregorianCutover;
}

bool GregorianCalendar::equivalentTo(const Calendar& other) const {
  return Calendar::equivalentTo(other) &&
         fGregorianCutover == static_cast<const GregorianCalendar&>(other).fGregorianCutover;
}

// ---- Limits ----------------------------------------------------------------

std::int32_t GregorianCalendar::getMinimum(EDateFields field) const {
  return isValidField(field) ? kMinValues[field] : 0;
}
std::int32_t GregorianCalendar::getGreatestMinimum(EDateFields field) const { return getMinimum(field); }
std::int32_t GregorianCalendar::getMaximum(EDateFields field) const {
  return isValidField(field) ? kMaxValues[field] : 0;
}
std::int32_t GregorianCalendar::getLeastMaximum(EDateFields field) const {
  return isValidField(field) ? kLeastMaxValues[field] : 0;
}

std::int32_t GregorianCalendar::getActualMinimum(EDateFields field, EngineStatus& status) {
  if (eng_failure(status)) return 0;
  return getMinimum(field);
}

// ---- Cutover ---------------------------------------------------------------

void GregorianCalendar::setGregorianChange(double date, EngineStatus& status) {
  if (eng_failure(status)) return;
  if (!(date >= EARLIEST_SUPPORTED_MILLIS && date <= LATEST_SUPPORTED_MILLIS)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  // The cutover year is the year of the new cutover as the default calendar
  // reads it, in this calendar's zone.
  GregorianCalendar reader(getTimeZone(), status);
  reader.setTime(date, status);
  std::int32_t year = reader.get(Year, status);
  if (reader.get(Era, status) == BC) year = 1 - year;
  if (eng_failure(status)) return;

  fGregorianCutover = date;
  fNormalizedGregorianCutover = std::floor(date / kOneDay) * kOneDay;
  fGregorianCutoverYear = year;
  // The same instant may now read as another date.
  fAreFieldsSet = fAreAllFieldsSet = false;
}

bool GregorianCalendar::isLeapYear(std::int32_t year) const {
  return eng_civil::leapYear(year >= fGregorianCutoverYear, year);
}

std::int32_t GregorianCalendar::cutoverYearShift() const {
  using eng_civil::julianDayBeforeYear;
  const std::int64_t gregorianJan1 = julianDayBeforeYear(true, fGregorianCutoverYear) + 1;
  if (static_cast<double>(gregorianJan1 - kEpochStartAsJulianDay) * kOneDay >= fNormalizedGregorianCutover)
    return 0;
  return static_cast<std::int32_t>(julianDayBeforeYear(false, fGregorianCutoverYear) + 1 - gregorianJan1);
}

// ---- Lengths ---------------------------------------------------------------

std::int64_t GregorianCalendar::extendedYear() const {
  const std::int64_t year = isSet(Year) ? internalGet(Year) : kEpochYear;
  return isSet(Era) && internalGet(Era) == BC ? 1 - year : year;
}

std::int32_t GregorianCalendar::monthLength(std::int32_t month, std::int64_t year) const {
  const bool leap = eng_civil::leapYear(year >= fGregorianCutoverYear, year);
  return (leap ? kLeapMonthLength : kMonthLength)[month];
}

std::int32_t GregorianCalendar::monthLength(std::int32_t month) const {
  return monthLength(month, extendedYear());
}

std::int32_t GregorianCalendar::yearLength(std::int64_t year) const {
  using eng_civil::julianDayBeforeYear;
  if (year < fGregorianCutoverYear || year > fGregorianCutoverYear + 1)
    return eng_civil::leapYear(year >= fGregorianCutoverYear, year) ? 366 : 365;
  // Near the cutover a year runs from its first 1 January on the timeline
  // (Julian or Gregorian, whichever was in force) to the next one.
  const auto jan1 = [this](std::int64_t y) {
    const std::int64_t gregorian = julianDayBeforeYear(true, y) + 1;
    const bool afterCutover =
        static_cast<double>(gregorian - kEpochStartAsJulianDay) * kOneDay >= fNormalizedGregorianCutover;
    return afterCutover ? gregorian : julianDayBeforeYear(false, y) + 1;
  };
  return static_cast<std::int32_t>(jan1(year + 1) - jan1(year));
}

std::int32_t GregorianCalendar::yearLength() const { return yearLength(extendedYear()); }

// ---- Daylight time ---------------------------------------------------------

bool GregorianCalendar::inDaylightTime(EngineStatus& status) {
  // A zone with history may have had daylight time in a year when it
  // no longer uses it; the fields tell.
  if (eng_failure(status)) return false;
  const TimeZone& zone = getTimeZone();
  std::int32_t raw = 0, dst = 0;
  if (!zone.useDaylightTime() && !zone.getOffsetsAtInstant(0.0, raw, dst)) return false;
  complete(status);
  return eng_success(status) && internalGet(Dst_offset) != 0;
}
