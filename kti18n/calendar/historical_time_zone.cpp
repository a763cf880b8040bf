#include "kti18n/calendar/historical_time_zone.h"

#include <utility>

#include "kti18n/calendar/civil.h"
#include "kti18n/calendar/eng_math.h"
#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/simple_time_zone.h"

namespace {

constexpr std::int32_t kMillisPerDay = 86400000;
constexpr std::int64_t kEpochJulianDay = 2440588;
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
// Instants and local times handled: the engine's range with room for offsets.
constexpr double kMillisLimit = 4503599627370495.0 + 4.0 * kMillisPerDay;

// floor() of a time in ms as an integer; NaN and times far outside the
// engine's range are clamped to its edges.
std::int64_t wholeMillis(double millis) {
  if (!(millis >= -kMillisLimit)) return static_cast<std::int64_t>(-kMillisLimit);
  if (millis > kMillisLimit) return static_cast<std::int64_t>(kMillisLimit);
  const auto truncated = static_cast<std::int64_t>(millis);  // no call to floor() on the hot path
  return static_cast<double>(truncated) > millis ? truncated - 1 : truncated;
}

}  // namespace

const char HistoricalTimeZone::classIdTag = 0;

HistoricalTimeZone::HistoricalTimeZone(std::shared_ptr<const eng_tzdb::ZoneHistory> history, const ucs2string& id)
    : TimeZone(id), fHistory(std::move(history)) {
  const auto now = static_cast<std::int64_t>(eng_getUTCtime()) * 1000;
  fRawOffsetNow = fHistory->atInstant(now).raw;
  fUseDaylightNow = fHistory->daylightFrom(now);
}

HistoricalTimeZone::~HistoricalTimeZone() = default;

bool HistoricalTimeZone::operator==(const TimeZone& that) const {
  return TimeZone::operator==(that) && hasSameRules(that);
}

bool HistoricalTimeZone::hasSameRules(const TimeZone& other) const {
  if (other.getDynamicClassId() != getStaticClassId()) return false;
  return fHistory->sameRules(*static_cast<const HistoricalTimeZone&>(other).fHistory);
}

TimeZone* HistoricalTimeZone::clone() const { return new HistoricalTimeZone(*this); }

void HistoricalTimeZone::setRawOffset(std::int32_t) {}

std::int32_t HistoricalTimeZone::getOffset(std::int32_t era, std::int32_t year, std::int32_t month,
                                           std::int32_t day, std::int32_t dayOfWeek, std::int32_t millis) const {
  EngineStatus status = ENG_OK;
  return getOffset(era, year, month, day, dayOfWeek, millis, status);
}

std::int32_t HistoricalTimeZone::getOffset(std::int32_t era, std::int32_t year, std::int32_t month,
                                           std::int32_t day, std::int32_t dayOfWeek, std::int32_t millis,
                                           EngineStatus& status) const {
  if (eng_failure(status)) return 0;
  if (month < 0 || month > 11) {
    status = ENG_ILLEGAL_ARGUMENT;
    return 0;
  }
  return getOffset(era, year, month, day, dayOfWeek, millis, SimpleTimeZone::staticMonthLength[month], status);
}

// The same checks as the rule-based zones make; the weekday is not needed.
std::int32_t HistoricalTimeZone::getOffset(std::int32_t era, std::int32_t year, std::int32_t month,
                                           std::int32_t day, std::int32_t dayOfWeek, std::int32_t millis,
                                           std::int32_t monthLength, EngineStatus& status) const {
  if (eng_failure(status)) return 0;
  if ((era != GregorianCalendar::AD && era != GregorianCalendar::BC) || month < 0 || month > 11 || day < 1 ||
      day > monthLength || dayOfWeek < 1 || dayOfWeek > 7 || millis < 0 || millis >= kMillisPerDay ||
      monthLength < 28 || monthLength > 31) {
    status = ENG_ILLEGAL_ARGUMENT;
    return -1;
  }
  const std::int64_t rawYear = era == GregorianCalendar::BC ? 1 - std::int64_t{year} : year;
  const bool leap = eng_civil::gregorianLeap(rawYear);
  const std::int64_t days = eng_civil::julianDayBeforeYear(true, rawYear) - kEpochJulianDay +
                            kDaysBeforeMonth[month] + (leap && month >= 2 ? 1 : 0) + day;
  return fHistory->atLocal(days * kMillisPerDay + millis).total();
}

bool HistoricalTimeZone::inDaylightTime(double date, EngineStatus& status) const {
  if (eng_failure(status)) return false;
  return fHistory->atInstant(wholeMillis(date)).dst != 0;
}

bool HistoricalTimeZone::getOffsetsAtInstant(double date, std::int32_t& rawOffset, std::int32_t& dstOffset) const {
  const eng_tzdb::ZoneOffsets o = fHistory->atInstant(wholeMillis(date));
  rawOffset = o.raw;
  dstOffset = o.dst;
  return true;
}

bool HistoricalTimeZone::getOffsetsAtLocalTime(double localMillis, std::int32_t& rawOffset,
                                               std::int32_t& dstOffset) const {
  const eng_tzdb::ZoneOffsets o = fHistory->atLocal(wholeMillis(localMillis));
  rawOffset = o.raw;
  dstOffset = o.dst;
  return true;
}

const std::string& HistoricalTimeZone::abbreviationAt(double date) const {
  return fHistory->names[fHistory->atInstant(wholeMillis(date)).name];
}
