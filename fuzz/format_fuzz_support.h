// What the format fuzz targets share: the libraries' start-up, settings over
// a few locales (built once), patterns as plain token lists, every dialect's
// writer, and formatting a few numbers and instants through a pattern.
//
// A broken promise aborts, so that libFuzzer (and the corpus replay) reports
// it like a crash.
#ifndef KTI18N_FUZZ_FORMAT_FUZZ_SUPPORT_H
#define KTI18N_FUZZ_FORMAT_FUZZ_SUPPORT_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kti18n/fmtlib/date_format.h"
#include "kti18n/fmtlib/excel_string_format.h"
#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/locale/locale.h"
#include "kti18n/time/calendar_handles.h"
#include "kti18n/time/calendar_time.h"

#include "fuzz_input.h"

namespace fuzz_format {

using Pattern = std::unique_ptr<FmtLib::zvFmtPattern>;
using StringFormat = std::unique_ptr<FmtLib::zvStringFormat>;
using Settings = izv_ptr<FmtLib::zvSettings>;

// Reports a broken promise with its place, then aborts.
[[noreturn]] inline void Broken(const char* promise, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: broken promise: %s\n", file, line, promise);
  std::abort();
}
#define REQUIRE(promise) ((promise) ? (void)0 : ::fuzz_format::Broken(#promise, __FILE__, __LINE__))

// Units that bytes from 0x80 up stand for in narrow text: letters and
// digits of other scripts that dictionaries, names and era tables hold,
// white space of other kinds, a lone surrogate and a non-character.
inline constexpr unsigned short kWideUnits[16] = {0x00E9, 0x9ED2, 0x5E74, 0x6708, 0x65E5, 0x5E73, 0x662D, 0x0660,
                                                  0x0669, 0x0966, 0x00A0, 0x3000, 0xD800, 0xDC00, 0xFFFF, 0x0416};

// The rest of the input as text: in the narrow form (chosen by the caller)
// each byte is a unit, ASCII as itself and higher bytes as kWideUnits, so
// that mutations of keywords stay readable; in the wide form every two bytes
// are one unit, little-endian. Text ends at a 0 unit (or byte).
inline ucs2string TextOf(FuzzInput& in, bool wide) {
  if (wide) {
    const std::vector<unsigned short> units = in.units();
    return units.empty() ? ucs2string() : ucs2string(units.data(), units.size());
  }
  const std::string bytes = in.text();
  ucs2string out;
  for (unsigned char b : bytes) out += static_cast<unsigned short>(b < 0x80 ? b : kWideUnits[b & 15]);
  return out;
}

// Locales whose conventions differ: separators, digits of other scripts,
// right-to-left text, names outside Latin script. Index 0 is the classic one.
inline constexpr const char* kLocaleNames[] = {"C", "en_US", "de_DE", "fr_FR", "ja_JP", "ar_EG", "hi_IN", "ru_RU"};
inline constexpr std::size_t kLocaleCount = sizeof kLocaleNames / sizeof *kLocaleNames;

inline zv_locale LocaleAt(std::size_t i) {
  return i == 0 ? zv_locale::classic() : zv_locale(kLocaleNames[i]);
}

// Settings over a locale, with string preferences given as key and value.
inline Settings MakeSettings(const zv_locale& locale,
                             const std::vector<std::pair<const char*, ucs2string>>& prefs = {}) {
  izv_ptr<FmtLib::zvPreferences> p;
  REQUIRE(FmtLib::CreatePreferences(p) == 0);
  for (const auto& [key, value] : prefs) p->AddPreference(key, value);
  p->EndBuild();
  Settings s;
  REQUIRE(FmtLib::CreateSettings(locale, p, s) == 0);
  return s;
}

// The instants a date pattern is tried on: an ordinary day, the eve of an
// imperial period, the first Gregorian day, year 1, a year before Christ,
// a far future year, the last millisecond of a year.
inline std::vector<TimeLib::zvCalendarTime> MakeInstants() {
  struct Ymd { int era, year, month0, day, hour, minute, second, ms; };
  const Ymd days[] = {{1, 2004, 2, 5, 0, 30, 7, 987}, {1, 1989, 0, 7, 12, 0, 0, 0},  {1, 1582, 9, 15, 23, 59, 59, 999},
                      {1, 1, 0, 1, 0, 0, 0, 0},        {0, 500, 5, 30, 6, 5, 4, 3},   {1, 9999, 11, 31, 23, 59, 59, 999}};
  std::vector<TimeLib::zvCalendarTime> out;
  for (const Ymd& d : days) {
    TimeLib::zvFields f;
    f.set(TimeLib::Era, d.era).set(TimeLib::Year, d.year).set(TimeLib::Month, d.month0);
    f.set(TimeLib::Day_of_month, d.day).set(TimeLib::Hour_of_day, d.hour).set(TimeLib::Minute, d.minute);
    f.set(TimeLib::Second, d.second).set(TimeLib::Millisecond, d.ms);
    out.emplace_back(f, TimeLib::zvTimeZone::utc(), TimeLib::zvCalendar::gregorian());
  }
  return out;
}

// Every writer of one side (numbers or dates), for patterns read elsewhere.
struct Writers {
  StringFormat serial, native, nativeJa, halcyon, excel;
};

// The process-long state of a target, built on first use.
class Env {
 public:
  static Env& Get() {
    static Env env;
    return env;
  }

