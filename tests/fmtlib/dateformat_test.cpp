// Date formats: every kind of token, the section rules, locale defaults,
// the imperial periods and the zone token.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "kti18n/fmtlib/date_format_imp.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/time/halcyon_calendar.h"
#include "kti18n/time/predefined_zones.h"

namespace {

using namespace FmtLib;
using namespace TimeLib;

using DateFormat = std::unique_ptr<zvDateFormat>;

class DateFormatTest : public ::testing::Test {
 protected:
  FmtLibInitExit guard_;

  static izv_ptr<zvSettings> SettingsFor(const zv_locale& locale) {
    izv_ptr<zvPreferences> prefs;
    EXPECT_EQ(CreatePreferences(prefs), 0);
    prefs->EndBuild();
    izv_ptr<zvSettings> settings;
    EXPECT_EQ(CreateSettings(locale, prefs, settings), 0);
    return settings;
  }

  // Serial text in which text outside T[..] and L[..] stands for itself,
  // so that "T[d]|T[M]" reads as "T[d]L[|]T[M]".
  static std::string Serial(std::string_view text) {
    std::string out, literal;
    for (std::size_t i = 0; i < text.size();) {
      if (text.substr(i, 2) == "T[" || text.substr(i, 2) == "L[") {
        if (!literal.empty()) out += "L[" + literal + "]";
        literal.clear();
        const std::size_t close = text.find(']', i);
        out += text.substr(i, close + 1 - i);
        i = close + 1;
      } else {
        literal += text[i++];
      }
    }
    if (!literal.empty()) out += "L[" + literal + "]";
    return out;
  }

  static DateFormat Build(const char* text, const zv_locale& locale = zv_locale::classic()) {
    izv_ptr<zvSettings> settings = SettingsFor(locale);
    std::unique_ptr<zvStringFormat> reader(CreateSerialStringFormatDate());
    zvFmtPattern* raw = nullptr;
    const std::string serial = Serial(text);
    EXPECT_EQ(reader->Parse(ucs2string(serial.c_str()), raw), 0);
    std::unique_ptr<zvFmtPattern> pattern(raw);
    zvDateFormat* format = nullptr;
    EXPECT_EQ(CreateDateFormat(settings, pattern.get(), format), 0) << serial;
    return DateFormat(format);
  }

  static zvCalendarTime Utc(int year, int month1, int day, int hour = 0, int minute = 0, int second = 0,
                            int millisecond = 0, const zvTimeZone& zone = zvTimeZone::utc()) {
    zvFields f;
    f.set(Era, year < 1 ? 0 : 1).set(Year, year < 1 ? 1 - year : year).set(Month, month1 - 1);
    f.set(Day_of_month, day).set(Hour_of_day, hour).set(Minute, minute).set(Second, second);
    f.set(Millisecond, millisecond);
    return zvCalendarTime(f, zone, zvCalendar::gregorian());
  }

  static std::string Text(zvDateFormat& format, const zvCalendarTime& time) {
    EXPECT_TRUE(format.Format(time));
    std::ostringstream os;
    os << ucs2string(format.c_str());
    return os.str();
  }

