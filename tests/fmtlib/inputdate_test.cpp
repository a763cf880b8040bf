// Reading typed dates: which patterns build, every kind of token, the
// matching rules, the 12-hour and two-digit-year rules, calendar errors,
// and objects without a pattern.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "kti18n/fmtlib/input_date.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"

namespace {

using namespace FmtLib;
using namespace TimeLib;

izv_ptr<zvSettings> SettingsFor(const zv_locale& locale) {
  izv_ptr<zvPreferences> prefs;
  EXPECT_EQ(CreatePreferences(prefs), 0);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  EXPECT_EQ(CreateSettings(locale, prefs, settings), 0);
  return settings;
}

std::unique_ptr<zvFmtPattern> Pattern(const char* serial) {
  std::unique_ptr<zvStringFormatDate> reader(CreateSerialStringFormatDate());
  zvFmtPattern* raw = nullptr;
  EXPECT_EQ(reader->Parse(ucs2string(serial), raw), 0) << serial;
  return std::unique_ptr<zvFmtPattern>(raw);
}

// "2004-03-07 00:00:00" style, for comparing whole calendar times.
std::string Fields(const zvCalendarTime& t) {
  std::ostringstream s;
  s << t.year() << '-' << t.month() + 1 << '-' << t.day_of_month() << ' ' << t.hour_of_day() << ':' << t.minute()
    << ':' << t.second();
  return s.str();
}

class InputDateTest : public ::testing::Test {
 protected:
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());

  std::unique_ptr<zvInputDate> Make(const char* serial, int baseYear = 2000) {
    auto pattern = Pattern(serial);
    zvInputDate* raw = nullptr;
    if (CreateInputDate(settings, pattern.get(), raw, baseYear) != 0) return nullptr;
    return std::unique_ptr<zvInputDate>(raw);
  }

  // The fields after scanning text onto 1970-01-01 00:00:00 UTC, or
  // "error N" (with " calendar" for a calendar error).
  std::string Scan(const char* serial, const ucs2string& text, int baseYear = 2000) {
    auto input = Make(serial, baseYear);
    if (input == nullptr) return "no build";
    zvCalendarTime time(zvFields(), zvTimeZone::utc(), zvCalendar::gregorian());
    const zvCalendarTime before = time;
    int length = -1;
    if (!input->Scan(text.c_str(), time, length)) {
      EXPECT_TRUE(time == before) << "a failed scan changed the calendar time";
      return "error " + std::to_string(length) + (input->IsCalendarError() ? " calendar" : "");
    }
    EXPECT_FALSE(input->IsCalendarError());
    return Fields(time) + " /" + std::to_string(length);
  }
  std::string Scan(const char* serial, const char* text, int baseYear = 2000) {
    return Scan(serial, ucs2string(text), baseYear);
  }
};

TEST_F(InputDateTest, BuildsOnlyFromDatePatternsOfReadableTokens) {
  for (const char* ok : {"T[0d]T[da]T[0M]T[da]T[y4]", "T[012]T[ts]T[0m]T[am]", "T[dn]L[, ]T[mt]L[ ]T[d]",
                         "T[iy2]", "T[iyg]", "T[iy1]", "T[Adi]", "T[Ati]", "T[Adti]", "T[Adi]T[0ms]", ""})
    EXPECT_NE(Make(ok), nullptr) << ok;
  for (const char* refused : {"T[0d]T[0ms]", "T[era]", "T[tz]", "T[yd]", "T[ip]", "T[0d]T[Adi]", "T[0d]T[Cr]"})
    EXPECT_EQ(Make(refused), nullptr) << refused;
  std::unique_ptr<zvFmtPattern> number(CreateNumberFmtPattern());
  number->push_back(TK_ZERO);
  zvInputDate* result = reinterpret_cast<zvInputDate*>(0x1);
  EXPECT_EQ(CreateInputDate(settings, number.get(), result), ZV_E_FAIL);
  EXPECT_EQ(CreateInputDate(settings, nullptr, result), ZV_E_FAIL);
  EXPECT_EQ(result, reinterpret_cast<zvInputDate*>(0x1));
}

