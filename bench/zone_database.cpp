// Zones with history: instant -> fields in America/New_York and
// Europe/Paris, side by side with glibc's localtime_r under the same TZ,
// and the first use of a zone ID (file read and parse).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/zone_database.h"

namespace {

constexpr std::size_t kSamples = 4096;  // a power of two

// Whole seconds between 1900 and 2037, as milliseconds, so that both sides
// see the same instants.
const std::vector<double>& instants() {
  static const std::vector<double> values = [] {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<std::int64_t> seconds(-2208988800, 2100000000);
    std::vector<double> v(kSamples);
    for (double& t : v) t = static_cast<double>(seconds(random)) * 1000.0;
    return v;
  }();
  return values;
}

void Zone_InstantToFields(benchmark::State& state, const char* id) {
  std::unique_ptr<TimeZone> zone(eng_tzdb::createZone(ucs2string(id)));
  if (!zone) {
    state.SkipWithError("no zone files (install tzdata)");
    return;
  }
  EngineStatus status = ENG_OK;
  GregorianCalendar calendar(zone.release(), status);
  const auto& v = instants();
  std::size_t i = 0;
  for (auto _ : state) {
    calendar.setTime(v[i++ & (kSamples - 1)], status);
    benchmark::DoNotOptimize(calendar.get(Calendar::Day_of_month, status));
    benchmark::DoNotOptimize(calendar.get(Calendar::Hour_of_day, status));
  }
  if (eng_failure(status)) state.SkipWithError("engine failure");
}

void Glibc_LocaltimeR(benchmark::State& state, const char* id) {
  ::setenv("TZ", (std::string(":") + id).c_str(), 1);
  ::tzset();
  const auto& v = instants();
  std::size_t i = 0;
  std::tm tm{};
  for (auto _ : state) {
    const auto t = static_cast<std::time_t>(v[i++ & (kSamples - 1)] / 1000.0);
    localtime_r(&t, &tm);
    benchmark::DoNotOptimize(tm.tm_mday);
    benchmark::DoNotOptimize(tm.tm_hour);
  }
  ::unsetenv("TZ");
  ::tzset();
}

// The first use of an ID: its file read and parsed. Each iteration takes
// another database ID (the database keeps what it has read), so the run is
// at most as long as the list.
void Zone_FirstUse(benchmark::State& state) {
  const std::vector<std::string> ids = eng_tzdb::availableIds();
  if (ids.size() < 500) {
    state.SkipWithError("no zone files (install tzdata)");
    return;
  }
  std::size_t next = 0;
  std::vector<std::unique_ptr<TimeZone>> made;
  made.reserve(ids.size());
  for (auto _ : state) made.emplace_back(eng_tzdb::createZone(ucs2string(ids[next++].c_str())));
}

BENCHMARK_CAPTURE(Zone_InstantToFields, NewYork, "America/New_York");
BENCHMARK_CAPTURE(Glibc_LocaltimeR, NewYork, "America/New_York");
BENCHMARK_CAPTURE(Zone_InstantToFields, Paris, "Europe/Paris");
BENCHMARK_CAPTURE(Glibc_LocaltimeR, Paris, "Europe/Paris");
BENCHMARK(Zone_FirstUse)->Iterations(500);

}  // namespace

BENCHMARK_MAIN();
