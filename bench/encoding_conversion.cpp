// 1 MB of text converted through zv_codecvt, side by side with iconv called
// directly on the same buffers: the difference is the cost of our layer.
//
//   bench_encoding_conversion --benchmark_filter=CP1252
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "kti18n/locale/codecvt.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/unicode/encoding_layer.h"

namespace {

constexpr std::size_t kTextBytes = 1 << 20;

// A text of about 1 MB in the encoding, made by repeating a sample line.
std::string MakeText(const char* encoding) {
  std::u16string line;
  if (std::string(encoding) == "CP1252")
    line = u"Le cœur déçu mais l'âme plutôt naïve, Louÿs rêva de crapaüter en canoë au-delà des îles. ";
  else if (std::string(encoding) == "Shift-JIS")
    line = u"国際化と地域化のためのライブラリ、テキスト変換の速度を測る。ｶﾀｶﾅ 123 abc. ";
  else
    line = u"Grüße aus Köln — 日本語のテキスト, Ελληνικά, русский текст, 😀 and plain ASCII. ";
  std::vector<unsigned short> units(line.begin(), line.end());
  zv_codecvt_byname cvt(encoding);
  std::string bytesLine;
  cvt.SetNarrowString(units.data(), units.data() + units.size(), bytesLine);
  std::string text;
  while (text.size() + bytesLine.size() <= kTextBytes) text += bytesLine;
  return text;
}

const char* IconvName(const std::string& encoding) { return encoding == "Shift-JIS" ? "SHIFT_JIS" : encoding.c_str(); }

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  }
  ~Iconv() { iconv_close(cd_); }
  std::size_t Run(const void* in, std::size_t inBytes, void* out, std::size_t outBytes) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* ip = const_cast<char*>(static_cast<const char*>(in));
    char* op = static_cast<char*>(out);
    std::size_t outLeft = outBytes;
    iconv(cd_, &ip, &inBytes, &op, &outLeft);
    return outBytes - outLeft;
  }

 private:
  iconv_t cd_;
};

// ---- bytes to UCS-2 ----

void BM_Decode_Iconv(benchmark::State& state, const char* encoding) {
  std::string text = MakeText(encoding);
  std::vector<unsigned short> out(text.size() + 16);
  Iconv cd("UTF-16LE", IconvName(encoding));
  for (auto _ : state) benchmark::DoNotOptimize(cd.Run(text.data(), text.size(), out.data(), out.size() * 2));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_Decode_CodecvtIn(benchmark::State& state, const char* encoding) {
  std::string text = MakeText(encoding);
  std::vector<unsigned short> out(text.size() + 16);
  zv_codecvt_byname cvt(encoding);
  std::mbstate_t mb{};
  for (auto _ : state) {
    const char* fromNext;
    unsigned short* toNext;
    cvt.in(mb, text.data(), text.data() + text.size(), fromNext, out.data(), out.data() + out.size(), toNext);
    benchmark::DoNotOptimize(toNext);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_Decode_CodecvtSetString(benchmark::State& state, const char* encoding) {
  std::string text = MakeText(encoding);
  zv_codecvt_byname cvt(encoding);
  ucs2string out;
  for (auto _ : state) {
    cvt.SetString(text.data(), text.data() + text.size(), out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// The same text through the conversion layer's pipeline into a ucs2string
// actor: chunk after chunk, appended to the string once at the end.
void BM_Decode_Char16SinkActor(benchmark::State& state, const char* encoding) {
  std::string text = MakeText(encoding);
  const ExternalEncoding* external = ExternalEncoding::Lookup(encoding);
  for (auto _ : state) {
    BufferCharSource source(text.data(), text.data() + text.size());
    InternalEncodingConverter converter(source, *external, InternalEncoding::Unicode());
    ucs2string out;
    Ucs2StringActor actor(out);
    Char16Sink(actor).Put(converter);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// ---- UCS-2 to bytes ----

std::vector<unsigned short> MakeUnits(const char* encoding) {
  std::string text = MakeText(encoding);
  ucs2string units;
  zv_codecvt_byname(encoding).SetString(text.data(), text.data() + text.size(), units);
  return {units.data(), units.data() + units.length()};
}

void BM_Encode_Iconv(benchmark::State& state, const char* encoding) {
  std::vector<unsigned short> units = MakeUnits(encoding);
  std::string out(units.size() * 4 + 16, '\0');
  Iconv cd(IconvName(encoding), "UTF-16LE");
  for (auto _ : state) benchmark::DoNotOptimize(cd.Run(units.data(), units.size() * 2, out.data(), out.size()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * units.size() * 2));
}

void BM_Encode_CodecvtOut(benchmark::State& state, const char* encoding) {
  std::vector<unsigned short> units = MakeUnits(encoding);
  std::string out(units.size() * 4 + 16, '\0');
  zv_codecvt_byname cvt(encoding);
  std::mbstate_t mb{};
  for (auto _ : state) {
    const unsigned short* fromNext;
    char* toNext;
    cvt.out(mb, units.data(), units.data() + units.size(), fromNext, out.data(), out.data() + out.size(), toNext);
    benchmark::DoNotOptimize(toNext);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * units.size() * 2));
}

void BM_Encode_CodecvtSetNarrowString(benchmark::State& state, const char* encoding) {
  std::vector<unsigned short> units = MakeUnits(encoding);
  zv_codecvt_byname cvt(encoding);
  std::string out;
  for (auto _ : state) {
    cvt.SetNarrowString(units.data(), units.data() + units.size(), out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * units.size() * 2));
}

#define KTI18N_ENCODING_BENCH(fn)                        \
  BENCHMARK_CAPTURE(fn, CP1252, "CP1252");               \
  BENCHMARK_CAPTURE(fn, ShiftJIS, "Shift-JIS");          \
  BENCHMARK_CAPTURE(fn, UTF8, "UTF-8")

KTI18N_ENCODING_BENCH(BM_Decode_Iconv);
KTI18N_ENCODING_BENCH(BM_Decode_CodecvtIn);
KTI18N_ENCODING_BENCH(BM_Decode_CodecvtSetString);
KTI18N_ENCODING_BENCH(BM_Decode_Char16SinkActor);
KTI18N_ENCODING_BENCH(BM_Encode_Iconv);
KTI18N_ENCODING_BENCH(BM_Encode_CodecvtOut);
KTI18N_ENCODING_BENCH(BM_Encode_CodecvtSetNarrowString);

}  // namespace

BENCHMARK_MAIN();
