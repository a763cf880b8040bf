// zvCalendarTime: an instant seen through a calendar and a time zone, read
// and changed field by field.
//
// Invariant: the engine calendar inside always holds a valid instant and the
// fields computed from it. Every change is made under a guard that saves the
// instant, makes the change, validates the result by recomputing all fields,
// and on failure puts the saved instant back and throws IncorrectData naming
// the operation. A failing call therefore leaves the calendar time exactly as
// it was.
//
// A calendar time belongs to one thread at a time.
#ifndef KTI18N_TIME_CALENDAR_TIME_H
#define KTI18N_TIME_CALENDAR_TIME_H

#include <iosfwd>

#include "kti18n/calendar/calendar.h"
#include "kti18n/calendar/time_zone.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/time/calendar_handles.h"
#include "kti18n/time/fields.h"
#include "kti18n/time/physical_time.h"
#include "kti18n/time/timelib_exception.h"

namespace TimeLib {

// The instant of a calendar time, readable and assignable as a
// zvPhysicalTime: `ct.physicalTime() += zvDuration::Hour`.
template <class CalendarTime>
class PhysicalTimeRef {
 public:
  explicit PhysicalTimeRef(CalendarTime& time) : time_(time) {}
  operator zvPhysicalTime() const { return static_cast<const CalendarTime&>(time_).physicalTime(); }
  PhysicalTimeRef& operator=(const zvPhysicalTime& t) { time_.reset(t); return *this; }
  PhysicalTimeRef& operator=(const PhysicalTimeRef& other) { return *this = zvPhysicalTime(other); }
  PhysicalTimeRef& operator+=(const zvDuration& d) { return *this = zvPhysicalTime(*this) + d; }
  PhysicalTimeRef& operator-=(const zvDuration& d) { return *this = zvPhysicalTime(*this) - d; }

  // The value's own operators are hidden friends of zvPhysicalTime, which a
  // proxy does not find; these forward the common ones.
  friend zvPhysicalTime operator+(const PhysicalTimeRef& r, const zvDuration& d) { return zvPhysicalTime(r) + d; }
  friend zvPhysicalTime operator-(const PhysicalTimeRef& r, const zvDuration& d) { return zvPhysicalTime(r) - d; }
  friend zvDuration operator-(const PhysicalTimeRef& r, const zvPhysicalTime& t) { return zvPhysicalTime(r) - t; }
  friend zvDuration operator-(const zvPhysicalTime& t, const PhysicalTimeRef& r) { return t - zvPhysicalTime(r); }
  friend bool operator==(const PhysicalTimeRef& r, const zvPhysicalTime& t) { return zvPhysicalTime(r) == t; }
  friend bool operator<(const PhysicalTimeRef& r, const zvPhysicalTime& t) { return zvPhysicalTime(r) < t; }
  friend bool operator<(const zvPhysicalTime& t, const PhysicalTimeRef& r) { return t < zvPhysicalTime(r); }

 private:
  CalendarTime& time_;
};

class zvCalendarTime {
 public:
  class FieldRef;
  class Diff_type;

  // The given instant. Message "assign (physicalTime)".
  zvCalendarTime(const zvPhysicalTime& time, const zvTimeZone& zone, const zvCalendar& calendar);
  // All fields cleared, then the requests applied (unset Year is 1970,
  // unset time fields 0). Message "assign (zvFields)".
  zvCalendarTime(const zvFields& fields, const zvTimeZone& zone, const zvCalendar& calendar);
  // Epoch (1970-01-01 00:00:00 UTC), not the current time.
  zvCalendarTime(const zvTimeZone& zone, const zvCalendar& calendar);
  zvCalendarTime(const zvCalendarTime& other);
  zvCalendarTime& operator=(const zvCalendarTime& other);
  ~zvCalendarTime();

  zvCalendarTime& reset(const zvPhysicalTime& time);
  // Clears all fields, then applies the requests.
  zvCalendarTime& reset(const zvFields& fields);