TEST_F(InputDateTest, NumbersSeparatorsAndLiterals) {
  EXPECT_EQ(Scan("T[0d]T[da]T[0M]T[da]T[y4]", " 7/ 3/2004"), "2004-3-7 0:0:0 /10");
  EXPECT_EQ(Scan("T[0d]T[da]T[0M]T[da]T[y4]", "07/03/2004 trailing"), "2004-3-7 0:0:0 /10");
  EXPECT_EQ(Scan("T[0d]T[da]T[0M]T[da]T[y4]", "07-03-2004"), "error 2");
  EXPECT_EQ(Scan("T[0d]T[da]T[0M]", "x"), "error 0");
  EXPECT_EQ(Scan("T[y4]", "99"), "99-1-1 0:0:0 /2");
  EXPECT_EQ(Scan("T[y4]", "123456"), "1234-1-1 0:0:0 /4");
  // Digits of any script; a literal's space needs at least one space.
  EXPECT_EQ(Scan("T[0d]L[ - ]T[0M]", ucs2string(u"\u0667 -   \u0665")), "1970-5-7 0:0:0 /7");
  EXPECT_EQ(Scan("T[0d]L[ - ]T[0M]", "7-5"), "error 1");
  EXPECT_EQ(Scan("T[0d]L[.]T[0M]", "7 . 5"), "1970-5-7 0:0:0 /5");
  // A literal that matches only in part moves past what matched.
  EXPECT_EQ(Scan("T[0d]L[ab]T[0M]", "7ax"), "error 2");
}

TEST_F(InputDateTest, TwoDigitYearsEndAtTheBaseYear) {
  EXPECT_EQ(Scan("T[y2]", "00"), "2000-1-1 0:0:0 /2");
  EXPECT_EQ(Scan("T[y2]", "45"), "1945-1-1 0:0:0 /2");
  EXPECT_EQ(Scan("T[y2]", "5"), "1905-1-1 0:0:0 /1");
  EXPECT_EQ(Scan("T[y2]", "29", 2029), "2029-1-1 0:0:0 /2");
  EXPECT_EQ(Scan("T[y2]", "30", 2029), "1930-1-1 0:0:0 /2");
  EXPECT_EQ(zvTwoDigitYear(99, 1999), 1999);
  EXPECT_EQ(zvTwoDigitYear(0, 1999), 1900);
}

TEST_F(InputDateTest, TwelveHourClock) {
  const char* p = "T[012]T[ts]T[0m]T[am]";
  EXPECT_EQ(Scan(p, "12:30 AM"), "1970-1-1 0:30:0 /8");
  EXPECT_EQ(Scan(p, "12:30 pm"), "1970-1-1 12:30:0 /8");
  EXPECT_EQ(Scan(p, "1:05PM"), "1970-1-1 13:5:0 /6");
  EXPECT_EQ(Scan(p, "12:30"), "1970-1-1 12:30:0 /5");  // no marker: the hour of the day
  EXPECT_EQ(Scan(p, "24:00"), "1970-1-1 0:0:0 /5");
  EXPECT_EQ(Scan("T[023]T[ts]T[0m]", "24:15"), "1970-1-1 0:15:0 /5");
}

TEST_F(InputDateTest, TimeSeparatorIsForgivenAtTheEndAndBeforeADigit) {
  EXPECT_EQ(Scan("T[023]T[ts]T[0m]T[ts]T[0s]", "12:34"), "error 5");  // the seconds are missing
  EXPECT_EQ(Scan("T[023]T[ts]T[0m]", "12"), "error 2");
  EXPECT_EQ(Scan("T[023]T[ts]T[0m]", "1230"), "1970-1-1 12:30:0 /4");
  EXPECT_EQ(Scan("T[023]T[ts]T[0m]", "12 30"), "1970-1-1 12:30:0 /5");
  EXPECT_EQ(Scan("T[023]T[ts]T[0m]", "12.30"), "error 2");
  EXPECT_EQ(Scan("T[023]T[ts]", "12"), "1970-1-1 12:0:0 /2");
}

