// Number formats beside their peers, on 1,000,000 amounts of random sign and
// magnitude (10^-2 to 10^9): the STANDARD default format and a two-section
// pattern with grouping and two fraction digits ("#,##0.00;[Red](#,##0.00)"),
// snprintf("%.2f") followed by a grouping pass, and {fmt} with a locale that
// groups by 3 ("{:.2Lf}"). All group by 3 with comma and point. Also the
// cost of building a format from native-dialect text.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/locale/locale_impl.h"
#include "kti18n/locale/num_put.h"
#include "kti18n/locale/numpunct.h"

#ifdef KTI18N_HAVE_FMT
#include <fmt/format.h>
#endif

namespace {

using namespace FmtLib;

FmtLibInitExit fmtLibGuard;

constexpr std::size_t kValues = 1'000'000;
constexpr const char* kTwoSections = "#,##0.00;[Red](#,##0.00)";

const std::vector<double>& amounts() {
  static const std::vector<double> values = [] {
    std::vector<double> v;
    v.reserve(kValues);
    std::mt19937_64 rng(44);
    std::uniform_real_distribution<double> magnitude(-2, 9);
    while (v.size() < kValues) v.push_back(std::pow(10.0, magnitude(rng)) * ((rng() & 1) ? -1 : 1));
    return v;
  }();
  return values;
}

// The classic locale with groups of 3, comma and point.
const unsigned short kGroups[] = {3, 0};
const zv_numeric_punctuation::StaticStorage kGrouped = {1, u'.' | (u',' << 16), kGroups, nullptr, nullptr};

izv_ptr<zvSettings>& settings() {
  static izv_ptr<zvSettings> s = [] {
    zv_locale own(zv_locale::classic(), zv_locale::classic(), zv_locale::numeric);
    auto* punct = new zv_numpunct(&kGrouped, 0);
    own._M_implementation()->_M_install_facet(&zv_numpunct::id, punct);
    own._M_implementation()->_M_install_facet(&zv_num_put::id, new zv_num_put(punct, 0));
    izv_ptr<zvPreferences> prefs;
    CreatePreferences(prefs);
    prefs->EndBuild();
    izv_ptr<zvSettings> out;
    CreateSettings(own, prefs, out);
    return out;
  }();
  return s;
}

std::unique_ptr<zvNumberFormat> native(const char* text) {
  std::unique_ptr<zvStringFormat> reader(CreateStringFormatNumber("en", nullptr));
  zvFmtPattern* raw = nullptr;
  reader->Parse(ucs2string(text), raw);
  std::unique_ptr<zvFmtPattern> pattern(raw);
  zvNumberFormat* format = nullptr;
  CreateNumberFormat(settings(), pattern.get(), format);
  return std::unique_ptr<zvNumberFormat>(format);
}

void run(benchmark::State& state, zvNumberFormat& f) {
  const auto& values = amounts();
  std::size_t i = 0;
  for (auto _ : state) {
    f.Format(values[i]);
    benchmark::DoNotOptimize(f.c_str());
    if (++i == values.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_kti18n_standard(benchmark::State& state) {
  zvNumberFormat* raw = nullptr;
  CreateDefaultNumberFormat(settings(), STANDARD, raw);
  std::unique_ptr<zvNumberFormat> f(raw);
  run(state, *f);
}

void BM_kti18n_two_sections(benchmark::State& state) {
  auto f = native(kTwoSections);
  run(state, *f);
}

// "%.2f", then commas every three integer digits, as a caller without a
// formatting library would write it.
void BM_snprintf_2f_grouped(benchmark::State& state) {
  const auto& values = amounts();
  char plain[64], grouped[96];
  std::size_t i = 0;
  for (auto _ : state) {
    const int n = std::snprintf(plain, sizeof plain, "%.2f", values[i]);
    const char* digits = plain + (plain[0] == '-');
    const char* point = std::strchr(digits, '.');
    const int integer = static_cast<int>((point ? point : plain + n) - digits);
    char* out = grouped;
    if (digits != plain) *out++ = '-';
    for (int k = 0; k < integer; ++k) {
      if (k > 0 && (integer - k) % 3 == 0) *out++ = ',';
      *out++ = digits[k];
    }
    out = std::strcpy(out, digits + integer) + std::strlen(digits + integer);
    benchmark::DoNotOptimize(grouped);
    if (++i == values.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

// A format's cost: reading the native text and compiling the pattern.
void BM_kti18n_create_from_native(benchmark::State& state) {
  std::unique_ptr<zvStringFormat> reader(CreateStringFormatNumber("en", nullptr));
  for (auto _ : state) {
    zvFmtPattern* raw = nullptr;
    reader->Parse(ucs2string(kTwoSections), raw);
    std::unique_ptr<zvFmtPattern> pattern(raw);
    zvNumberFormat* format = nullptr;
    CreateNumberFormat(settings(), pattern.get(), format);
    benchmark::DoNotOptimize(format);
    delete format;
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_kti18n_standard);
BENCHMARK(BM_kti18n_two_sections);
BENCHMARK(BM_snprintf_2f_grouped);

#ifdef KTI18N_HAVE_FMT
struct GroupsOf3 : std::numpunct<char> {
  char do_thousands_sep() const override { return ','; }
  std::string do_grouping() const override { return "\3"; }
};

void BM_fmt_2Lf(benchmark::State& state) {
  const std::locale loc(std::locale::classic(), new GroupsOf3);
  const auto& values = amounts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fmt::format(loc, "{:.2Lf}", values[i]).data());
    if (++i == values.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_fmt_2Lf);
#endif

BENCHMARK(BM_kti18n_create_from_native);

}  // namespace

BENCHMARK_MAIN();
