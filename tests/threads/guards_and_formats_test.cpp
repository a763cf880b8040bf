// Start-up guards, shared counted objects, formats and exceptions used from
// eight threads at once. Run under ThreadSanitizer (make tsan), any
// unsynchronised count or lazily written member shows as a data race; in
// the other builds the results are still checked.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "kti18n/calendar/time_zone.h"
#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/fmtlib/string_format.h"

namespace {

using namespace FmtLib;

constexpr int kThreads = 8;
constexpr int kRounds = 50;

template <class Work>
void OnEightThreads(Work work) {
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      while (!go.load(std::memory_order_acquire)) std::this_thread::yield();
      work(t);
    });
  go.store(true, std::memory_order_release);
  for (std::thread& th : threads) th.join();
}

izv_ptr<zvSettings> MakeSettings() {
  izv_ptr<zvPreferences> prefs;
  EXPECT_EQ(CreatePreferences(prefs), 0);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  EXPECT_EQ(CreateSettings(zv_locale::classic(), prefs, settings), 0);
  return settings;
}

TEST(GuardsAndFormatsThreads, StartUpGuardsAndSharedSettingsFromEightThreads) {
  izv_ptr<zvSettings> shared = MakeSettings();
  std::atomic<int> wrong{0};
  OnEightThreads([&](int t) {
    for (int round = 0; round < kRounds; ++round) {
      FmtLibInitExit fmtGuard;
      ZoneEngineInitExit zoneGuard;
      // Every thread copies and drops references on the one settings object.
      izv_ptr<zvSettings> settings = shared;
      zvNumberFormat* raw = nullptr;
      if (CreateDefaultNumberFormat(settings, STANDARD, raw) != 0) {
        ++wrong;
        continue;
      }
      std::unique_ptr<zvNumberFormat> format(raw);
      format->Format(1234.5 + t);
      const std::string text = ucs2string(format->c_str()).to_utf8();
      if (text != std::to_string(1234 + t) + ".5") ++wrong;
      std::unique_ptr<TimeZone> zone(TimeZone::createTimeZone("GMT"_u2));
      std::unique_ptr<TimeZone> local(TimeZone::createDefault());
      if (zone == nullptr || local == nullptr || zone->getRawOffset() != 0) ++wrong;
    }
  });
  EXPECT_EQ(wrong.load(), 0);
  EXPECT_EQ(shared->RefCount(), 1u);
}

TEST(GuardsAndFormatsThreads, OneExceptionIsDescribedOnEightThreads) {
  const ZVException shared(ZV_E_OUT_OF_RANGE, "index beyond the end");
  std::atomic<int> wrong{0};
  OnEightThreads([&](int) {
    for (int round = 0; round < kRounds; ++round)
      if (std::string(shared.what()) != "0x80041128: index beyond the end") ++wrong;
  });
  EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
