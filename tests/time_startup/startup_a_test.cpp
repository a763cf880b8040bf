// Probe A: its library headers come first, so their start-up guards are
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
                            PredefinedTimeZones::timeBelt().find(ucs2string("Europe/Paris")), zvCalendar::gregorian());
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

std::string startupProbeA() { return probe.seen; }

#include <gtest/gtest.h>

TEST(StartUp, EveryUnitSawTheLibraryReady) {
  EXPECT_EQ(startupProbeA(), "2004/10/31::2:59:59");
  EXPECT_EQ(startupProbeB(), "2004/10/30::20:59:59");
  EXPECT_EQ(startupProbeC(), "2004/10/31::9:59:59");
}
