// The date-time value: conversions between the Modified Julian Date and the
// historical calendar, validation and the calendar queries.
#include "kti18n/time/date_time.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <ostream>

#include "kti18n/base/exception.h"

namespace {

constexpr std::uint64_t kNullBits = 0xC14312D00FBE76C9ull;
constexpr double kJulianDateOffset = 2400000.5;  // Julian Date of MJD 0
constexpr double kMinModified = -2400000.5;      // Julian Date 0
constexpr double kMaxModified = 11288960.0;      // excluded
constexpr double kMaxJulian = 8888959.5;         // excluded
constexpr long kMillisPerDay = 86400000;

constexpr int kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

bool inReform(int year, int month) { return year == 1582 && month == 10; }

// The ten days dropped by the reform: 1582-10-05 to 1582-10-14.
bool inReformGap(int year, int month, int day) { return inReform(year, month) && day >= 5 && day <= 14; }

// Days from the previous midnight to the value: the time of day. Taking the
// floor (not the fraction of the absolute value) keeps values before
// 1858-11-17 on the same clock as later ones.
double dayFraction(double value) { return value - std::floor(value); }

// The day count of a proleptic calendar date since 1 March of year -4800
// (the era of the well-known Julian Day Number formula), shifted so that the
// result is the Modified Julian Date of the date's midnight. March starts the
// counted year, so the leap day falls at its end: m counts months from
// March, and (153 m + 2) / 5 is the number of days before month m.
long long midnightOf(int year, int month, int day, bool gregorian) {
  const long long a = (14 - month) / 12;
  const long long y = year + 4800 - a;
  const long long m = month + 12 * a - 3;
  const long long days = (153 * m + 2) / 5 + 365 * y + y / 4 + day;
  return gregorian ? days - y / 100 + y / 400 - 2432046 : days - 2432084;
}

}  // namespace

const double zv_date_time::GregorianStart = static_cast<double>(midnightOf(1582, 10, 15, true));

zv_date_time::zv_date_time(double modifiedJulianDate) : m_value(modifiedJulianDate) {
  if (!IsNull() && !IsValidModifiedJulianDate(modifiedJulianDate)) throw ZVException(ZV_E_INVALID_DATA);
}

zv_date_time::zv_date_time(int year, int month, double day, double fraction) {
  const zvStatus status = Set(year, month, day, fraction);
  if (zvFailed(status)) throw ZVException(status);
}

zv_date_time::zv_date_time(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  const zvStatus status = Set(year, month, day, hour, minute, second, millisecond);
  if (zvFailed(status)) throw ZVException(status);
}

bool zv_date_time::IsNull() const noexcept { return std::bit_cast<std::uint64_t>(m_value) == kNullBits; }

zvStatus zv_date_time::Set(const zv_date_time& other) noexcept {
  m_value = other.m_value;
  return ZV_S_OK;
}

zvStatus zv_date_time::SetNull() noexcept {
  m_value = std::bit_cast<double>(kNullBits);
  return ZV_S_OK;
}

zvStatus zv_date_time::Set(int year, int month, double day, double fraction) noexcept {
  const double reached = std::floor(day + fraction);
  // Checked as a double first: NaN, infinities and huge days have no int.
  if (!(reached >= 1.0 && reached <= 31.0)) return ZV_E_INVALID_DATA;
  const int d = static_cast<int>(reached);
  if (!IsValid(year, month, d)) return ZV_E_INVALID_DATA;
  // The calendar is chosen by the day as given; a fraction that carries the
  // day over the gap still counts from the Julian side.
  const bool gregorian = year > 1582 || (year == 1582 && month > 10) || (inReform(year, month) && std::trunc(day) >= 5);
  m_value = static_cast<double>(midnightOf(year, month, 0, gregorian)) + day + fraction;
  return ZV_S_OK;
}

