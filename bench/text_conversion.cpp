// UTF-8 <-> UCS-2 conversion of a 1 MB mixed-script text, beside iconv.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <random>
#include <string>
#include <vector>

#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8.h"

namespace {

// About 1 MB of words in ASCII, Latin-1, Cyrillic and CJK, mixed.
const std::string& mixed_utf8() {
  static const std::string text = [] {
    const char* words[] = {"report ", "query ", "total ", "façade ", "crème ", "Grüße ", "отчёт ", "запрос ",
                           "итого ", "報告 ", "問い合わせ ", "合計 ", "2026 ", "12.5% "};
    std::mt19937 rng(42);
    std::string s;
    while (s.size() < (1u << 20)) s += words[rng() % std::size(words)];
    return s;
  }();
  return text;
}

const std::vector<unsigned short>& mixed_ucs2() {
  static const std::vector<unsigned short> units = [] {
    const ucs2string s(mixed_utf8().c_str());
    return std::vector<unsigned short>(s.data(), s.data() + s.length());
  }();
  return units;
}

const unsigned char* utf8_bytes() { return reinterpret_cast<const unsigned char*>(mixed_utf8().data()); }
unsigned utf8_size() { return static_cast<unsigned>(mixed_utf8().size()); }

void BM_Utf8ToUcs2_kti18n(benchmark::State& state) {
  for (auto _ : state) {
    unsigned short* out = nullptr;
    unsigned n = 0;
    UTF8_ConvertToUCS2(utf8_bytes(), utf8_size(), &out, &n);
    benchmark::DoNotOptimize(out);
    delete[] out;
  }
  state.SetBytesProcessed(state.iterations() * utf8_size());
}

void BM_Utf8ToUcs2_ucs2string(benchmark::State& state) {
  for (auto _ : state) {
    ucs2string s(utf8_bytes(), utf8_size());
    benchmark::DoNotOptimize(s.data());
  }
  state.SetBytesProcessed(state.iterations() * utf8_size());
}

void BM_Ucs2ToUtf8_kti18n(benchmark::State& state) {
  const auto& units = mixed_ucs2();
  for (auto _ : state) {
    unsigned char* out = nullptr;
    unsigned n = 0;
    UCS2_ConvertToUTF8(units.data(), static_cast<unsigned>(units.size()), &out, &n);
    benchmark::DoNotOptimize(out);
    delete[] out;
  }
  state.SetBytesProcessed(state.iterations() * utf8_size());
}

// iconv into a buffer allocated per call, as the library's conversions do.
void iconv_run(benchmark::State& state, const char* to, const char* from, const char* in, std::size_t inBytes,
               std::size_t outCapacity) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    state.SkipWithError("iconv_open failed");
    return;
  }
  for (auto _ : state) {
    std::vector<char> out(outCapacity);
    char* src = const_cast<char*>(in);
    std::size_t srcLeft = inBytes;
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    benchmark::DoNotOptimize(dst);
  }
  iconv_close(cd);
  state.SetBytesProcessed(state.iterations() * utf8_size());
}

void BM_Utf8ToUcs2_iconv(benchmark::State& state) {
  iconv_run(state, "UCS-2LE", "UTF-8", mixed_utf8().data(), mixed_utf8().size(), mixed_ucs2().size() * 2);
}

void BM_Ucs2ToUtf8_iconv(benchmark::State& state) {
  const auto& units = mixed_ucs2();
  iconv_run(state, "UTF-8", "UCS-2LE", reinterpret_cast<const char*>(units.data()), units.size() * 2, utf8_size());
}

BENCHMARK(BM_Utf8ToUcs2_kti18n);
BENCHMARK(BM_Utf8ToUcs2_ucs2string);
BENCHMARK(BM_Utf8ToUcs2_iconv);
BENCHMARK(BM_Ucs2ToUtf8_kti18n);
BENCHMARK(BM_Ucs2ToUtf8_iconv);

}  // namespace

BENCHMARK_MAIN();
