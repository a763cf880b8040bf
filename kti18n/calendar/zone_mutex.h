// The engine's zone mutex: guards the default zone, the list of zone IDs and
// the zone database's cache. Internal to the engine.
#ifndef KTI18N_CALENDAR_ZONE_MUTEX_H
#define KTI18N_CALENDAR_ZONE_MUTEX_H

#include "kti18n/base/thread.h"

os_critical_section& eng_zoneMutex();

#endif
