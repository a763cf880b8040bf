// Zone files of the tz database: any bytes read as a zone file are refused
// or give a sound history, whose offsets at a few instants agree with what
// a calendar in that zone reports. The input is the file.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/historical_time_zone.h"
#include "kti18n/calendar/tzif_reader.h"
#include "kti18n/text/ucs2string.h"

namespace {

using eng_tzdb::ZoneHistory;
using eng_tzdb::ZoneOffsets;

// The engine asks zones about instants within 2^52 ms of 1970, and four days.
constexpr std::int64_t kLimit = (std::int64_t{1} << 52) + 4 * std::int64_t{86400000};

void check_offsets(const ZoneHistory& h, const ZoneOffsets& o) {
  FUZZ_CHECK(o.name < h.names.size());
  FUZZ_CHECK(o.total() >= h.minTotal);
}

void check_shape(const ZoneHistory& h) {
  FUZZ_CHECK(h.transitions.size() == h.after.size());
  FUZZ_CHECK(std::adjacent_find(h.transitions.begin(), h.transitions.end(),
                                [](std::int64_t a, std::int64_t b) { return a >= b; }) == h.transitions.end());
  check_offsets(h, h.initial);
  for (const ZoneOffsets& o : h.after) check_offsets(h, o);
  if (h.rule) {
    check_offsets(h, h.ruleStd);
    check_offsets(h, h.ruleDst);
  }
  FUZZ_CHECK(h.sameRules(h));
}

// Instants worth asking about: around the first transitions, and a few fixed
// ones from the far past to the far future.
std::vector<std::int64_t> instants(const ZoneHistory& h) {
  std::vector<std::int64_t> out = {-kLimit, -62135596800000, 0, 1700000000000, 4102444800000, kLimit};
  for (std::size_t i = 0; i < h.transitions.size() && i < 6; ++i) {
    out.push_back(h.transitions[i] - 1);
    out.push_back(h.transitions[i]);
  }
  if (!h.transitions.empty()) out.push_back(h.transitions.back() + 86400000LL * 200);
  for (std::int64_t& t : out) t = std::clamp(t, -kLimit, kLimit);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 65536) return 0;
  const std::string_view contents(reinterpret_cast<const char*>(data), size);
  const auto read = eng_tzdb::readTzif(contents);
  if (!read) return 0;
  const auto history = std::make_shared<const ZoneHistory>(*read);
  check_shape(*history);

  const HistoricalTimeZone zone(history, ucs2string("Fuzz/Zone"));
  EngineStatus status = ENG_OK;
  GregorianCalendar calendar(zone, status);
  FUZZ_CHECK(eng_success(status));
  for (std::int64_t t : instants(*history)) {
    const ZoneOffsets at = history->atInstant(t);
    check_offsets(*history, at);
    check_offsets(*history, history->atLocal(t));
    history->daylightFrom(t);

    std::int32_t raw = 0, dst = 0;
    FUZZ_CHECK(zone.getOffsetsAtInstant(static_cast<double>(t), raw, dst));
    FUZZ_CHECK(raw == at.raw && dst == at.dst);
    EngineStatus st = ENG_OK;
    calendar.setTime(static_cast<double>(t), st);
    const std::int32_t zoneOffset = calendar.get(Calendar::Zone_offset, st);
    const std::int32_t dstOffset = calendar.get(Calendar::Dst_offset, st);
    calendar.get(Calendar::Year, st);
    if (eng_success(st)) FUZZ_CHECK(zoneOffset == at.raw && dstOffset == at.dst);
  }
  return 0;
}
