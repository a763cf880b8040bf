// Reading typed dates: one step per token of the pattern, the fields read
// gathered in a zvFields and applied to the calendar time only when every
// token was read, so that a failing scan leaves the calendar time as it was.
#include "kti18n/fmtlib/input_date.h"

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/imperial_periods.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/ctype.h"

namespace FmtLib {
namespace {

using TimeLib::zvFields;

bool IsDefaultDateToken(int id) { return id >= TK_DEF_FULL_DATE && id <= TK_DEF_INPUT_DATE_TIME; }

// The tokens a scan reads back: the rest carry nothing a user types that
// maps to one field (eras, fractions of seconds, week and day numbers, time
// zones, the imperial period without its year) or are not text at all.
bool IsScannable(const zvToken& token) {
  if (token.IsLiteral()) return true;
  const int id = token.Token();
  return (id >= TK_AMPM && id <= TK_SECOND_0) || (id >= TK_YEAR_0000 && id <= TK_JP_IMP_YEAR_ENG) ||
         (id >= TK_DAY_NAME && id <= TK_MONTH_DAY_0) || id == TK_DATE_SEPARATOR || id == TK_TIME_SEPARATOR;
}

// The text walker of one scan. `p` never moves past the terminating zero:
// the zero is no space, no digit, and equals no expected character.
class Reader {
 public:
  Reader(const zv_ctype& ctype, const unsigned short* text) : p(text), m_ctype(&ctype) {}

  const unsigned short* p;

  // Printable ASCII is never white space; everything else asks the tables.
  bool IsSpace(unsigned short c) const { return !(c > 0x20 && c < 0x7F) && c != 0 && m_ctype->IsSpace(c); }
  const unsigned short* SkipSpace(const unsigned short* q) const {
    while (IsSpace(*q)) ++q;
    return q;
  }
  int Digit(unsigned short c) const {
    if (c >= '0' && c <= '9') return c - '0';
    return c != 0 && m_ctype->IsDigit(c) ? m_ctype->getdigit(c) : -1;
  }
  unsigned short Lower(unsigned short c) const { return m_ctype->tolower(c); }

  // Up to maxDigits decimal digits after white space.
  bool Number(int maxDigits, int& value) {
    const unsigned short* q = SkipSpace(p);
    int v = 0, read = 0;
    for (int d; read < maxDigits && (d = Digit(*q)) >= 0; ++q, ++read) v = v * 10 + d;
    if (read == 0) return false;
    p = q;
    value = v;
    return true;
  }

  // The literal match: the expected characters exactly, white space in the
  // input skipped before each; a run of expected white space needs at least
  // one input white-space character. On a mismatch `p` still moves past
  // what matched.
  bool Literal(const unsigned short* expected, unsigned n) {
    const unsigned short* q = p;
    bool ok = true;
    for (unsigned i = 0; i < n && ok;) {
      if (IsSpace(expected[i])) {
        while (i < n && IsSpace(expected[i])) ++i;
        if (!IsSpace(*q)) ok = false;
        q = SkipSpace(q);
        continue;
      }
      const unsigned short* r = SkipSpace(q);
      if (*r == 0 || *r != expected[i]) {
        ok = false;
        break;
      }
      q = r + 1;
      ++i;
    }
    p = q;
    return ok;
  }

  // The no-case match of a 0-terminated name: white space skipped once
  // before it, letters compared lower-cased, runs of white space in the
  // name matching runs in the input. `p` moves only on a match; there is no
  // word-boundary test.
  bool NoCase(const unsigned short* expected) {
    if (expected == nullptr) return false;
    const unsigned short* e = expected;
    while (IsSpace(*e)) ++e;
    const unsigned short* q = SkipSpace(p);
    while (*e != 0) {
      if (IsSpace(*e)) {
        while (IsSpace(*e)) ++e;
        if (!IsSpace(*q)) return false;
        q = SkipSpace(q);
        continue;
      }
      if (*q == 0 || (*q != *e && Lower(*q) != Lower(*e))) return false;
      ++q;
      ++e;
    }
    p = q;
    return true;
  }

  // A name, that is a no-case match of a non-empty string (an empty name
  // would match anywhere).
  bool Name(const unsigned short* name) { return name != nullptr && name[0] != 0 && NoCase(name); }

