// GregorianCalendar: the hybrid Julian/Gregorian calendar.
//
// Dates before the cutover instant follow the Julian calendar, dates from it
// on the Gregorian one; the default cutover is 15 October 1582, which
// directly follows 4 October 1582. Years before 1 AD are told by Era = 0 (BC)
// and Year = 1 - astronomical year.
#ifndef KTI18N_CALENDAR_GREGORIAN_CALENDAR_H
#define KTI18N_CALENDAR_GREGORIAN_CALENDAR_H

#include <cstdint>

#include "kti18n/calendar/calendar.h"

class GregorianCalendar : public Calendar {
 public:
  enum EEras { BC = 0, AD = 1 };

  static const std::int32_t kJan1_1JulianDay;       // 1721426: 1 January of year 1, Gregorian
  static const std::int32_t kEpochStartAsJulianDay;  // 2440588: 1970-01-01
  static const std::int32_t kEpochYear;              // 1970
  static const std::int32_t kNumDays[12];            // days before each month
  static const std::int32_t kLeapNumDays[12];
  static const std::int32_t kMonthLength[12];
  static const std::int32_t kLeapMonthLength[12];
  static const std::int32_t kOneSecond;
  static const std::int32_t kOneMinute;
  static const std::int32_t kOneHour;
  static const double kOneDay;
  static const double kOneWeek;
  static const double kPapalCutover;                 // 15 October 1582 00:00 UTC
  static const char kDateTimeElements[];             // "DateTimeElements"
  // Field limits, by field number.
  static const std::int32_t kMinValues[FIELD_COUNT];
  static const std::int32_t kLeastMaxValues[FIELD_COUNT];
  static const std::int32_t kMaxValues[FIELD_COUNT];

  // Set to now, with the default cutover. A null zone gives status 1.
  GregorianCalendar(TimeZone* zoneToAdopt, EngineStatus& status);
  GregorianCalendar(const TimeZone& zone, EngineStatus& status);
  GregorianCalendar(const GregorianCalendar& source) = default;
  GregorianCalendar& operator=(const GregorianCalendar& right) = default;
  ~GregorianCalendar() override;

  Calendar* clone() const override;
  bool operator==(const Calendar& that) const override;
  // Two Gregorian calendars compare through the virtual operator (an exact
  // match, so that C++20's reversed candidates do not make it ambiguous).
  bool operator==(const GregorianCalendar& that) const { return operator==(static_cast<const Calendar&>(that)); }
  bool equivalentTo(const Calendar& other) const override;
  void add(EDateFields field, std::int32_t amount, EngineStatus& status) override;
  void roll(EDateFields field, std::int32_t amount, EngineStatus& status) override;
  using Calendar::roll;
  bool inDaylightTime(EngineStatus& status) override;
  std::int32_t getMinimum(EDateFields field) const override;
  std::int32_t getMaximum(EDateFields field) const override;
  std::int32_t getGreatestMinimum(EDateFields field) const override;
  std::int32_t getLeastMaximum(EDateFields field) const override;
  std::int32_t getActualMinimum(EDateFields field, EngineStatus& status) override;
  std::int32_t getActualMaximum(EDateFields field, EngineStatus& status) override;
  ClassID getDynamicClassId() const override { return getStaticClassId(); }
  static ClassID getStaticClassId() { return &classIdTag; }

  // Moves the cutover; the cutover year is that of the new instant read
  // with the default cutover.
  void setGregorianChange(double date, EngineStatus& status);
  double getGregorianChange() const { return fGregorianCutover; }
  // Gregorian rule from the cutover year on, Julian rule before it.
  bool isLeapYear(std::int32_t year) const;

 protected:
  void computeFields(EngineStatus& status) override;
  void computeTime(EngineStatus& status) override;

 private:
  static const char classIdTag;

  // The calendar date of a local day (days since 1970-01-01, local time).
  struct CivilDay {
    std::int32_t rawYear;     // astronomical year (0 = 1 BC)
    std::int32_t dayOfYear0;  // 0-based, counted on the timeline from 1 January
    std::int32_t month;       // 0..11
    std::int32_t dayOfMonth;  // 1..31
    std::int32_t dayOfWeek;   // 1 = Sunday
    bool leap;
  };
  CivilDay civilDay(std::int64_t epochDay) const;

  // Stores the date and week fields of a day.
  void applyCivilDay(const CivilDay& day);
  void computeWeekFields(const CivilDay& day, bool ad, std::int32_t yearOfEra);
  std::int32_t weekNumber(std::int32_t dayOfPeriod, std::int32_t dayOfWeek) const;
  double computeJulianDay(bool isGregorian, std::int64_t year) const;
  bool validateFields() const;

  // Lengths by the era-adjusted Year field (months) or a given astronomical
  // year; yearLength counts the days the year really has on the timeline,
  // which differs from 365/366 only in the cutover year.
  std::int32_t monthLength(std::int32_t month) const;
  std::int32_t monthLength(std::int32_t month, std::int64_t year) const;
  std::int32_t yearLength(std::int64_t year) const;
  std::int32_t yearLength() const;
  // The era-adjusted Year field.
  std::int64_t extendedYear() const;
  // Days by which Day_of_year in the cutover year lags the Gregorian count
  // (10 for 1582: its year began on the Julian 1 January); 0 when the year
  // began under Gregorian rules.
  std::int32_t cutoverYearShift() const;

  void pinDayOfMonth();
  // Moves the instant by delta ms; with keepDst, a change of the daylight
  // offset is undone, so that the wall-clock time stays.
  void moveInstant(double delta, bool keepDst, EngineStatus& status);
  void rollDayInCutoverMonth(EDateFields field, std::int32_t amount, EngineStatus& status);
  void rollWeekOfYear(std::int32_t amount, EngineStatus& status);
  std::int32_t actualMaximumOfYear(EDateFields field, EngineStatus& status);
  std::int32_t rolledWeekOfMonthDay(std::int64_t amount, std::int32_t dayOfMonth, std::int32_t monthLength,
                                    std::int32_t relativeDayOfWeek) const;

  double fGregorianCutover;
  double fNormalizedGregorianCutover;
  std::int32_t fGregorianCutoverYear;
};

#endif
