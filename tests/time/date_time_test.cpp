// The date-time value against an independent day count, its validation and
// its printing.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <sstream>

#include "kti18n/base/exception.h"
#include "kti18n/locale/locale.h"
#include "kti18n/time/date_time.h"

namespace {

std::string printed(const zv_date_time& value, const char* pattern) {
  ucs2string out;
  value.Print(out, ucs2string(pattern).c_str(), zv_locale::classic());
  std::ostringstream os;
  os << out;
  return os.str();
}

// Walks every day from -4712-01-01 (Julian Day 0, a Monday) to 9999-12-31,
// counting Julian Days one by one with month lengths of its own, and checks
// the conversions both ways at noon, the weekday and the day of the year.
TEST(DateTime, AgreesWithADayByDayJulianDayCount) {
  const auto leap = [](int y) { return y % 4 == 0 && (y < 1582 || y % 100 != 0 || y % 400 == 0); };
  const int lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  long long jdn = 0;
  int failures = 0;
  for (int y = -4712; y <= 9999 && failures < 5; ++y) {
    int yday = 0;
    for (int m = 1; m <= 12; ++m) {
      const int last = lengths[m] + (m == 2 && leap(y) ? 1 : 0);
      for (int d = 1; d <= last; ++d) {
        if (y == 1582 && m == 10 && d == 5) d = 15;  // the reform drops ten days
        ++yday;
        zv_date_time value;
        const bool ok = value.Set(y, m, d, 12, 0, 0, 0) == ZV_S_OK;
        int ry = 0, rm = 0, rd = 0;
        value.Ymd(ry, rm, rd);
        if (!ok || value.JulianDate() != static_cast<double>(jdn) || ry != y || rm != m || rd != d ||
            value.WeekDay(0) != jdn % 7 || value.YearDay() != yday) {
          ADD_FAILURE() << y << '-' << m << '-' << d << ": jd " << value.JulianDate() << " expected " << jdn
                        << ", read back " << ry << '-' << rm << '-' << rd << ", yday " << value.YearDay();
          ++failures;
        }
        ++jdn;
      }
    }
    EXPECT_EQ(yday, zv_date_time::DaysInYear(y)) << y;
  }
}

TEST(DateTime, NullValueIsABitPattern) {
  const zv_date_time null(static_cast<null_date_time*>(nullptr));
  EXPECT_TRUE(null.IsNull());
  EXPECT_EQ(std::bit_cast<std::uint64_t>(static_cast<double>(null)), 0xC14312D00FBE76C9ull);
  EXPECT_TRUE(zv_date_time().IsNull());
  zv_date_time value(0.0);
  EXPECT_FALSE(value.IsNull());
  value.SetNull();
  EXPECT_TRUE(value.IsNull());
  EXPECT_EQ(printed(value, "%Y"), "");
  std::ostringstream os;
  os << value;
  value.Trace(os);
  EXPECT_EQ(os.str(), "Null datetimeNull date/time\n");
  EXPECT_NO_THROW(zv_date_time{-2500000.123});  // the null value itself is accepted
}

TEST(DateTime, RejectsInvalidInputAndKeepsTheValue) {
  zv_date_time value(2004, 2, 29, 0, 0, 0, 0);
  const double before = value;
  EXPECT_EQ(value.Set(1582, 10, 10.0, 0.0), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(2004, 2, 30.0, 0.0), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(2003, 2, 28.5, 0.5), ZV_E_INVALID_DATA);  // the fraction carries to 29 February
  EXPECT_EQ(value.Set(-4713, 12, 31.0, 0.0), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(32767, 1, 1.0, 0.0), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(2004, 13, 1.0, 0.0), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(2004, 1, std::numeric_limits<double>::quiet_NaN(), 0.0), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(2004, 1, 1.0, 1e300), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(2004, 1, 1, 24, 0, 0, 0), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(2004, 1, 1, 0, 0, 0, 1000), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(-1.0), ZV_E_INVALID_DATA);
  EXPECT_EQ(value.Set(8888959.5), ZV_E_INVALID_DATA);
  std::tm t{};
  t.tm_year = 104;
  t.tm_mday = 1;
  t.tm_sec = 60;
  EXPECT_EQ(value.Set(t), ZV_E_INVALID_DATA);
  t.tm_sec = 0;
  t.tm_year = 2147483000;
  EXPECT_EQ(value.Set(t), ZV_E_INVALID_DATA);
  EXPECT_EQ(static_cast<double>(value), before);

  EXPECT_THROW(zv_date_time{std::numeric_limits<double>::quiet_NaN()}, ZVException);
  EXPECT_THROW(zv_date_time(-2400000.6), ZVException);
  EXPECT_THROW(zv_date_time(11288960.0), ZVException);
  try {
    zv_date_time(1582, 10, 5, 0, 0, 0, 0);
    ADD_FAILURE() << "no exception";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_INVALID_DATA);
  }
}

