#include "kti18n/calendar/calendar.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <new>

#include "kti18n/calendar/civil.h"
#include "kti18n/calendar/eng_math.h"
#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/simple_time_zone.h"

namespace {


}  // namespace

// ---- Construction ----------------------------------------------------------

Calendar* Calendar::createInstance(TimeZone* zoneToAdopt, EngineStatus& status) {
  if (eng_failure(status)) {
    delete zoneToAdopt;
    return nullptr;
  }
  Calendar* calendar = new (std::nothrow) GregorianCalendar(zoneToAdopt, status);
  if (calendar == nullptr) {
    status = ENG_ALLOCATION_FAILURE;
    delete zoneToAdopt;
    return nullptr;
  }
  if (eng_failure(status)) {
    delete calendar;
    return nullptr;
  }
  return calendar;
}

Calendar* Calendar::createInstance(const TimeZone& zone, EngineStatus& status) {
  if (eng_failure(status)) return nullptr;
  TimeZone* copy = nullptr;
  try {
    copy = zone.clone();
  } catch (const std::bad_alloc&) {
  }
  if (copy == nullptr) {
    status = ENG_ALLOCATION_FAILURE;
    return nullptr;
  }
  return createInstance(copy, status);
}

Calendar::Calendar(TimeZone* zoneToAdopt, EngineStatus& status) : fZone(zoneToAdopt) {
  if (fZone == nullptr) {
    // Keep the invariant (a zone is always there) while reporting the fault.
    fZone = TimeZone::createTimeZone("GMT"_u2);
    if (eng_success(status)) status = ENG_ILLEGAL_ARGUMENT;
  }
  fZoneKind = fZone->getDynamicClassId();
  clear();
  setWeekCountData();
}

Calendar::Calendar(const TimeZone& zone, EngineStatus&) : fZone(zone.clone()) {
  fZoneKind = fZone->getDynamicClassId();
  clear();
  setWeekCountData();
}

Calendar::Calendar(const Calendar& source) : fZone(nullptr) { *this = source; }

Calendar& Calendar::operator=(const Calendar& right) {
  if (this == &right) return *this;
  TimeZone* zone = right.fZone->clone();
  delete fZone;
  fZone = zone;
  fZoneKind = zone->getDynamicClassId();
  fIsTimeSet = right.fIsTimeSet;
  fAreFieldsSet = right.fAreFieldsSet;
  fAreAllFieldsSet = right.fAreAllFieldsSet;
  std::copy(std::begin(right.fFields), std::end(right.fFields), fFields);
  std::copy(std::begin(right.fIsSet), std::end(right.fIsSet), fIsSet);
  std::copy(std::begin(right.fStamp), std::end(right.fStamp), fStamp);
  fNextStamp = right.fNextStamp;
  fTime = right.fTime;
  fLenient = right.fLenient;
  fFirstDayOfWeek = right.fFirstDayOfWeek;
  fMinimalDaysInFirstWeek = right.fMinimalDaysInFirstWeek;
  return *this;
}

Calendar::~Calendar() { delete fZone; }

double Calendar::getNow() { return eng_getUTCtime() * 1000.0; }

void Calendar::setWeekCountData() {
  fFirstDayOfWeek = 2;
  fMinimalDaysInFirstWeek = 4;
}

// ---- Identity and comparison -----------------------------------------------

bool Calendar::equivalentTo(const Calendar& other) const {
  return getDynamicClassId() == other.getDynamicClassId() && fLenient == other.fLenient &&
         fFirstDayOfWeek == other.fFirstDayOfWeek && fMinimalDaysInFirstWeek == other.fMinimalDaysInFirstWeek &&
         *fZone == *other.fZone;
}

bool Calendar::operator==(const Calendar& that) const {
  EngineStatus status = ENG_OK;
  return equivalentTo(that) && currentMillis(status) == that.currentMillis(status) && eng_success(status);
}

double Calendar::currentMillis(EngineStatus& status) const {
  if (eng_failure(status)) return 0;
  if (fIsTimeSet) return fTime;
  std::unique_ptr<Calendar> copy(clone());
  return copy->getTimeInMillis(status);
}

bool Calendar::equals(const Calendar& when, EngineStatus& status) const {
  const double a = currentMillis(status), b = when.currentMillis(status);
  return eng_success(status) && a == b;
}

bool Calendar::before(const Calendar& when, EngineStatus& status) const {
  const double a = currentMillis(status), b = when.currentMillis(status);
  return eng_success(status) && a < b;
}

bool Calendar::after(const Calendar& when, EngineStatus& status) const {
  const double a = currentMillis(status), b = when.currentMillis(status);
  return eng_success(status) && a > b;
}

// ---- Instant and fields ----------------------------------------------------

double Calendar::getTimeInMillis(EngineStatus& status) {
  if (eng_failure(status)) return 0;
  if (!fIsTimeSet) {
    computeTime(status);
    if (eng_failure(status)) return 0;
    fIsTimeSet = true;
    if (fLenient || !fAreAllFieldsSet) fAreFieldsSet = false;
  }
  return fTime;
}

