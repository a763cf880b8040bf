// SimpleTimeZone: a fixed raw offset and an optional yearly daylight-saving
// rule made of a start rule and an end rule.
//
// A rule names a month, a day and a time of day. The day is told by a mode:
//   1  exact day of month                      (day 1..31, day of week 0)
//   2  n-th weekday of the month, -1 the last  (day -5..5, weekday 1..7)
//   3  first weekday on or after a day         (given as day, -weekday)
//   4  last weekday on or before a day         (given as -day, -weekday)
// and its time counts in wall time, standard time or UTC.
#ifndef KTI18N_CALENDAR_SIMPLE_TIME_ZONE_H
#define KTI18N_CALENDAR_SIMPLE_TIME_ZONE_H

#include <cstdint>

#include "kti18n/calendar/time_zone.h"

class SimpleTimeZone : public TimeZone {
 public:
  enum TimeMode { WALL_TIME = 0, STANDARD_TIME = 1, UTC_TIME = 2 };
  enum EMode { DOM_MODE = 1, DOW_IN_MONTH_MODE = 2, DOW_GE_DOM_MODE = 3, DOW_LE_DOM_MODE = 4 };

  static const std::int8_t staticMonthLength[12];  // no leap year

  // A zone without daylight time.
  SimpleTimeZone(std::int32_t rawOffset, const ucs2string& id);
  // Rules in wall time, savings one hour.
  SimpleTimeZone(std::int32_t rawOffset, const ucs2string& id, std::int32_t startMonth, std::int32_t startDay,
                 std::int32_t startDayOfWeek, std::int32_t startTime, std::int32_t endMonth, std::int32_t endDay,
                 std::int32_t endDayOfWeek, std::int32_t endTime, EngineStatus& status);
  SimpleTimeZone(std::int32_t rawOffset, const ucs2string& id, std::int32_t startMonth, std::int32_t startDay,
                 std::int32_t startDayOfWeek, std::int32_t startTime, std::int32_t endMonth, std::int32_t endDay,
                 std::int32_t endDayOfWeek, std::int32_t endTime, std::int32_t dstSavings, EngineStatus& status);
  SimpleTimeZone(std::int32_t rawOffset, const ucs2string& id, std::int32_t startMonth, std::int32_t startDay,
                 std::int32_t startDayOfWeek, std::int32_t startTime, TimeMode startTimeMode,
                 std::int32_t endMonth, std::int32_t endDay, std::int32_t endDayOfWeek, std::int32_t endTime,
                 TimeMode endTimeMode, std::int32_t dstSavings, EngineStatus& status);
  SimpleTimeZone(const SimpleTimeZone& source) = default;
  SimpleTimeZone& operator=(const SimpleTimeZone& right) = default;
  ~SimpleTimeZone() override;

