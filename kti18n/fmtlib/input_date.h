// Input dates: reading a date, a time or both, typed by a user, into a
// calendar time, guided by a date pattern whose tokens say what comes in
// which order; and writing a calendar time with a date format built from the
// same pattern, so that a value can be put into an edit field and the user's
// change read back.
//
// Reading is forgiving where users are: white space before numbers and
// literals is skipped, names (months, days, am/pm markers) and separators
// match in any letter case, digits of any script are read, a missing month
// or day name or am/pm marker leaves its field unset instead of failing, and
// text after the last token is left unread. Numbers are not range-checked
// while reading: the calendar time refuses what does not make a date
// (IsCalendarError then tells so).
#ifndef KTI18N_FMTLIB_INPUT_DATE_H
#define KTI18N_FMTLIB_INPUT_DATE_H

#include <memory>

#include "kti18n/base/status.h"
#include "kti18n/fmtlib/date_format.h"
#include "kti18n/fmtlib/fmt_pattern.h"
#include "kti18n/fmtlib/izv_ptr.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/time/calendar_time.h"

namespace FmtLib {

class zvInputDate {
 public:
  virtual ~zvInputDate();
  // Reads text (0-terminated) as the pattern says and applies the fields
  // read to time; fields the pattern does not supply keep their values.
  // length receives the number of units consumed (on failure, up to where
  // reading stopped). On failure time is unchanged. Without a built pattern
  // returns false and touches nothing.
  virtual bool Scan(const unsigned short* text, TimeLib::zvCalendarTime& time, int& length) = 0;
  // Whether the last Scan read the whole pattern but the calendar time
  // refused the fields (a 31st of April, a 13th month).
  virtual bool IsCalendarError() = 0;
  // Writes time with the pattern's date format; false without one.
  virtual bool Format(const TimeLib::zvCalendarTime& time) = 0;
  // The last Format result; null without a built pattern.
  virtual const unsigned short* c_str() = 0;

  zvInputDate& operator=(const zvInputDate&) = default;

 protected:
  zvInputDate() = default;
  zvInputDate(const zvInputDate&) = default;
};

class zvInputDateImp : public zvInputDate {
 public:
  // Not yet usable: BuildFrom gives it a pattern. Throws ZVException
  // 0x80041123 for null settings.
  explicit zvInputDateImp(izv_ptr<zvSettings>& settings);
  ~zvInputDateImp() override;
  zvInputDateImp(const zvInputDateImp&) = delete;
  zvInputDateImp& operator=(const zvInputDateImp&) = delete;

  bool Scan(const unsigned short* text, TimeLib::zvCalendarTime& time, int& length) override;
  bool IsCalendarError() override { return m_calendarError; }
  bool Format(const TimeLib::zvCalendarTime& time) override;
  const unsigned short* c_str() override;

  // Takes a date pattern (a leading default-format token stands for the
  // locale's default of that kind, and the rest of the pattern is then not
  // looked at) and the base year of two-digit years: the latest year two
  // digits denote. 0, or 0x80004005 for a number pattern, a token that
  // cannot be read back (era, milliseconds, week and day-of-year numbers,
  // time zone, the imperial period alone, colours, sections), a default the
  // locale lacks, or any other failure; the object then has no pattern.
  virtual zvStatus BuildFrom(zvFmtPattern& pattern, int baseYear);

 private:
  izv_ptr<zvSettings> m_settings;
  const zvSettingsImp* m_settingsImp;
  std::unique_ptr<zvFmtPattern> m_pattern;
  std::unique_ptr<zvDateFormat> m_format;
  int m_baseYear = 2000;
  bool m_calendarError = false;
};

// The year that two digits v denote with the base year: the latest year
// not after the base with those last two digits (base 2000: 00 is 2000, 01
// to 99 are 1901 to 1999; base 2029: 30 is 1930).
int zvTwoDigitYear(int v, int baseYear);

// A new input date on settings, built from pattern with the base year, into
// result (owned by the caller): 0, or 0x80004005 (result then unchanged).
zvStatus CreateInputDate(izv_ptr<zvSettings>& settings, zvFmtPattern* pattern, zvInputDate*& result,
                         int baseYear = 2000);

}  // namespace FmtLib

#endif
