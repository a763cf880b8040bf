// zvClock: a source of the current instant. The library's one instance, the
// local host clock, reads the host's real-time clock.
#ifndef KTI18N_TIME_CLOCK_H
#define KTI18N_TIME_CLOCK_H

#include <atomic>

#include "kti18n/time/calendar_handles.h"
#include "kti18n/time/physical_time.h"

namespace TimeLib {

class zvClock {
 public:
  virtual ~zvClock();
  // The current instant, as origin + the clock's reading.
  virtual zvPhysicalTime now() const = 0;

  // The local host clock; null outside the clock's start-up.
  static zvClock* localHost_;
  static const zvClock& localHost() { return *localHost_; }

 protected:
  zvClock() = default;
  zvClock(const zvClock&) = default;
  zvClock& operator=(const zvClock&) = default;

  zvPhysicalTime origin_ = zvPhysicalTime::Epoch;
};

// Counted start-up of the local host clock; holds the calendar-time start-up.
class ClockInitExit {
 public:
  ClockInitExit();
  ~ClockInitExit();
  ClockInitExit(const ClockInitExit&) : ClockInitExit() {}
  ClockInitExit& operator=(const ClockInitExit&) { return *this; }

  static std::atomic<int> count;

 private:
  static void init();
  static void exit();
};

namespace {
// Keeps the local host clock alive for this translation unit.
[[maybe_unused]] ClockInitExit clockInitExit;
}  // namespace

}  // namespace TimeLib

#endif
