// kti18n date: formats instants through a date pattern (serial, native or
// spreadsheet-style text) or a locale default date format, one line per
// instant: the text and, when the format gives a colour, a tab and its
// English name.
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "format_dialects.h"
#include "instant_option.h"
#include "locale_option.h"
#include "kti18n/fmtlib/date_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/time/clock.h"
#include "kti18n/time/date_time.h"
#include "kti18n/time/halcyon_calendar.h"

namespace {

using namespace FmtLib;
using namespace TimeLib;

FmtLibInitExit fmtLibGuard;
ClockInitExit clockGuard;

constexpr const char* kUsage =
    "usage: kti18n date [--locale NAME] [--zone ID|host|utc] [--calendar gregorian|halcyon] "
    "[--dialect serial|native|halcyon] [--language LL] [--country CC] [--code XX] "
    "(--pattern TEXT | --default KIND) [--serial] INSTANT|now...";

struct NamedKind {
  const char* name;
  fmtLibDefaultFormats kind;
};

constexpr NamedKind kKinds[] = {
    {"full-date", FULL_DATE},           {"long-date", LONG_DATE},         {"date", DATE},
    {"short-date", SHORT_DATE},         {"full-time", FULL_TIME},         {"long-time", LONG_TIME},
    {"time", TIME},                     {"short-time", SHORT_TIME},       {"full-date-time", FULL_DATE_TIME},
    {"long-date-time", LONG_DATE_TIME}, {"date-time", DATE_TIME},         {"short-date-time", SHORT_DATE_TIME},
    {"input-date", INPUT_DATE},         {"input-time", INPUT_TIME},       {"input-date-time", INPUT_DATE_TIME},
};

std::optional<fmtLibDefaultFormats> DefaultKind(const std::string& name) {
  for (const NamedKind& k : kKinds)
    if (name == k.name) return k.kind;
  return std::nullopt;
}

izv_ptr<zvSettings> SettingsFor(const zv_locale& locale) {
  izv_ptr<zvPreferences> prefs;
  izv_ptr<zvSettings> settings;
  if (CreatePreferences(prefs) != 0) return settings;
  prefs->EndBuild();
  CreateSettings(locale, prefs, settings);
  return settings;
}

// The format the options ask for; null after a message.
std::unique_ptr<zvDateFormat> FormatFor(const cli::Options& opts, izv_ptr<zvSettings>& settings) {
  zvDateFormat* raw = nullptr;
  if (!opts.has("pattern")) {
    if (CreateDefaultDateFormat(settings, *DefaultKind(opts.value("default")), raw) != 0) {
      std::cerr << "kti18n: date: the locale has no " << opts.value("default") << " format\n";
      return nullptr;
    }
    return std::unique_ptr<zvDateFormat>(raw);
  }
  const auto reader = cli::DialectChoice::From(opts, opts.value("dialect", "serial")).DateFormat();
  if (reader == nullptr) return nullptr;
  zvFmtPattern* pattern = nullptr;
  const zvStatus read = reader->Parse(ucs2string(opts.value("pattern").c_str()), pattern);
  std::unique_ptr<zvFmtPattern> owned(pattern);
  if (read != 0 || CreateDateFormat(settings, owned.get(), raw) != 0) {
    std::cerr << "kti18n: date: cannot build a format from '" << opts.value("pattern") << "'\n";
    return nullptr;
  }
  return std::unique_ptr<zvDateFormat>(raw);
}

// A spreadsheet serial day number: days and fraction since 1899-12-30 00:00
// on the wall clock of the zone (exact from 1 March 1900 on, where
// spreadsheets stop counting their 29 February 1900).
std::optional<zvFields> SerialFields(const std::string& text) {
  char* end = nullptr;
  const double serial = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(serial)) return std::nullopt;
  const double base = static_cast<double>(zv_date_time(1899, 12, 30, 0, 0, 0, 0));
  if (!zv_date_time::IsValidModifiedJulianDate(base + serial)) return std::nullopt;
  const zv_date_time local(base + serial);
  int year, month, day, hour, minute, second, millisecond;
  local.Ymd(year, month, day);
  local.Hmsms(hour, minute, second, millisecond);
  zvFields f;
  f.set(Era, year < 1 ? 0 : 1).set(Year, year < 1 ? 1 - year : year).set(Month, month - 1).set(Day_of_month, day);
  f.set(Hour_of_day, hour).set(Minute, minute).set(Second, second).set(Millisecond, millisecond);
  return f;
}

void PrintResult(const zvDateFormat& f) {
  std::cout << ucs2string(f.c_str());
  if (f.GetColor() != 0) std::cout << '\t' << cli::ColorName(f.GetColor());
  std::cout << '\n';
}

int run(const cli::Args& args) {
  const cli::Options opts(args,
                          {"locale", "zone", "calendar", "dialect", "language", "country", "code", "pattern", "default"},
                          {"serial"});
  if (!opts.ok()) return cli::usage_error(opts.error() + "\n" + kUsage);
  if (opts.has("pattern") == opts.has("default"))
    return cli::usage_error(std::string("give one of --pattern and --default\n") + kUsage);
  if (opts.has("default") && !DefaultKind(opts.value("default")))
    return cli::usage_error("unknown default format '" + opts.value("default") + "'");
  if (!cli::DialectChoice::Known(opts.value("dialect", "serial")))
    return cli::usage_error("unknown dialect '" + opts.value("dialect") + "' (serial, native or halcyon)");
  const std::string calendarName = opts.value("calendar", "gregorian");
  if (calendarName != "gregorian" && calendarName != "halcyon")
    return cli::usage_error("unknown calendar '" + calendarName + "' (gregorian or halcyon)");
  if (opts.positional().empty()) return cli::usage_error(std::string("no instant to format\n") + kUsage);
  const zvCalendar& calendar = calendarName == "halcyon" ? zvHalcyonCalendar::calendar() : zvCalendar::gregorian();
  const zvTimeZone* zone = cli::zone_option(opts.value("zone", "utc"));
  if (zone == nullptr) return cli::kUsageError;

  std::vector<zvCalendarTime> times;
  for (const std::string& text : opts.positional()) {
    try {
      if (text == "now") {
        times.emplace_back(zvClock::localHost().now(), *zone, calendar);
      } else if (opts.has("serial")) {
        const auto fields = SerialFields(text);
        if (!fields) return cli::usage_error("date: '" + text + "' is not a serial day number");
        times.emplace_back(*fields, *zone, calendar);
      } else {
        const std::optional<double> millis = cli::parse_instant(text);
        if (!millis) return cli::usage_error("cannot read instant '" + text + "'");
        times.emplace_back(zvPhysicalTime::Epoch + zvDuration::Millisecond * *millis, *zone, calendar);
      }
    } catch (const ZVTimeLibException& e) {
      std::cerr << "kti18n: " << text << ": " << e << '\n';
      return 1;
    }
  }

  const auto locale = cli::locale_option(opts);
  if (!locale) return cli::kUsageError;
  izv_ptr<zvSettings> settings = SettingsFor(*locale);
  if (settings.get() == nullptr) {
    std::cerr << "kti18n: date: the locale cannot be used for formatting\n";
    return 1;
  }
  const auto format = FormatFor(opts, settings);
  if (format == nullptr) return 1;
  for (const zvCalendarTime& time : times) {
    format->Format(time);
    PrintResult(*format);
  }
  return 0;
}

cli::Registration reg("date", "format instants through a date pattern or a locale default date format", run);

}  // namespace
