// The look-up of a zone's transitions through its bucket table against a
// plain walk over the list, for histories whose transitions crowd into one
// bucket, sit on bucket edges or span the whole range of instants.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "kti18n/calendar/zone_history.h"

namespace {

using eng_tzdb::ZoneHistory;
using eng_tzdb::ZoneOffsets;

constexpr std::int64_t kBucket = std::int64_t{1} << 32;  // the narrowest bucket, ms
constexpr std::int64_t kLimit = 4503599627370495;
constexpr std::int64_t kHour = 3600000;

// A history of the given transitions, alternating standard and daylight
// time of an hour east of UTC.
ZoneHistory historyOf(std::vector<std::int64_t> transitions) {
  ZoneHistory h;
  h.names = {"STD", "DST"};
  h.initial = {3600000, 0, 0};
  for (std::size_t i = 0; i < transitions.size(); ++i)
    h.after.push_back(i % 2 == 0 ? ZoneOffsets{3600000, 3600000, 1} : ZoneOffsets{3600000, 0, 0});
  h.transitions = std::move(transitions);
  h.minTotal = 3600000;
  h.indexTransitions();
  return h;
}

std::size_t walkUpTo(const std::vector<std::int64_t>& transitions, std::int64_t t) {
  std::size_t n = 0;
  while (n < transitions.size() && transitions[n] <= t) ++n;
  return n;
}

// Every transition and its neighbours, and random times around and beyond
// the span.
void expectAgreesWithWalk(const ZoneHistory& h) {
  std::vector<std::int64_t> probes;
  for (std::int64_t t : h.transitions)
    for (const std::int64_t d : {-kBucket, -kHour - 1, std::int64_t{-1}, std::int64_t{0}, std::int64_t{1}, kHour - 1, kBucket})
      probes.push_back(t + d);
  std::mt19937_64 random(11);
  const std::int64_t low = h.transitions.front() - 2 * kBucket, high = h.transitions.back() + 2 * kBucket;
  std::uniform_int_distribution<std::int64_t> around(low, high), anywhere(-kLimit, kLimit);
  for (int i = 0; i < 20000; ++i) probes.push_back(i % 4 == 0 ? anywhere(random) : around(random));
  for (std::int64_t t : probes) {
    const std::size_t expected = walkUpTo(h.transitions, t);
    ASSERT_EQ(h.transitionsUpTo(t), expected) << t;
    ASSERT_EQ(h.atInstant(t).total(), expected == 0 ? h.initial.total() : h.after[expected - 1].total()) << t;
  }
}

TEST(TransitionIndex, AgreesWithAWalkOverTheList) {
  // Twice a year, as most zones change.
  std::vector<std::int64_t> yearly;
  for (std::int64_t y = 0; y < 150; ++y) {
    yearly.push_back(-2208988800000 + y * 31556952000 + 7776000000);
    yearly.push_back(-2208988800000 + y * 31556952000 + 25920000000);
  }
  expectAgreesWithWalk(historyOf(yearly));
  // Crowded: many transitions inside one bucket, then a lone one far on.
  std::vector<std::int64_t> crowded;
  for (std::int64_t i = 0; i < 40; ++i) crowded.push_back(1000000000000 + i * 3600000);
  crowded.push_back(1000000000000 + 50 * kBucket);
  expectAgreesWithWalk(historyOf(crowded));
  // On the edges of the buckets counted from the first transition.
  std::vector<std::int64_t> edges = {-5 * kBucket};
  for (std::int64_t b = 1; b < 30; ++b) edges.push_back(-5 * kBucket + b * kBucket - (b % 3 == 0 ? 1 : 0));
  expectAgreesWithWalk(historyOf(edges));
  // Spanning the whole range of instants: the buckets widen.
  expectAgreesWithWalk(historyOf({-kLimit, -kLimit + 1, -86400000, 0, 86400000, kLimit - 1, kLimit}));
  // A single transition.
  expectAgreesWithWalk(historyOf({0}));
}

TEST(TransitionIndex, LocalTimesAgreeWithoutTheTable) {
  std::vector<std::int64_t> transitions;
  for (std::int64_t y = 0; y < 60; ++y) transitions.push_back(y * 15778476000 + 3600000);
  const ZoneHistory indexed = historyOf(transitions);
  ZoneHistory plain = historyOf({});  // filled without a table: the look-ups search the list
  plain.transitions = indexed.transitions;
  plain.after = indexed.after;
  std::mt19937_64 random(5);
  std::uniform_int_distribution<std::int64_t> pick(transitions.front() - kBucket, transitions.back() + kBucket);
  for (int i = 0; i < 20000; ++i) {
    std::int64_t t = pick(random);
    if (i % 2 == 0) t = transitions[static_cast<std::size_t>(i / 2) % transitions.size()] + (i % 7 - 3) * 1800000;
    ASSERT_EQ(indexed.atLocal(t).total(), plain.atLocal(t).total()) << t;
    ASSERT_EQ(indexed.atInstant(t).total(), plain.atInstant(t).total()) << t;
  }
}

}  // namespace
