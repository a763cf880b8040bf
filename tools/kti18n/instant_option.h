// The INSTANT and --zone arguments shared by the date and time subcommands.
//
// INSTANT is either milliseconds since 1970-01-01 00:00 UTC (an optional
// sign and up to 16 digits) or ISO 8601 with a zone designator:
// YYYY-MM-DDThh:mm:ss[.fff] followed by Z or an offset (+02:00, -0530,
// +01). Years of more than four digits, and years before 1, carry a sign
// (astronomical numbering: -0044 is 45 BC). The date is read on the
// engine's calendar, so dates before 15 October 1582 are Julian.
#ifndef KTI18N_TOOLS_INSTANT_OPTION_H
#define KTI18N_TOOLS_INSTANT_OPTION_H

#include <optional>
#include <string>
#include <string_view>

#include "kti18n/time/calendar_handles.h"

namespace cli {

// The instant in ms since 1970, or nothing when the text is not an INSTANT
// or lies outside the engine's range. With lenient, out-of-range fields
// carry over (2004-02-30 is 1 March) instead of being refused.
std::optional<double> parse_instant(std::string_view text, bool lenient = false);

// The zone handle of a --zone value: "host" (the host's zone), "utc", a
// predefined zone ID, or any other ID of the host's tz database. For an unknown ID, prints the UnknownTimeZone text on
// stderr and returns null; callers then exit with kUsageError.
const TimeLib::zvTimeZone* zone_option(const std::string& id);

}  // namespace cli

#endif