zvStatus zv_date_time::Set(int year, int month, int day, int hour, int minute, int second, int millisecond) noexcept {
  if (!IsValidTime(hour, minute, second, millisecond)) return ZV_E_INVALID_DATA;
  const double fraction = (((millisecond * 0.001 + second) / 60 + minute) / 60 + hour) / 24;
  return Set(year, month, static_cast<double>(day), fraction);
}

zvStatus zv_date_time::Set(double julianDate) noexcept {
  if (!IsValidJulianDate(julianDate)) return ZV_E_INVALID_DATA;
  m_value = julianDate - kJulianDateOffset;
  return ZV_S_OK;
}

zvStatus zv_date_time::Set(const std::tm& t) noexcept {
  if (t.tm_hour < 0 || t.tm_hour > 23 || t.tm_min < 0 || t.tm_min > 59 || t.tm_sec < 0 || t.tm_sec > 59)
    return ZV_E_INVALID_DATA;
  // tm_year near INT_MAX would overflow the addition; such years are
  // invalid anyway.
  if (t.tm_year > 32766 - 1900 || t.tm_year < -4712 - 1900) return ZV_E_INVALID_DATA;
  const double fraction = ((t.tm_sec / 60.0 + t.tm_min) / 60 + t.tm_hour) / 24;
  return Set(t.tm_year + 1900, t.tm_mon + 1, static_cast<double>(t.tm_mday), fraction);
}

// Meeus, Astronomical Algorithms, chapter 7: Z is the Julian Day Number;
// from JD 2299161 (1582-10-15) on, alpha removes the Gregorian leap days
// that the Julian count would have, turning Z into a Julian day count A.
// The rest reads a Julian date whose year starts on 1 March (E counts months
// from March as 4..15).
void zv_date_time::Ymd(int& year, int& month, int& day) const noexcept {
  const double z = static_cast<double>(JulianDayNumber());
  double a = z;
  if (z >= 2299161) {
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::floor(alpha / 4);
  }
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double d = std::floor(365.25 * c);
  const double e = std::floor((b - d) / 30.6001);
  day = static_cast<int>(b - d - std::floor(30.6001 * e));
  month = static_cast<int>(e < 14 ? e - 1 : e - 13);
  year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
}

int zv_date_time::Year() const noexcept {
  int y, m, d;
  Ymd(y, m, d);
  return y;
}

int zv_date_time::Month() const noexcept {
  int y, m, d;
  Ymd(y, m, d);
  return m;
}

int zv_date_time::MonthDay() const noexcept {
  int y, m, d;
  Ymd(y, m, d);
  return d;
}

long zv_date_time::Ymd() const noexcept {
  int y, m, d;
  Ymd(y, m, d);
  return y >= 0 ? y * 10000L + m * 100L + d : y * 10000L - m * 100L - d;
}

long zv_date_time::MillisecondOfDay() const noexcept {
  const long ms = static_cast<long>(std::floor(dayFraction(m_value) * kMillisPerDay + 0.5));
  // Rounding up the last half millisecond must not make a 24th hour.
  return ms < kMillisPerDay ? ms : kMillisPerDay - 1;
}

void zv_date_time::Hms(int& hour, int& minute, int& second) const noexcept {
  long s = static_cast<long>(std::floor(dayFraction(m_value) * 86400 + 0.5));
  if (s >= 86400) s = 86399;
  hour = static_cast<int>(s / 3600);
  minute = static_cast<int>(s / 60 % 60);
  second = static_cast<int>(s % 60);
}

void zv_date_time::Hmsms(int& hour, int& minute, int& second, int& millisecond) const noexcept {
  const long ms = MillisecondOfDay();
  hour = static_cast<int>(ms / 3600000);
  minute = static_cast<int>(ms / 60000 % 60);
  second = static_cast<int>(ms / 1000 % 60);
  millisecond = static_cast<int>(ms % 1000);
}

