// Number formats allocate nothing for results under 500 units. A program of
// its own, since it replaces the global operator new to count allocations.
#include <gtest/gtest.h>

#include "alloc_counter.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"


namespace {

using namespace FmtLib;

std::unique_ptr<zvNumberFormat> Build(izv_ptr<zvSettings>& settings, const char* serial) {
  std::unique_ptr<zvStringFormat> reader(CreateSerialStringFormatNumber());
  zvFmtPattern* raw = nullptr;
  EXPECT_EQ(reader->Parse(ucs2string(serial), raw), 0);
  std::unique_ptr<zvFmtPattern> pattern(raw);
  zvNumberFormat* format = nullptr;
  EXPECT_EQ(CreateNumberFormat(settings, pattern.get(), format), 0);
  return std::unique_ptr<zvNumberFormat>(format);
}

TEST(NumberFormatAlloc, FormatAllocatesNothing) {
  FmtLibInitExit guard;
  izv_ptr<zvPreferences> prefs;
  ASSERT_EQ(CreatePreferences(prefs), 0);
  prefs->AddPreference("true_word", ucs2string("yes"));
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  ASSERT_EQ(CreateSettings(zv_locale::classic(), prefs, settings), 0);

  std::vector<std::unique_ptr<zvNumberFormat>> formats;
  for (fmtLibDefaultFormats kind : {STANDARD, PERCENT, SCIENTIFIC, BOOLEAN}) {
    zvNumberFormat* raw = nullptr;
    ASSERT_EQ(CreateDefaultNumberFormat(settings, kind, raw), 0);
    formats.emplace_back(raw);
  }
  formats.push_back(Build(settings, "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[FS]T[Cr]T[ns]T[#]T[gs]T[#]T[#]T[0]"
                                    "T[ds]T[0]T[0]T[ne]T[FS]L[zero]T[FS]L[text]"));
  formats.push_back(Build(settings, "L[$ ]T[+]T[0]T[0]T[ds]T[0]T[#]T[E+]T[0]T[0]T[0]T[pcs]"));
  formats.push_back(Build(settings, "T[0]T[Err]T[b]T[pc]"));

  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> magnitude(-300, 300);
  const double specials[] = {0.0, -0.0, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(), 1e300, -1e-300};
  alloc_counter::Watch count;
  for (int i = 0; i < 10'000; ++i) {
    const double v = i % 50 == 0 ? specials[(i / 50) % std::size(specials)]
                                 : std::pow(10.0, magnitude(rng)) * ((i & 1) ? -1 : 1);
    for (auto& f : formats) {
      f->Format(v);
      f->Format(static_cast<long>(i - 5000));
      f->Format(static_cast<unsigned long>(i) * 429497u);
      f->FormatText();
    }
  }
  EXPECT_EQ(count.count(), 0u);
}

// Building a format does allocate: the counter is watching.
TEST(NumberFormatAlloc, TheCounterSeesBuilding) {
  FmtLibInitExit guard;
  izv_ptr<zvPreferences> prefs;
  ASSERT_EQ(CreatePreferences(prefs), 0);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  ASSERT_EQ(CreateSettings(zv_locale::classic(), prefs, settings), 0);
  alloc_counter::Watch count;
  zvNumberFormat* raw = nullptr;
  ASSERT_EQ(CreateDefaultNumberFormat(settings, STANDARD, raw), 0);
  delete raw;
  EXPECT_GT(count.count(), 0u);
}

}  // namespace
