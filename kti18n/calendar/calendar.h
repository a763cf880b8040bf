// Calendar: the engine's abstract calendar.
//
// A calendar holds an instant (double milliseconds since 1970-01-01 00:00 UTC)
// and the 19 broken-down fields of that instant in its time zone, and keeps
// the two in step lazily: set() makes the instant stale, and the instant is
// recomputed from the fields on the next read; setTime() recomputes all
// fields at once.
//
// Which fields decide the date when several were set is told by stamps:
// 0 = unset, 1 = computed by the calendar, 2 and up = set by the caller, a
// later set giving a greater stamp.
//
// Invariants: the zone is never null in a constructed calendar; every stored
// instant lies within EARLIEST_SUPPORTED_MILLIS..LATEST_SUPPORTED_MILLIS.
#ifndef KTI18N_CALENDAR_CALENDAR_H
#define KTI18N_CALENDAR_CALENDAR_H

#include <cstdint>

#include "kti18n/calendar/engine_status.h"

class TimeZone;

class Calendar {
 public:
  // Field numbers; the names are those of the time library's field objects.
  enum EDateFields {
    Era,                   // 0 = BC, 1 = AD
    Year,                  // year within the era, from 1
    Month,                 // 0 = January .. 11 = December
    Week_of_year,
    Week_of_month,
    Day_of_month,
    Day_of_year,
    Day_of_week,           // 1 = Sunday .. 7 = Saturday
    Day_of_week_in_month,  // n-th such weekday; negative counts from the end
    Am_pm,
    Hour,                  // 0..11
    Hour_of_day,           // 0..23
    Minute,
    Second,
    Millisecond,
    Zone_offset,           // raw zone offset, ms
    Dst_offset,            // daylight saving offset, ms
    Year_woy,              // year to which Week_of_year belongs
    Dow_local,             // day of week counted from the first day of week, 1..7
    FIELD_COUNT
  };

  using ClassID = const void*;

  static constexpr double EARLIEST_SUPPORTED_MILLIS = -4503599627370495.0;  // -(2^52 - 1)
  static constexpr double LATEST_SUPPORTED_MILLIS = +4503599627370495.0;

  // A new GregorianCalendar set to now, or null with a failed status. The
  // first form clones the zone; the second adopts it (and deletes it when
  // the calendar cannot be made).
  static Calendar* createInstance(const TimeZone& zone, EngineStatus& status);
  static Calendar* createInstance(TimeZone* zoneToAdopt, EngineStatus& status);

  // The current time in whole seconds, as milliseconds.
  static double getNow();

  virtual ~Calendar();
  virtual Calendar* clone() const = 0;
  // Same concrete class, instant, leniency, week rules and zone.
  virtual bool operator==(const Calendar& that) const;
  // As operator== without the instant.
  virtual bool equivalentTo(const Calendar& other) const;
  virtual void add(EDateFields field, std::int32_t amount, EngineStatus& status) = 0;
  virtual void roll(EDateFields field, std::int32_t amount, EngineStatus& status) = 0;
  // Steps the field one unit at a time towards `when`; see calendar.cpp.
  virtual std::int32_t fieldDifference(double when, EDateFields field, EngineStatus& status);
  virtual bool inDaylightTime(EngineStatus& status) = 0;
  virtual std::int32_t getMinimum(EDateFields field) const;
  virtual std::int32_t getMaximum(EDateFields field) const;
  virtual std::int32_t getGreatestMinimum(EDateFields field) const;
  virtual std::int32_t getLeastMaximum(EDateFields field) const;
  virtual ClassID getDynamicClassId() const = 0;
  // The least and greatest values the field takes around the current date.
  virtual std::int32_t getActualMinimum(EDateFields field, EngineStatus& status);
  virtual std::int32_t getActualMaximum(EDateFields field, EngineStatus& status);

  bool operator!=(const Calendar& that) const { return !operator==(that); }

  double getTime(EngineStatus& status) { return getTimeInMillis(status); }
  void setTime(double date, EngineStatus& status) { setTimeInMillis(date, status); }

  // Compare the two instants.
  bool equals(const Calendar& when, EngineStatus& status) const;
  bool before(const Calendar& when, EngineStatus& status) const;
  bool after(const Calendar& when, EngineStatus& status) const;