 private:
  const zv_ctype* m_ctype;
};

unsigned Length(const unsigned short* s) {
  unsigned n = 0;
  while (s[n] != 0) ++n;
  return n;
}

// What a scan gathers besides the fields: the 12-hour clock waits for the
// marker, which may come after it.
struct Pending {
  zvFields fields;
  int hour12 = -1;
  bool markerMissing = false;
};

bool IsHourOfDay(int id) {
  return id == TK_HOUR_00_23 || id == TK_HOUR_0_23 || id == TK_HOUR_01_24 || id == TK_HOUR_1_24;
}
bool IsHour12(int id) {
  return id == TK_HOUR_01_12 || id == TK_HOUR_1_12 || id == TK_HOUR_00_11 || id == TK_HOUR_0_11;
}

}  // namespace

int zvTwoDigitYear(int v, int baseYear) {
  const int century = baseYear / 100, rest = baseYear % 100;
  return v <= rest ? century * 100 + v : century * 100 + v - 100;
}

zvInputDate::~zvInputDate() = default;

zvInputDateImp::zvInputDateImp(izv_ptr<zvSettings>& settings) : m_settings(settings) {
  if (m_settings.get() == nullptr) throw ZVException(ZV_E_INVALID_DATA);
  m_settingsImp = m_settings->GetImp();
}

zvInputDateImp::~zvInputDateImp() = default;

zvStatus zvInputDateImp::BuildFrom(zvFmtPattern& pattern, int baseYear) {
  m_baseYear = baseYear;
  m_calendarError = false;
  m_format.reset();
  m_pattern.reset();
  try {
    zvFmtPattern* use = &pattern;
    std::unique_ptr<zvFmtPattern> fromDefault;
    if (pattern.size() > 0 && !pattern[0]->IsLiteral() && IsDefaultDateToken(pattern[0]->Token())) {
      const unsigned short* text = m_settings->GetDefaultFormat(pattern[0]->Token() - TK_DEF_FULL_DATE);
      if (text == nullptr) return ZV_E_FAIL;
      std::unique_ptr<zvStringFormatDate> serial(CreateSerialStringFormatDate());
      if (serial == nullptr) return ZV_E_FAIL;
      zvFmtPattern* read = nullptr;
      const zvStatus status = serial->Parse(ucs2string(text), read);
      fromDefault.reset(read);
      if (status < 0 || fromDefault == nullptr) return ZV_E_FAIL;
      use = fromDefault.get();
    }
    if (!use->IsDate()) return ZV_E_FAIL;
    for (const zvToken* token : *use)
      if (!IsScannable(*token)) return ZV_E_FAIL;
    std::unique_ptr<zvFmtPattern> copy(CreateFmtPattern(*use));
    if (copy == nullptr) return ZV_E_FAIL;
    zvDateFormat* format = nullptr;
    if (CreateDateFormat(m_settings, copy.get(), format) < 0) return ZV_E_FAIL;
    m_format.reset(format);
    m_pattern = std::move(copy);
    return 0;
  } catch (...) {
    m_format.reset();
    m_pattern.reset();
    return ZV_E_FAIL;
  }
}

bool zvInputDateImp::Scan(const unsigned short* text, TimeLib::zvCalendarTime& time, int& length) {
  if (m_pattern == nullptr || text == nullptr) return false;
  m_calendarError = false;
  const zv_ctime& names = m_settingsImp->GetCtime();
  Reader in(m_settingsImp->GetCtype(), text);
  Pending got;
  bool ok = true;

  for (const zvToken* token : *m_pattern) {
    if (token->IsLiteral()) {
      ok = in.Literal(token->c_str(), token->length());
      if (!ok) break;
      continue;
    }
    const int id = token->Token();
    int v = 0;
    if (id >= TK_AMPM && id <= TK_AMPM_CAP) {
      if (in.Name(m_settingsImp->AmPm(0))) got.fields.set(TimeLib::Am_pm, 0);
      else if (in.Name(m_settingsImp->AmPm(1))) got.fields.set(TimeLib::Am_pm, 1);
      else got.markerMissing = true;
    } else if (id >= TK_MONTH_NAME && id <= TK_ABB_MONTH_NAME_CAP) {
      // From December down, so that of two names where one begins with the
      // other, the later month is tried first.
      const bool full = id <= TK_MONTH_NAME_CAP;
      for (int m = 12; m >= 1; --m) {
        if (in.Name(full ? names.GetNameOfMonth(m) : names.GetShortNameOfMonth(m))) {
          got.fields.set(TimeLib::Month, m - 1);
          break;
        }
      }
    } else if (id >= TK_DAY_NAME && id <= TK_ABB_DAY_NAME_CAP) {
      const bool full = id <= TK_DAY_NAME_CAP;
      for (int d = 0; d < 7; ++d)
        if (in.Name(full ? names.GetNameOfDay(d) : names.GetShortNameOfDay(d))) break;
    } else if (IsHourOfDay(id)) {
      if (!(ok = in.Number(2, v))) break;
      got.fields.set(TimeLib::Hour_of_day, v == 24 ? 0 : v);
    } else if (IsHour12(id)) {
      if (!(ok = in.Number(2, v))) break;
      got.hour12 = v;
    } else if (id == TK_MONTH_01 || id == TK_MONTH_1) {
      if (!(ok = in.Number(2, v))) break;
      got.fields.set(TimeLib::Month, v - 1);
    } else if (id == TK_MINUTE_00 || id == TK_MINUTE_0) {
      if (!(ok = in.Number(2, v))) break;
      got.fields.set(TimeLib::Minute, v);
    } else if (id == TK_SECOND_00 || id == TK_SECOND_0) {
      if (!(ok = in.Number(2, v))) break;
      got.fields.set(TimeLib::Second, v);
    } else if (id == TK_YEAR_0000) {
      if (!(ok = in.Number(4, v))) break;
      got.fields.set(TimeLib::Year, v);
    } else if (id == TK_YEAR_00) {
      if (!(ok = in.Number(2, v))) break;
      got.fields.set(TimeLib::Year, zvTwoDigitYear(v, m_baseYear));
    } else if (id == TK_JP_IMP_YEAR_0 || id == TK_JP_IMP_YEAR_ENG) {
      // The period by its name (or Latin initial), earliest first; then its year.
      const zvImperialPeriod* found = nullptr;
      for (const zvImperialPeriod& period : ImperialPeriods()) {
        Reader attempt = in;
        const bool match = id == TK_JP_IMP_YEAR_0 ? attempt.Literal(period.name, Length(period.name))
                                                  : attempt.Literal(&period.initial, 1);
        if (match) {
          in = attempt;
          found = &period;
          break;
        }
      }
      if (!(ok = found != nullptr && in.Number(2, v))) break;
      got.fields.set(TimeLib::Year, found->baseYear + v);
    } else if (id == TK_JP_IMP_YEAR) {
      // The year within the current (latest) period, as date formats write it.
      if (!(ok = in.Number(2, v))) break;
      got.fields.set(TimeLib::Year, ImperialPeriods().back().baseYear + v);
    } else if (id == TK_MONTH_DAY_00 || id == TK_MONTH_DAY_0) {
      if (!(ok = in.Number(2, v))) break;
      got.fields.set(TimeLib::Day_of_month, v);
    } else if (id == TK_DATE_SEPARATOR) {
      const unsigned short* separator = names.GetDateSeparator();
      if (!(ok = separator == nullptr || separator[0] == 0 || in.NoCase(separator))) break;
    } else if (id == TK_TIME_SEPARATOR) {
      const unsigned short* separator = names.GetTimeSeparator();
      if (separator == nullptr || separator[0] == 0 || in.NoCase(separator)) continue;
      // A missing time separator is forgiven at the end of the text and
      // before a digit, which the next number then reads ("1230" as 12:30).
      const unsigned short* next = in.SkipSpace(in.p);
      if (!(ok = *next == 0 || in.Digit(*next) >= 0)) break;
    } else {
      ok = false;
      break;
    }
  }

  if (ok) {
    if (got.hour12 >= 0) {
      if (!got.markerMissing) got.fields.set(TimeLib::Hour, got.hour12 == 12 ? 0 : got.hour12);
      else got.fields.set(TimeLib::Hour_of_day, got.hour12 == 24 ? 0 : got.hour12);
    }
    try {
      time.set(got.fields);
    } catch (...) {
      m_calendarError = true;
      ok = false;
    }
  }
  length = static_cast<int>(in.p - text);
  return ok;
}

bool zvInputDateImp::Format(const TimeLib::zvCalendarTime& time) {
  return m_format != nullptr && m_format->Format(time);
}

const unsigned short* zvInputDateImp::c_str() { return m_format != nullptr ? m_format->c_str() : nullptr; }

zvStatus CreateInputDate(izv_ptr<zvSettings>& settings, zvFmtPattern* pattern, zvInputDate*& result, int baseYear) {
  if (pattern == nullptr) return ZV_E_FAIL;
  try {
    auto input = std::make_unique<zvInputDateImp>(settings);
    if (input->BuildFrom(*pattern, baseYear) < 0) return ZV_E_FAIL;
    result = input.release();
    return 0;
  } catch (...) {
    return ZV_E_FAIL;
  }
}

}  // namespace FmtLib
