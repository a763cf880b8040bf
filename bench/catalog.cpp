// The locale catalog: loading the locale-data module (dlopen and the
// registration of every record), matching a name, and building a locale by
// name once the catalog has its implementation cached.
#include <benchmark/benchmark.h>

#include <vector>

#include "kti18n/locale/locale_catalog.h"

namespace {

void BM_LoadAndRegister(benchmark::State& state) {
  for (auto _ : state) {
    zv_locale_catalog::ClearInstance();
    benchmark::DoNotOptimize(zv_locale_catalog::GetInstance()->GetRegisteredLocales());
  }
  zv_locale_catalog::ClearInstance();
}
BENCHMARK(BM_LoadAndRegister)->Unit(benchmark::kMicrosecond);

void BM_FirstLocaleByName(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    zv_locale_catalog::ClearInstance();
    zv_locale_catalog::GetInstance()->GetRegisteredLocales();
    state.ResumeTiming();
    zv_locale fr("fr_FR");
    benchmark::DoNotOptimize(fr);
  }
  zv_locale_catalog::ClearInstance();
}
BENCHMARK(BM_FirstLocaleByName)->Unit(benchmark::kMicrosecond);

void BM_CachedLocaleByName(benchmark::State& state) {
  { zv_locale warm("fr_FR"); }
  for (auto _ : state) {
    zv_locale fr("fr_FR");
    benchmark::DoNotOptimize(fr);
  }
  zv_locale_catalog::ClearInstance();
}
BENCHMARK(BM_CachedLocaleByName);

void BM_MatchFullName(benchmark::State& state) {
  zv_locale_catalog* catalog = zv_locale_catalog::GetInstance();
  std::vector<unsigned> lcids;
  for (auto _ : state) {
    catalog->QueryMatchingLocales("fr_CA.CP1252@fr_CA", lcids, false);
    benchmark::DoNotOptimize(lcids);
  }
  zv_locale_catalog::ClearInstance();
}
BENCHMARK(BM_MatchFullName);

}  // namespace

BENCHMARK_MAIN();