  Settings& SettingsAt(std::size_t i) {
    if (!m_settings[i]) m_settings[i] = MakeSettings(LocaleAt(i));
    return m_settings[i];
  }
  const std::vector<TimeLib::zvCalendarTime>& Instants() const { return m_instants; }
  const Writers& WritersFor(bool date) const { return date ? m_dateWriters : m_numberWriters; }

 private:
  Env() : m_settings(kLocaleCount), m_instants(MakeInstants()) {
    using namespace FmtLib;
    Settings& classic = SettingsAt(0);
    m_numberWriters.serial.reset(CreateSerialStringFormatNumber());
    m_numberWriters.native.reset(CreateStringFormatNumber("en", nullptr));
    m_numberWriters.nativeJa.reset(CreateStringFormatNumber("ja", nullptr));
    m_numberWriters.halcyon.reset(CreateHalcyonStringFormatNumber("GE", "de", nullptr, true));
    m_numberWriters.excel.reset(CreateExcelSerialStringFormatNumber(classic));
    m_dateWriters.serial.reset(CreateSerialStringFormatDate());
    m_dateWriters.native.reset(CreateStringFormatDate("en", nullptr));
    m_dateWriters.nativeJa.reset(CreateStringFormatDate("ja", nullptr));
    m_dateWriters.halcyon.reset(CreateHalcyonStringFormatDate("EN", "en", nullptr));
    m_dateWriters.excel.reset(CreateExcelSerialStringFormatDate(classic));
  }

