#include "kti18n/time/clock.h"

#include <time.h>

namespace TimeLib {

namespace {

// The host's real-time clock. Seconds and milliseconds come from one
// reading, so that two readings never step backwards across a second
// boundary (as whole seconds from one call and milliseconds from another
// could).
class LocalHostClock final : public zvClock {
 public:
  zvPhysicalTime now() const override {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    const double millis = static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec / 1000000);
    return origin_ + zvDuration::Millisecond * millis;
  }
};

CalendarTimeInitExit* gCalendarTime = nullptr;

}  // namespace

zvClock* zvClock::localHost_ = nullptr;

zvClock::~zvClock() = default;

std::atomic<int> ClockInitExit::count{0};

ClockInitExit::ClockInitExit() {
  if (count.fetch_add(1) == 0) init();
}

ClockInitExit::~ClockInitExit() {
  if (count.fetch_sub(1) == 1) exit();
}

void ClockInitExit::init() {
  gCalendarTime = new CalendarTimeInitExit;
  zvClock::localHost_ = new LocalHostClock;
}

void ClockInitExit::exit() {
  delete zvClock::localHost_;
  zvClock::localHost_ = nullptr;
  delete gCalendarTime;
  gCalendarTime = nullptr;
}

}  // namespace TimeLib
