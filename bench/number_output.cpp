// Number output beside its peers: the digit engine (zv_num_put::convert),
// the facet's plain output do_put(double), snprintf("%.15g"),
// std::to_chars (shortest and precision 15) and, when installed, {fmt}.
// Two inputs of 1,000,000 values each: random finite bit patterns (every
// exponent alike) and prices (whole cents below 100,000).
#include <benchmark/benchmark.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "kti18n/locale/locale.h"
#include "kti18n/locale/num_put.h"

#ifdef KTI18N_HAVE_FMT
#include <fmt/format.h>
#endif

namespace {

constexpr std::size_t kValues = 1'000'000;

const std::vector<double>& random_doubles() {
  static const std::vector<double> values = [] {
    std::vector<double> v;
    v.reserve(kValues);
    std::mt19937_64 rng(42);
    while (v.size() < kValues) {
      const double d = std::bit_cast<double>(rng());
      if (std::isfinite(d)) v.push_back(d);
    }
    return v;
  }();
  return values;
}

const std::vector<double>& prices() {
  static const std::vector<double> values = [] {
    std::vector<double> v;
    v.reserve(kValues);
    std::mt19937_64 rng(43);
    std::uniform_int_distribution<int> cents(0, 9'999'999);
    while (v.size() < kValues) v.push_back(cents(rng) / 100.0);
    return v;
  }();
  return values;
}

const std::vector<double>& input(const benchmark::State& state) {
  return state.range(0) == 0 ? random_doubles() : prices();
}

void label(benchmark::State& state) {
  state.SetLabel(state.range(0) == 0 ? "random" : "prices");
  state.SetItemsProcessed(state.iterations());
}

const zv_num_put& facet() { return zv_use_facet<zv_num_put>(zv_locale::classic()); }

void BM_convert(benchmark::State& state) {
  const auto& values = input(state);
  const zv_num_put& put = facet();
  ucs2string_formatter integer, fraction, exponent;
  bool negative, hasExponent, negativeExponent;
  std::size_t i = 0;
  for (auto _ : state) {
    // The number formats' scientific layout: 15 significant digits.
    put.convert(values[i], 14, 0, 256, 1, 0, true, false, integer, fraction, exponent, negative, hasExponent,
                negativeExponent);
    benchmark::DoNotOptimize(integer.data());
    if (++i == values.size()) i = 0;
  }
  label(state);
}

void BM_convert_fixed2(benchmark::State& state) {
  const auto& values = input(state);
  const zv_num_put& put = facet();
  ucs2string_formatter integer, fraction, exponent;
  bool negative, hasExponent, negativeExponent;
  std::size_t i = 0;
  for (auto _ : state) {
    // Two fraction digits, as a currency format asks.
    put.convert(values[i], 2, 2, 256, 1, 0, false, false, integer, fraction, exponent, negative, hasExponent,
                negativeExponent);
    benchmark::DoNotOptimize(integer.data());
    if (++i == values.size()) i = 0;
  }
  label(state);
}

void BM_do_put(benchmark::State& state) {
  const auto& values = input(state);
  const zv_num_put& put = facet();
  ucs2string_formatter out;
  std::size_t i = 0;
  for (auto _ : state) {
    out.clear();
    put.put(out, u' ', values[i]);
    benchmark::DoNotOptimize(out.data());
    if (++i == values.size()) i = 0;
  }
  label(state);
}

void BM_snprintf_15g(benchmark::State& state) {
  const auto& values = input(state);
  char buffer[64];
  std::size_t i = 0;
  for (auto _ : state) {
    std::snprintf(buffer, sizeof buffer, "%.15g", values[i]);
    benchmark::DoNotOptimize(buffer);
    if (++i == values.size()) i = 0;
  }
  label(state);
}

void BM_to_chars_shortest(benchmark::State& state) {
  const auto& values = input(state);
  char buffer[64];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::to_chars(buffer, buffer + sizeof buffer, values[i]).ptr);
    if (++i == values.size()) i = 0;
  }
  label(state);
}

void BM_to_chars_15(benchmark::State& state) {
  const auto& values = input(state);
  char buffer[64];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        std::to_chars(buffer, buffer + sizeof buffer, values[i], std::chars_format::general, 15).ptr);
    if (++i == values.size()) i = 0;
  }
  label(state);
}

BENCHMARK(BM_convert)->Arg(0)->Arg(1);
BENCHMARK(BM_convert_fixed2)->Arg(0)->Arg(1);
BENCHMARK(BM_do_put)->Arg(0)->Arg(1);
BENCHMARK(BM_snprintf_15g)->Arg(0)->Arg(1);
BENCHMARK(BM_to_chars_shortest)->Arg(0)->Arg(1);
BENCHMARK(BM_to_chars_15)->Arg(0)->Arg(1);

#ifdef KTI18N_HAVE_FMT
void BM_fmt_15g(benchmark::State& state) {
  const auto& values = input(state);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fmt::format("{:.15g}", values[i]).data());
    if (++i == values.size()) i = 0;
  }
  label(state);
}

void BM_fmt_15g_to_buffer(benchmark::State& state) {
  const auto& values = input(state);
  char buffer[64];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fmt::format_to(buffer, "{:.15g}", values[i]));
    if (++i == values.size()) i = 0;
  }
  label(state);
}
BENCHMARK(BM_fmt_15g)->Arg(0)->Arg(1);
BENCHMARK(BM_fmt_15g_to_buffer)->Arg(0)->Arg(1);
#endif

}  // namespace

BENCHMARK_MAIN();
