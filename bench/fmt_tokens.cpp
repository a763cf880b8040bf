// The cost of the format vocabulary: library start-up (every predefined
// dictionary), the first and later uses of a spreadsheet-style date
// dictionary, and the lookups that writers make per token.
#include <benchmark/benchmark.h>

#include "kti18n/fmtlib/fmt_pattern.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

using namespace FmtLib;

namespace {

void BM_StartUpAndShutDown(benchmark::State& state) {
  for (auto _ : state) {
    FmtLibInitExit guard;
    benchmark::DoNotOptimize(GetSerialDateTokensDefinition());
  }
}
BENCHMARK(BM_StartUpAndShutDown)->Unit(benchmark::kMicrosecond);

// Start-up plus the first use of one spreadsheet-style date dictionary,
// which generates its table.
void BM_StartUpWithHalcyonDate(benchmark::State& state) {
  for (auto _ : state) {
    FmtLibInitExit guard;
    benchmark::DoNotOptimize(GetHalcyonDateTokensDefinition("GE", "de", "CH"));
  }
}
BENCHMARK(BM_StartUpWithHalcyonDate)->Unit(benchmark::kMicrosecond);

void BM_HalcyonDateCached(benchmark::State& state) {
  FmtLibInitExit guard;
  for (auto _ : state) benchmark::DoNotOptimize(GetHalcyonDateTokensDefinition("GE", "de", "CH"));
}
BENCHMARK(BM_HalcyonDateCached);

void BM_PeltaColorLookup(benchmark::State& state) {
  FmtLibInitExit guard;
  for (auto _ : state) benchmark::DoNotOptimize(GetPeltaColorDefinition("fr", "CA"));
}
BENCHMARK(BM_PeltaColorLookup);

void BM_TokenString(benchmark::State& state) {
  FmtLibInitExit guard;
  const zvTokensDefinition* d = GetSerialDateTokensDefinition();
  for (auto _ : state) benchmark::DoNotOptimize(&d->TokenString(TK_MONTH_DAY_00));
}
BENCHMARK(BM_TokenString);

void BM_FindTokenInfo(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FindTokenInfo(TK_COLOR_DARK_CYAN));
}
BENCHMARK(BM_FindTokenInfo);

// Copying the default short date-time pattern (11 tokens).
void BM_CopyPattern(benchmark::State& state) {
  std::unique_ptr<zvFmtPattern> p(CreateDateFmtPattern());
  for (zvFmtTokens t : {TK_MONTH_DAY_00, TK_MONTH_01, TK_YEAR_00}) {
    p->push_back(t);
    p->push_back(ucs2string("/"));
  }
  for (zvFmtTokens t : {TK_HOUR_00_23, TK_MINUTE_00}) {
    p->push_back(t);
    p->push_back(ucs2string(":"));
  }
  for (auto _ : state) {
    std::unique_ptr<zvFmtPattern> copy(CreateFmtPattern(*p));
    benchmark::DoNotOptimize(copy.get());
  }
}
BENCHMARK(BM_CopyPattern);

}  // namespace

BENCHMARK_MAIN();