  // Brings the fields up to date and returns one; 0 after a failure.
  std::int32_t get(EDateFields field, EngineStatus& status) {
    // Fast path: nothing to compute.
    if (fAreFieldsSet && fIsTimeSet && eng_success(status) && isValidField(field)) return fFields[field];
    return getSlow(field, status);
  }
  void set(EDateFields field, std::int32_t value);
  void set(std::int32_t year, std::int32_t month, std::int32_t date);
  void set(std::int32_t year, std::int32_t month, std::int32_t date, std::int32_t hour, std::int32_t minute);
  void set(std::int32_t year, std::int32_t month, std::int32_t date, std::int32_t hour, std::int32_t minute,
           std::int32_t second);
  void clear();
  void clear(EDateFields field);
  bool isSet(EDateFields field) const { return isValidField(field) && fStamp[field] != kUnset; }

  // Rolls by +1 when up is positive, else by -1.
  void roll(EDateFields field, signed char up, EngineStatus& status) { roll(field, up > 0 ? 1 : -1, status); }

  // The zone setters mark the fields stale; adoptTimeZone ignores null.
  void adoptTimeZone(TimeZone* zone);
  void setTimeZone(const TimeZone& zone);
  const TimeZone& getTimeZone() const { return *fZone; }

  void setLenient(bool lenient) { fLenient = lenient; }
  bool isLenient() const { return fLenient; }
  void setFirstDayOfWeek(std::int32_t value);
  std::int32_t getFirstDayOfWeek() const { return fFirstDayOfWeek; }
  void setMinimalDaysInFirstWeek(std::uint8_t value);
  std::uint8_t getMinimalDaysInFirstWeek() const { return fMinimalDaysInFirstWeek; }

 protected:
  // A null zone gives status 1 (the calendar then holds GMT).
  Calendar(TimeZone* zoneToAdopt, EngineStatus& status);
  Calendar(const TimeZone& zone, EngineStatus& status);
  Calendar(const Calendar& source);
  Calendar& operator=(const Calendar& right);

  virtual void computeTime(EngineStatus& status) = 0;
  virtual void computeFields(EngineStatus& status) = 0;

  // Recomputes the instant when stale; the fields are then marked stale if
  // the calendar is lenient or the fields were not all computed together,
  // so that normalized values are read back.
  double getTimeInMillis(EngineStatus& status);
  // Stores the instant and recomputes every field. A NaN, an infinity or an
  // instant outside the supported range gives status 1 and changes nothing.
  void setTimeInMillis(double millis, EngineStatus& status);
  // Brings the instant and then the fields up to date.
  void complete(EngineStatus& status);

  std::int32_t internalGet(EDateFields field) const { return fFields[field]; }
  void internalSet(EDateFields field, std::int32_t value) { fFields[field] = value; }
  double internalGetTime() const { return fTime; }
  void internalSetTime(double time) { fTime = time; }
  std::int32_t stampOf(EDateFields field) const { return fStamp[field]; }
  // The zone's class ID, taken when the zone is set (an object's class
  // never changes), so that conversions need not ask the zone.
  ClassID zoneKind() const { return fZoneKind; }

  // The instant without changing this calendar: the stored one when it is
  // current, else computed on a copy.
  double currentMillis(EngineStatus& status) const;
  // Fixes the week rule: ISO 8601 (weeks start on Monday, the first week has
  // at least four days).
  void setWeekCountData();

  static constexpr std::int32_t kUnset = 0;
  static constexpr std::int32_t kInternallySet = 1;
  static constexpr std::int32_t kMinimumUserStamp = 2;

  static bool isValidField(EDateFields field) { return field >= 0 && field < FIELD_COUNT; }

  bool fIsTimeSet = false;
  bool fAreFieldsSet = false;
  bool fAreAllFieldsSet = false;
  std::int32_t fFields[FIELD_COUNT] = {};
  bool fIsSet[FIELD_COUNT] = {};
  std::int32_t fStamp[FIELD_COUNT] = {};
  std::int32_t fNextStamp = kMinimumUserStamp;

 private:
  std::int32_t getSlow(EDateFields field, EngineStatus& status);
  // Gives the caller stamps new consecutive numbers from 2, in their order,
  // before the counter would overflow.
  void renumberStamps();

  double fTime = 0;
  bool fLenient = true;
  TimeZone* fZone = nullptr;
  ClassID fZoneKind = nullptr;
  std::int32_t fFirstDayOfWeek = 2;
  std::uint8_t fMinimalDaysInFirstWeek = 4;
};

#endif