void zv_date_time::GetTM(std::tm& t) const noexcept {
  int y, m, d;
  Ymd(y, m, d);
  t = std::tm{};
  t.tm_year = y - 1900;
  t.tm_mon = m - 1;
  t.tm_mday = d;
  Hms(t.tm_hour, t.tm_min, t.tm_sec);
  t.tm_wday = WeekDay(6);
  t.tm_yday = YearDay() - 1;
  t.tm_isdst = 0;
}

long long zv_date_time::JulianDayNumber() const noexcept {
  return static_cast<long long>(std::floor(m_value + kJulianDateOffset + 0.5));
}

int zv_date_time::WeekDay(unsigned firstDay) const noexcept {
  const long long r = (JulianDayNumber() - static_cast<long long>(firstDay % 7)) % 7;
  return static_cast<int>(r < 0 ? r + 7 : r);
}

int zv_date_time::YearDay() const noexcept {
  int y, m, d;
  Ymd(y, m, d);
  const int leap = m > 2 && IsLeapYear(y) ? 1 : 0;
  // The days of October 1582 that never were do not count.
  const int dropped = (y == 1582 && (m > 10 || (m == 10 && d >= 15))) ? 10 : 0;
  return kDaysBeforeMonth[m] + leap + d - dropped;
}

int zv_date_time::YearWeek(unsigned firstDay) const noexcept {
  // YearDay - WeekDay is the day of the year of the week's first day, in
  // [-5, 366]; adding 12 and dividing by 7 numbers its week so that the week
  // holding 1 January is week 1.
  return (YearDay() - WeekDay(firstDay) + 12) / 7;
}

bool zv_date_time::IsLeapYear(int year) noexcept {
  if (year % 4 != 0) return false;
  return year < 1582 || year % 100 != 0 || year % 400 == 0;
}

int zv_date_time::DaysInMonth(int year, int month) noexcept {
  if (!IsValidMonth(month)) return 0;
  if (inReform(year, month)) return 21;
  return kDaysInMonth[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

int zv_date_time::DaysInYear(int year) noexcept {
  if (year == 1582) return 355;
  return IsLeapYear(year) ? 366 : 365;
}

bool zv_date_time::IsValid(int year, int month, int day) noexcept {
  if (!IsValidYear(year) || !IsValidMonth(month) || day < 1) return false;
  if (inReform(year, month)) return day <= 31 && !inReformGap(year, month, day);
  return day <= kDaysInMonth[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool zv_date_time::IsValidTime(int hour, int minute, int second, int millisecond) noexcept {
  return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59 && millisecond >= 0 &&
         millisecond <= 999;
}

bool zv_date_time::IsValidJulianDate(double julianDate) noexcept {
  return julianDate >= 0 && julianDate < kMaxJulian;  // false for NaN
}

bool zv_date_time::IsValidModifiedJulianDate(double modifiedJulianDate) noexcept {
  return modifiedJulianDate >= kMinModified && modifiedJulianDate < kMaxModified;  // false for NaN
}

bool zv_date_time::IsGregorianCalendar(int year, int month, int day) noexcept {
  if (!IsValid(year, month, day)) return false;
  return year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
}

bool zv_date_time::IsJulianCalendar(int year, int month, int day) noexcept {
  return IsValid(year, month, day) && !IsGregorianCalendar(year, month, day);
}

void zv_date_time::Trace(std::ostream& os) const {
  if (IsNull()) {
    os << "Null date/time\n";
    return;
  }
  int y, mo, d, h, mi, s, ms;
  Ymd(y, mo, d);
  Hmsms(h, mi, s, ms);
  const auto old = os.precision(17);
  os << "zv_date_time { mjd " << m_value << ", jd " << JulianDate() << ", " << (IsGregorian() ? "Gregorian" : "Julian")
     << ' ' << y << '-' << mo << '-' << d << ' ' << h << ':' << mi << ':' << s << '.' << ms << " }\n";
  os.precision(old);
}
