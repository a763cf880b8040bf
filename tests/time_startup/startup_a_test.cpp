// Probe A: a unit whose static object uses the time library at start-up
// and shut-down (see startup_probe.h).
#include "startup_probe.h"

namespace {

StartupProbe probe("Europe/Paris");

}  // namespace

std::string startupProbeA() { return probe.seen; }

#include <gtest/gtest.h>

TEST(StartUp, EveryUnitSawTheLibraryReady) {
  EXPECT_EQ(startupProbeA(), "2004/10/31::2:59:59");
  EXPECT_EQ(startupProbeB(), "2004/10/30::20:59:59");
  EXPECT_EQ(startupProbeC(), "2004/10/31::9:59:59");
}
