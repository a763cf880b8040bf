// Probe C: a unit whose static object uses the time library at start-up
// and shut-down (see startup_probe.h).
#include "startup_probe.h"

namespace {

StartupProbe probe("Asia/Tokyo");

}  // namespace

std::string startupProbeC() { return probe.seen; }
