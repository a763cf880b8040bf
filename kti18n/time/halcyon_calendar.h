// The calendar of the Halcyon format dialect: the Gregorian engine calendar
// set up as spreadsheets count. It differs from zvCalendar::gregorian() in
// four settings:
//  - lenient: a field out of range carries over (January 32 is February 1)
//    instead of being refused;
//  - weeks start on Monday, and the first week of a year is the first full
//    one (7 minimal days), so 2004-01-01, a Thursday, lies in week 52 of
//    2003;
//  - the Gregorian rules apply from year 0 on (no 1582 gap, 1500 is not a
//    leap year).
// The handle lives while a HalcyonCalendarInitExit is alive; every
// translation unit that includes this header holds one.
#ifndef KTI18N_TIME_HALCYON_CALENDAR_H
#define KTI18N_TIME_HALCYON_CALENDAR_H

#include <atomic>

#include "kti18n/time/calendar_handles.h"

namespace TimeLib {

class zvHalcyonCalendar : public zvCalendar {
 public:
  ~zvHalcyonCalendar() override;
  static const zvCalendar& calendar() { return *calendar_; }

  // A new engine calendar adopting zone. An engine failure while it is set
  // up throws InternalError("zvHalcyonCalendar::make ()").
  Impl* make(zvTimeZone::Impl* zone) const override;

 private:
  friend class HalcyonCalendarInitExit;
  zvHalcyonCalendar() = default;
  static zvHalcyonCalendar* calendar_;
};

// Counted start-up of the Halcyon handle; holds the fixed handles' start-up.
class HalcyonCalendarInitExit {
 public:
  HalcyonCalendarInitExit();
  ~HalcyonCalendarInitExit();
  HalcyonCalendarInitExit(const HalcyonCalendarInitExit&) : HalcyonCalendarInitExit() {}
  HalcyonCalendarInitExit& operator=(const HalcyonCalendarInitExit&) { return *this; }

  static std::atomic<int> count;

 private:
  static void init();
  static void exit();
};

namespace {
[[maybe_unused]] HalcyonCalendarInitExit halcyonCalendarInitExit;
}  // namespace

}  // namespace TimeLib

#endif
