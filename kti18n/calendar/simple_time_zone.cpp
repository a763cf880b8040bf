#include "kti18n/calendar/simple_time_zone.h"


#include "kti18n/calendar/civil.h"
#include "kti18n/calendar/gregorian_calendar.h"

namespace {

using eng_civil::kMillisPerDay;
constexpr std::int32_t kDefaultSavings = eng_civil::kMillisPerHour;

constexpr int compare(std::int64_t a, std::int64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

const char SimpleTimeZone::classIdTag = 0;
const std::int8_t SimpleTimeZone::staticMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

SimpleTimeZone::SimpleTimeZone(std::int32_t raw, const ucs2string& id) : TimeZone(id), rawOffset(raw) {}

SimpleTimeZone::SimpleTimeZone(std::int32_t raw, const ucs2string& id, std::int32_t sMonth, std::int32_t sDay,
                               std::int32_t sDayOfWeek, std::int32_t sTime, std::int32_t eMonth,
                               std::int32_t eDay, std::int32_t eDayOfWeek, std::int32_t eTime,
                               EngineStatus& status)
    : TimeZone(id) {
  construct(raw, sMonth, sDay, sDayOfWeek, sTime, WALL_TIME, eMonth, eDay, eDayOfWeek, eTime, WALL_TIME,
            kDefaultSavings, status);
}

SimpleTimeZone::SimpleTimeZone(std::int32_t raw, const ucs2string& id, std::int32_t sMonth, std::int32_t sDay,
                               std::int32_t sDayOfWeek, std::int32_t sTime, std::int32_t eMonth,
                               std::int32_t eDay, std::int32_t eDayOfWeek, std::int32_t eTime,
                               std::int32_t savings, EngineStatus& status)
    : TimeZone(id) {
  construct(raw, sMonth, sDay, sDayOfWeek, sTime, WALL_TIME, eMonth, eDay, eDayOfWeek, eTime, WALL_TIME, savings,
            status);
}

SimpleTimeZone::SimpleTimeZone(std::int32_t raw, const ucs2string& id, std::int32_t sMonth, std::int32_t sDay,
                               std::int32_t sDayOfWeek, std::int32_t sTime, TimeMode sTimeMode,
                               std::int32_t eMonth, std::int32_t eDay, std::int32_t eDayOfWeek,
                               std::int32_t eTime, TimeMode eTimeMode, std::int32_t savings,
                               EngineStatus& status)
    : TimeZone(id) {
  construct(raw, sMonth, sDay, sDayOfWeek, sTime, sTimeMode, eMonth, eDay, eDayOfWeek, eTime, eTimeMode, savings,
            status);
}

SimpleTimeZone::SimpleTimeZone(const StandardZone& zone, const ucs2string& id)
    : TimeZone(id), rawOffset(zone.gmtOffset) {}

SimpleTimeZone::SimpleTimeZone(const DSTZone& zone, const ucs2string& id) : TimeZone(id) {
  EngineStatus status = ENG_OK;
  construct(zone.gmtOffset, zone.startMonth, zone.startDowim, zone.startDow, zone.startTime * eng_civil::kMillisPerMinute,
            static_cast<TimeMode>(zone.startMode), zone.endMonth, zone.endDowim, zone.endDow,
            zone.endTime * eng_civil::kMillisPerMinute, static_cast<TimeMode>(zone.endMode), zone.dstSavings * eng_civil::kMillisPerMinute, status);
}

SimpleTimeZone::~SimpleTimeZone() = default;

void SimpleTimeZone::construct(std::int32_t raw, std::int32_t sMonth, std::int32_t sDay,
                               std::int32_t sDayOfWeek, std::int32_t sTime, TimeMode sTimeMode,
                               std::int32_t eMonth, std::int32_t eDay, std::int32_t eDayOfWeek,
                               std::int32_t eTime, TimeMode eTimeMode, std::int32_t savings,
                               EngineStatus& status) {
  rawOffset = raw;
  dstSavings = savings;
  startYear = 0;
  decodeStartRule({sMonth, sDay, sDayOfWeek, sTime, sTimeMode}, status);
  decodeEndRule({eMonth, eDay, eDayOfWeek, eTime, eTimeMode}, status);
  if (dstSavings <= 0 && eng_success(status)) status = ENG_ILLEGAL_ARGUMENT;
}

namespace {

// A rule after decoding, or the reason it cannot be.
struct DecodedRule {
  bool ok;
  std::int32_t day, dayOfWeek;
  SimpleTimeZone::EMode mode;
};

// See the mode table in the header. Day 0 turns the rule off and is always
// sound.
DecodedRule decodeRule(std::int32_t month, std::int32_t day, std::int32_t dayOfWeek, std::int32_t time,
                       std::int32_t timeMode) {
  DecodedRule r{false, day, dayOfWeek, SimpleTimeZone::DOM_MODE};
  if (day == 0) {
    r.ok = true;
    return r;
  }
  if (month < 0 || month > 11 || time < 0 || time > kMillisPerDay || timeMode < 0 || timeMode > 2) return r;
  if (dayOfWeek == 0) {
    r.mode = SimpleTimeZone::DOM_MODE;
  } else if (dayOfWeek > 0) {
    r.mode = SimpleTimeZone::DOW_IN_MONTH_MODE;
  } else {
    r.dayOfWeek = -dayOfWeek;
    if (day > 0) {
      r.mode = SimpleTimeZone::DOW_GE_DOM_MODE;
    } else {
      r.day = -day;
      r.mode = SimpleTimeZone::DOW_LE_DOM_MODE;
    }
  }
  if (r.dayOfWeek > 7) return r;
  if (r.mode == SimpleTimeZone::DOW_IN_MONTH_MODE) {
    if (r.day < -5 || r.day > 5) return r;
  } else if (r.day > SimpleTimeZone::staticMonthLength[month]) {
    return r;
  }
  r.ok = true;
  return r;
}

}  // namespace

void SimpleTimeZone::decodeStartRule(const RawRule& rule, EngineStatus& status) {
  if (eng_failure(status)) return;
  const DecodedRule r = decodeRule(rule.month, rule.day, rule.dayOfWeek, rule.time, rule.timeMode);
  if (!r.ok) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  startMonth = static_cast<std::int8_t>(r.day == 0 ? 0 : rule.month);
  startDay = static_cast<std::int8_t>(r.day);
  startDayOfWeek = static_cast<std::int8_t>(r.dayOfWeek);
  startTime = r.day == 0 ? 0 : rule.time;
  startTimeMode = r.day == 0 ? WALL_TIME : rule.timeMode;
  startMode = r.mode;
  updateUseDaylight();
}

void SimpleTimeZone::decodeEndRule(const RawRule& rule, EngineStatus& status) {
  if (eng_failure(status)) return;
  const DecodedRule r = decodeRule(rule.month, rule.day, rule.dayOfWeek, rule.time, rule.timeMode);
  if (!r.ok) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  endMonth = static_cast<std::int8_t>(r.day == 0 ? 0 : rule.month);
  endDay = static_cast<std::int8_t>(r.day);
  endDayOfWeek = static_cast<std::int8_t>(r.dayOfWeek);
  endTime = r.day == 0 ? 0 : rule.time;
  endTimeMode = r.day == 0 ? WALL_TIME : rule.timeMode;
  endMode = r.mode;
  updateUseDaylight();
}

void SimpleTimeZone::updateUseDaylight() {
  useDaylight = startDay != 0 && endDay != 0;
  if (useDaylight && dstSavings == 0) dstSavings = kDefaultSavings;
}

// ---- Setters ---------------------------------------------------------------

void SimpleTimeZone::setStartRule(std::int32_t month, std::int32_t dayOfWeekInMonth, std::int32_t dayOfWeek,
                                  std::int32_t time, EngineStatus& status) {
  setStartRule(month, dayOfWeekInMonth, dayOfWeek, time, WALL_TIME, status);
}
void SimpleTimeZone::setStartRule(std::int32_t month, std::int32_t dayOfWeekInMonth, std::int32_t dayOfWeek,
                                  std::int32_t time, TimeMode mode, EngineStatus& status) {
  decodeStartRule({month, dayOfWeekInMonth, dayOfWeek, time, mode}, status);
}
void SimpleTimeZone::setStartRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t time,
                                  EngineStatus& status) {
  setStartRule(month, dayOfMonth, 0, time, WALL_TIME, status);
}
void SimpleTimeZone::setStartRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t time, TimeMode mode,
                                  EngineStatus& status) {
  setStartRule(month, dayOfMonth, 0, time, mode, status);
}
void SimpleTimeZone::setStartRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t dayOfWeek,
                                  std::int32_t time, bool after, EngineStatus& status) {
  setStartRule(month, dayOfMonth, dayOfWeek, time, WALL_TIME, after, status);
}
void SimpleTimeZone::setStartRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t dayOfWeek,
                                  std::int32_t time, TimeMode mode, bool after, EngineStatus& status) {
  setStartRule(month, after ? dayOfMonth : -dayOfMonth, -dayOfWeek, time, mode, status);
}