TEST(DateTime, ReformAndReferencePoints) {
  zv_date_time value;
  ASSERT_EQ(value.Set(1582, 10, 4.0, 0.0), ZV_S_OK);
  EXPECT_TRUE(value.IsJulian());
  ASSERT_EQ(value.Set(zv_date_time(static_cast<double>(value) + 1.0)), ZV_S_OK);
  EXPECT_EQ(value.Ymd(), 15821015);
  EXPECT_TRUE(value.IsGregorian());
  EXPECT_EQ(static_cast<double>(value), zv_date_time::GregorianStart);

  const zv_date_time epoch(0.0);
  EXPECT_EQ(epoch.Ymd(), 18581117);
  EXPECT_EQ(epoch.JulianDate(), 2400000.5);
  EXPECT_EQ(epoch.WeekDay(0), 2);  // Wednesday

  EXPECT_EQ(zv_date_time(2004, 2, 29, 0, 0, 0, 0).Ymd(), 20040229);
  EXPECT_EQ(zv_date_time(-44, 3, 15, 0, 0, 0, 0).Ymd(), -440315);
  EXPECT_EQ(zv_date_time(2004, 12, 31, 0, 0, 0, 0).YearDay(), 366);
  EXPECT_EQ(zv_date_time::DaysInMonth(2000, 2), 29);
  EXPECT_EQ(zv_date_time::DaysInMonth(1900, 2), 28);
  EXPECT_EQ(zv_date_time::DaysInMonth(1500, 2), 29);
  EXPECT_EQ(zv_date_time::DaysInMonth(1582, 10), 21);
  EXPECT_TRUE(zv_date_time::IsJulianCalendar(1582, 10, 4));
  EXPECT_FALSE(zv_date_time::IsJulianCalendar(1582, 10, 7));
  EXPECT_TRUE(zv_date_time::IsGregorianCalendar(1582, 10, 15));

  ASSERT_EQ(value.Set(2451545.0), ZV_S_OK);  // J2000.0: 2000-01-01 12:00
  int h, m, s;
  value.Hms(h, m, s);
  EXPECT_EQ(value.Ymd(), 20000101);
  EXPECT_EQ(h, 12);
}

TEST(DateTime, TimeOfDay) {
  int h, m, s, ms;
  zv_date_time(2004, 1, 1, 23, 59, 59, 999).Hmsms(h, m, s, ms);
  EXPECT_EQ((std::vector<int>{h, m, s, ms}), (std::vector<int>{23, 59, 59, 999}));
  // Before 1858-11-17 the value is negative; the clock still reads forwards.
  const zv_date_time early(1700, 6, 1, 18, 30, 15, 250);
  early.Hmsms(h, m, s, ms);
  EXPECT_EQ((std::vector<int>{h, m, s, ms}), (std::vector<int>{18, 30, 15, 250}));
  early.Hms(h, m, s);
  EXPECT_EQ((std::vector<int>{h, m, s}), (std::vector<int>{18, 30, 15}));
  // Rounding to the second never makes a 24th hour.
  zv_date_time(2004, 1, 1, 23, 59, 59, 700).Hms(h, m, s);
  EXPECT_EQ((std::vector<int>{h, m, s}), (std::vector<int>{23, 59, 59}));

  std::tm t{};
  zv_date_time(2004, 3, 5, 9, 7, 3, 0).GetTM(t);
  EXPECT_EQ(t.tm_year, 104);
  EXPECT_EQ(t.tm_mon, 2);
  EXPECT_EQ(t.tm_mday, 5);
  EXPECT_EQ(t.tm_wday, 5);  // Friday
  EXPECT_EQ(t.tm_yday, 64);
  EXPECT_EQ(t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec, 9 * 3600 + 7 * 60 + 3);
  zv_date_time back;
  ASSERT_EQ(back.Set(t), ZV_S_OK);
  EXPECT_EQ(back.Ymd(), 20040305);
}