  // ---- Reading -------------------------------------------------------------
  // Inline: a calendar time always holds computed fields, so a read is an
  // array access; the guard runs only if the engine reports a failure.
  std::int32_t get(const zvField& field) const {
    EngineStatus status = ENG_OK;
    const std::int32_t value = calendar_->get(engineField(field.number()), status);
    return eng_success(status) ? value : guardedGet(field.number(), "get (zvField)");
  }
  std::int32_t get(const zvROField& field) const {
    EngineStatus status = ENG_OK;
    const std::int32_t value = calendar_->get(engineField(field.number()), status);
    return eng_success(status) ? value : guardedGet(field.number(), "get (zvROField)");
  }
  std::int32_t operator[](const zvField& field) const { return get(field); }
  std::int32_t operator[](const zvROField& field) const { return get(field); }
  FieldRef operator[](const zvField& field);

  std::int32_t era() const { return get(Era); }
  std::int32_t year() const { return get(Year); }
  std::int32_t month() const { return get(Month); }
  std::int32_t week_of_year() const { return get(Week_of_year); }
  std::int32_t week_of_month() const { return get(Week_of_month); }
  std::int32_t day_of_month() const { return get(Day_of_month); }
  std::int32_t day_of_year() const { return get(Day_of_year); }
  std::int32_t day_of_week() const { return get(Day_of_week); }
  std::int32_t day_of_week_in_month() const { return get(Day_of_week_in_month); }
  std::int32_t am_pm() const { return get(Am_pm); }
  std::int32_t hour() const { return get(Hour); }
  std::int32_t hour_of_day() const { return get(Hour_of_day); }
  std::int32_t minute() const { return get(Minute); }
  std::int32_t second() const { return get(Second); }
  std::int32_t millisecond() const { return get(Millisecond); }
  std::int32_t year_woy() const { return get(Year_woy); }
  std::int32_t dow_local() const { return get(Dow_local); }
  std::int32_t zone_offset() const { return get(Zone_offset); }
  std::int32_t dst_offset() const { return get(Dst_offset); }

  FieldRef era();
  FieldRef year();
  FieldRef month();
  FieldRef week_of_year();
  FieldRef week_of_month();
  FieldRef day_of_month();
  FieldRef day_of_year();
  FieldRef day_of_week();
  FieldRef day_of_week_in_month();
  FieldRef am_pm();
  FieldRef hour();
  FieldRef hour_of_day();
  FieldRef minute();
  FieldRef second();
  FieldRef millisecond();
  FieldRef year_woy();
  FieldRef dow_local();

  // Epoch + the engine's instant. Message "physicalTime ()".
  zvPhysicalTime physicalTime() const;
  PhysicalTimeRef<zvCalendarTime> physicalTime() { return PhysicalTimeRef<zvCalendarTime>(*this); }

  // The zone's ID ("Europe/Paris", "GMT").
  ucs2string time_zone_id() const;
  // The engine zone and calendar, for readers such as the date formats.
  const zvTimeZone::Impl& time_zone() const { return calendar_->getTimeZone(); }
  const zvCalendar::Impl& calendar() const { return *calendar_; }

  // Fixed limits of a field, whatever the date.
  std::int32_t min_minimum(const zvField& field) const;
  std::int32_t max_minimum(const zvField& field) const;
  std::int32_t min_maximum(const zvField& field) const;
  std::int32_t max_maximum(const zvField& field) const;
  // Limits around the current date. Messages "minimum (zvField)" and
  // "maximum (zvField)".
  std::int32_t minimum(const zvField& field) const;
  std::int32_t maximum(const zvField& field) const;

  // ---- Changing ------------------------------------------------------------
  // Message "set (zvField[s])" for the three.
  zvCalendarTime& set(const zvField& field, std::int32_t value);
  // Applies the requests without clearing the other fields.
  zvCalendarTime& set(const zvFields& fields);
  zvCalendarTime& clear(const zvField& field);
  // Moves the date, carrying into larger fields. Message "add (zvField)".
  zvCalendarTime& add(const zvField& field, std::int32_t amount);
  // Changes one field without carrying. Message "roll (zvField)".
  zvCalendarTime& roll(const zvField& field, std::int32_t amount);

