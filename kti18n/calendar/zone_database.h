// The host's tz database: zones with their full history of offsets, read
// from the compiled zone files of the zone directory.
#ifndef KTI18N_CALENDAR_ZONE_DATABASE_H
#define KTI18N_CALENDAR_ZONE_DATABASE_H

#include "kti18n/calendar/time_zone.h"
#include "kti18n/text/ucs2string.h"

namespace eng_tzdb {

// A new zone holding the full history of the database zone `id`, or null
// when the database does not know the ID (or the host has no zone files).
// The caller owns the result.
TimeZone* createZone(const ucs2string& id);

}  // namespace eng_tzdb

#endif