void SimpleTimeZone::setEndRule(std::int32_t month, std::int32_t dayOfWeekInMonth, std::int32_t dayOfWeek,
                                std::int32_t time, EngineStatus& status) {
  setEndRule(month, dayOfWeekInMonth, dayOfWeek, time, WALL_TIME, status);
}
void SimpleTimeZone::setEndRule(std::int32_t month, std::int32_t dayOfWeekInMonth, std::int32_t dayOfWeek,
                                std::int32_t time, TimeMode mode, EngineStatus& status) {
  decodeEndRule({month, dayOfWeekInMonth, dayOfWeek, time, mode}, status);
}
void SimpleTimeZone::setEndRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t time,
                                EngineStatus& status) {
  setEndRule(month, dayOfMonth, 0, time, WALL_TIME, status);
}
void SimpleTimeZone::setEndRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t time, TimeMode mode,
                                EngineStatus& status) {
  setEndRule(month, dayOfMonth, 0, time, mode, status);
}
void SimpleTimeZone::setEndRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t dayOfWeek,
                                std::int32_t time, bool after, EngineStatus& status) {
  setEndRule(month, dayOfMonth, dayOfWeek, time, WALL_TIME, after, status);
}
void SimpleTimeZone::setEndRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t dayOfWeek,
                                std::int32_t time, TimeMode mode, bool after, EngineStatus& status) {
  setEndRule(month, after ? dayOfMonth : -dayOfMonth, -dayOfWeek, time, mode, status);
}

