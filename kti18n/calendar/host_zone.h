// The host's time zone, read the way this platform keeps it: the TZ
// environment variable when set, otherwise the system zone file
// /etc/localtime. Both lead to a POSIX rule string such as
// "CET-1CEST,M3.5.0,M10.5.0/3": TZ may hold one directly, and a TZif zone
// file ends with one (its footer). Internal to the engine.
#ifndef KTI18N_CALENDAR_HOST_ZONE_H
#define KTI18N_CALENDAR_HOST_ZONE_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace eng_host {

// One daylight transition in the engine's rule encoding (see
// simple_time_zone.h): month 0..11, day and dayOfWeek by mode, time in ms of
// wall-clock time, 0..86400000.
struct TransitionRule {
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int32_t dayOfWeek = 0;
  std::int32_t time = 0;
};

struct HostZoneRule {
  std::string name;             // the standard time's abbreviation, e.g. "CET"
  std::int32_t rawOffset = 0;   // ms east of UTC
  bool hasDaylight = false;
  std::int32_t dstSavings = 0;  // ms, positive
  TransitionRule start, end;
};

// Reads a POSIX TZ rule string; nothing when it is malformed.
std::optional<HostZoneRule> parsePosixRule(std::string_view text);
// The rule string at the end of a TZif (version 2 or later) file's
// contents; nothing when there is none.
std::optional<std::string> tzifFooter(std::string_view contents);
// The host zone as TZ, or else /etc/localtime, describes it; nothing when
// neither can be read. tzValue is null when TZ is unset.
std::optional<HostZoneRule> readHostZone(const char* tzValue, const std::string& localtimePath = "/etc/localtime");

}  // namespace eng_host

#endif
