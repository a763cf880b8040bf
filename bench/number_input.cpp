// Reading typed numbers beside its peers: zvInputNumber::Scan on UCS-2
// text (classic locale), strtod and std::from_chars on the same text in
// bytes. Four inputs of 1,000,000 texts each: prices ("1234.56"), integers
// ("123456789"), scientific with eight digits ("6.0221408e+23", exponents
// from -300 to 300) and seventeen-digit round-trip forms ("%.17g").
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "kti18n/fmtlib/input_number.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

namespace {

using namespace FmtLib;

constexpr std::size_t kTexts = 1'000'000;

// Both forms of each text lie end to end in one buffer each, 0-terminated,
// so that every reader meets its text the same way in memory.
struct Texts {
  std::vector<char> bytes;
  std::vector<unsigned short> units;
  std::vector<std::uint32_t> start;  // of text i in both buffers
  std::vector<std::uint32_t> size;

  void Add(const char* text) {
    start.push_back(static_cast<std::uint32_t>(bytes.size()));
    size.push_back(static_cast<std::uint32_t>(std::strlen(text)));
    for (const char* c = text;; ++c) {
      bytes.push_back(*c);
      units.push_back(static_cast<unsigned char>(*c));
      if (*c == 0) break;
    }
  }
};

Texts Make(int kind) {
  Texts t;
  std::mt19937_64 rng(1000 + kind);
  char buffer[64];
  for (std::size_t i = 0; i < kTexts; ++i) {
    switch (kind) {
      case 0:
        std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(rng() % 10'000'000) / 100.0);
        break;
      case 1:
        std::snprintf(buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(rng() % 2'000'000'000));
        break;
      case 2: {
        const double mantissa = 1.0 + static_cast<double>(rng() % 90'000'000) / 10'000'000.0;
        std::snprintf(buffer, sizeof buffer, "%.7e", mantissa * std::pow(10.0, static_cast<int>(rng() % 601) - 300));
        break;
      }
      default:
        std::snprintf(buffer, sizeof buffer, "%.17g",
                      static_cast<double>(rng() >> 11) * std::pow(2.0, static_cast<int>(rng() % 200) - 150));
        break;
    }
    t.Add(buffer);
  }
  return t;
}

const Texts& Input(const benchmark::State& state) {
  static const Texts sets[] = {Make(0), Make(1), Make(2), Make(3)};
  return sets[state.range(0)];
}

void Label(benchmark::State& state) {
  static const char* names[] = {"prices", "integers", "scientific", "17 digits"};
  state.SetLabel(names[state.range(0)]);
  state.SetItemsProcessed(state.iterations());
}

void BM_InputNumberScan(benchmark::State& state) {
  FmtLibInitExit guard;
  izv_ptr<zvPreferences> prefs;
  CreatePreferences(prefs);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  CreateSettings(zv_locale::classic(), prefs, settings);
  zvInputNumber* raw = nullptr;
  CreateInputNumber(settings, raw);
  std::unique_ptr<zvInputNumber> input(raw);
  const Texts& texts = Input(state);
  std::size_t i = 0;
  for (auto _ : state) {
    double v = 0;
    int length = 0;
    benchmark::DoNotOptimize(input->Scan(&texts.units[texts.start[i]], v, length));
    benchmark::DoNotOptimize(v);
    if (++i == kTexts) i = 0;
  }
  Label(state);
}

void BM_Strtod(benchmark::State& state) {
  const Texts& texts = Input(state);
  std::size_t i = 0;
  for (auto _ : state) {
    char* end = nullptr;
    benchmark::DoNotOptimize(std::strtod(&texts.bytes[texts.start[i]], &end));
    benchmark::DoNotOptimize(end);
    if (++i == kTexts) i = 0;
  }
  Label(state);
}

void BM_FromChars(benchmark::State& state) {
  const Texts& texts = Input(state);
  std::size_t i = 0;
  for (auto _ : state) {
    double v = 0;
    const char* s = &texts.bytes[texts.start[i]];
    benchmark::DoNotOptimize(std::from_chars(s, s + texts.size[i], v));
    benchmark::DoNotOptimize(v);
    if (++i == kTexts) i = 0;
  }
  Label(state);
}

BENCHMARK(BM_InputNumberScan)->DenseRange(0, 3);
BENCHMARK(BM_Strtod)->DenseRange(0, 3);
BENCHMARK(BM_FromChars)->DenseRange(0, 3);

}  // namespace

BENCHMARK_MAIN();
