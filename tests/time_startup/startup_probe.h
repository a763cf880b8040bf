// Objects of several translation units that use the time library from their
// static constructors and destructors, whatever order the linker gives them.
//
// The library headers come first here, so in every unit that includes this
// header their start-up guards are constructed before the unit's probe and
// destroyed after it.
#ifndef KTI18N_TESTS_TIME_STARTUP_PROBE_H
#define KTI18N_TESTS_TIME_STARTUP_PROBE_H

#include <cstdlib>
#include <sstream>
#include <string>

#include "kti18n/time/calendar_time.h"
#include "kti18n/time/clock.h"
#include "kti18n/time/predefined_zones.h"

// What each unit's probe computed while the program started.
std::string startupProbeA();
std::string startupProbeB();
std::string startupProbeC();

// One instant (2004-10-31 00:59:59 UTC) as a predefined zone shows it, and
// whether the host clock is readable.
inline std::string DescribeStartupInstant(const char* zoneId) {
  using namespace TimeLib;
  const zvCalendarTime time(zvPhysicalTime::Epoch + zvDuration::Second * 1099184399.0,
                            PredefinedTimeZones::timeBelt().find(ucs2string(zoneId)), zvCalendar::gregorian());
  std::ostringstream os;
  os << time;
  if (zvClock::localHost().now() < zvPhysicalTime::Epoch + zvDuration::Day * 12000.0) os << " (clock behind)";
  return os.str();
}

// A static object of a unit: describes the instant when the program starts,
// and again (still usable) while it ends: a failure there fails the program.
struct StartupProbe {
  explicit StartupProbe(const char* zoneId) : zone(zoneId), seen(DescribeStartupInstant(zoneId)) {}
  ~StartupProbe() {
    if (DescribeStartupInstant(zone) != seen) std::abort();
  }
  const char* zone;
  std::string seen;
};

#endif
