// Calendar engine: instant -> fields and fields -> instant, in UTC and in
// Europe/Paris, side by side with glibc's gmtime_r/localtime_r and
// timegm/mktime (TZ=Europe/Paris for the local ones).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/simple_time_zone.h"

namespace {

constexpr std::size_t kSamples = 4096;  // a power of two

// Whole seconds between 1970 and 2037, as milliseconds, so that both sides
// see the same instants.
const std::vector<double>& instants() {
  static const std::vector<double> values = [] {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<std::int64_t> seconds(0, 2100000000);
    std::vector<double> v(kSamples);
    for (double& t : v) t = static_cast<double>(seconds(random)) * 1000.0;
    return v;
  }();
  return values;
}

const std::vector<std::tm>& brokenDown() {
  static const std::vector<std::tm> values = [] {
    std::vector<std::tm> v(kSamples);
    for (std::size_t i = 0; i < kSamples; ++i) {
      const auto t = static_cast<std::time_t>(instants()[i] / 1000.0);
      gmtime_r(&t, &v[i]);
    }
    return v;
  }();
  return values;
}

std::unique_ptr<TimeZone> makeZone(bool paris) {
  if (paris) return std::unique_ptr<TimeZone>(TimeZone::createTimeZone("Europe/Paris"_u2));
  return std::make_unique<SimpleTimeZone>(0, "UTC"_u2);
}

void Engine_InstantToFields(benchmark::State& state, bool paris) {
  EngineStatus status = ENG_OK;
  GregorianCalendar calendar(makeZone(paris).release(), status);
  const auto& v = instants();
  std::size_t i = 0;
  for (auto _ : state) {
    calendar.setTime(v[i++ & (kSamples - 1)], status);
    benchmark::DoNotOptimize(calendar.get(Calendar::Day_of_month, status));
    benchmark::DoNotOptimize(calendar.get(Calendar::Hour_of_day, status));
  }
  if (eng_failure(status)) state.SkipWithError("engine failure");
}

void Engine_FieldsToInstant(benchmark::State& state, bool paris) {
  EngineStatus status = ENG_OK;
  GregorianCalendar calendar(makeZone(paris).release(), status);
  const auto& v = brokenDown();
  std::size_t i = 0;
  for (auto _ : state) {
    const std::tm& tm = v[i++ & (kSamples - 1)];
    calendar.set(tm.tm_year + 1900, tm.tm_mon, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    benchmark::DoNotOptimize(calendar.getTime(status));
  }
  if (eng_failure(status)) state.SkipWithError("engine failure");
}

void Glibc_InstantToFields(benchmark::State& state, bool local) {
  const auto& v = instants();
  std::size_t i = 0;
  std::tm tm{};
  for (auto _ : state) {
    const auto t = static_cast<std::time_t>(v[i++ & (kSamples - 1)] / 1000.0);
    if (local) {
      localtime_r(&t, &tm);
    } else {
      gmtime_r(&t, &tm);
    }
    benchmark::DoNotOptimize(tm.tm_mday);
    benchmark::DoNotOptimize(tm.tm_hour);
  }
}

void Glibc_FieldsToInstant(benchmark::State& state, bool local) {
  const auto& v = brokenDown();
  std::size_t i = 0;
  for (auto _ : state) {
    std::tm tm = v[i++ & (kSamples - 1)];
    tm.tm_isdst = -1;
    benchmark::DoNotOptimize(local ? mktime(&tm) : timegm(&tm));
  }
}

BENCHMARK_CAPTURE(Engine_InstantToFields, utc, false);
BENCHMARK_CAPTURE(Glibc_InstantToFields, gmtime_r, false);
BENCHMARK_CAPTURE(Engine_InstantToFields, paris, true);
BENCHMARK_CAPTURE(Glibc_InstantToFields, localtime_r_paris, true);
BENCHMARK_CAPTURE(Engine_FieldsToInstant, utc, false);
BENCHMARK_CAPTURE(Glibc_FieldsToInstant, timegm, false);
BENCHMARK_CAPTURE(Engine_FieldsToInstant, paris, true);
BENCHMARK_CAPTURE(Glibc_FieldsToInstant, mktime_paris, true);

}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "Europe/Paris", 1);
  tzset();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