void SimpleTimeZone::setDSTSavings(std::int32_t millisSavedDuringDST) {
  if (millisSavedDuringDST > 0) dstSavings = millisSavedDuringDST;
}

void SimpleTimeZone::setDSTSavings(std::int32_t millisSavedDuringDST, EngineStatus& status) {
  if (eng_failure(status)) return;
  if (millisSavedDuringDST <= 0) {
    status = ENG_ILLEGAL_ARGUMENT;
    return;
  }
  dstSavings = millisSavedDuringDST;
}

// ---- Offsets ---------------------------------------------------------------

std::int32_t SimpleTimeZone::getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                                       std::int32_t dayOfWeek, std::int32_t millis) const {
  EngineStatus status = ENG_OK;
  return getOffset(era, year, month, day, dayOfWeek, millis, status);
}

std::int32_t SimpleTimeZone::getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                                       std::int32_t dayOfWeek, std::int32_t millis, EngineStatus& status) const {
  if (eng_failure(status)) return 0;
  if (month < 0 || month > 11) {
    status = ENG_ILLEGAL_ARGUMENT;
    return 0;
  }
  return getOffset(era, year, month, day, dayOfWeek, millis, staticMonthLength[month], status);
}

std::int32_t SimpleTimeZone::getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                                       std::int32_t dayOfWeek, std::int32_t millis, std::int32_t monthLength,
                                       EngineStatus& status) const {
  if (eng_failure(status)) return 0;
  if (month < 0 || month > 11) {
    status = ENG_ILLEGAL_ARGUMENT;
    return -1;
  }
  const std::int32_t prevMonthLength = month == 0 ? 31 : staticMonthLength[month - 1];
  return getOffset(era, year, month, day, dayOfWeek, millis, monthLength, prevMonthLength, status);
}

// Daylight time applies from the start rule's instant up to the end rule's.
// Both rules are compared with the local standard time shifted into the
// rule's own time frame: wall time is standard time before the start and
// daylight time (standard + savings) before the end. A zone on the southern
// hemisphere starts later in the year than it ends, so its daylight period
// spans the new year.
std::int32_t SimpleTimeZone::getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                                       std::int32_t dayOfWeek, std::int32_t millis, std::int32_t monthLength,
                                       std::int32_t prevMonthLength, EngineStatus& status) const {
  if (eng_failure(status)) return 0;
  if ((era != GregorianCalendar::AD && era != GregorianCalendar::BC) || month < 0 || month > 11 || day < 1 ||
      day > monthLength || dayOfWeek < 1 || dayOfWeek > 7 || millis < 0 || millis >= kMillisPerDay ||
      monthLength < 28 || monthLength > 31) {
    status = ENG_ILLEGAL_ARGUMENT;
    return -1;
  }
  if (!useDaylight || year < startYear || era != GregorianCalendar::AD) return rawOffset;

  const bool southern = startMonth > endMonth;
  const std::int64_t startDelta = startTimeMode == UTC_TIME ? -std::int64_t{rawOffset} : 0;
  const std::int32_t startCompare = compareToRule(month, monthLength, prevMonthLength, day, dayOfWeek, millis,
                                                  startDelta, startMode, startMonth, startDayOfWeek, startDay,
                                                  startTime);
  std::int32_t endCompare = 0;
  if (southern != (startCompare >= 0)) {
    const std::int64_t endDelta = endTimeMode == WALL_TIME       ? std::int64_t{dstSavings}
                                  : endTimeMode == STANDARD_TIME ? 0
                                                                 : -std::int64_t{rawOffset};
    endCompare = compareToRule(month, monthLength, prevMonthLength, day, dayOfWeek, millis, endDelta, endMode,
                               endMonth, endDayOfWeek, endDay, endTime);
  }
  const bool inDaylight =
      southern ? !(startCompare < 0 && endCompare >= 0) : (startCompare >= 0 && endCompare < 0);
  return inDaylight ? rawOffset + dstSavings : rawOffset;
}

