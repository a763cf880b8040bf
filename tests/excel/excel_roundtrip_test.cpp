// Every number pattern the writer tests render, read back from its code,
// shows the test values as the pattern itself does.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "kti18n/fmtlib/date_format.h"
#include "kti18n/time/calendar_time.h"

#include "excel_support.h"
#include "writer_cases.h"

using namespace FmtLib;
using namespace excel_test;

namespace {

TEST(ExcelRoundTrip, NumberCodesReadBackShowTheSameValues) {
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  Format writer(CreateExcelStringFormatNumber(settings));
  const std::span<const Case> groups[] = {kNumberPlaceholders, kNumberCleaning, kNumberSigns,
                                          kNumberBooleansAndDefaults, kNumberPercent, kNumberColours,
                                          kLiterals};
  int checked = 0;
  for (std::span<const Case> group : groups) {
    for (const Case& c : group) {
      if (c.lossy != nullptr) continue;
      Pattern original = Serial(c.serial);
      ucs2string code;
      writer->Render(*original, code);
      zvFmtPattern* raw = nullptr;
      EXPECT_GE(writer->Parse(code, raw), 0) << code.to_utf8();
      Pattern read(raw);
      const auto values = {1234.5, -1234.5, 0.0, 0.25, -0.004, 7.0, 98765.4321};
      EXPECT_EQ(Show(settings, *read, values), Show(settings, *original, values))
          << c.serial << " -> " << code.to_utf8() << " -> " << SerialText(*read);
      ++checked;
    }
  }
  EXPECT_GE(checked, 45);
}

using namespace TimeLib;

zvCalendarTime Utc(int year, int month1, int day, int hour, int minute, int second, int millisecond) {
  zvFields f;
  f.set(Era, 1).set(Year, year).set(Month, month1 - 1).set(Day_of_month, day).set(Hour_of_day, hour);
  f.set(Minute, minute).set(Second, second).set(Millisecond, millisecond);
  return zvCalendarTime(f, zvTimeZone::utc(), zvCalendar::gregorian());
}

// The pattern's text for a few instants (midnight, morning, afternoon,
// noon), joined by "|".
std::string ShowDates(izv_ptr<zvSettings>& settings, zvFmtPattern& p) {
  zvDateFormat* raw = nullptr;
  if (CreateDateFormat(settings, &p, raw) != 0) return "no format";
  std::unique_ptr<zvDateFormat> f(raw);
  std::string out;
  for (const zvCalendarTime& t : {Utc(2004, 3, 5, 0, 7, 9, 123), Utc(2023, 12, 31, 13, 45, 1, 987),
                                  Utc(1999, 7, 4, 12, 0, 0, 0), Utc(2010, 11, 22, 9, 30, 59, 5)}) {
    f->Format(t);
    out += ucs2string(f->c_str()).to_utf8() + "/" + std::to_string(f->GetColor()) + "|";
  }
  return out;
}

// Reads the written code back and compares what both patterns show. A
// spreadsheet code has no time zone: the zone token is left out of the
// comparison.
void ExpectDateRoundTrip(izv_ptr<zvSettings>& settings, zvFmtPattern& given, const std::string& label) {
  Pattern original(CreateDateFmtPattern());
  for (const zvToken* t : given)
    if (t->IsLiteral() || t->Token() != TK_TIME_ZONE) original->push_back(*t);
  Format writer(CreateExcelStringFormatDate(settings));
  ucs2string code;
  writer->Render(*original, code);
  zvFmtPattern* raw = nullptr;
  EXPECT_GE(writer->Parse(code, raw), 0) << code.to_utf8();
  Pattern read(raw);
  EXPECT_EQ(ShowDates(settings, *read), ShowDates(settings, *original))
      << label << " -> " << code.to_utf8() << " -> " << SerialText(*read);
}

TEST(ExcelRoundTrip, DateCodesReadBackShowTheSameInstants) {
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  int checked = 0;
  for (std::span<const Case> group : {std::span<const Case>(kDateCodes), std::span<const Case>(kDateDefaults)}) {
    for (const Case& c : group) {
      if (c.lossy != nullptr) continue;
      ExpectDateRoundTrip(settings, *Serial(c.serial, true), c.serial);
      ++checked;
    }
  }
  EXPECT_GE(checked, 12);
}

TEST(ExcelRoundTrip, LocaleDateDefaultsReadBackShowTheSameInstants) {
  FmtLibInitExit guard;
  for (const char* name : {"en_US", "en_GB", "de_DE", "fr_FR", "fr_CA", "es_ES", "it_IT", "ja_JP", "zh_CN", "ko_KR",
                           "ru_RU", "pt_BR", "nl_NL", "sv_SE", "pl_PL", "cs_CZ", "hu_HU", "da_DK", "fi_FI", "tr_TR"}) {
    izv_ptr<zvSettings> settings = SettingsFor(zv_locale(name));
    for (int kind = FULL_DATE; kind <= INPUT_DATE_TIME; ++kind) {
      const std::string text = ucs2string(settings->GetDefaultFormat(kind)).to_utf8();
      ExpectDateRoundTrip(settings, *Serial(text.c_str(), true), std::string(name) + " " + std::to_string(kind));
    }
  }
}

}  // namespace
