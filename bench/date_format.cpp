// Date formats beside their peers: 1,024 calendar times in Europe/Paris
// written through the long date-time default of en_US and fr_FR, next to
// strftime("%A %d %B %Y %H:%M:%S") on the same broken-down times (C locale
// and, when the host has it, fr_FR.UTF-8 through strftime_l) and {fmt}'s
// chrono formatting with the same directives. Also zv_date_time::Print with
// the same directives.
#include <benchmark/benchmark.h>

#include <clocale>
#include <ctime>
#include <locale.h>
#include <memory>
#include <vector>

#include "kti18n/fmtlib/date_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/time/date_time.h"
#include "kti18n/time/predefined_zones.h"

#ifdef KTI18N_HAVE_FMT
#include <fmt/chrono.h>
#include <fmt/format.h>
#endif

namespace {

using namespace FmtLib;
using namespace TimeLib;

FmtLibInitExit fmtLibGuard;

constexpr int kTimes = 1024;
constexpr const char* kStrftime = "%A %d %B %Y %H:%M:%S";

double instantOf(int i) { return 1.0e12 + i * 7'654'321'987.0; }

const std::vector<zvCalendarTime>& times() {
  static const std::vector<zvCalendarTime> values = [] {
    const zvTimeZone& paris = PredefinedTimeZones::timeBelt().find(ucs2string("Europe/Paris"));
    std::vector<zvCalendarTime> v;
    for (int i = 0; i < kTimes; ++i)
      v.emplace_back(zvPhysicalTime::Epoch + zvDuration::Millisecond * instantOf(i), paris, zvCalendar::gregorian());
    return v;
  }();
  return values;
}

// The same wall-clock times as broken-down C times.
const std::vector<std::tm>& brokenDown() {
  static const std::vector<std::tm> values = [] {
    std::vector<std::tm> v;
    for (const zvCalendarTime& t : times()) {
      std::tm b{};
      b.tm_year = t.year() - 1900;
      b.tm_mon = t.month();
      b.tm_mday = t.day_of_month();
      b.tm_hour = t.hour_of_day();
      b.tm_min = t.minute();
      b.tm_sec = t.second();
      b.tm_wday = t.day_of_week() - 1;
      b.tm_yday = t.day_of_year() - 1;
      v.push_back(b);
    }
    return v;
  }();
  return values;
}

std::unique_ptr<zvDateFormat> longDateTime(const char* locale) {
  izv_ptr<zvPreferences> prefs;
  CreatePreferences(prefs);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  CreateSettings(zv_locale(locale), prefs, settings);
  zvDateFormat* raw = nullptr;
  CreateDefaultDateFormat(settings, LONG_DATE_TIME, raw);
  return std::unique_ptr<zvDateFormat>(raw);
}

void DateFormatLongDateTime(benchmark::State& state, const char* locale) {
  const auto format = longDateTime(locale);
  if (!format) {
    state.SkipWithError("no format");
    return;
  }
  const auto& ts = times();
  int i = 0;
  for (auto _ : state) {
    format->Format(ts[i++ & (kTimes - 1)]);
    benchmark::DoNotOptimize(format->c_str());
  }
}
BENCHMARK_CAPTURE(DateFormatLongDateTime, en_US, "en_US");
BENCHMARK_CAPTURE(DateFormatLongDateTime, fr_FR, "fr_FR");

void Strftime(benchmark::State& state, const char* localeName) {
  locale_t locale = newlocale(LC_ALL_MASK, localeName, nullptr);
  if (locale == nullptr) {
    state.SkipWithError("the host lacks the locale");
    return;
  }
  const auto& tms = brokenDown();
  char buffer[128];
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(strftime_l(buffer, sizeof buffer, kStrftime, &tms[i++ & (kTimes - 1)], locale));
    benchmark::ClobberMemory();
  }
  freelocale(locale);
}
BENCHMARK_CAPTURE(Strftime, C, "C");
BENCHMARK_CAPTURE(Strftime, fr_FR, "fr_FR.UTF-8");

#ifdef KTI18N_HAVE_FMT
void FmtChrono(benchmark::State& state) {
  const auto& tms = brokenDown();
  fmt::memory_buffer out;
  int i = 0;
  for (auto _ : state) {
    out.clear();
    fmt::format_to(std::back_inserter(out), "{:%A %d %B %Y %H:%M:%S}", tms[i++ & (kTimes - 1)]);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(FmtChrono);
#endif

void DateTimePrint(benchmark::State& state) {
  std::vector<zv_date_time> values;
  for (const std::tm& b : brokenDown()) {
    zv_date_time v;
    v.Set(b);
    values.push_back(v);
  }
  const zv_locale classic = zv_locale::classic();
  const ucs2string pattern(kStrftime);
  ucs2string_formatter out;
  int i = 0;
  for (auto _ : state) {
    out.clear();
    values[i++ & (kTimes - 1)].Print(out, pattern.c_str(), classic);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(DateTimePrint);

}  // namespace

BENCHMARK_MAIN();
