#include "kti18n/calendar/zone_history.h"

#include <algorithm>

#include "kti18n/calendar/civil.h"

namespace eng_tzdb {
namespace {

using eng_civil::floorDiv;
using eng_civil::floorMod;
using eng_host::PosixDate;

constexpr std::int64_t kMillisPerDay = 86400000;
constexpr std::int64_t kEpochJulianDay = 2440588;
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days from 1970-01-01 to 1 January of a (proleptic Gregorian) year.
std::int64_t firstDayOfYear(std::int64_t year) {
  return eng_civil::julianDayBeforeYear(true, year) + 1 - kEpochJulianDay;
}

// The year holding a day counted from 1970-01-01: an estimate from the mean
// year of 365.2425 days, corrected by at most one either way.
std::int64_t yearOfDay(std::int64_t day) {
  std::int64_t year = 1970 + floorDiv(day * 400, 146097);
  while (firstDayOfYear(year) > day) --year;
  while (firstDayOfYear(year + 1) <= day) ++year;
  return year;
}

// The local time (ms) at which a rule date falls in a year.
std::int64_t localTimeOf(const PosixDate& date, std::int64_t year) {
  const std::int64_t jan1 = firstDayOfYear(year);
  const bool leap = eng_civil::gregorianLeap(year);
  std::int64_t day = 0;
  switch (date.kind) {
    case PosixDate::kJulianNoLeap:
      day = jan1 + date.a - 1 + (leap && date.a >= 60 ? 1 : 0);
      break;
    case PosixDate::kZeroBased:
      day = jan1 + date.a;
      break;
    case PosixDate::kMonthWeekDay: {
      const int month = date.a - 1;
      const std::int64_t first = jan1 + kDaysBeforeMonth[month] + (leap && month >= 2 ? 1 : 0);
      const int length = kMonthLength[month] + (leap && month == 1 ? 1 : 0);
      // 1970-01-01 was a Thursday (weekday 4 when Sunday is 0).
      const std::int64_t firstWeekday = floorMod(first + 4, 7);
      day = first + floorMod(date.c - firstWeekday, 7) + 7 * (date.b - 1);
      if (day >= first + length) day -= 7;  // week 5: the last such weekday
      break;
    }
  }
  return day * kMillisPerDay + std::int64_t{date.seconds} * 1000;
}

bool sameDate(const PosixDate& a, const PosixDate& b) {
  return a.kind == b.kind && a.a == b.a && a.b == b.b && a.c == b.c && a.seconds == b.seconds;
}

bool sameOffsets(const ZoneOffsets& a, const ZoneOffsets& b) { return a.raw == b.raw && a.dst == b.dst; }

// Daylight time between two yearly points, which in the southern
// hemisphere (start after end) spans the new year.
bool between(std::int64_t t, std::int64_t start, std::int64_t end) {
  return start < end ? (start <= t && t < end) : !(end <= t && t < start);
}

// Buckets of 2^32 ms (about 50 days) hold at most one transition of a
// zone that changes its clocks twice a year; wider ones keep the table of
// a zone whose transitions span an absurd range small.
constexpr int kNarrowestBucketShift = 32;
constexpr std::size_t kMostBuckets = std::size_t{1} << 16;

}  // namespace

// Each rule time is a local time: the start in standard time, the end in
// daylight time.
std::int64_t YearlyRule::startOf(std::int64_t year) const {
  return localTimeOf(text_.start, year) - std::int64_t{text_.stdOffset} * 1000;
}

std::int64_t YearlyRule::endOf(std::int64_t year) const {
  return localTimeOf(text_.end, year) - std::int64_t{text_.dstOffset} * 1000;
}

bool YearlyRule::inDaylightAt(std::int64_t utcMillis) const {
  if (!text_.hasDaylight) return false;
  // The transitions of the instant's year in UTC, as the C library takes
  // them: it matters only for rules whose dates touch the new year.
  const std::int64_t year = yearOfDay(floorDiv(utcMillis, kMillisPerDay));
  return between(utcMillis, startOf(year), endOf(year));
}

bool YearlyRule::inDaylightAtLocal(std::int64_t localMillis) const {
  if (!text_.hasDaylight) return false;
  const std::int64_t year = yearOfDay(floorDiv(localMillis, kMillisPerDay));
  const std::int64_t earlier = std::int64_t{std::min(text_.stdOffset, text_.dstOffset)} * 1000;
  return between(localMillis, startOf(year) + earlier, endOf(year) + earlier);
}

void ZoneHistory::indexTransitions() {
  buckets.clear();
  if (transitions.empty()) return;
  const std::int64_t first = transitions.front();
  const auto span = static_cast<std::uint64_t>(transitions.back() - first);
  bucketShift = kNarrowestBucketShift;
  while ((span >> bucketShift) >= kMostBuckets) ++bucketShift;
  buckets.resize(static_cast<std::size_t>(span >> bucketShift) + 1, Bucket{INT64_MAX, 0, 0});
  std::size_t next = 0;
  for (std::size_t b = 0; b < buckets.size(); ++b) {
    buckets[b].before = static_cast<std::uint32_t>(next);
    if (next < transitions.size()) buckets[b].first = transitions[next];
    while (next < transitions.size() && static_cast<std::uint64_t>(transitions[next] - first) >> bucketShift == b)
      ++next;
    buckets[b].count = static_cast<std::uint32_t>(next - buckets[b].before);
    if (buckets[b].count == 0) buckets[b].first = INT64_MAX;
  }
}

// The halving search runs without branches on the data, which the random
// instants of a report would mispredict at every step.
std::size_t ZoneHistory::searchUpTo(std::size_t from, std::size_t to, std::int64_t t) const {
  if (from == to) return from;
  const std::int64_t* base = transitions.data() + from;
  for (std::size_t n = to - from; n > 1;) {
    const std::size_t half = n / 2;
    base = base[half] <= t ? base + half : base;
    n -= half;
  }
  return static_cast<std::size_t>(base - transitions.data()) + (*base <= t ? 1 : 0);
}

ZoneOffsets ZoneHistory::atLocal(std::int64_t localMillis) const {
  // A transition in effect at this local time began no later than
  // localMillis - minTotal; of those, the effective one is the latest whose
  // earlier wall-clock reading has passed (a few steps back at most).
  auto i = static_cast<std::ptrdiff_t>(transitionsUpTo(localMillis - minTotal));
  while (--i >= 0) {
    const auto n = static_cast<std::size_t>(i);
    const ZoneOffsets& before = n == 0 ? initial : after[n - 1];
    if (transitions[n] + std::min(before.total(), after[n].total()) <= localMillis) break;
  }
  const bool last = static_cast<std::size_t>(i + 1) == transitions.size();
  if (last && rule) return ruleAt(rule->inDaylightAtLocal(localMillis));
  if (i < 0) return initial;
  return after[static_cast<std::size_t>(i)];
}

bool ZoneHistory::sameRules(const ZoneHistory& other) const {
  if (this == &other) return true;
  if (!sameOffsets(initial, other.initial) || transitions != other.transitions ||
      rule.has_value() != other.rule.has_value())
    return false;
  for (std::size_t i = 0; i < after.size(); ++i)
    if (!sameOffsets(after[i], other.after[i])) return false;
  if (!rule) return true;
  const auto &a = rule->text(), &b = other.rule->text();
  return a.stdOffset == b.stdOffset && a.hasDaylight == b.hasDaylight &&
         (!a.hasDaylight ||
          (a.dstOffset == b.dstOffset && sameDate(a.start, b.start) && sameDate(a.end, b.end)));
}

bool ZoneHistory::daylightFrom(std::int64_t utcMillis) const {
  if (atInstant(utcMillis).dst != 0) return true;
  if (rule && rule->hasDaylight()) return true;
  const auto next = std::upper_bound(transitions.begin(), transitions.end(), utcMillis) - transitions.begin();
  for (auto i = static_cast<std::size_t>(next); i < after.size(); ++i)
    if (after[i].dst != 0) return true;
  return false;
}

}  // namespace eng_tzdb