  static std::string Formatted(const char* serial, const zvCalendarTime& time,
                               const zv_locale& locale = zv_locale::classic()) {
    DateFormat format = Build(serial, locale);
    return format ? Text(*format, time) : "<no format>";
  }
};

TEST_F(DateFormatTest, NumericFieldsAndTheirWidths) {
  const zvCalendarTime t = Utc(2004, 3, 5, 0, 30, 7, 987);
  EXPECT_EQ(Formatted("T[0d]L[/]T[0M]L[/]T[y2]", t), "05/03/04");
  EXPECT_EQ(Formatted("T[d]|T[M]|T[y4]|T[m]|T[s]|T[0ms]|T[0cs]|T[tens]", t), "5|3|2004|30|7|987|98|9");
  EXPECT_EQ(Formatted("T[012]|T[12]|T[024]|T[24]|T[023]|T[23]|T[011]|T[11]", t), "12|12|24|24|00|0|00|0");
  const zvCalendarTime afternoon = Utc(2004, 3, 5, 12, 30);
  EXPECT_EQ(Formatted("T[012]|T[024]|T[011]|T[023]", afternoon), "12|12|00|12");
  EXPECT_EQ(Formatted("T[00yd]|T[0yd]|T[yd]|T[0wy]|T[wy]|T[wm]|T[dowim]", t), "065|65|65|10|10|1|1");
  EXPECT_EQ(Formatted("T[ywoy4]|T[ywoy2]|T[da]|T[ts]", Utc(2004, 1, 1)), "2004|04|/|:");
  EXPECT_EQ(Formatted("T[y4]", Utc(33, 1, 1)), "0033");
}

TEST_F(DateFormatTest, NamesInFourCasesAndTheDayIndex) {
  const zvCalendarTime sunday = Utc(2004, 3, 7, 15);
  EXPECT_EQ(Formatted("T[dn] T[dnu] T[dnl] T[dnc] T[adn] T[adnu]", sunday), "Sunday SUNDAY sunday Sunday Sun SUN");
  EXPECT_EQ(Formatted("T[mt] T[mtu] T[mtl] T[amt] T[amtc]", sunday), "March MARCH march Mar Mar");
  EXPECT_EQ(Formatted("T[am] T[amu] T[aml]", sunday), "PM PM pm");
  EXPECT_EQ(Formatted("T[dn]", Utc(2004, 3, 8)), "Monday");
  // Capitalised maps only the first letter and keeps the rest as the locale writes it.
  const zv_locale french("fr_FR");
  EXPECT_EQ(Formatted("T[dnc] T[mtc] T[dnu]", sunday, french), "Dimanche Mars DIMANCHE");
  EXPECT_EQ(Formatted("T[era]", Utc(-43, 3, 15)), "B.C.");
  EXPECT_EQ(Formatted("T[era]", sunday), "A.D.");
}

TEST_F(DateFormatTest, NumbersUseTheLocaleDigits) {
  EXPECT_EQ(Formatted("T[0d]L[/]T[0M]L[/]T[y4]", Utc(2004, 3, 5), zv_locale("ar_EG")), "٠٥/٠٣/٢٠٠٤");
}

TEST_F(DateFormatTest, DefaultTokenMakesTheWholeFormat) {
  const zvCalendarTime t = Utc(2004, 3, 5, 13, 7, 9);
  EXPECT_EQ(Formatted("L[x]T[0d]T[Adf]T[y4]", t), "Friday 5 March 2004");
  EXPECT_EQ(Formatted("T[Adf]", t, zv_locale("de_DE")), Formatted("T[dn]L[, ]T[d]L[. ]T[mt]L[ ]T[y4]", t, zv_locale("de_DE")));

  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  for (int kind = FULL_DATE; kind <= INPUT_DATE_TIME; ++kind) {
    zvDateFormat* format = nullptr;
    ASSERT_EQ(CreateDefaultDateFormat(settings, static_cast<fmtLibDefaultFormats>(kind), format), 0) << kind;
    DateFormat owned(format);
    EXPECT_NE(Text(*owned, t), "") << kind;
  }
  zvDateFormat* format = nullptr;
  EXPECT_EQ(CreateDefaultDateFormat(settings, STANDARD, format), ZV_E_FAIL);
  EXPECT_EQ(CreateDefaultDateFormat(settings, static_cast<fmtLibDefaultFormats>(-300), format), ZV_E_FAIL);
  EXPECT_EQ(format, nullptr);
}

TEST_F(DateFormatTest, SectionsColoursAndRefusedPatterns) {
  DateFormat format = Build("T[Cr]T[y4]L[-]T[0M]T[FS]T[Cb]L[no date]T[y2]L[!]T[FS]L[ignored]");
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(Text(*format, Utc(2004, 3, 5)), "2004-03");
  EXPECT_EQ(format->GetColor(), TK_COLOR_RED - 399);
  EXPECT_TRUE(format->FormatText());
  EXPECT_EQ(ucs2string(format->c_str()), ucs2string("no date!"));
  EXPECT_EQ(format->GetColor(), TK_COLOR_BLUE - 399);

  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  std::unique_ptr<zvFmtPattern> number(CreateNumberFmtPattern());
  number->push_back(TK_DIGIT);
  zvDateFormat* out = nullptr;
  EXPECT_EQ(CreateDateFormat(settings, number.get(), out), ZV_E_FAIL);
  EXPECT_EQ(CreateDateFormat(settings, nullptr, out), ZV_E_FAIL);
  EXPECT_EQ(out, nullptr);

  std::unique_ptr<zvFmtPattern> broken(CreateDateFmtPattern());
  broken->push_back(TK_ERROR);
  ASSERT_EQ(CreateDateFormat(settings, broken.get(), out), 0);
  DateFormat owned(out);
  EXPECT_EQ(Text(*owned, Utc(2004, 3, 5)), "#FORMAT");
}

TEST_F(DateFormatTest, ImperialPeriodsIncludingReiwa) {
  const zv_locale japanese("ja_JP");
  EXPECT_EQ(Formatted("T[ip]|T[jy]", Utc(1989, 1, 7), japanese), "昭和|64");
  EXPECT_EQ(Formatted("T[ip]|T[jy]", Utc(1989, 1, 8), japanese), "平成|1");
  EXPECT_EQ(Formatted("T[ip]T[jy]", Utc(2019, 4, 30, 23, 59), japanese), "平成31");
  EXPECT_EQ(Formatted("T[ip]T[jy]|T[iy2]|T[iyg]|T[jy2]|T[iy1]", Utc(2019, 5, 1), japanese), "令和1|令和 1|R1|01|1");
  EXPECT_EQ(Formatted("T[iyg]", Utc(1912, 7, 30)), "T1");
  EXPECT_EQ(Formatted("T[iyg]", Utc(1912, 7, 29)), "M45");
  EXPECT_EQ(Formatted("L[<]T[ip]T[jy]T[iyg]L[>]", Utc(1869, 12, 31)), "<>");
}

TEST_F(DateFormatTest, ZoneTokenWritesTheOffsetInForce) {
  EXPECT_EQ(Formatted("T[y4]L[ ]T[tz]", Utc(2004, 3, 5)), "2004 GMT");
  const zvTimeZone& newYork = PredefinedTimeZones::timeBelt().find(ucs2string("America/New_York"));
  const zvTimeZone& kolkata = PredefinedTimeZones::timeBelt().find(ucs2string("Asia/Calcutta"));
  const zvCalendarTime winter(Utc(2004, 1, 15).physicalTime(), newYork, zvCalendar::gregorian());
  const zvCalendarTime summer(Utc(2004, 7, 15).physicalTime(), newYork, zvCalendar::gregorian());
  const zvCalendarTime india(Utc(2004, 7, 15).physicalTime(), kolkata, zvCalendar::gregorian());
  const std::string w = Formatted("T[tz]", winter), s = Formatted("T[tz]", summer), i = Formatted("T[tz]", india);
  // A zone with database history writes its abbreviation; the rule zones their offset.
  EXPECT_TRUE(w == "GMT-05:00" || w == "EST") << w;
  EXPECT_TRUE(s == "GMT-04:00" || s == "EDT") << s;
  EXPECT_TRUE(i == "GMT+05:30" || i == "IST") << i;
}

TEST_F(DateFormatTest, HalcyonCalendarWeeks) {
  zvFields f;
  f.set(Year, 2004).set(Month, 0).set(Day_of_month, 1);
  const zvCalendarTime t(f, zvTimeZone::utc(), zvHalcyonCalendar::calendar());
  EXPECT_EQ(Formatted("T[ywoy4]L[-W]T[0wy]", t), "2003-W52");
}

}  // namespace
