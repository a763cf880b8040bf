// Start-up guards, shared counted objects, formats and exceptions used from
// eight threads at once. Run under ThreadSanitizer (make tsan), any
// unsynchronised count or lazily written member shows as a data race; in
// the other builds the results are still checked.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "kti18n/calendar/time_zone.h"
#include "kti18n/fmtlib/date_format.h"
#include "kti18n/fmtlib/input_date.h"
#include "kti18n/fmtlib/input_number.h"
#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/fmtlib/string_format.h"
#include "threads_support.h"

namespace {

using namespace FmtLib;

using threads_test::kThreads;
using threads_test::OnEightThreads;

constexpr int kRounds = 50;

izv_ptr<zvSettings> MakeSettings(const zv_locale& locale = zv_locale::classic()) {
  izv_ptr<zvPreferences> prefs;
  EXPECT_EQ(CreatePreferences(prefs), 0);
  prefs->AddPreference("true_word", ucs2string("oui!"));
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  EXPECT_EQ(CreateSettings(locale, prefs, settings), 0);
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

std::unique_ptr<zvFmtPattern> Pattern(zvStringFormat* reader, const char* serial) {
  std::unique_ptr<zvStringFormat> owned(reader);
  zvFmtPattern* raw = nullptr;
  EXPECT_EQ(owned->Parse(ucs2string(serial), raw), 0) << serial;
  return std::unique_ptr<zvFmtPattern>(raw);
}

// What one thread does with the shared settings: it makes its own formats
// and scanners (each belongs to one thread), writes a number, a boolean and
// a date, and reads them back.
std::string UseSharedSettings(izv_ptr<zvSettings>& settings, int t) {
  std::ostringstream out;
  zvNumberFormat* number = nullptr;
  zvNumberFormat* boolean = nullptr;
  zvDateFormat* date = nullptr;
  zvInputNumber* inputNumber = nullptr;
  zvInputDate* inputDate = nullptr;
  auto numberPattern = Pattern(CreateSerialStringFormatNumber(), "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]");
  auto datePattern = Pattern(CreateSerialStringFormatDate(), "T[0d]T[da]T[0M]T[da]T[y4]");
  if (CreateNumberFormat(settings, numberPattern.get(), number) != 0 ||
      CreateDefaultNumberFormat(settings, BOOLEAN, boolean) != 0 ||
      CreateDefaultDateFormat(settings, FULL_DATE_TIME, date) != 0 || CreateInputNumber(settings, inputNumber) != 0 ||
      CreateInputDate(settings, datePattern.get(), inputDate) != 0)
    return "a format could not be made";
  std::unique_ptr<zvNumberFormat> n(number), b(boolean);
  std::unique_ptr<zvDateFormat> d(date);
  std::unique_ptr<zvInputNumber> in(inputNumber);
  std::unique_ptr<zvInputDate> id(inputDate);

  n->Format(1234567.891 + t);
  b->Format(1L);
  TimeLib::zvFields fields;
  fields.set(TimeLib::Year, 2004).set(TimeLib::Month, 2).set(TimeLib::Day_of_month, 1 + t).set(TimeLib::Hour_of_day, 13);
  const TimeLib::zvCalendarTime when(fields, TimeLib::zvTimeZone::utc(), TimeLib::zvCalendar::gregorian());
  d->Format(when);
  out << ucs2string(n->c_str()) << '|' << ucs2string(b->c_str()) << '|' << ucs2string(d->c_str());

  double value = 0;
  int length = 0;
  in->Format(-2.5 - t);
  const ucs2string typed(in->c_str());
  out << '|' << in->Scan(typed.c_str(), value, length) << ' ' << value << ' ' << length;
  id->Format(when);
  const ucs2string typedDate(id->c_str());
  TimeLib::zvCalendarTime read(TimeLib::zvPhysicalTime::Epoch, TimeLib::zvTimeZone::utc(),
                               TimeLib::zvCalendar::gregorian());
  out << '|' << typedDate << ' ' << id->Scan(typedDate.c_str(), read, length) << ' ' << read.day_of_month();
  return out.str();
}

TEST(GuardsAndFormatsThreads, FormatsAndScannersShareOneSettingsObject) {
  FmtLibInitExit guard;
  // A named locale: its facets come from the catalog and are shared with
  // every other user of the locale.
  izv_ptr<zvSettings> shared = MakeSettings(zv_locale("fr_FR"));
  std::vector<std::string> seen(kThreads);
  OnEightThreads([&](int t) {
    for (int round = 0; round < 5; ++round) seen[t] = UseSharedSettings(shared, t);
  });
  // The same work, on one thread afterwards, gives the same texts.
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(seen[t], UseSharedSettings(shared, t)) << t;
  // Each part did its work: French number and date, the preference's true
  // word, and both scanners read back what was written.
  EXPECT_NE(seen[0].find("567,89|oui!|"), std::string::npos) << seen[0];
  EXPECT_NE(seen[0].find("mars 2004"), std::string::npos) << seen[0];
  EXPECT_NE(seen[0].find("|1 -2.5 4|01/03/2004 1 1"), std::string::npos) << seen[0];
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
