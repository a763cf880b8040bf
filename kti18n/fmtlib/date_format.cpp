// Date formats: building from a pattern or a locale default, and writing a
// calendar time token by token.
#include "kti18n/fmtlib/date_format_imp.h"

#include <cstdlib>
#include <string>

#include "kti18n/base/exception.h"
#include "kti18n/calendar/simple_time_zone.h"
#include "kti18n/calendar/zone_database.h"
#include "kti18n/fmtlib/imperial_periods.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/ctype.h"

namespace FmtLib {

using namespace TimeLib;

namespace {

constexpr bool IsDefaultDateToken(zvFmtTokens t) { return t >= TK_DEF_FULL_DATE && t <= TK_DEF_INPUT_DATE_TIME; }

unsigned LengthOf(const unsigned short* s) {
  unsigned n = 0;
  if (s != nullptr)
    while (s[n] != 0) ++n;
  return n;
}

// How a name is written: as the locale writes it, or in one of three cases.
enum class Case { kAsIs, kUpper, kLower, kCapitalised };

// The tokens of a name come in fours (as is, upper, lower, capitalised).
Case CaseOf(zvFmtTokens token, zvFmtTokens first) { return static_cast<Case>(token - first); }

}  // namespace

// Writes one calendar time. Lives for one Format call, so that the fields
// it caches (the imperial period) never outlive the time they came from.
class zvDateFormatImp::Writer {
 public:
  Writer(zvDateFormatImp& format, const zvCalendarTime& time)
      : m_time(time),
        m_settings(*format.m_settingsImp),
        m_names(m_settings.GetCtime()),
        m_digits(m_settings.GetDigits()),
        m_cache(format.m_names),
        m_out(format.m_result),
        m_work(format.m_work) {}
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  // Moves the staged units to the result.
  void Flush() {
    m_out.append(m_stage, m_staged);
    m_staged = 0;
  }

  // One loop over every step: the switch runs in one frame rather than in a
  // call per token.
  void Run(const std::vector<Step>& steps) {
    for (const Step& step : steps) Write(step);
    Flush();
  }

