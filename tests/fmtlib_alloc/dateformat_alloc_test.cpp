// Date formats allocate nothing while formatting results under 500 units,
// names in every case, the imperial periods and the zone token included.
#include <gtest/gtest.h>

#include "alloc_counter.h"

#include <memory>
#include <vector>

#include "kti18n/fmtlib/date_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/time/predefined_zones.h"

namespace {

using namespace FmtLib;
using namespace TimeLib;

TEST(DateFormatAlloc, FormatAllocatesNothing) {
  FmtLibInitExit guard;
  izv_ptr<zvPreferences> prefs;
  ASSERT_EQ(CreatePreferences(prefs), 0);
  prefs->EndBuild();
  std::vector<std::unique_ptr<zvDateFormat>> formats;
  for (const char* name : {"en_US", "fr_FR", "ja_JP", "ar_EG"}) {
    izv_ptr<zvSettings> settings;
    ASSERT_EQ(CreateSettings(zv_locale(name), prefs, settings), 0);
    for (int kind = FULL_DATE; kind <= INPUT_DATE_TIME; ++kind) {
      zvDateFormat* raw = nullptr;
      ASSERT_EQ(CreateDefaultDateFormat(settings, static_cast<fmtLibDefaultFormats>(kind), raw), 0);
      formats.emplace_back(raw);
    }
    std::unique_ptr<zvStringFormat> reader(CreateSerialStringFormatDate());
    zvFmtPattern* pattern = nullptr;
    ASSERT_EQ(reader->Parse(ucs2string("T[dnu]L[ ]T[mtl]L[ ]T[amtc]T[adnl]T[iy2]T[iyg]T[ip]T[jy2]T[era]T[tz]"
                                       "T[ywoy4]T[0wy]T[0ms]T[FS]T[Cr]L[none]"),
                            pattern),
              0);
    std::unique_ptr<zvFmtPattern> owned(pattern);
    zvDateFormat* raw = nullptr;
    ASSERT_EQ(CreateDateFormat(settings, owned.get(), raw), 0);
    formats.emplace_back(raw);
  }
  const zvTimeZone& paris = PredefinedTimeZones::timeBelt().find(ucs2string("Europe/Paris"));
  zvCalendarTime time(zvPhysicalTime::Epoch, paris, zvCalendar::gregorian());

  alloc_counter::Watch count;
  for (int i = 0; i < 2'000; ++i) {
    time.reset(zvPhysicalTime::Epoch + zvDuration::Millisecond * (1.0e12 + i * 7'654'321'987.0));
    for (auto& f : formats) {
      f->Format(time);
      f->FormatText();
    }
  }
  EXPECT_EQ(count.count(), 0u);
}

}  // namespace
