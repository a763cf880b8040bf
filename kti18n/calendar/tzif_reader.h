// Reading compiled zone files (TZif, versions 1 to 4). Internal to the
// engine.
#ifndef KTI18N_CALENDAR_TZIF_READER_H
#define KTI18N_CALENDAR_TZIF_READER_H

#include <optional>
#include <string_view>

#include "kti18n/calendar/zone_history.h"

namespace eng_tzdb {

// The history a zone file holds; nothing when the contents are not a sound
// zone file. Every count is checked against the bytes present before
// anything is read or allocated, so truncated, corrupted or hostile files
// are refused without reading past their end. Files that count leap
// seconds (the "right/" zones) are refused too: their instants are not the
// engine's, which has no leap seconds.
std::optional<ZoneHistory> readTzif(std::string_view contents);

}  // namespace eng_tzdb

#endif
