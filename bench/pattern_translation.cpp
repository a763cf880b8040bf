// Reading and writing patterns grows linearly with their length: native
// number patterns of 1 KB, 10 KB and 100 KB are read (Parse) and written
// back in the serial dialect (Render), and serial text is read. The bytes
// per second stay about the same at each size, so the time grows by about
// ten at each step.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "kti18n/fmtlib/fmt_pattern.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"

using namespace FmtLib;

namespace {

// A native pattern of about `bytes` units: placeholders, separators,
// quoted and escaped text, a colour and stray brackets.
ucs2string NativePattern(std::size_t bytes) {
  static const char kPiece[] = "#,##0.00 'kg' \\x [Red]-0% [[ab ";
  std::string text;
  while (text.size() < bytes) text += kPiece;
  text.resize(bytes);
  return ucs2string(text.c_str());
}

struct Dialects {
  FmtLibInitExit guard;
  std::unique_ptr<zvStringFormat> native{CreateStringFormatNumber("en", nullptr)};
  std::unique_ptr<zvStringFormat> serial{CreateSerialStringFormatNumber()};
};

std::unique_ptr<zvFmtPattern> Parse(const zvStringFormat& format, const ucs2string& text) {
  zvFmtPattern* pattern = nullptr;
  format.Parse(text, pattern);
  return std::unique_ptr<zvFmtPattern>(pattern);
}

void BM_ReadNative(benchmark::State& state) {
  Dialects d;
  const ucs2string text = NativePattern(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Parse(*d.native, text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_WriteSerial(benchmark::State& state) {
  Dialects d;
  const auto pattern = Parse(*d.native, NativePattern(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) {
    ucs2string out;
    d.serial->Render(*pattern, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_ReadSerial(benchmark::State& state) {
  Dialects d;
  ucs2string serialText;
  d.serial->Render(*Parse(*d.native, NativePattern(static_cast<std::size_t>(state.range(0)))), serialText);
  for (auto _ : state) benchmark::DoNotOptimize(Parse(*d.serial, serialText));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// The translation as `kti18n translate --number --from native --to serial` makes it.
void BM_TranslateNativeToSerial(benchmark::State& state) {
  Dialects d;
  const ucs2string text = NativePattern(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    ucs2string out;
    d.serial->Render(*Parse(*d.native, text), out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

}  // namespace

BENCHMARK(BM_ReadNative)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteSerial)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadSerial)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TranslateNativeToSerial)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