  bool operator==(const TimeZone& that) const override;
  // An exact match for two simple zones (see GregorianCalendar).
  bool operator==(const SimpleTimeZone& that) const { return operator==(static_cast<const TimeZone&>(that)); }
  std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                         std::int32_t dayOfWeek, std::int32_t millis, std::int32_t monthLength,
                         EngineStatus& status) const override;
  std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                         std::int32_t dayOfWeek, std::int32_t millis) const override;
  std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                         std::int32_t dayOfWeek, std::int32_t millis, EngineStatus& status) const override;
  // The full form: the others end here.
  virtual std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                                 std::int32_t dayOfWeek, std::int32_t millis, std::int32_t monthLength,
                                 std::int32_t prevMonthLength, EngineStatus& status) const;
  void setRawOffset(std::int32_t offsetMillis) override { rawOffset = offsetMillis; }
  std::int32_t getRawOffset() const override { return rawOffset; }
  bool useDaylightTime() const override { return useDaylight; }
  bool inDaylightTime(double date, EngineStatus& status) const override;
  bool hasSameRules(const TimeZone& other) const override;
  TimeZone* clone() const override;
  ClassID getDynamicClassId() const override { return getStaticClassId(); }
  static ClassID getStaticClassId() { return &classIdTag; }

  // The first year the daylight rule applies.
  void setStartYear(std::int32_t year) { startYear = year; }
  // n-th weekday of the month (negative from the end).
  void setStartRule(std::int32_t month, std::int32_t dayOfWeekInMonth, std::int32_t dayOfWeek, std::int32_t time,
                    EngineStatus& status);
  void setStartRule(std::int32_t month, std::int32_t dayOfWeekInMonth, std::int32_t dayOfWeek, std::int32_t time,
                    TimeMode mode, EngineStatus& status);
  // An exact day of the month.
  void setStartRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t time, EngineStatus& status);
  void setStartRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t time, TimeMode mode,
                    EngineStatus& status);
  // The first such weekday on or after (after = true) or the last on or
  // before the day.
  void setStartRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t dayOfWeek, std::int32_t time,
                    bool after, EngineStatus& status);
  void setStartRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t dayOfWeek, std::int32_t time,
                    TimeMode mode, bool after, EngineStatus& status);
  void setEndRule(std::int32_t month, std::int32_t dayOfWeekInMonth, std::int32_t dayOfWeek, std::int32_t time,
                  EngineStatus& status);
  void setEndRule(std::int32_t month, std::int32_t dayOfWeekInMonth, std::int32_t dayOfWeek, std::int32_t time,
                  TimeMode mode, EngineStatus& status);
  void setEndRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t time, EngineStatus& status);
  void setEndRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t time, TimeMode mode,
                  EngineStatus& status);
  void setEndRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t dayOfWeek, std::int32_t time,
                  bool after, EngineStatus& status);
  void setEndRule(std::int32_t month, std::int32_t dayOfMonth, std::int32_t dayOfWeek, std::int32_t time,
                  TimeMode mode, bool after, EngineStatus& status);

  // Savings added in daylight time; a value that is not positive is
  // ignored (status 1 with the second form).
  void setDSTSavings(std::int32_t millisSavedDuringDST);
  void setDSTSavings(std::int32_t millisSavedDuringDST, EngineStatus& status);
  std::int32_t getDSTSavings() const { return dstSavings; }

 private:
  friend class TimeZone;

  // A compiled zone record with daylight time: raw offset in ms; savings and
  // times in minutes; month, day, day of week and time mode of each rule.
  struct DSTZone {
    std::int32_t gmtOffset;
    std::int16_t dstSavings;
    std::int8_t startMonth, startDowim, startDow;
    std::int16_t startTime;
    std::int8_t startMode;
    std::int8_t endMonth, endDowim, endDow;
    std::int16_t endTime;
    std::int8_t endMode;
  };
  // A compiled zone record without daylight time.
  struct StandardZone {
    std::int32_t gmtOffset;
  };
  SimpleTimeZone(const StandardZone& zone, const ucs2string& id);
  SimpleTimeZone(const DSTZone& zone, const ucs2string& id);

  void construct(std::int32_t rawOffset, std::int32_t startMonth, std::int32_t startDay,
                 std::int32_t startDayOfWeek, std::int32_t startTime, TimeMode startTimeMode,
                 std::int32_t endMonth, std::int32_t endDay, std::int32_t endDayOfWeek, std::int32_t endTime,
                 TimeMode endTimeMode, std::int32_t dstSavings, EngineStatus& status);

  // A rule as given by a caller, before decoding.
  struct RawRule {
    std::int32_t month, day, dayOfWeek, time;
    TimeMode timeMode;
  };
  // Checks and decodes a rule into its mode; the rule is stored only when it
  // is sound, otherwise status 1.
  void decodeStartRule(const RawRule& rule, EngineStatus& status);
  void decodeEndRule(const RawRule& rule, EngineStatus& status);
  void updateUseDaylight();

  static std::int32_t compareToRule(std::int32_t month, std::int32_t monthLen, std::int32_t prevMonthLen,
                                    std::int32_t dayOfMonth, std::int32_t dayOfWeek, std::int64_t millis,
                                    std::int64_t delta, EMode ruleMode, std::int32_t ruleMonth,
                                    std::int32_t ruleDayOfWeek, std::int32_t ruleDay, std::int32_t ruleMillis);

  static const char classIdTag;

  std::int8_t startMonth = 0;
  std::int8_t startDay = 0;
  std::int8_t startDayOfWeek = 0;
  std::int32_t startTime = 0;
  TimeMode startTimeMode = WALL_TIME;
  TimeMode endTimeMode = WALL_TIME;
  std::int8_t endMonth = 0;
  std::int8_t endDay = 0;
  std::int8_t endDayOfWeek = 0;
  std::int32_t endTime = 0;
  std::int32_t startYear = 0;
  std::int32_t rawOffset = 0;
  bool useDaylight = false;
  EMode startMode = DOM_MODE;
  EMode endMode = DOM_MODE;
  std::int32_t dstSavings = 3600000;
};

#endif
