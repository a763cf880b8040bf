// Character classification and case mapping, side by side with glibc's
// wide-character functions under the C.UTF-8 locale, on the same code units
// of a mixed-script text.
//
// Rows come in pairs, kti18n then glibc; "per_unit" is the time per code
// unit. The mask row's glibc peer asks the nine classes that make up
// GetPropertyMask one by one, since glibc has no call that answers them
// together.
#include <benchmark/benchmark.h>

#include <locale.h>
#include <wctype.h>

#include <vector>

#include "kti18n/locale/ctype.h"
#include "kti18n/text/ucs2string.h"

namespace {

const char* const kSample =
    "The quick brown fox jumps over the lazy dog (1234). Crème brûlée à la façon de Zoë! Größe: 5 µm; "
    "Съешь же ещё этих мягких французских булок. Καλημέρα κόσμε, ΑΒΓΔ. "
    "国際化と地域化は重要です。 한국어 텍스트를 처리합니다. مرحبا بالعالم ١٢٣٤. שלום עולם. "
    "नमस्ते दुनिया १२३. สวัสดีชาวโลก. ½ + ¼ = ¾ — “quoted” «guillemets» ¿qué? ¡sí!\n";

std::vector<unsigned short> Units(std::size_t minUnits) {
  const ucs2string sample(kSample);
  std::vector<unsigned short> units;
  while (units.size() < minUnits) units.insert(units.end(), sample.data(), sample.data() + sample.length());
  return units;
}

const std::vector<unsigned short>& Text() {
  static const std::vector<unsigned short> text = Units(1);
  return text;
}

// The table lookups of the built-in facet, with the mask open to the bench.
class Tables : public zv_ctype_impl {
 public:
  using zv_ctype_impl::GetPropertyMask;
};

locale_t GlibcLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return loc;
}

void SetPerUnit(benchmark::State& state, std::size_t units) {
  state.counters["per_unit"] = benchmark::Counter(static_cast<double>(units),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

bool NeedGlibc(benchmark::State& state) {
  if (GlibcLocale() != static_cast<locale_t>(nullptr)) return true;
  state.SkipWithError("C.UTF-8 locale not available");
  return false;
}

void BM_IsAlpha_kti18n(benchmark::State& state) {
  const Tables ct;
  const auto& text = Text();
  for (auto _ : state) {
    unsigned n = 0;
    for (unsigned short c : text) n += ct.IsAlpha(c);
    benchmark::DoNotOptimize(n);
  }
  SetPerUnit(state, text.size());
}

void BM_IsAlpha_glibc(benchmark::State& state) {
  if (!NeedGlibc(state)) return;
  const locale_t loc = GlibcLocale();
  const auto& text = Text();
  for (auto _ : state) {
    unsigned n = 0;
    for (unsigned short c : text) n += iswalpha_l(c, loc) != 0;
    benchmark::DoNotOptimize(n);
  }
  SetPerUnit(state, text.size());
}

void BM_GetPropertyMask_kti18n(benchmark::State& state) {
  const Tables ct;
  const auto& text = Text();
  for (auto _ : state) {
    unsigned acc = 0;
    for (unsigned short c : text) acc += ct.GetPropertyMask(c);
    benchmark::DoNotOptimize(acc);
  }
  SetPerUnit(state, text.size());
}

unsigned GlibcMask(wint_t c, locale_t loc) {
  unsigned m = 0;
  if (iswprint_l(c, loc)) m |= zv_ctype_impl::print;
  if (iswcntrl_l(c, loc)) m |= zv_ctype_impl::cntrl;
  if (iswupper_l(c, loc)) m |= zv_ctype_impl::upper;
  if (iswlower_l(c, loc)) m |= zv_ctype_impl::lower;
  if (iswalpha_l(c, loc)) m |= zv_ctype_impl::alpha;
  if (iswdigit_l(c, loc)) m |= zv_ctype_impl::digit;
  if (iswxdigit_l(c, loc)) m |= zv_ctype_impl::xdigit;
  if (iswgraph_l(c, loc)) m |= zv_ctype_impl::graph;
  if (iswspace_l(c, loc)) m |= zv_ctype_impl::space;
  return m;
}

void BM_GetPropertyMask_glibc(benchmark::State& state) {
  if (!NeedGlibc(state)) return;
  const locale_t loc = GlibcLocale();
  const auto& text = Text();
  for (auto _ : state) {
    unsigned acc = 0;
    for (unsigned short c : text) acc += GlibcMask(c, loc);
    benchmark::DoNotOptimize(acc);
  }
  SetPerUnit(state, text.size());
}

void BM_ToUpper_kti18n(benchmark::State& state) {
  const Tables ct;
  const auto& text = Text();
  for (auto _ : state) {
    unsigned acc = 0;
    for (unsigned short c : text) acc += ct.ToUpper(c);
    benchmark::DoNotOptimize(acc);
  }
  SetPerUnit(state, text.size());
}

void BM_ToUpper_glibc(benchmark::State& state) {
  if (!NeedGlibc(state)) return;
  const locale_t loc = GlibcLocale();
  const auto& text = Text();
  for (auto _ : state) {
    unsigned acc = 0;
    for (unsigned short c : text) acc += static_cast<unsigned>(towupper_l(c, loc));
    benchmark::DoNotOptimize(acc);
  }
  SetPerUnit(state, text.size());
}

constexpr std::size_t kMegabyteUnits = (1u << 20) / sizeof(unsigned short);

void BM_StringToUpper1MB_kti18n(benchmark::State& state) {
  const auto units = Units(kMegabyteUnits);
  const ucs2string in(units.data(), kMegabyteUnits);
  const zv_locale loc = zv_locale::classic();
  ucs2string out;
  for (auto _ : state) {
    zv_toupper(out, in, loc);
    benchmark::DoNotOptimize(out.data());
  }
  SetPerUnit(state, kMegabyteUnits);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (1 << 20));
}

void BM_StringToUpper1MB_glibc(benchmark::State& state) {
  if (!NeedGlibc(state)) return;
  const locale_t loc = GlibcLocale();
  const auto in = Units(kMegabyteUnits);
  std::vector<unsigned short> out(kMegabyteUnits);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kMegabyteUnits; ++i) out[i] = static_cast<unsigned short>(towupper_l(in[i], loc));
    benchmark::DoNotOptimize(out.data());
  }
  SetPerUnit(state, kMegabyteUnits);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (1 << 20));
}

BENCHMARK(BM_IsAlpha_kti18n);
BENCHMARK(BM_IsAlpha_glibc);
BENCHMARK(BM_GetPropertyMask_kti18n);
BENCHMARK(BM_GetPropertyMask_glibc);
BENCHMARK(BM_ToUpper_kti18n);
BENCHMARK(BM_ToUpper_glibc);
BENCHMARK(BM_StringToUpper1MB_kti18n);
BENCHMARK(BM_StringToUpper1MB_glibc);

}  // namespace

BENCHMARK_MAIN();