TEST_F(InputDateTest, NamesMatchInAnyCaseAndMayBeMissing) {
  EXPECT_EQ(Scan("T[d]L[ ]T[mt]L[ ]T[y4]", "7 MARCH 2004"), "2004-3-7 0:0:0 /12");
  EXPECT_EQ(Scan("T[d]L[ ]T[amt]L[ ]T[y4]", "7 mar 2004"), "2004-3-7 0:0:0 /10");
  // An unknown name leaves the month alone; the next token reads from there.
  EXPECT_EQ(Scan("T[mt]T[d]", "Foo"), "error 0");
  EXPECT_EQ(Scan("T[mt]T[d]", " 12"), "1970-1-12 0:0:0 /3");
  EXPECT_EQ(Scan("T[dn]L[ ]T[d]L[ ]T[mt]", "Sunday 7 March"), "1970-3-7 0:0:0 /14");
  EXPECT_EQ(Scan("T[adn]T[d]", "sun 7"), "1970-1-7 0:0:0 /5");
}

TEST_F(InputDateTest, ImperialYears) {
  EXPECT_EQ(Scan("T[iy2]", ucs2string(u"平成 16")), "2004-1-1 0:0:0 /5");
  EXPECT_EQ(Scan("T[iy2]", ucs2string(u"令和6")), "2024-1-1 0:0:0 /3");
  EXPECT_EQ(Scan("T[iy2]", ucs2string(u"明治 45")), "1912-1-1 0:0:0 /5");
  EXPECT_EQ(Scan("T[iy2]", ucs2string(u"西暦 2004")), "error 0");
  EXPECT_EQ(Scan("T[iyg]", "H16"), "2004-1-1 0:0:0 /3");
  EXPECT_EQ(Scan("T[iyg]", "R 1"), "2019-1-1 0:0:0 /3");
  EXPECT_EQ(Scan("T[iyg]", "X1"), "error 0");
  // The year alone counts in the current period.
  EXPECT_EQ(Scan("T[iy1]", "6"), "2024-1-1 0:0:0 /1");
}

TEST_F(InputDateTest, CalendarErrorsLeaveTheTimeUnchanged) {
  EXPECT_EQ(Scan("T[0d]T[da]T[0M]T[da]T[y4]", "31/04/2004"), "error 10 calendar");
  EXPECT_EQ(Scan("T[0M]", "13"), "error 2 calendar");
  EXPECT_EQ(Scan("T[0d]T[da]T[0M]T[da]T[y4]", "29/02/2004"), "2004-2-29 0:0:0 /10");
}

TEST_F(InputDateTest, DefaultsFormatAndObjectsWithoutAPattern) {
  EXPECT_EQ(Scan("T[Adi]", "3/7/2004"), "2004-3-7 0:0:0 /8");
  EXPECT_EQ(Scan("T[Ati]", "1:02:03 PM"), "1970-1-1 13:2:3 /10");

  auto input = Make("T[Adti]");
  ASSERT_NE(input, nullptr);
  zvFields f;
  f.set(Year, 2004).set(Month, 2).set(Day_of_month, 7).set(Hour_of_day, 18).set(Minute, 5).set(Second, 9);
  const zvCalendarTime t(f, zvTimeZone::utc(), zvCalendar::gregorian());
  ASSERT_TRUE(input->Format(t));
  EXPECT_EQ(ucs2string(input->c_str()).to_utf8(), "3/7/2004 6:05:09 PM");

  zvInputDateImp bare(settings);
  zvCalendarTime time(zvFields(), zvTimeZone::utc(), zvCalendar::gregorian());
  int length = -7;
  EXPECT_FALSE(bare.Scan(ucs2string("1").c_str(), time, length));
  EXPECT_EQ(length, -7);
  EXPECT_FALSE(bare.Format(time));
  EXPECT_EQ(bare.c_str(), nullptr);
  // A failed build leaves no pattern behind.
  auto good = Pattern("T[0d]");
  ASSERT_EQ(bare.BuildFrom(*good, 2000), 0);
  auto bad = Pattern("T[era]");
  EXPECT_EQ(bare.BuildFrom(*bad, 2000), ZV_E_FAIL);
  EXPECT_FALSE(bare.Scan(ucs2string("1").c_str(), time, length));
  EXPECT_EQ(bare.c_str(), nullptr);
}

}  // namespace