 private:
  [[gnu::always_inline]] void Write(const Step& step) {
    switch (step.token) {
      case TK_LITERAL: Units(step.text, step.length); break;
      case TK_ERROR: Ascii("#FORMAT"); break;
      case TK_AMPM:
      case TK_AMPM_UPPER:
      case TK_AMPM_LOWER:
      case TK_AMPM_CAP:
        Name(m_cache.amPm[Field(Am_pm) == 0 ? 0 : 1], CaseOf(step.token, TK_AMPM));
        break;
      case TK_MONTH_NAME:
      case TK_MONTH_NAME_UPPER:
      case TK_MONTH_NAME_LOWER:
      case TK_MONTH_NAME_CAP:
        Name(m_cache.months[MonthIndex()], CaseOf(step.token, TK_MONTH_NAME));
        break;
      case TK_ABB_MONTH_NAME:
      case TK_ABB_MONTH_NAME_UPPER:
      case TK_ABB_MONTH_NAME_LOWER:
      case TK_ABB_MONTH_NAME_CAP:
        Name(m_cache.shortMonths[MonthIndex()], CaseOf(step.token, TK_ABB_MONTH_NAME));
        break;
      case TK_HOUR_00_23: Number(Field(Hour_of_day), 2); break;
      case TK_HOUR_0_23: Number(Field(Hour_of_day), 1); break;
      case TK_HOUR_01_12: Number(TwelveForZero(Field(Hour)), 2); break;
      case TK_HOUR_1_12: Number(TwelveForZero(Field(Hour)), 1); break;
      case TK_HOUR_01_24: Number(TwentyFourForZero(Field(Hour_of_day)), 2); break;
      case TK_HOUR_1_24: Number(TwentyFourForZero(Field(Hour_of_day)), 1); break;
      case TK_HOUR_00_11: Number(Field(Hour), 2); break;
      case TK_HOUR_0_11: Number(Field(Hour), 1); break;
      case TK_MONTH_01: Number(Field(Month) + 1, 2); break;
      case TK_MONTH_1: Number(Field(Month) + 1, 1); break;
      case TK_MINUTE_00: Number(Field(Minute), 2); break;
      case TK_MINUTE_0: Number(Field(Minute), 1); break;
      case TK_SECOND_00: Number(Field(Second), 2); break;
      case TK_SECOND_0: Number(Field(Second), 1); break;
      case TK_MILLISECOND_000: Number(Field(Millisecond), 3); break;
      case TK_HUNDREDTH_SECOND_00: Number(Field(Millisecond) / 10, 2); break;
      case TK_TENTH_SECOND_0: Number(Field(Millisecond) / 100, 1); break;
      case TK_YEAR_0000: Number(Field(Year), 4); break;
      case TK_YEAR_00: Number(Field(Year) % 100, 2); break;
      case TK_JP_IMP_YEAR_0:
        if (Imperial()) {
          Text(m_period->name);
          Unit(u' ');
          Number(m_periodYear, 1);
        }
        break;
      case TK_JP_IMP_YEAR:
      case TK_JP_IMPERIAL_YEAR_0:
        if (Imperial()) Number(m_periodYear, 1);
        break;
      case TK_JP_IMP_YEAR_ENG:
        if (Imperial()) {
          Unit(m_period->initial);
          Number(m_periodYear, 1);
        }
        break;
      case TK_JP_IMP_PERIOD:
        if (Imperial()) Text(m_period->name);
        break;
      case TK_JP_IMPERIAL_YEAR_00:
        if (Imperial()) Number(m_periodYear, 2);
        break;
      case TK_DAY_NAME:
      case TK_DAY_NAME_UPPER:
      case TK_DAY_NAME_LOWER:
      case TK_DAY_NAME_CAP:
        Name(m_cache.days[DayNameIndex()], CaseOf(step.token, TK_DAY_NAME));
        break;
      case TK_ABB_DAY_NAME:
      case TK_ABB_DAY_NAME_UPPER:
      case TK_ABB_DAY_NAME_LOWER:
      case TK_ABB_DAY_NAME_CAP:
        Name(m_cache.shortDays[DayNameIndex()], CaseOf(step.token, TK_ABB_DAY_NAME));
        break;
      case TK_MONTH_DAY_00: Number(Field(Day_of_month), 2); break;
      case TK_MONTH_DAY_0: Number(Field(Day_of_month), 1); break;
      // Era 0 is before the era, 1 the era: the order of the A.D./B.C. words.
      case TK_ERA: Text(m_names.GetAdBc(Field(Era) == 0 ? 0 : 1)); break;
      case TK_DAY_OF_WEEK_IN_MONTH: Number(Field(Day_of_week_in_month), 1); break;
      case TK_DAY_OF_YEAR_000: Number(Field(Day_of_year), 3); break;
      case TK_DAY_OF_YEAR_00: Number(Field(Day_of_year), 2); break;
      case TK_DAY_OF_YEAR_0: Number(Field(Day_of_year), 1); break;
      case TK_WEEK_OF_YEAR_00: Number(Field(Week_of_year), 2); break;
      case TK_WEEK_OF_YEAR_0: Number(Field(Week_of_year), 1); break;
      case TK_WEEK_OF_MONTH: Number(Field(Week_of_month), 1); break;
      case TK_TIME_ZONE: Zone(); break;
      case TK_DATE_SEPARATOR: Text(m_names.GetDateSeparator()); break;
      case TK_TIME_SEPARATOR: Text(m_names.GetTimeSeparator()); break;
      case TK_YEAR_OF_WEEK_0000: Number(Field(Year_woy), 4); break;
      case TK_YEAR_OF_WEEK_00: Number(Field(Year_woy) % 100, 2); break;
      default: break;  // separators, colours and default tokens write nothing
    }
  }

  std::int32_t Field(const zvField& field) const { return m_time.get(field); }

  static std::int32_t TwelveForZero(std::int32_t hour) { return hour == 0 ? 12 : hour; }
  static std::int32_t TwentyFourForZero(std::int32_t hour) { return hour == 0 ? 24 : hour; }

  // The name arrays start on Monday; the calendar numbers Sunday 1. Both
  // indices are kept inside their arrays whatever the engine says.
  int DayNameIndex() const { return static_cast<int>((static_cast<unsigned>(Field(Day_of_week)) + 5u) % 7u); }
  int MonthIndex() const { return static_cast<int>(static_cast<unsigned>(Field(Month)) % 12u); }

  // Output is staged in a small local buffer and moved to the result in
  // large pieces: appending unit by unit to the formatter costs a capacity
  // check and a terminator per unit.
  void Unit(unsigned short u) {
    if (m_staged == kStageUnits) Flush();
    m_stage[m_staged++] = u;
  }

  void Units(const unsigned short* s, unsigned n) {
    if (n > kStageUnits - m_staged) {
      Flush();
      if (n > kStageUnits) {
        m_out.append(s, n);
        return;
      }
    }
    // Literals and names are mostly a few units: a plain loop beats a call.
    unsigned short* out = m_stage + m_staged;
    for (unsigned i = 0; i < n; ++i) out[i] = s[i];
    m_staged += n;
  }

  void Ascii(const char* text) {
    while (*text != 0) Unit(static_cast<unsigned short>(*text++));
  }

  void Text(const unsigned short* text) { Units(text, LengthOf(text)); }

