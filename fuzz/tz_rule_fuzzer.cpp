// The host-zone rule reader: POSIX TZ strings (as TZ gives them and as zone
// files end with them), then offsets computed with the zone read, both by
// the engine's yearly rule and by the exact rule a zone file's footer gives.
//
// The input is the rule text, then (after a 0 byte) the dates to ask about.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "kti18n/calendar/civil.h"
#include "kti18n/calendar/host_zone.h"
#include "kti18n/calendar/simple_time_zone.h"
#include "kti18n/calendar/zone_history.h"
#include "kti18n/text/ucs2string.h"

namespace {

constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int month_length(std::int32_t year, int month) {
  return kMonthLength[month] + (month == 1 && eng_civil::gregorianLeap(year) ? 1 : 0);
}

// The zone the engine makes of a host rule, as the default zone does.
void check_engine_zone(const eng_host::HostZoneRule& host, FuzzInput& in) {
  FUZZ_CHECK(!host.hasDaylight || host.dstSavings > 0);
  EngineStatus status = ENG_OK;
  const SimpleTimeZone zone(host.rawOffset, ucs2string(host.name.c_str()), host.start.month, host.start.day,
                            host.start.dayOfWeek, host.start.time, SimpleTimeZone::WALL_TIME, host.end.month,
                            host.end.day, host.end.dayOfWeek, host.end.time, SimpleTimeZone::WALL_TIME,
                            host.hasDaylight ? host.dstSavings : 3600000, status);
  // Every rule the reader hands over is one the engine can hold.
  if (host.hasDaylight) FUZZ_CHECK(eng_success(status));
  if (!eng_success(status)) return;
  for (int k = 0; k < 4; ++k) {
    const auto year = static_cast<std::int32_t>(1 + (in.u32() >> 8) % 9999);
    const int month = static_cast<int>(in.choice(12));
    const int length = month_length(year, month);
    const int day = 1 + static_cast<int>(in.choice(length));
    const auto millis = static_cast<std::int32_t>(in.u32() % eng_civil::kMillisPerDay);
    std::int64_t jd = eng_civil::julianDayBeforeYear(true, year) + day;
    for (int m = 0; m < month; ++m) jd += month_length(year, m);
    const int previous = month_length(month == 0 ? year - 1 : year, (month + 11) % 12);
    EngineStatus st = ENG_OK;
    const std::int32_t offset = zone.getOffset(1, year, month, day, eng_civil::dayOfWeekOfJulianDay(jd), millis,
                                               length, previous, st);
    FUZZ_CHECK(eng_success(st));
    FUZZ_CHECK(offset == host.rawOffset || (host.hasDaylight && offset == host.rawOffset + host.dstSavings));
  }
}

// The exact yearly rule of a zone file's footer, at instants within the
// range the engine asks zones about (2^52 ms and four days each way).
void check_yearly_rule(const eng_host::PosixRuleText& text, FuzzInput& in) {
  const eng_tzdb::YearlyRule rule(text);
  constexpr std::int64_t kRange = (std::int64_t{1} << 52) + 4 * std::int64_t{eng_civil::kMillisPerDay} + 1;
  for (int k = 0; k < 4; ++k) {
    std::int64_t t = static_cast<std::int64_t>((std::uint64_t{in.u32()} << 32) | in.u32()) % kRange;
    if (k == 0) t %= std::int64_t{1} << 42;  // and one near the present
    const bool daylight = rule.inDaylightAt(t);
    FUZZ_CHECK(!daylight || text.hasDaylight);
    const bool local = rule.inDaylightAtLocal(t);
    FUZZ_CHECK(!local || text.hasDaylight);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1024) return 0;
  FuzzInput in(data, size);
  const std::string text = in.text();

  const auto ruleText = eng_host::parsePosixRuleText(text);
  const auto rule = eng_host::parsePosixRule(text);
  FUZZ_CHECK(ruleText.has_value() == rule.has_value());
  // A TZ value that is a rule is read as that rule, not as a file name.
  if (rule && !text.empty() && text[0] != ':') {
    const auto host = eng_host::readHostZone(text.c_str());
    FUZZ_CHECK(host && host->name == rule->name && host->rawOffset == rule->rawOffset);
  }

  // The same text as the footer of a zone file.
  std::string file("TZif2");
  file.append(41, '\0');
  file += '\n';
  file += text;
  file += '\n';
  const auto footer = eng_host::tzifFooter(file);
  if (!text.empty() && text.find('\n') == std::string::npos) FUZZ_CHECK(footer && *footer == text);

  if (rule) check_engine_zone(*rule, in);
  if (ruleText) check_yearly_rule(*ruleText, in);
  return 0;
}
