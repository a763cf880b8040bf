// Probe B: a unit whose static object uses the time library at start-up
// and shut-down (see startup_probe.h).
#include "startup_probe.h"

namespace {

StartupProbe probe("America/New_York");

}  // namespace

std::string startupProbeB() { return probe.seen; }
