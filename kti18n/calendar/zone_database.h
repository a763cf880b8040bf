// The host's tz database: zones with their full history of offsets, read
// from the compiled zone files of the zone directory.
#ifndef KTI18N_CALENDAR_ZONE_DATABASE_H
#define KTI18N_CALENDAR_ZONE_DATABASE_H

#include <string>
#include <vector>

#include "kti18n/calendar/time_zone.h"
#include "kti18n/text/ucs2string.h"

namespace eng_tzdb {

// A new zone holding the full history of the database zone `id`, or null
// when the database does not know the ID (or the host has no zone files).
// The caller owns the result.
TimeZone* createZone(const ucs2string& id);

// Every ID the database knows, sorted; empty when the host has no zone files.
std::vector<std::string> availableIds();

// The abbreviation in force at `date` (ms since 1970-01-01 00:00 UTC) when
// `zone` holds database history ("CEST", "EST", "JST"); empty otherwise.
std::string abbreviationAt(const TimeZone& zone, double date);

}  // namespace eng_tzdb

#endif
