// zv_date_time: a calendar date and time of day without a time zone, kept as
// one double, the Modified Julian Date (days and fraction since 1858-11-17
// 00:00; the Julian Date is the value + 2400000.5).
//
// Dates are historical: Julian before 15 October 1582, Gregorian from then
// on, so October 1582 has the days 1-4 and 15-31. Years are astronomical
// (0 is 1 BC) and valid from -4712 to 32766.
//
// Invariants: the value is either the null value (a fixed bit pattern,
// see IsNull) or a number; setters that fail leave it unchanged. The time of
// day is the value less its floor, so values before 1858-11-17 read the same
// wall-clock time as later ones.
#ifndef KTI18N_TIME_DATE_TIME_H
#define KTI18N_TIME_DATE_TIME_H

#include <ctime>
#include <iosfwd>

#include "kti18n/base/status.h"
#include "kti18n/text/formatter.h"
#include "kti18n/text/ucs2string.h"

class zv_locale;

// Tag type: zv_date_time(static_cast<null_date_time*>(nullptr)) is null.
struct null_date_time;

class zv_date_time {
 public:
  // The Modified Julian Date of 1582-10-15 00:00, the first Gregorian day.
  static const double GregorianStart;

  zv_date_time() = default;
  zv_date_time(const zv_date_time&) = default;
  zv_date_time& operator=(const zv_date_time&) = default;
  explicit zv_date_time(null_date_time*) noexcept {}
  // The Modified Julian Date itself; NaN or a value outside
  // [-2400000.5, 11288960.0), other than the null value, throws 0x80041123.
  explicit zv_date_time(double modifiedJulianDate);
  // Each throws ZVException with the status Set returns on failure.
  zv_date_time(int year, int month, double day, double fraction);
  zv_date_time(int year, int month, int day, int hour, int minute, int second, int millisecond);

  // Setters return ZV_S_OK, or ZV_E_INVALID_DATA and leave the value.
  zvStatus Set(const zv_date_time& other) noexcept;
  zvStatus SetNull() noexcept;
  // day may carry a fraction; the day reached by day + fraction is
  // validated.
  zvStatus Set(int year, int month, double day, double fraction) noexcept;
  zvStatus Set(int year, int month, int day, int hour, int minute, int second, int millisecond) noexcept;
  // A Julian Date (not modified) in [0, 8888959.5).
  zvStatus Set(double julianDate) noexcept;
  // tm_year + 1900, tm_mon + 1, tm_mday, tm_hour, tm_min and tm_sec.
  zvStatus Set(const std::tm& t) noexcept;

  bool IsNull() const noexcept;
  operator double() const noexcept { return m_value; }
  double Day() const noexcept { return m_value; }
  double Hour() const noexcept { return m_value * 24; }
  double Minute() const noexcept { return m_value * 1440; }
  double Second() const noexcept { return m_value * 86400; }
  double JulianDate() const noexcept { return m_value + 2400000.5; }
  bool IsGregorian() const noexcept { return m_value >= GregorianStart; }
  bool IsJulian() const noexcept { return !IsGregorian(); }

  void Ymd(int& year, int& month, int& day) const noexcept;
  int Year() const noexcept;
  int Month() const noexcept;
  int MonthDay() const noexcept;
  // year * 10000 + month * 100 + day; for negative years
  // year * 10000 - month * 100 - day (so the order of dates is kept).
  long Ymd() const noexcept;
  // The time of day to the nearest second.
  void Hms(int& hour, int& minute, int& second) const noexcept;
  // The time of day to the nearest millisecond.
  void Hmsms(int& hour, int& minute, int& second, int& millisecond) const noexcept;
  // tm_wday 0 is Sunday, tm_yday counts from 0, tm_isdst is 0.
  void GetTM(std::tm& t) const noexcept;

  // Days since the week's first day: firstDay 0 counts from Monday, 6 from
  // Sunday.
  int WeekDay(unsigned firstDay) const noexcept;
  // 1 for 1 January.
  int YearDay() const noexcept;
  // The week containing 1 January is week 1; weeks start on firstDay
  // (as for WeekDay).
  int YearWeek(unsigned firstDay) const noexcept;

  static bool IsLeapYear(int year) noexcept;
  static int DaysInMonth(int year, int month) noexcept;
  static int DaysInYear(int year) noexcept;
  static bool IsValid(int year, int month, int day) noexcept;
  static bool IsValidMonth(int month) noexcept { return month >= 1 && month <= 12; }
  static bool IsValidYear(int year) noexcept { return year >= -4712 && year <= 32766; }
  static bool IsValidTime(int hour, int minute, int second, int millisecond) noexcept;
  static bool IsValidJulianDate(double julianDate) noexcept;
  static bool IsValidModifiedJulianDate(double modifiedJulianDate) noexcept;
  // Valid and on or after 1582-10-15.
  static bool IsGregorianCalendar(int year, int month, int day) noexcept;
  // Valid and on or before 1582-10-04.
  static bool IsJulianCalendar(int year, int month, int day) noexcept;

  // strftime-like printing with the names of the locale's zv_ctime facet
  // (see date_time_print.cpp for the directives). The string form replaces
  // the string's content, the formatter form appends. A null value writes
  // nothing. A locale without zv_ctime throws 0x8004112B; a text longer
  // than a formatter holds (65534 units) throws 0x8004112A. Field widths
  // stop at 10000.
  void Print(ucs2string& out, const unsigned short* pattern, const zv_locale& locale) const;
  void Print(ucs2string_formatter& out, const unsigned short* pattern, const zv_locale& locale) const;

  // A debugging dump: the value, the Julian Date, the date and time.
  void Trace(std::ostream& os) const;

 private:
  // The day number of the Julian Day that holds the value (0 is a Monday).
  long long JulianDayNumber() const noexcept;
  // Milliseconds since midnight, rounded, below 86400000.
  long MillisecondOfDay() const noexcept;

  // The null value, -2500000.123 (bits 0xC14312D00FBE76C9).
  double m_value = -2500000.123;
};

// "Null datetime", or the value printed with the classic locale's
// date-and-time pattern, as UTF-8.
std::ostream& operator<<(std::ostream& os, const zv_date_time& value);

#endif
