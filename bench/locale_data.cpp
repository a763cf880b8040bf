// The locale-data module: loading it and registering every record (goal
// under 5 ms), and building a locale by name the first time, when the
// catalog's instance cache is empty (goal under 50 µs).
#include <benchmark/benchmark.h>

#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_catalog.h"

namespace {

// Each round starts from an empty catalog, so the module is loaded (and its
// start-up registers every record) inside the timed part.
void BM_LoadModuleAndRegisterEveryRecord(benchmark::State& state) {
  std::size_t records = 0;
  for (auto _ : state) {
    zv_locale_catalog::ClearInstance();
    records = zv_locale_catalog::GetInstance()->GetRegisteredLocales().size();
    benchmark::DoNotOptimize(records);
  }
  zv_locale_catalog::ClearInstance();
  state.counters["records"] = static_cast<double>(records);
}
// Fixed round counts: every round reloads the module, which a time-based
// run would repeat thousands of times on a shared machine.
BENCHMARK(BM_LoadModuleAndRegisterEveryRecord)->Unit(benchmark::kMillisecond)->Iterations(200);

// The module is loaded outside the timed part; each round times the first
// zv_locale("fr_FR") of a fresh catalog: matching the name, building the
// implementation from the record and caching it.
void BM_LocaleByNameFirstTime(benchmark::State& state) {
  const char* name = state.range(0) == 0 ? "fr_FR" : "zh_TW.CP950@zh_TW";
  for (auto _ : state) {
    state.PauseTiming();
    zv_locale_catalog::ClearInstance();
    zv_locale_catalog::GetInstance()->GetStorage(31000);  // loads the module
    state.ResumeTiming();
    const zv_locale loc(name);
    benchmark::DoNotOptimize(&loc);
  }
  zv_locale_catalog::ClearInstance();
}
BENCHMARK(BM_LocaleByNameFirstTime)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Iterations(500);

// For comparison: the same name once the implementation is cached.
void BM_LocaleByNameCached(benchmark::State& state) {
  const zv_locale first("fr_FR");
  for (auto _ : state) {
    const zv_locale loc("fr_FR");
    benchmark::DoNotOptimize(&loc);
  }
  zv_locale_catalog::ClearInstance();
}
BENCHMARK(BM_LocaleByNameCached)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
