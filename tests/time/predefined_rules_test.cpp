// Every predefined zone's rule zone, evaluated around its 2004 transitions
// and in mid-January and mid-July, against an evaluation of the rule written
// here from its meaning: the n-th or last weekday of a month, the first
// weekday on or after a day, the last on or before one, or an exact day; the
// time of day in wall, standard or UTC time.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "kti18n/time/calendar_time.h"
#include "kti18n/time/predefined_zones.h"

namespace {

using namespace TimeLib;

constexpr std::int64_t kMinute = 60000;
constexpr std::int64_t kDay = 86400000;

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12).
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// 1 = Sunday .. 7 = Saturday; 1970-01-01 was a Thursday.
int weekday(std::int64_t days) { return static_cast<int>(((days % 7) + 7 + 4) % 7) + 1; }

int monthLength2004(int month0) {
  static const int lengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return lengths[month0];
}

// The day of the month (1..31) a rule picks in 2004.
int ruleDay(int month0, int day, int dayOfWeek) {
  const std::int64_t first = daysFromCivil(2004, month0 + 1, 1);
  const int length = monthLength2004(month0);
  auto weekdayOf = [&](int dom) { return weekday(first + dom - 1); };
  if (dayOfWeek == 0) return day;  // exact day
  if (dayOfWeek > 0) {
    if (day > 0) {  // the day-th such weekday
      int dom = 1;
      while (weekdayOf(dom) != dayOfWeek) ++dom;
      return dom + 7 * (day - 1);
    }
    int dom = length;  // counted from the end: -1 is the last
    while (weekdayOf(dom) != dayOfWeek) --dom;
    return dom - 7 * (-day - 1);
  }
  const int wanted = -dayOfWeek;
  if (day > 0) {  // first such weekday on or after the day
    int dom = day;
    while (weekdayOf(dom) != wanted) ++dom;
    return dom;
  }
  int dom = -day;  // last such weekday on or before the day
  while (weekdayOf(dom) != wanted) --dom;
  return dom;
}

// The UTC instant of a transition. Wall time is standard time before the
// start and daylight time before the end.
std::int64_t transition(const PredefinedZoneRule& r, bool start) {
  const int month = start ? r.startMonth : r.endMonth;
  const int dom = ruleDay(month, start ? r.startDay : r.endDay, start ? r.startDayOfWeek : r.endDayOfWeek);
  const int mode = start ? r.startTimeMode : r.endTimeMode;
  const std::int64_t local = daysFromCivil(2004, month + 1, dom) * kDay + (start ? r.startTime : r.endTime) * kMinute;
  if (mode == 2) return local;  // UTC
  std::int64_t offset = r.rawOffset;
  if (mode == 0 && !start) offset += r.savings * kMinute;  // wall time during daylight time
  return local - offset;
}

class RuleHandle : public zvTimeZone {
 public:
  RuleHandle(const PredefinedZoneRule& rule, const ucs2string& id) : rule_(rule), id_(id) {}
  Impl* impl() const override { return makeRuleZone(rule_, id_); }

 private:
  const PredefinedZoneRule& rule_;
  ucs2string id_;
};

std::int64_t offsetAt(const zvTimeZone& zone, std::int64_t instant) {
  const zvCalendarTime time(zvPhysicalTime::Epoch + zvDuration::Millisecond * static_cast<double>(instant), zone,
                            zvCalendar::gregorian());
  return time.zone_offset() + time.dst_offset();
}

TEST(PredefinedRules, EveryZoneFollowsItsRuleIn2004) {
  const std::int64_t midJanuary = daysFromCivil(2004, 1, 15) * kDay + 12 * 60 * kMinute;
  const std::int64_t midJuly = daysFromCivil(2004, 7, 15) * kDay + 12 * 60 * kMinute;
  int checkedDaylight = 0;
  for (const PredefinedZoneId& entry : kPredefinedZoneIds) {
    SCOPED_TRACE(entry.id);
    const PredefinedZoneRule& rule = kPredefinedZoneRules[entry.rule];
    const RuleHandle zone(rule, ucs2string(entry.id));
    const std::int64_t standard = rule.rawOffset;
    if (!rule.hasDaylight) {
      EXPECT_EQ(offsetAt(zone, midJanuary), standard);
      EXPECT_EQ(offsetAt(zone, midJuly), standard);
      continue;
    }
    const std::int64_t daylight = standard + rule.savings * kMinute;
    const std::int64_t start = transition(rule, true), end = transition(rule, false);
    EXPECT_EQ(offsetAt(zone, start - 1), standard);
    EXPECT_EQ(offsetAt(zone, start), daylight);
    EXPECT_EQ(offsetAt(zone, end - 1), daylight);
    EXPECT_EQ(offsetAt(zone, end), standard);
    const bool southern = rule.startMonth > rule.endMonth;
    auto inDaylight = [&](std::int64_t t) { return southern ? (t >= start || t < end) : (t >= start && t < end); };
    EXPECT_EQ(offsetAt(zone, midJanuary), inDaylight(midJanuary) ? daylight : standard);
    EXPECT_EQ(offsetAt(zone, midJuly), inDaylight(midJuly) ? daylight : standard);
    ++checkedDaylight;
  }
  EXPECT_GT(checkedDaylight, 150);
}

}  // namespace