// Compares a local date and time, first shifted by delta (which may move it
// into a neighbouring day or month), with the instant of a rule in the same
// year; -1, 0 or 1.
std::int32_t SimpleTimeZone::compareToRule(std::int32_t month, std::int32_t monthLen, std::int32_t prevMonthLen,
                                           std::int32_t dayOfMonth, std::int32_t dayOfWeek, std::int64_t millis,
                                           std::int64_t delta, EMode ruleMode, std::int32_t ruleMonth,
                                           std::int32_t ruleDayOfWeek, std::int32_t ruleDay,
                                           std::int32_t ruleMillis) {
  using eng_civil::floorMod;
  millis += delta;
  while (millis >= kMillisPerDay) {
    millis -= kMillisPerDay;
    ++dayOfMonth;
    dayOfWeek = 1 + dayOfWeek % 7;
    if (dayOfMonth > monthLen) {
      dayOfMonth = 1;
      ++month;
    }
  }
  while (millis < 0) {
    millis += kMillisPerDay;
    --dayOfMonth;
    dayOfWeek = 1 + (dayOfWeek + 5) % 7;
    if (dayOfMonth < 1) {
      dayOfMonth = prevMonthLen;
      --month;
    }
  }

  if (month != ruleMonth) return month < ruleMonth ? -1 : 1;

  std::int64_t ruleDayOfMonth = 0;
  switch (ruleMode) {
    case DOM_MODE:
      ruleDayOfMonth = ruleDay;
      break;
    case DOW_IN_MONTH_MODE:
      if (ruleDay > 0) {
        ruleDayOfMonth = 1 + (ruleDay - 1) * 7 + floorMod(7 + ruleDayOfWeek - (dayOfWeek - dayOfMonth + 1), 7);
      } else {
        ruleDayOfMonth =
            monthLen + (ruleDay + 1) * 7 - floorMod(7 + (dayOfWeek + monthLen - dayOfMonth) - ruleDayOfWeek, 7);
      }
      break;
    case DOW_GE_DOM_MODE:
      ruleDayOfMonth = ruleDay + floorMod(49 + ruleDayOfWeek - ruleDay - dayOfWeek + dayOfMonth, 7);
      break;
    case DOW_LE_DOM_MODE:
      ruleDayOfMonth = ruleDay - floorMod(49 - ruleDayOfWeek + ruleDay + dayOfWeek - dayOfMonth, 7);
      break;
  }
  if (dayOfMonth != ruleDayOfMonth) return compare(dayOfMonth, ruleDayOfMonth);
  return compare(millis, ruleMillis);
}

bool SimpleTimeZone::inDaylightTime(double date, EngineStatus& status) const {
  if (eng_failure(status)) return false;
  GregorianCalendar calendar(*this, status);
  calendar.setTime(date, status);
  const bool result = calendar.inDaylightTime(status);
  return eng_success(status) && result;
}

// ---- Identity --------------------------------------------------------------

bool SimpleTimeZone::operator==(const TimeZone& that) const {
  return TimeZone::operator==(that) && hasSameRules(that);
}

bool SimpleTimeZone::hasSameRules(const TimeZone& other) const {
  if (this == &other) return true;
  if (other.getDynamicClassId() != getStaticClassId()) return false;
  const auto& that = static_cast<const SimpleTimeZone&>(other);
  if (rawOffset != that.rawOffset || useDaylight != that.useDaylight) return false;
  if (!useDaylight) return true;
  return dstSavings == that.dstSavings && startMode == that.startMode && startMonth == that.startMonth &&
         startDay == that.startDay && startDayOfWeek == that.startDayOfWeek && startTime == that.startTime &&
         startTimeMode == that.startTimeMode && endMode == that.endMode && endMonth == that.endMonth &&
         endDay == that.endDay && endDayOfWeek == that.endDayOfWeek && endTime == that.endTime &&
         endTimeMode == that.endTimeMode && startYear == that.startYear;
}

TimeZone* SimpleTimeZone::clone() const { return new SimpleTimeZone(*this); }