  // Steps the field towards target one unit at a time: the calendar time ends
  // at the last step that does not pass the target, and count receives the
  // number of steps (negative towards an earlier target). Message
  // "diff (zvField)".
  zvCalendarTime& diff(const zvPhysicalTime& target, const zvField& field, std::int32_t& count);
  std::int32_t diff(const zvPhysicalTime& target, const zvField& field);
  Diff_type diff(const zvPhysicalTime& target);

  // Compare the instants; zone and calendar do not take part.
  friend bool operator==(const zvCalendarTime& a, const zvCalendarTime& b);
  friend bool operator!=(const zvCalendarTime& a, const zvCalendarTime& b) { return !(a == b); }
  friend bool operator<(const zvCalendarTime& a, const zvCalendarTime& b);
  friend bool operator>(const zvCalendarTime& a, const zvCalendarTime& b) { return b < a; }
  friend bool operator<=(const zvCalendarTime& a, const zvCalendarTime& b) { return !(b < a); }
  friend bool operator>=(const zvCalendarTime& a, const zvCalendarTime& b) { return !(a < b); }

 private:
  template <class Change>
  void guarded(const char* message, Change&& change) const;
  void applyFields(const zvFields& fields) const;
  std::int32_t guardedGet(int number, const char* message) const;
  double instant() const;
  static Calendar::EDateFields engineField(int number) { return static_cast<Calendar::EDateFields>(number); }

  // Owned; never null.
  Calendar* calendar_;
};

// A field of a calendar time, readable and changeable in place:
// `ct.month() += 1`, `ct[Day_of_month] = 17`, `int d = ct.day_of_month()`.
class zvCalendarTime::FieldRef {
 public:
  FieldRef(zvCalendarTime& time, zvField field) : time_(time), field_(field) {}
  operator std::int32_t() const { return static_cast<const zvCalendarTime&>(time_).get(field_); }
  FieldRef& operator=(std::int32_t value) { time_.set(field_, value); return *this; }
  FieldRef& operator=(const FieldRef& other) { return *this = static_cast<std::int32_t>(other); }
  FieldRef& operator+=(std::int32_t amount) { time_.add(field_, amount); return *this; }
  FieldRef& operator-=(std::int32_t amount);
  FieldRef& operator++() { return *this += 1; }
  FieldRef& operator--() { return *this += -1; }
  FieldRef& roll(std::int32_t amount) { time_.roll(field_, amount); return *this; }
  FieldRef& clear() { time_.clear(field_); return *this; }
  std::int32_t minimum() const { return time_.minimum(field_); }
  std::int32_t maximum() const { return time_.maximum(field_); }
  const zvField& field() const { return field_; }

 private:
  zvCalendarTime& time_;
  zvField field_;
};

// The way from a calendar time to a target instant, counted in a field:
// `int months = ct.diff(target)[Month]` (which moves ct, as diff does).
class zvCalendarTime::Diff_type {
 public:
  Diff_type(zvCalendarTime& time, const zvPhysicalTime& target) : time_(time), target_(target) {}
  std::int32_t operator[](const zvField& field) const { return time_.diff(target_, field); }
  std::int32_t operator()(const zvField& field) const { return time_.diff(target_, field); }
  // The plain length from the calendar time to the target.
  operator zvDuration() const { return target_ - static_cast<const zvCalendarTime&>(time_).physicalTime(); }

 private:
  zvCalendarTime& time_;
  zvPhysicalTime target_;
};

// Year/(Month + 1)/Day_of_month::Hour_of_day:Minute:seconds, the seconds with
// their milliseconds: 2004/5/17::13:45:7.25.
std::ostream& operator<<(std::ostream& os, const zvCalendarTime& time);

}  // namespace TimeLib

#endif
