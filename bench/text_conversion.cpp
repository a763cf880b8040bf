// UTF-8 <-> UCS-2 conversion of 1 MB of text, mixed-script and ASCII-only:
// the library on each of its code paths (scalar, SSE2, AVX2) beside iconv.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <random>
#include <string>
#include <vector>

#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8.h"
#include "kti18n/text/utf8_simd.h"

namespace {

namespace detail = kti18n::utf8::detail;
using detail::Path;

struct Text {
  std::string utf8;
  std::vector<unsigned short> ucs2;
  const unsigned char* bytes() const { return reinterpret_cast<const unsigned char*>(utf8.data()); }
  unsigned size() const { return static_cast<unsigned>(utf8.size()); }
};

Text make_text(const std::vector<const char*>& words) {
  std::mt19937 rng(42);
  Text t;
  while (t.utf8.size() < (1u << 20)) t.utf8 += words[rng() % words.size()];
  const ucs2string s(t.utf8.c_str());
  t.ucs2.assign(s.data(), s.data() + s.length());
  return t;
}

// About 1 MB of words in ASCII, Latin-1, Cyrillic and CJK, mixed.
const Text& mixed_text() {
  static const Text text = make_text({"report ", "query ", "total ", "façade ", "crème ", "Grüße ", "отчёт ", "запрос ",
                                      "итого ", "報告 ", "問い合わせ ", "合計 ", "2026 ", "12.5% "});
  return text;
}

// About 1 MB of English words and figures.
const Text& ascii_text() {
  static const Text text = make_text({"report ", "query ", "total ", "revenue ", "Q3 ", "2026 ", "12.5% ", "region, "});
  return text;
}

// Runs the library's conversions on one path; skipped where it cannot run.
class OnPath {
 public:
  OnPath(benchmark::State& state, Path path) : ok_(detail::set_path(path)) {
    if (!ok_) state.SkipWithError("this path does not run on this processor or build");
  }
  ~OnPath() { detail::set_path(detail::best_path()); }
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

void utf8_to_ucs2(benchmark::State& state, const Text* text, Path path) {
  OnPath on(state, path);
  if (!on.ok()) return;
  for (auto _ : state) {
    unsigned short* out = nullptr;
    unsigned n = 0;
    UTF8_ConvertToUCS2(text->bytes(), text->size(), &out, &n);
    benchmark::DoNotOptimize(out);
    delete[] out;
  }
  state.SetBytesProcessed(state.iterations() * text->size());
}

void utf8_to_ucs2string(benchmark::State& state, const Text* text) {
  for (auto _ : state) {
    ucs2string s(text->bytes(), text->size());
    benchmark::DoNotOptimize(s.data());
  }
  state.SetBytesProcessed(state.iterations() * text->size());
}

void ucs2_to_utf8(benchmark::State& state, const Text* text, Path path) {
  OnPath on(state, path);
  if (!on.ok()) return;
  for (auto _ : state) {
    unsigned char* out = nullptr;
    unsigned n = 0;
    UCS2_ConvertToUTF8(text->ucs2.data(), static_cast<unsigned>(text->ucs2.size()), &out, &n);
    benchmark::DoNotOptimize(out);
    delete[] out;
  }
  state.SetBytesProcessed(state.iterations() * text->size());
}

// iconv into a buffer allocated per call, as the library's conversions do.
void iconv_run(benchmark::State& state, const char* to, const char* from, const char* in, std::size_t inBytes,
               std::size_t outCapacity, std::size_t utf8Bytes) {
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
  state.SetBytesProcessed(state.iterations() * utf8Bytes);
}

void utf8_to_ucs2_iconv(benchmark::State& state, const Text* text) {
  iconv_run(state, "UCS-2LE", "UTF-8", text->utf8.data(), text->utf8.size(), text->ucs2.size() * 2, text->size());
}

void ucs2_to_utf8_iconv(benchmark::State& state, const Text* text) {
  iconv_run(state, "UTF-8", "UCS-2LE", reinterpret_cast<const char*>(text->ucs2.data()), text->ucs2.size() * 2,
            text->size(), text->size());
}

// Every case as direction/text/peer, so that the peers of one case stand
// together in the table.
void register_all() {
  const std::pair<const char*, const Text*> texts[] = {{"mixed", &mixed_text()}, {"ascii", &ascii_text()}};
  const std::pair<const char*, Path> paths[] = {{"scalar", Path::Scalar}, {"sse2", Path::Sse2}, {"avx2", Path::Avx2}};
  for (const auto& [text_name, text] : texts) {
    const std::string prefix = std::string("Utf8ToUcs2/") + text_name + "/";
    for (const auto& [path_name, path] : paths)
      benchmark::RegisterBenchmark((prefix + path_name).c_str(), utf8_to_ucs2, text, path);
    benchmark::RegisterBenchmark((prefix + "ucs2string").c_str(), utf8_to_ucs2string, text);
    benchmark::RegisterBenchmark((prefix + "iconv").c_str(), utf8_to_ucs2_iconv, text);
  }
  for (const auto& [text_name, text] : texts) {
    const std::string prefix = std::string("Ucs2ToUtf8/") + text_name + "/";
    for (const auto& [path_name, path] : paths)
      benchmark::RegisterBenchmark((prefix + path_name).c_str(), ucs2_to_utf8, text, path);
    benchmark::RegisterBenchmark((prefix + "iconv").c_str(), ucs2_to_utf8_iconv, text);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  register_all();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
