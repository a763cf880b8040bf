// Objects of several translation units that use the time library from their
// static constructors and destructors, whatever order the linker gives them.
#ifndef KTI18N_TESTS_TIME_STARTUP_PROBE_H
#define KTI18N_TESTS_TIME_STARTUP_PROBE_H

#include <string>

// What each unit's probe computed while the program started.
std::string startupProbeA();
std::string startupProbeB();
std::string startupProbeC();

#endif