  // The absolute value in the locale's digits, left-padded with its zero
  // digit to width; no sign.
  void Number(std::int64_t value, int width) {
    unsigned short digits[24];
    int n = 0;
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
      digits[n++] = m_digits[magnitude % 10];
      magnitude /= 10;
    } while (magnitude != 0);
    for (int pad = width - n; pad > 0; --pad) Unit(m_digits[0]);
    while (n > 0) Unit(digits[--n]);
  }

  // Upper and lower case map every character; capitalised maps only the
  // first and leaves the rest as the locale writes it.
  void Name(const zvDateFormatImp::Name& text, Case form) {
    const unsigned short* name = text.text;
    const unsigned length = text.length;
    if (form == Case::kAsIs || length == 0) {
      Units(name, length);
      return;
    }
    m_work.assign(name, length);
    unsigned short* first = m_work.data();
    const zv_ctype& ctype = m_settings.GetCtype();
    if (form == Case::kUpper)
      ctype.toupper(first, first + length);
    else if (form == Case::kLower)
      ctype.tolower(first, first + length);
    else
      first[0] = ctype.toupper(first[0]);
    Units(m_work.data(), m_work.length());
  }

  // The zone's abbreviation in force when the zone has one, else the offset
  // in force as GMT+hh:mm ("GMT" when it is zero).
  void Zone() {
    const TimeZone& zone = m_time.time_zone();
    // Rule zones carry no abbreviations: only other zones need the instant.
    if (zone.getDynamicClassId() != SimpleTimeZone::getStaticClassId()) {
      const double instant = (m_time.physicalTime() - zvPhysicalTime::Epoch) / zvDuration::Millisecond;
      const std::string abbreviation = eng_tzdb::abbreviationAt(zone, instant);
      if (!abbreviation.empty()) {
        Ascii(abbreviation.c_str());
        return;
      }
    }
    const std::int64_t offset = static_cast<std::int64_t>(m_time.get(Zone_offset)) + m_time.get(Dst_offset);
    Ascii("GMT");
    if (offset == 0) return;
    const std::int64_t minutes = std::llabs(offset) / 60000;
    Unit(offset < 0 ? u'-' : u'+');
    AsciiNumber(minutes / 60);
    Unit(u':');
    AsciiNumber(minutes % 60);
  }

  void AsciiNumber(std::int64_t twoDigits) {
    Unit(static_cast<unsigned short>(u'0' + twoDigits / 10 % 10));
    Unit(static_cast<unsigned short>(u'0' + twoDigits % 10));
  }

  // Finds the imperial period once per call; false before 1870.
  bool Imperial() {
    if (!m_periodComputed) {
      m_periodComputed = true;
      std::int64_t year = Field(Year);
      if (Field(Era) == 0) year = 1 - year;
      m_period = FindImperialPeriod(year, Field(Month), Field(Day_of_month), &m_periodYear);
    }
    return m_period != nullptr;
  }

  const zvCalendarTime& m_time;
  const zvSettingsImp& m_settings;
  const zv_ctime& m_names;
  const unsigned short* m_digits;
  const Names& m_cache;
  ucs2string_formatter& m_out;
  ucs2string_formatter& m_work;
  static constexpr unsigned kStageUnits = 128;
  unsigned short m_stage[kStageUnits];
  unsigned m_staged = 0;
  bool m_periodComputed = false;
  const zvImperialPeriod* m_period = nullptr;
  std::int32_t m_periodYear = 0;
};

zvDateFormat::~zvDateFormat() = default;

zvDateFormatImp::zvDateFormatImp(const izv_ptr<zvSettings>& settings)
    : m_settings(settings), m_settingsImp(nullptr), m_pattern(CreateDateFmtPattern()) {
  if (!m_settings) throw ZVException(ZV_E_INVALID_DATA);
  if (!m_pattern) throw ZVException(ZV_E_OUTOFMEMORY);
  m_settingsImp = m_settings->GetImp();
  ReadNames();
}

void zvDateFormatImp::ReadNames() {
  const zv_ctime& names = m_settingsImp->GetCtime();
  const auto name = [](const unsigned short* text) { return Name{text, LengthOf(text)}; };
  for (int m = 0; m < 12; ++m) {
    m_names.months[m] = name(names.GetNameOfMonth(m + 1));
    m_names.shortMonths[m] = name(names.GetShortNameOfMonth(m + 1));
  }
  for (int d = 0; d < 7; ++d) {
    m_names.days[d] = name(names.GetNameOfDay(d));
    m_names.shortDays[d] = name(names.GetShortNameOfDay(d));
  }
  for (int i = 0; i < 2; ++i) m_names.amPm[i] = name(m_settingsImp->AmPm(i));
}

zvDateFormatImp::~zvDateFormatImp() = default;