void Calendar::setTimeInMillis(double millis, EngineStatus& status) {
  if (eng_failure(status)) return;
  if (!(millis >= EARLIEST_SUPPORTED_MILLIS && millis <= LATEST_SUPPORTED_MILLIS)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  fTime = millis;
  fIsTimeSet = true;
  fAreFieldsSet = fAreAllFieldsSet = false;
  computeFields(status);
  if (eng_failure(status)) return;
  fAreFieldsSet = fAreAllFieldsSet = true;
}

void Calendar::complete(EngineStatus& status) {
  getTimeInMillis(status);
  if (eng_failure(status)) return;
  if (!fAreFieldsSet) {
    computeFields(status);
    if (eng_failure(status)) return;
    fAreFieldsSet = fAreAllFieldsSet = true;
  }
}

std::int32_t Calendar::getSlow(EDateFields field, EngineStatus& status) {
  if (eng_failure(status)) return 0;
  if (!isValidField(field)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return 0;
  }
  complete(status);
  return eng_success(status) ? fFields[field] : 0;
}

void Calendar::set(EDateFields field, std::int32_t value) {
  if (!isValidField(field)) return;
  if (fNextStamp == std::numeric_limits<std::int32_t>::max()) renumberStamps();
  fFields[field] = value;
  fIsSet[field] = true;
  fStamp[field] = fNextStamp++;
  fIsTimeSet = fAreFieldsSet = fAreAllFieldsSet = false;
}

void Calendar::set(std::int32_t year, std::int32_t month, std::int32_t date) {
  set(Year, year);
  set(Month, month);
  set(Day_of_month, date);
}

void Calendar::set(std::int32_t year, std::int32_t month, std::int32_t date, std::int32_t hour,
                   std::int32_t minute) {
  set(year, month, date);
  set(Hour_of_day, hour);
  set(Minute, minute);
}

void Calendar::set(std::int32_t year, std::int32_t month, std::int32_t date, std::int32_t hour,
                   std::int32_t minute, std::int32_t second) {
  set(year, month, date, hour, minute);
  set(Second, second);
}

void Calendar::renumberStamps() {
  std::int32_t next = kMinimumUserStamp;
  for (;;) {
    // The oldest caller stamp not yet renumbered is the least one >= next.
    int oldest = -1;
    for (int i = 0; i < FIELD_COUNT; ++i)
      if (fStamp[i] >= next && (oldest < 0 || fStamp[i] < fStamp[oldest])) oldest = i;
    if (oldest < 0) break;
    fStamp[oldest] = next++;
  }
  fNextStamp = next;
}

void Calendar::clear() {
  std::fill(std::begin(fFields), std::end(fFields), 0);
  std::fill(std::begin(fIsSet), std::end(fIsSet), false);
  std::fill(std::begin(fStamp), std::end(fStamp), kUnset);
  fNextStamp = kMinimumUserStamp;
  fIsTimeSet = fAreFieldsSet = fAreAllFieldsSet = false;
}

void Calendar::clear(EDateFields field) {
  if (!isValidField(field)) return;
  fFields[field] = 0;
  fIsSet[field] = false;
  fStamp[field] = kUnset;
  fIsTimeSet = fAreFieldsSet = fAreAllFieldsSet = false;
}


// ---- Zone and week rules ---------------------------------------------------

void Calendar::adoptTimeZone(TimeZone* zone) {
  if (zone == nullptr) return;
  delete fZone;
  fZone = zone;
  fZoneKind = zone->getDynamicClassId();
  fAreFieldsSet = false;
}

void Calendar::setTimeZone(const TimeZone& zone) { adoptTimeZone(zone.clone()); }

void Calendar::setFirstDayOfWeek(std::int32_t value) {
  // Only weekdays make sense; anything else would break the week arithmetic.
  if (value >= 1 && value <= 7) fFirstDayOfWeek = value;
  fAreFieldsSet = false;
}

void Calendar::setMinimalDaysInFirstWeek(std::uint8_t value) {
  fMinimalDaysInFirstWeek = std::clamp<std::uint8_t>(value, 1, 7);
  fAreFieldsSet = false;
}

// ---- Limits ----------------------------------------------------------------

std::int32_t Calendar::getMinimum(EDateFields field) const {
  return isValidField(field) ? GregorianCalendar::kMinValues[field] : 0;
}
std::int32_t Calendar::getGreatestMinimum(EDateFields field) const { return getMinimum(field); }
std::int32_t Calendar::getMaximum(EDateFields field) const {
  return isValidField(field) ? GregorianCalendar::kMaxValues[field] : 0;
}
std::int32_t Calendar::getLeastMaximum(EDateFields field) const {
  return isValidField(field) ? GregorianCalendar::kLeastMaxValues[field] : 0;
}

// The greatest value of the field around the current date, found on a
// lenient copy: values from the least maximum up are set and read back; the
// first that reads back changed has overflowed into a larger field.
std::int32_t Calendar::getActualMaximum(EDateFields field, EngineStatus& status) {
  if (eng_failure(status)) return 0;
  if (!isValidField(field)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return 0;
  }
  std::int32_t value = getLeastMaximum(field);
  const std::int32_t end = getMaximum(field);
  if (value == end) return value;
  complete(status);
  if (eng_failure(status)) return 0;
  std::unique_ptr<Calendar> work(clone());
  work->setLenient(true);
  if (field == Week_of_year || field == Week_of_month) work->set(Day_of_week, fFirstDayOfWeek);
  std::int32_t result = value;
  for (; value <= end; ++value) {
    EngineStatus probe = ENG_OK;
    work->set(field, value);
    if (work->get(field, probe) != value || eng_failure(probe)) break;
    result = value;
  }
  return result;
}

// The same downwards from the greatest minimum.
std::int32_t Calendar::getActualMinimum(EDateFields field, EngineStatus& status) {
  if (eng_failure(status)) return 0;
  if (!isValidField(field)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return 0;
  }
  std::int32_t value = getGreatestMinimum(field);
  const std::int32_t end = getMinimum(field);
  if (value == end) return value;
  complete(status);
  if (eng_failure(status)) return 0;
  std::unique_ptr<Calendar> work(clone());
  work->setLenient(true);
  std::int32_t result = value;
  for (; value >= end; --value) {
    EngineStatus probe = ENG_OK;
    work->set(field, value);
    if (work->get(field, probe) != value || eng_failure(probe)) break;
    result = value;
  }
  return result;
}

// ---- Differences -----------------------------------------------------------

namespace {

// The fields whose add() moves the instant by a fixed length, so that n
// single steps land exactly where one step of n does.
double fixedStep(Calendar::EDateFields field, bool zoneHasDaylight) {
  switch (field) {
    case Calendar::Millisecond: return 1;
    case Calendar::Second: return eng_civil::kMillisPerSecond;
    case Calendar::Minute: return eng_civil::kMillisPerMinute;
    case Calendar::Hour:
    case Calendar::Hour_of_day: return eng_civil::kMillisPerHour;
    default: break;
  }
  if (zoneHasDaylight) return 0;  // daylight time is kept across such steps
  switch (field) {
    case Calendar::Am_pm: return eng_civil::kMillisPerHalfDay;
    case Calendar::Day_of_month:
    case Calendar::Day_of_year:
    case Calendar::Day_of_week:
    case Calendar::Dow_local: return eng_civil::kMillisPerDay;
    case Calendar::Week_of_year:
    case Calendar::Week_of_month:
    case Calendar::Day_of_week_in_month: return eng_civil::kMillisPerWeek;
    default: return 0;
  }
}

}  // namespace

// Counts the steps of add(field, +-1) that do not pass `when`, and leaves
// the calendar on the last of them. Steps are taken one at a time because
// calendar steps do not add up (31 January + 1 month + 1 month is 29 March,
// not 31 March); for fixed-length steps the count is computed directly.
// A count beyond 32 bits gives status 1 and leaves the calendar unchanged.
std::int32_t Calendar::fieldDifference(double when, EDateFields field, EngineStatus& status) {
  if (eng_failure(status)) return 0;
  const double start = getTimeInMillis(status);
  if (eng_failure(status)) return 0;
  if (std::isnan(when)) {
    status = ENG_ILLEGAL_ARGUMENT;
    return 0;
  }
  if (when == start) return 0;
  const double step = fixedStep(field, fZone->useDaylightTime());
  if (step > 0) {
    double count = std::trunc((when - start) / step);
    while (std::fabs(count * step) > std::fabs(when - start)) count -= count > 0 ? 1 : -1;
    if (std::fabs(count) > std::numeric_limits<std::int32_t>::max()) {
      status = ENG_ILLEGAL_ARGUMENT;
      return 0;
    }
    setTimeInMillis(start + count * step, status);
    return eng_success(status) ? static_cast<std::int32_t>(count) : 0;
  }
  const bool forward = when > start;
  const std::int32_t unit = forward ? 1 : -1;
  double last = start;
  std::int64_t count = 0;
  for (;;) {
    EngineStatus stepStatus = ENG_OK;
    add(field, unit, stepStatus);
    const double t = getTimeInMillis(stepStatus);
    // A step that fails, passes the target or does not move (Era at its
    // limit) ends the count.
    if (eng_failure(stepStatus) || (forward ? (t > when || t <= last) : (t < when || t >= last))) break;
    if (++count > std::numeric_limits<std::int32_t>::max()) {
      setTimeInMillis(start, status);
      status = ENG_ILLEGAL_ARGUMENT;
      return 0;
    }
    last = t;
  }
  setTimeInMillis(last, status);
  if (eng_failure(status)) return 0;
  return static_cast<std::int32_t>(forward ? count : -count);
}
