// Time library: a calendar time from an instant, read field by field, and
// an instant from fields, in Europe/Paris (a zone with daylight rules), side
// by side with glibc's localtime_r and mktime under the same TZ.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <vector>

#include "kti18n/time/calendar_time.h"
#include "kti18n/time/predefined_zones.h"

namespace {

using namespace TimeLib;

constexpr std::size_t kSamples = 4096;  // a power of two

// Whole seconds between 1996 and 2036, so that both sides see the same
// instants under the same rules (the European rules of today date from 1996).
const std::vector<std::time_t>& seconds() {
  static const std::vector<std::time_t> values = [] {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<std::int64_t> pick(820454400, 2100000000);
    std::vector<std::time_t> v(kSamples);
    for (auto& t : v) t = static_cast<std::time_t>(pick(random));
    return v;
  }();
  return values;
}

// glibc reads the zone from TZ: the tz database's file when the host has
// one, else the same rules written as a POSIX TZ string.
void useParisForGlibc() {
  static const bool done = [] {
    const bool haveFile = std::ifstream("/usr/share/zoneinfo/Europe/Paris").good();
    setenv("TZ", haveFile ? "Europe/Paris" : "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    return true;
  }();
  (void)done;
}

const zvTimeZone& paris() { return PredefinedTimeZones::timeBelt().find(ucs2string("Europe/Paris")); }

zvPhysicalTime instantOf(std::time_t t) { return zvPhysicalTime::Epoch + zvDuration::Second * static_cast<double>(t); }

void TimeLib_ConstructAndReadFields(benchmark::State& state) {
  const auto& v = seconds();
  const zvTimeZone& zone = paris();
  std::size_t i = 0;
  for (auto _ : state) {
    const zvCalendarTime time(instantOf(v[i++ & (kSamples - 1)]), zone, zvCalendar::gregorian());
    benchmark::DoNotOptimize(time.year() + time.month() + time.day_of_month() + time.hour_of_day() +
                             time.minute() + time.second());
  }
}
BENCHMARK(TimeLib_ConstructAndReadFields);

// The same on one calendar time moved with reset: no allocation per instant.
void TimeLib_ResetAndReadFields(benchmark::State& state) {
  const auto& v = seconds();
  zvCalendarTime time(paris(), zvCalendar::gregorian());
  std::size_t i = 0;
  for (auto _ : state) {
    time.reset(instantOf(v[i++ & (kSamples - 1)]));
    benchmark::DoNotOptimize(time.year() + time.month() + time.day_of_month() + time.hour_of_day() +
                             time.minute() + time.second());
  }
}
BENCHMARK(TimeLib_ResetAndReadFields);

void Glibc_localtime_r(benchmark::State& state) {
  useParisForGlibc();
  const auto& v = seconds();
  std::size_t i = 0;
  std::tm tm{};
  for (auto _ : state) {
    localtime_r(&v[i++ & (kSamples - 1)], &tm);
    benchmark::DoNotOptimize(tm.tm_year + tm.tm_mon + tm.tm_mday + tm.tm_hour + tm.tm_min + tm.tm_sec);
  }
}
BENCHMARK(Glibc_localtime_r);

// Broken-down local times of the samples, read by glibc.
const std::vector<std::tm>& localTimes() {
  static const std::vector<std::tm> values = [] {
    useParisForGlibc();
    std::vector<std::tm> v(kSamples);
    for (std::size_t i = 0; i < kSamples; ++i) localtime_r(&seconds()[i], &v[i]);
    return v;
  }();
  return values;
}

void TimeLib_SetFieldsAndReadInstant(benchmark::State& state) {
  const auto& v = localTimes();
  zvCalendarTime time(paris(), zvCalendar::gregorian());
  std::size_t i = 0;
  for (auto _ : state) {
    const std::tm& tm = v[i++ & (kSamples - 1)];
    zvFields fields;
    fields.set(Year, tm.tm_year + 1900).set(Month, tm.tm_mon).set(Day_of_month, tm.tm_mday);
    fields.set(Hour_of_day, tm.tm_hour).set(Minute, tm.tm_min).set(Second, tm.tm_sec);
    time.set(fields);
    benchmark::DoNotOptimize(time.physicalTime());
  }
}
BENCHMARK(TimeLib_SetFieldsAndReadInstant);

void Glibc_mktime(benchmark::State& state) {
  const auto& v = localTimes();
  std::size_t i = 0;
  for (auto _ : state) {
    std::tm tm = v[i++ & (kSamples - 1)];
    tm.tm_isdst = -1;
    benchmark::DoNotOptimize(mktime(&tm));
  }
}
BENCHMARK(Glibc_mktime);

}  // namespace

BENCHMARK_MAIN();
