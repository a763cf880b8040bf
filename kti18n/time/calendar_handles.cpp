#include "kti18n/time/calendar_handles.h"

#include <memory>

#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/time/timelib_exception.h"

namespace TimeLib {

namespace {

class LocalHostTimeZone final : public zvTimeZone {
 public:
  Impl* impl() const override { return TimeZone::createDefault(); }
};

class UtcTimeZone final : public zvTimeZone {
 public:
  Impl* impl() const override { return TimeZone::GMT->clone(); }
};

// A new non-lenient GregorianCalendar adopting zone.
Calendar* makeGregorian(TimeZone* zone) {
  EngineStatus status = ENG_OK;
  // The zone is owned here until the calendar has taken it, so that an
  // allocation failure does not leak it.
  std::unique_ptr<TimeZone> owned(zone);
  std::unique_ptr<GregorianCalendar> calendar(new GregorianCalendar(owned.get(), status));
  owned.release();
  calendar->setLenient(false);
  if (eng_failure(status)) throw IncorrectData("GregorianCalendar::make ()");
  return calendar.release();
}

class GregorianHandle final : public zvCalendar {
 public:
  Impl* make(zvTimeZone::Impl* zone) const override { return makeGregorian(zone); }
};

class AvailableGregorianHandle final : public zvAvailableCalendar {
 public:
  Impl* make(zvTimeZone::Impl* zone) const override { return makeGregorian(zone); }
};

// The engine's start-up, held for as long as the fixed handles live.
ZoneEngineInitExit* gZoneEngine = nullptr;

}  // namespace

zvTimeZone* zvTimeZone::localHost_ = nullptr;
zvTimeZone* zvTimeZone::utc_ = nullptr;
zvCalendar* zvCalendar::gregorian_ = nullptr;
zvAvailableCalendar* zvAvailableCalendar::gregorian_ = nullptr;

zvTimeZone::~zvTimeZone() = default;
zvCalendar::~zvCalendar() = default;

std::atomic<int> CalendarTimeInitExit::count{0};

CalendarTimeInitExit::CalendarTimeInitExit() {
  if (count.fetch_add(1) == 0) init();
}

CalendarTimeInitExit::~CalendarTimeInitExit() {
  if (count.fetch_sub(1) == 1) exit();
}

void CalendarTimeInitExit::init() {
  gZoneEngine = new ZoneEngineInitExit;
  zvTimeZone::localHost_ = new LocalHostTimeZone;
  zvTimeZone::utc_ = new UtcTimeZone;
  zvCalendar::gregorian_ = new GregorianHandle;
  zvAvailableCalendar::gregorian_ = new AvailableGregorianHandle;
}

void CalendarTimeInitExit::exit() {
  delete zvAvailableCalendar::gregorian_;
  zvAvailableCalendar::gregorian_ = nullptr;
  delete zvCalendar::gregorian_;
  zvCalendar::gregorian_ = nullptr;
  delete zvTimeZone::utc_;
  zvTimeZone::utc_ = nullptr;
  delete zvTimeZone::localHost_;
  zvTimeZone::localHost_ = nullptr;
  delete gZoneEngine;
  gZoneEngine = nullptr;
}

}  // namespace TimeLib