TEST(DateTime, WeeksOfTheYear) {
  // 2004-01-01 is a Thursday: the week holding it is week 1 either way.
  EXPECT_EQ(zv_date_time(2004, 1, 1, 0, 0, 0, 0).YearWeek(0), 1);
  EXPECT_EQ(zv_date_time(2004, 1, 4, 0, 0, 0, 0).YearWeek(0), 1);  // Sunday
  EXPECT_EQ(zv_date_time(2004, 1, 5, 0, 0, 0, 0).YearWeek(0), 2);  // Monday
  EXPECT_EQ(zv_date_time(2004, 1, 4, 0, 0, 0, 0).YearWeek(6), 2);  // Sunday starts week 2
  EXPECT_EQ(zv_date_time(2004, 12, 31, 0, 0, 0, 0).YearWeek(0), 53);
  EXPECT_EQ(zv_date_time(2004, 1, 5, 0, 0, 0, 0).WeekDay(6), 1);
}

TEST(DateTime, PrintDirectivesAndModifiers) {
  const zv_date_time value(2004, 1, 5, 9, 7, 3, 45);
  EXPECT_EQ(printed(value, "%Y-%m-%d %H:%M:%S"), "2004-01-05 09:07:03");
  EXPECT_EQ(printed(value, "[%e]"), "[ 5]");
  EXPECT_EQ(printed(value, "[%-4d][%4d][%04d][%#d][%#e]"), "[05  ][  05][0005][5][5]");
  EXPECT_EQ(printed(value, "%A %a %B %b %p %I %l %k %j %q %y %C %w"), "Monday Mon January Jan AM 09  9  9 005 045 04 20 1");
  EXPECT_EQ(printed(value, "%D|%T|%r|%c|%x|%X"), "01/05/04|09:07:03|09:07:03 AM|01/05/04 09:07:03|01/05/04|09:07:03");
  EXPECT_EQ(printed(value, "%%|%Z|%n%t|%E|%P|%f|%s|100%"), "%||\n\t|2004|A.D.|2004|2004|100%");
  EXPECT_EQ(printed(zv_date_time(2004, 1, 5, 0, 30, 0, 0), "%I %p"), "12 AM");
  EXPECT_EQ(printed(zv_date_time(2004, 1, 5, 12, 30, 0, 0), "%I %p"), "12 PM");
  // Years before the era: %Y counts 1 BC as -1, %s and %P as the era does.
  EXPECT_EQ(printed(zv_date_time(0, 6, 1, 0, 0, 0, 0), "%Y|%f|%E"), "-1|1 B.C.|0001");
  EXPECT_EQ(printed(zv_date_time(-43, 3, 15, 0, 0, 0, 0), "%Y|%f|%y"), "-44|44 B.C.|57");
  EXPECT_EQ(printed(zv_date_time(999, 1, 1, 0, 0, 0, 0), "%f"), "999 A.D.");
  // A directive cut short by the end of the pattern prints nothing more.
  EXPECT_EQ(printed(value, "%-4"), "");

  std::ostringstream os;
  os << value;
  EXPECT_EQ(os.str(), "Mon Jan  5 09:07:03 2004");
}

// Widths stop at 10000 units, however many digits they have; a text too
// long for the output is refused with a length error, not cut.
TEST(DateTime, PrintWidthsAndLengthAreBounded) {
  const zv_date_time value(2004, 1, 5, 9, 7, 3, 45);
  const std::string padded = printed(value, "%99999d");
  EXPECT_EQ(padded.size(), 10000u);
  EXPECT_EQ(padded.substr(9998), "05");
  EXPECT_EQ(printed(value, "%000000000000000000000012d"), "000000000005");
  try {
    printed(value, "%9999d%9999d%9999d%9999d%9999d%9999d%9999d");
    ADD_FAILURE() << "an output of 69993 units was accepted";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_LENGTH);
  }
}

}  // namespace
