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

// A transition date of a rule string as written: Jn (day 1..365, never
// counting 29 February), n (zero-based day 0..365, counting it) or Mm.w.d
// (weekday d, 0 = Sunday, of week w, 5 = the last, of month m), and the
// local time of day in seconds (-167..167 hours, default 02:00).
struct PosixDate {
  enum Kind { kJulianNoLeap, kZeroBased, kMonthWeekDay } kind;
  int a = 0, b = 0, c = 0;  // n; or month 1..12, week 1..5, weekday 0..6
  std::int32_t seconds = 7200;
};

// A rule string as written, offsets in seconds east of UTC.
struct PosixRuleText {
  std::string stdName, dstName;
  std::int32_t stdOffset = 0;
  bool hasDaylight = false;
  std::int32_t dstOffset = 0;
  PosixDate start{PosixDate::kMonthWeekDay, 3, 2, 0}, end{PosixDate::kMonthWeekDay, 11, 1, 0};
};

// Reads a POSIX TZ rule string; nothing when it is malformed.
std::optional<PosixRuleText> parsePosixRuleText(std::string_view text);
// The same in the engine's rule encoding.
std::optional<HostZoneRule> parsePosixRule(std::string_view text);
// The rule string at the end of a TZif (version 2 or later) file's
// contents; nothing when there is none.
std::optional<std::string> tzifFooter(std::string_view contents);
// The host zone as TZ, or else /etc/localtime, describes it; nothing when
// neither can be read. tzValue is null when TZ is unset.
std::optional<HostZoneRule> readHostZone(const char* tzValue, const std::string& localtimePath = "/etc/localtime");

}  // namespace eng_host

#endif
