// Reading typed dates beside strptime: zvInputDate::Scan into a calendar
// time (classic locale, UTC), and strptime into a struct tm, alone and
// followed by timegm (which, like the calendar time, makes an instant of the
// fields). Two inputs of 100,000 texts each: numeric day, month, year, hour
// and minute ("14/07/2004 13:02"), and the classic input date-time default
// with a 12-hour clock ("7/14/2004 1:02:03 PM").
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "kti18n/fmtlib/input_date.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"

namespace {

using namespace FmtLib;
using namespace TimeLib;

constexpr std::size_t kTexts = 100'000;

struct Case {
  const char* serial;    // the pattern of the input date
  const char* strptime;  // the same layout for strptime
};

constexpr Case kCases[] = {
    {"T[0d]T[da]T[0M]T[da]T[y4]L[ ]T[023]T[ts]T[0m]", "%d/%m/%Y %H:%M"},
    {"T[Adti]", "%m/%d/%Y %I:%M:%S %p"},
};

struct Texts {
  std::vector<std::string> bytes;
  std::vector<std::u16string> units;
};

const Texts& Input(int kind) {
  static const Texts sets[] = {
      [] {
        Texts t;
        std::mt19937 rng(1);
        char buffer[64];
        for (std::size_t i = 0; i < kTexts; ++i) {
          const int month = 1 + static_cast<int>(rng() % 12), day = 1 + static_cast<int>(rng() % 28);
          const int year = 1900 + static_cast<int>(rng() % 200), hour = static_cast<int>(rng() % 24);
          const int minute = static_cast<int>(rng() % 60);
          std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d %02d:%02d", day, month, year, hour, minute);
          t.bytes.emplace_back(buffer);
        }
        for (const std::string& s : t.bytes) t.units.emplace_back(s.begin(), s.end());
        return t;
      }(),
      [] {
        Texts t;
        std::mt19937 rng(2);
        char buffer[64];
        for (std::size_t i = 0; i < kTexts; ++i) {
          const int month = 1 + static_cast<int>(rng() % 12), day = 1 + static_cast<int>(rng() % 28);
          const int year = 1900 + static_cast<int>(rng() % 200), hour = static_cast<int>(rng() % 24);
          const int minute = static_cast<int>(rng() % 60), second = static_cast<int>(rng() % 60);
          std::snprintf(buffer, sizeof buffer, "%d/%d/%d %d:%02d:%02d %s", month, day, year,
                        hour % 12 == 0 ? 12 : hour % 12, minute, second, hour < 12 ? "AM" : "PM");
          t.bytes.emplace_back(buffer);
        }
        for (const std::string& s : t.bytes) t.units.emplace_back(s.begin(), s.end());
        return t;
      }(),
  };
  return sets[kind];
}

void Label(benchmark::State& state) {
  state.SetLabel(state.range(0) == 0 ? "dd/MM/yyyy HH:mm" : "input date-time, 12-hour");
  state.SetItemsProcessed(state.iterations());
}

void BM_InputDateScan(benchmark::State& state) {
  FmtLibInitExit guard;
  izv_ptr<zvPreferences> prefs;
  CreatePreferences(prefs);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  CreateSettings(zv_locale::classic(), prefs, settings);
  std::unique_ptr<zvStringFormatDate> reader(CreateSerialStringFormatDate());
  zvFmtPattern* raw = nullptr;
  reader->Parse(ucs2string(kCases[state.range(0)].serial), raw);
  std::unique_ptr<zvFmtPattern> pattern(raw);
  zvInputDate* made = nullptr;
  if (CreateInputDate(settings, pattern.get(), made) != 0) {
    state.SkipWithError("no input date");
    return;
  }
  std::unique_ptr<zvInputDate> input(made);
  zvCalendarTime time(zvFields(), zvTimeZone::utc(), zvCalendar::gregorian());
  const Texts& texts = Input(static_cast<int>(state.range(0)));
  std::size_t i = 0;
  for (auto _ : state) {
    int length = 0;
    const auto* text = reinterpret_cast<const unsigned short*>(texts.units[i].c_str());
    benchmark::DoNotOptimize(input->Scan(text, time, length));
    if (++i == kTexts) i = 0;
  }
  Label(state);
}

void BM_Strptime(benchmark::State& state) {
  const Texts& texts = Input(static_cast<int>(state.range(0)));
  const char* layout = kCases[state.range(0)].strptime;
  std::size_t i = 0;
  for (auto _ : state) {
    std::tm tm{};
    benchmark::DoNotOptimize(strptime(texts.bytes[i].c_str(), layout, &tm));
    benchmark::DoNotOptimize(tm);
    if (++i == kTexts) i = 0;
  }
  Label(state);
}

void BM_StrptimeTimegm(benchmark::State& state) {
  const Texts& texts = Input(static_cast<int>(state.range(0)));
  const char* layout = kCases[state.range(0)].strptime;
  std::size_t i = 0;
  for (auto _ : state) {
    std::tm tm{};
    strptime(texts.bytes[i].c_str(), layout, &tm);
    benchmark::DoNotOptimize(timegm(&tm));
    if (++i == kTexts) i = 0;
  }
  Label(state);
}

BENCHMARK(BM_InputDateScan)->DenseRange(0, 1);
BENCHMARK(BM_Strptime)->DenseRange(0, 1);
BENCHMARK(BM_StrptimeTimegm)->DenseRange(0, 1);

}  // namespace

BENCHMARK_MAIN();
