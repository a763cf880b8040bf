// The host's tz database: zones with their full history of offsets, read
// from the compiled zone files of the zone directory (TZDIR, else
// /usr/share/zoneinfo) on first use of an ID and kept for the process.
#ifndef KTI18N_CALENDAR_ZONE_DATABASE_H
#define KTI18N_CALENDAR_ZONE_DATABASE_H

#include <string>
#include <vector>

#include "kti18n/calendar/time_zone.h"
#include "kti18n/text/ucs2string.h"

namespace eng_tzdb {

// A new zone holding the full history of the database zone `id`, or null
// when the database does not know the ID (or the host has no zone files).
// IDs are relative names inside the zone directory: names with "..", a
// leading "/" or characters outside the database's own are unknown, as are
// files that are not sound zone files. The caller owns the result.
TimeZone* createZone(const ucs2string& id);

// Every ID the database knows, sorted; empty when the host has no zone files.
std::vector<std::string> availableIds();

// The abbreviation in force at `date` (ms since 1970-01-01 00:00 UTC) when
// `zone` holds database history ("CEST", "EST", "JST"); empty otherwise.
std::string abbreviationAt(const TimeZone& zone, double date);

// The host zone with its history, as TZ describes it (a database ID, ":ID",
// or an absolute zone file path) or, when TZ is unset (tzValue null), the
// zone file localtimePath; its ID is the database name where the TZ value
// or the target of the link tells it, else the standard abbreviation. Null
// when that leads to no zone file (TZ empty or a POSIX rule string, say).
TimeZone* createHostZone(const char* tzValue, const std::string& localtimePath = "/etc/localtime");

}  // namespace eng_tzdb

#endif