  FmtLib::FmtLibInitExit m_fmtGuard;
  TimeLib::CalendarTimeInitExit m_timeGuard;
  std::vector<Settings> m_settings;
  std::vector<TimeLib::zvCalendarTime> m_instants;
  Writers m_numberWriters, m_dateWriters;
};

// A pattern as plain data: token numbers, and the text of literals.
using TokenList = std::vector<std::pair<int, std::u16string>>;

inline TokenList TokensOf(const FmtLib::zvFmtPattern& p) {
  TokenList out;
  for (const FmtLib::zvToken* t : p) {
    std::u16string text;
    if (t->IsLiteral()) text.assign(reinterpret_cast<const char16_t*>(t->c_str()), t->length());
    out.emplace_back(static_cast<int>(t->Token()), std::move(text));
  }
  return out;
}

inline bool IsErrorPattern(const FmtLib::zvFmtPattern& p) {
  return p.size() == 1 && !(*p.begin())->IsLiteral() && (*p.begin())->Token() == FmtLib::TK_ERROR;
}

// Walks a result to its terminator, so that a missing one or a dangling
// buffer is seen by the address sanitizer.
inline void Touch(const unsigned short* text) {
  REQUIRE(text != nullptr);
  std::size_t n = 0;
  while (text[n] != 0) ++n;
  REQUIRE(n <= 0x10000);
}

// Writes the pattern with a writer; the pattern must come out unchanged.
inline ucs2string RenderUnchanged(const FmtLib::zvStringFormat& writer, const FmtLib::zvFmtPattern& p) {
  const TokenList before = TokensOf(p);
  ucs2string text;
  REQUIRE(writer.Render(p, text));
  REQUIRE(TokensOf(p) == before);
  return text;
}

// What the serial dialect writes, it reads back token for token: it is the
// form in which patterns are stored.
inline void CheckSerialRoundTrip(const FmtLib::zvStringFormat& serial, const FmtLib::zvFmtPattern& p) {
  const ucs2string text = RenderUnchanged(serial, p);
  FmtLib::zvFmtPattern* raw = nullptr;
  REQUIRE(serial.Parse(text, raw) == 0);
  Pattern again(raw);
  REQUIRE(again != nullptr && again->IsDate() == p.IsDate());
  REQUIRE(TokensOf(*again) == TokensOf(p));
}

// Every writer of the pattern's side writes it without changing it.
inline void RenderEverywhere(const FmtLib::zvFmtPattern& p) {
  const Writers& w = Env::Get().WritersFor(p.IsDate());
  for (const StringFormat* f : {&w.native, &w.nativeJa, &w.halcyon, &w.excel}) RenderUnchanged(**f, p);
  CheckSerialRoundTrip(*w.serial, p);
}

inline void CheckColor(int color) { REQUIRE(color >= 0 && color <= 16); }

// Formats 0, -1.5, 1234567.891, NaN, huge, infinite and tiny values, and
// whole numbers, through a number pattern.
inline void FormatNumbers(Settings& settings, FmtLib::zvFmtPattern& p) {
  FmtLib::zvNumberFormat* raw = nullptr;
  if (FmtLib::CreateNumberFormat(settings, &p, raw) != 0) {
    REQUIRE(p.IsDate() || raw == nullptr);
    return;
  }
  REQUIRE(!p.IsDate() && raw != nullptr);
  std::unique_ptr<FmtLib::zvNumberFormat> f(raw);
  const double values[] = {0.0, -1.5, 1234567.891, std::numeric_limits<double>::quiet_NaN(), 1e300,
                           -std::numeric_limits<double>::infinity(), 5e-324, -0.0};
  for (double v : values) {
    REQUIRE(f->Format(v));
    Touch(f->c_str());
    CheckColor(f->GetColor());
  }
  REQUIRE(f->Format(-5L));
  Touch(f->c_str());
  REQUIRE(f->Format(std::numeric_limits<unsigned long>::max()));
  Touch(f->c_str());
  REQUIRE(f->FormatText());
  Touch(f->c_str());
  CheckColor(f->GetColor());
}

// Formats the fixed instants through a date pattern.
inline void FormatDates(Settings& settings, FmtLib::zvFmtPattern& p) {
  FmtLib::zvDateFormat* raw = nullptr;
  if (FmtLib::CreateDateFormat(settings, &p, raw) != 0) {
    REQUIRE(!p.IsDate() || raw == nullptr);
    return;
  }
  REQUIRE(p.IsDate() && raw != nullptr);
  std::unique_ptr<FmtLib::zvDateFormat> f(raw);
  for (const TimeLib::zvCalendarTime& t : Env::Get().Instants()) {
    REQUIRE(f->Format(t));
    Touch(f->c_str());
    CheckColor(f->GetColor());
  }
  REQUIRE(f->FormatText());
  Touch(f->c_str());
  CheckColor(f->GetColor());
}

inline void FormatThrough(Settings& settings, FmtLib::zvFmtPattern& p) {
  if (p.IsDate())
    FormatDates(settings, p);
  else
    FormatNumbers(settings, p);
}

}  // namespace fuzz_format

#endif
