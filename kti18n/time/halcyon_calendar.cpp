#include "kti18n/time/halcyon_calendar.h"

#include <memory>

#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/time/timelib_exception.h"

namespace TimeLib {

namespace {

// 31 December of year -1, 11:00 UTC, in ms since 1970: the engine derives
// the cut-over year from it, so every day of year 0 on is Gregorian.
constexpr double kGregorianFromYearZero = -62167266000000.0;

constexpr std::int32_t kMonday = 2;  // the engine numbers Sunday 1
constexpr std::uint8_t kFullWeek = 7;

CalendarTimeInitExit* gCalendarTime = nullptr;

}  // namespace

zvHalcyonCalendar* zvHalcyonCalendar::calendar_ = nullptr;

zvHalcyonCalendar::~zvHalcyonCalendar() = default;

zvCalendar::Impl* zvHalcyonCalendar::make(zvTimeZone::Impl* zone) const {
  EngineStatus status = ENG_OK;
  // Owned here until the calendar has taken it, so that a failure leaks
  // nothing.
  std::unique_ptr<TimeZone> owned(zone);
  std::unique_ptr<GregorianCalendar> calendar(new GregorianCalendar(owned.get(), status));
  owned.release();
  if (eng_failure(status)) throw InternalError("zvHalcyonCalendar::make ()");
  calendar->setLenient(true);
  calendar->setFirstDayOfWeek(kMonday);
  calendar->setMinimalDaysInFirstWeek(kFullWeek);
  calendar->setGregorianChange(kGregorianFromYearZero, status);
  if (eng_failure(status)) throw InternalError("zvHalcyonCalendar::make ()");
  return calendar.release();
}

std::atomic<int> HalcyonCalendarInitExit::count{0};

HalcyonCalendarInitExit::HalcyonCalendarInitExit() {
  if (count.fetch_add(1) == 0) init();
}

HalcyonCalendarInitExit::~HalcyonCalendarInitExit() {
  if (count.fetch_sub(1) == 1) exit();
}

void HalcyonCalendarInitExit::init() {
  gCalendarTime = new CalendarTimeInitExit;
  zvHalcyonCalendar::calendar_ = new zvHalcyonCalendar;
}

void HalcyonCalendarInitExit::exit() {
  delete zvHalcyonCalendar::calendar_;
  zvHalcyonCalendar::calendar_ = nullptr;
  delete gCalendarTime;
  gCalendarTime = nullptr;
}

}  // namespace TimeLib
