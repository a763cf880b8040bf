// The full history of a zone's offsets as the tz database records it: a
// list of transitions, each starting a period of fixed offsets, and past the
// last one a yearly rule. Internal to the engine.
//
// Invariants: `transitions` is strictly ascending and as long as `after`;
// every `name` indexes `names`; `ruleStd`/`ruleDst` are meaningful only when
// `rule` is set. Instants and local times are ms since 1970-01-01 00:00
// (UTC, or local wall-clock time).
#ifndef KTI18N_CALENDAR_ZONE_HISTORY_H
#define KTI18N_CALENDAR_ZONE_HISTORY_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kti18n/calendar/host_zone.h"

namespace eng_tzdb {

// The offsets of one period, in ms: raw (standard) offset and daylight
// offset; their sum is the offset from UTC. The daylight offset is not 0
// exactly when the zone file calls the period daylight time, and may be
// negative (Irish winter time is daylight time below standard time).
struct ZoneOffsets {
  std::int32_t raw = 0;
  std::int32_t dst = 0;
  std::uint16_t name = 0;  // abbreviation, an index into ZoneHistory::names

  std::int32_t total() const { return raw + dst; }
};

// A yearly daylight rule as a zone file's footer (a POSIX TZ string) writes
// it, evaluated exactly: its dates may lie on any day of the year, its
// times anywhere within a week of midnight, and daylight time may be below
// standard time, none of which a SimpleTimeZone can hold.
class YearlyRule {
 public:
  explicit YearlyRule(const eng_host::PosixRuleText& text) : text_(text) {}

  const eng_host::PosixRuleText& text() const { return text_; }
  bool hasDaylight() const { return text_.hasDaylight; }
  // Daylight time at an instant.
  bool inDaylightAt(std::int64_t utcMillis) const;
  // Daylight time at a local wall-clock time, by the gap and overlap rule of
  // ZoneHistory::atLocal.
  bool inDaylightAtLocal(std::int64_t localMillis) const;

 private:
  // The two transitions of a year as instants.
  std::int64_t startOf(std::int64_t year) const;
  std::int64_t endOf(std::int64_t year) const;

  eng_host::PosixRuleText text_;
};

struct ZoneHistory {
  ZoneOffsets initial;                    // before the first transition
  std::vector<std::int64_t> transitions;  // instants, ms
  std::vector<ZoneOffsets> after;         // in force from each transition on
  std::optional<YearlyRule> rule;         // in force from the last transition on
  ZoneOffsets ruleStd, ruleDst;
  std::vector<std::string> names;
  std::int32_t minTotal = 0;  // the least total offset of any period, ms

  // The offsets in force at an instant. No allocation: a look-up among the
  // transitions, or the yearly rule past the last. Inline: the calendar asks
  // it for every conversion.
  ZoneOffsets atInstant(std::int64_t utcMillis) const {
    const std::size_t count = transitionsUpTo(utcMillis);
    if (count == transitions.size() && rule) return ruleAtInstant(utcMillis);
    return count == 0 ? initial : after[count - 1];
  }
  // The offsets of a local wall-clock time. A transition takes effect at the
  // earlier of its two wall-clock readings, so a local time that a
  // transition skips (a gap) or repeats (an overlap) gets the offsets in
  // force after the transition: 02:30 on the day New York's clocks jump from
  // 02:00 to 03:00 is read with daylight time (it is 01:30 standard time),
  // and 01:30 on the day they fall back is the second 01:30, in standard
  // time. The rule-based zones resolve both cases the same way.
  ZoneOffsets atLocal(std::int64_t localMillis) const;
  // Equal offsets at every instant (abbreviations aside).
  bool sameRules(const ZoneHistory& other) const;

  // Daylight time anywhere at or after an instant.
  bool daylightFrom(std::int64_t utcMillis) const;

  // Builds the look-up table of the transitions; call once they are all
  // in place. Without it the look-ups search the whole list.
  void indexTransitions();
  // The number of transitions at or before a time.
  std::size_t transitionsUpTo(std::int64_t t) const {
    const std::size_t n = transitions.size();
    if (n == 0 || t < transitions.front()) return 0;
    if (t >= transitions.back()) return n;
    if (buckets.empty()) return searchUpTo(0, n, t);
    const Bucket& bucket =
        buckets[static_cast<std::size_t>(static_cast<std::uint64_t>(t - transitions.front()) >> bucketShift)];
    // Only the transitions of t's own bucket can be in question: those of
    // earlier buckets have passed, those of later ones have not.
    if (bucket.count <= 1) return bucket.before + (t >= bucket.first ? 1 : 0);
    return searchUpTo(bucket.before, bucket.before + bucket.count, t);
  }

 private:
  ZoneOffsets ruleAt(bool daylight) const { return daylight ? ruleDst : ruleStd; }
  ZoneOffsets ruleAtInstant(std::int64_t utcMillis) const { return ruleAt(rule->inDaylightAt(utcMillis)); }
  // from + the number of transitions at or before t among [from, to).
  std::size_t searchUpTo(std::size_t from, std::size_t to, std::int64_t t) const;

  // The span of the transitions cut into buckets of 2^bucketShift ms from
  // the first transition on. Most buckets hold at most one transition, and
  // keep its instant, so that a look-up reads one entry and compares once.
  struct Bucket {
    std::int64_t first;   // the bucket's first transition; INT64_MAX when it has none
    std::uint32_t before;  // transitions before the bucket
    std::uint32_t count;   // transitions in the bucket
  };
  std::vector<Bucket> buckets;
  int bucketShift = 0;
};

}  // namespace eng_tzdb

#endif
