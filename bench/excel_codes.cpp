// Spreadsheet format codes: reading the built-in number codes of a
// spreadsheet ("0.00", "#,##0.00;[Red](#,##0.00)", accounting, percent,
// scientific ...) into patterns, and writing those patterns back, beside the
// native dialect's reader and writer on the same patterns. No outside
// library reads these codes, so the native dialect is the yardstick.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "kti18n/fmtlib/excel_string_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/locale/locale.h"

namespace {

using namespace FmtLib;

FmtLibInitExit fmtLibGuard;

constexpr const char* kCodes[] = {
    "General",
    "0",
    "0.00",
    "#,##0",
    "#,##0.00",
    "#,##0_);(#,##0)",
    "#,##0.00_);[Red](#,##0.00)",
    "\"$\"#,##0.00_);\\(\"$\"#,##0.00\\)",
    "0%",
    "0.00%",
    "0.00E+00",
    "##0.0E+0",
    "_(* #,##0.00_);_(* \\(#,##0.00\\);_(* \"-\"??_);_(@_)",
};

izv_ptr<zvSettings> ClassicSettings() {
  izv_ptr<zvPreferences> prefs;
  CreatePreferences(prefs);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  CreateSettings(zv_locale::classic(), prefs, settings);
  return settings;
}

std::vector<ucs2string> Codes() {
  std::vector<ucs2string> out;
  for (const char* c : kCodes) out.emplace_back(c);
  return out;
}

// The patterns of the codes, and their native-dialect texts.
struct Corpus {
  izv_ptr<zvSettings> settings = ClassicSettings();
  std::unique_ptr<zvStringFormat> excel{CreateExcelStringFormatNumber(settings)};
  std::unique_ptr<zvStringFormat> native{CreateStringFormatNumber("en", nullptr)};
  std::vector<ucs2string> codes = Codes();
  std::vector<std::unique_ptr<zvFmtPattern>> patterns;
  std::vector<ucs2string> nativeTexts;

  Corpus() {
    for (const ucs2string& code : codes) {
      zvFmtPattern* raw = nullptr;
      excel->Parse(code, raw);
      patterns.emplace_back(raw);
      ucs2string text;
      native->Render(*raw, text);
      nativeTexts.push_back(text);
    }
  }
};

const Corpus& corpus() {
  static const Corpus c;
  return c;
}

void BM_ReadSpreadsheetCodes(benchmark::State& state) {
  const Corpus& c = corpus();
  for (auto _ : state) {
    for (const ucs2string& code : c.codes) {
      zvFmtPattern* raw = nullptr;
      benchmark::DoNotOptimize(c.excel->Parse(code, raw));
      delete raw;
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(c.codes.size()));
}
BENCHMARK(BM_ReadSpreadsheetCodes);

void BM_ReadNativeText(benchmark::State& state) {
  const Corpus& c = corpus();
  for (auto _ : state) {
    for (const ucs2string& text : c.nativeTexts) {
      zvFmtPattern* raw = nullptr;
      benchmark::DoNotOptimize(c.native->Parse(text, raw));
      delete raw;
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(c.nativeTexts.size()));
}
BENCHMARK(BM_ReadNativeText);

void BM_WriteSpreadsheetCodes(benchmark::State& state) {
  const Corpus& c = corpus();
  for (auto _ : state) {
    for (const auto& p : c.patterns) {
      ucs2string out;
      c.excel->Render(*p, out);
      benchmark::DoNotOptimize(out);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(c.patterns.size()));
}
BENCHMARK(BM_WriteSpreadsheetCodes);

void BM_WriteNativeText(benchmark::State& state) {
  const Corpus& c = corpus();
  for (auto _ : state) {
    for (const auto& p : c.patterns) {
      ucs2string out;
      c.native->Render(*p, out);
      benchmark::DoNotOptimize(out);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(c.patterns.size()));
}
BENCHMARK(BM_WriteNativeText);

}  // namespace

BENCHMARK_MAIN();
