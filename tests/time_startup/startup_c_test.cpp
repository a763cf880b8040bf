// Probe C: its library headers come first, so their start-up guards are
// constructed before the probe and destroyed after it.
#include <cstdlib>
#include <sstream>

#include "kti18n/time/calendar_time.h"
#include "kti18n/time/clock.h"
#include "kti18n/time/predefined_zones.h"
#include "startup_probe.h"

namespace {

using namespace TimeLib;

std::string describe() {
  const zvCalendarTime time(zvPhysicalTime::Epoch + zvDuration::Second * 1099184399.0,
                            PredefinedTimeZones::timeBelt().find(ucs2string("Asia/Tokyo")), zvCalendar::gregorian());
  std::ostringstream os;
  os << time;
  if (zvClock::localHost().now() < zvPhysicalTime::Epoch + zvDuration::Day * 12000.0) os << " (clock behind)";
  return os.str();
}

struct Probe {
  std::string seen = describe();
  // Still usable while the program ends: a failure here fails the program.
  ~Probe() {
    if (describe() != seen) std::abort();
  }
} probe;

}  // namespace

std::string startupProbeC() { return probe.seen; }