bool zvDateFormatImp::FormatText() {
  m_result.assign(m_textSection.data(), m_textSection.length());
  m_resultColor = m_textColor;
  return true;
}

bool zvDateFormatImp::Format(const zvCalendarTime& time) {
  m_result.clear();
  m_resultColor = m_sectionColor;
  Writer writer(*this, time);
  writer.Run(m_steps);
  return true;
}

void zvDateFormatImp::ReplacePattern(std::unique_ptr<zvFmtPattern> pattern) {
  m_pattern = std::move(pattern);
  m_steps.clear();
  m_steps.reserve(static_cast<std::size_t>(m_pattern->size()));
  for (const zvToken* token : *m_pattern)
    m_steps.push_back(Step{token->Token(), token->IsLiteral() ? token->c_str() : nullptr, token->length()});
}

zvStatus zvDateFormatImp::BuildFrom(zvFmtPattern* pattern) {
  if (pattern == nullptr || !pattern->IsDate()) return ZV_E_FAIL;
  for (const zvToken* token : *pattern)
    if (!token->IsLiteral() && IsDefaultDateToken(token->Token())) return BuildFrom(*token);

  std::unique_ptr<zvFmtPattern> kept(CreateDateFmtPattern());
  if (!kept) return ZV_E_FAIL;
  int sectionColor = 0, textColor = 0;
  ucs2string textSection;
  int section = 0;
  for (const zvToken* token : *pattern) {
    const zvFmtTokens t = token->Token();
    if (!token->IsLiteral() && t == TK_FORMAT_SEPARATOR) {
      if (++section == 2) break;
      continue;
    }
    if (section == 0) {
      if (!token->IsLiteral() && IsColorToken(t))
        sectionColor = t - (TK_FIRST_COLOR - 1);
      else
        kept->push_back(*token);
    } else if (token->IsLiteral()) {
      textSection.append(token->c_str(), token->length());
    } else if (IsColorToken(t)) {
      textColor = t - (TK_FIRST_COLOR - 1);
    }
  }
  m_sectionColor = sectionColor;
  m_textColor = textColor;
  m_textSection = std::move(textSection);
  ReplacePattern(std::move(kept));
  return 0;
}

zvStatus zvDateFormatImp::BuildFrom(const zvToken& token) {
  if (token.IsLiteral() || !IsDefaultDateToken(token.Token())) return ZV_E_FAIL;
  return BuildFromDefault(token.Token() - TK_DEF_FULL_DATE);
}

// The locale's text of a default format, read in the serial dialect and
// kept whole: its sections and colours are not separated, and a default
// token inside it writes nothing (so a default never leads to another).
zvStatus zvDateFormatImp::BuildFromDefault(int kind) {
  const unsigned short* text = m_settings->GetDefaultFormat(kind);
  if (text == nullptr) return ZV_E_FAIL;
  std::unique_ptr<zvStringFormat> serial;
  try {
    serial.reset(CreateSerialStringFormatDate());
  } catch (const ZVException&) {
    return ZV_E_FAIL;
  }
  if (serial == nullptr) return ZV_E_FAIL;
  zvFmtPattern* raw = nullptr;
  const zvStatus read = serial->Parse(ucs2string(text), raw);
  std::unique_ptr<zvFmtPattern> readPattern(raw);
  if (read < 0 || readPattern == nullptr) return ZV_E_FAIL;
  std::unique_ptr<zvFmtPattern> kept(CreateFmtPattern(*readPattern));
  if (!kept) return ZV_E_FAIL;
  m_sectionColor = m_textColor = 0;
  m_textSection = ucs2string();
  ReplacePattern(std::move(kept));
  return 0;
}

zvStatus CreateDateFormat(izv_ptr<zvSettings>& settings, zvFmtPattern* pattern, zvDateFormat*& out) {
  try {
    auto format = std::make_unique<zvDateFormatImp>(settings);
    if (format->BuildFrom(pattern) < 0) return ZV_E_FAIL;
    out = format.release();
    return 0;
  } catch (...) {
    return ZV_E_FAIL;
  }
}

zvStatus CreateDefaultDateFormat(izv_ptr<zvSettings>& settings, fmtLibDefaultFormats kind, zvDateFormat*& out) {
  if (kind < FULL_DATE || kind > INPUT_DATE_TIME) return ZV_E_FAIL;
  try {
    zvEnumToken token(static_cast<zvFmtTokens>(static_cast<int>(TK_DEF_FULL_DATE) + static_cast<int>(kind)));
    auto format = std::make_unique<zvDateFormatImp>(settings);
    if (format->BuildFrom(token) < 0) return ZV_E_FAIL;
    out = format.release();
    return 0;
  } catch (...) {
    return ZV_E_FAIL;
  }
}

}  // namespace FmtLib
