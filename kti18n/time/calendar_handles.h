// Handles from which calendar times are built: a zvTimeZone makes an engine
// TimeZone, a zvCalendar makes an engine Calendar on a given zone. The
// library's fixed handles (the host zone, UTC, the Gregorian calendar) live
// while a CalendarTimeInitExit is alive; every translation unit that
// includes this header holds one.
#ifndef KTI18N_TIME_CALENDAR_HANDLES_H
#define KTI18N_TIME_CALENDAR_HANDLES_H

#include <atomic>

#include "kti18n/calendar/calendar.h"
#include "kti18n/calendar/time_zone.h"

namespace TimeLib {

class zvTimeZone {
 public:
  using Impl = ::TimeZone;

  virtual ~zvTimeZone();
  // A new engine zone, owned by the caller; null when the handle's zone
  // cannot be made.
  virtual Impl* impl() const = 0;

  // The host's zone (the engine's default zone) and UTC (ID "GMT").
  static const zvTimeZone& localHost() { return *localHost_; }
  static const zvTimeZone& utc() { return *utc_; }

 protected:
  zvTimeZone() = default;
  zvTimeZone(const zvTimeZone&) = default;
  zvTimeZone& operator=(const zvTimeZone&) = default;

 private:
  friend class CalendarTimeInitExit;
  static zvTimeZone* localHost_;
  static zvTimeZone* utc_;
};

// A zone that may be offered to users by name (the predefined zones).
class zvAvailableTimeZone : public zvTimeZone {
 protected:
  zvAvailableTimeZone() = default;
  zvAvailableTimeZone(const zvAvailableTimeZone&) = default;
  zvAvailableTimeZone& operator=(const zvAvailableTimeZone&) = default;
};

class zvCalendar {
 public:
  using Impl = ::Calendar;

  virtual ~zvCalendar();
  // A new engine calendar that adopts zone (also when it fails, in which
  // case the zone is deleted and an exception thrown).
  virtual Impl* make(zvTimeZone::Impl* zone) const = 0;

  // The Gregorian calendar (Julian before 15 October 1582), not lenient:
  // a field out of range is refused rather than carried over.
  static const zvCalendar& gregorian() { return *gregorian_; }

 protected:
  zvCalendar() = default;
  zvCalendar(const zvCalendar&) = default;
  zvCalendar& operator=(const zvCalendar&) = default;

 private:
  friend class CalendarTimeInitExit;
  static zvCalendar* gregorian_;
};

class zvAvailableCalendar : public zvCalendar {
 public:
  // The same calendar as zvCalendar::gregorian(), as an available one.
  static const zvAvailableCalendar& gregorian() { return *gregorian_; }

 protected:
  zvAvailableCalendar() = default;
  zvAvailableCalendar(const zvAvailableCalendar&) = default;
  zvAvailableCalendar& operator=(const zvAvailableCalendar&) = default;

 private:
  friend class CalendarTimeInitExit;
  static zvAvailableCalendar* gregorian_;
};

// Counted start-up of the fixed handles; holds the engine's start-up, so
// that it is set up before and torn down after them.
class CalendarTimeInitExit {
 public:
  CalendarTimeInitExit();
  ~CalendarTimeInitExit();
  CalendarTimeInitExit(const CalendarTimeInitExit&) : CalendarTimeInitExit() {}
  CalendarTimeInitExit& operator=(const CalendarTimeInitExit&) { return *this; }

  static std::atomic<int> count;

 private:
  static void init();
  static void exit();
};

namespace {
// Keeps the fixed handles alive for this translation unit.
[[maybe_unused]] CalendarTimeInitExit calendarTimeInitExit;
}  // namespace

}  // namespace TimeLib

#endif
