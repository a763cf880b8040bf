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
#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/date_format.h"
#include "kti18n/fmtlib/excel_string_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/time/clock.h"
#include "kti18n/time/date_time.h"
#include "kti18n/time/halcyon_calendar.h"
#include "kti18n/time/predefined_zones.h"

namespace {

using namespace FmtLib;
using namespace TimeLib;

FmtLibInitExit fmtLibGuard;
ClockInitExit clockGuard;

constexpr const char* kUsage =
    "usage: kti18n date [--locale NAME] [--zone ID|host|utc] [--calendar gregorian|halcyon] "
    "[--dialect serial|native|halcyon|excel] [--language LL] [--country CC] [--code XX] "
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
  const auto choice = cli::DialectChoice::From(opts, opts.value("dialect", "serial"), settings);
  const std::string code = opts.value("pattern");
  const auto reader = choice.DateFormat();
  if (reader == nullptr) return nullptr;
  zvFmtPattern* pattern = nullptr;
  zvStatus read = reader->Parse(ucs2string(code.c_str()), pattern);
  std::unique_ptr<zvFmtPattern> owned(pattern);
  if (choice.dialect == "excel" && owned != nullptr) {
    if (!IsExcelDateCode(ucs2string(code.c_str())) && owned->size() == 1 && owned->begin()[0]->Token() == TK_ERROR) {
      std::cerr << "kti18n: date: '" << code << "' is a number code (kti18n number --dialect excel shows it)\n";
      return nullptr;
    }
    cli::NoteApproximation("date", code, read, *owned);
    if (read == ZV_S_READ_APPROXIMATELY) read = 0;
  }
  if (read == 0 && owned != nullptr && cli::WarnIfUnreadable("date", *reader, *owned, code)) return nullptr;
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
  if (!opts.ok()) return cli::usage_error(opts.error() + " (" + kUsage + ")");
  if (opts.has("pattern") == opts.has("default"))
    return cli::usage_error(std::string("give one of --pattern and --default (") + kUsage + ")");
  if (opts.has("default") && !DefaultKind(opts.value("default")))
    return cli::usage_error("unknown default format '" + opts.value("default") + "'");
  if (!cli::DialectChoice::Known(opts.value("dialect", "serial")))
    return cli::usage_error("unknown dialect '" + opts.value("dialect") + "' (serial, native, halcyon or excel)");
  const std::string calendarName = opts.value("calendar", "gregorian");
  if (calendarName != "gregorian" && calendarName != "halcyon")
    return cli::usage_error("unknown calendar '" + calendarName + "' (gregorian or halcyon)");
  if (opts.positional().empty()) return cli::usage_error(std::string("no instant to format (") + kUsage + ")");
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

  // Spreadsheet codes are written with en_US names and separators: that is
  // the locale users expect when they name none. Other dialects follow the
  // host's locale settings, as the number command does.
  const auto locale = cli::DialectLocale(opts, opts.value("dialect") == "excel", cli::environment_locale());
  if (!locale) return cli::kUsageError;
  izv_ptr<zvSettings> settings = cli::SettingsFor(*locale);
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

// The demo: one instant in six locales through their full date-time and
// short date formats, the imperial period of a Japanese date, and the
// historical date-time value across the 1582 reform.
void show_dates() {
  std::cout << "Date formats (2019-05-01 09:30 UTC, in Paris)\n";
  const zvPhysicalTime instant = zvPhysicalTime::Epoch + zvDuration::Millisecond * 1556703000000.0;
  const zvTimeZone& paris = PredefinedTimeZones::timeBelt().find(ucs2string("Europe/Paris"));
  const zvCalendarTime time(instant, paris, zvCalendar::gregorian());
  for (const char* name : {"en_US", "fr_FR", "de_DE", "ja_JP", "ar_EG", "ru_RU"}) {
    std::optional<zv_locale> locale;
    try {
      locale.emplace(name);
    } catch (const ZVException&) {
      continue;
    }
    izv_ptr<zvSettings> settings = cli::SettingsFor(*locale);
    std::cout << "  " << name;
    for (fmtLibDefaultFormats kind : {FULL_DATE_TIME, SHORT_DATE}) {
      zvDateFormat* raw = nullptr;
      if (CreateDefaultDateFormat(settings, kind, raw) != 0) continue;
      std::unique_ptr<zvDateFormat> format(raw);
      format->Format(time);
      std::cout << " | " << ucs2string(format->c_str());
    }
    std::cout << '\n';
  }
  izv_ptr<zvSettings> japanese = cli::SettingsFor(zv_locale("ja_JP"));
  std::unique_ptr<zvStringFormat> serial(CreateSerialStringFormatDate());
  zvFmtPattern* pattern = nullptr;
  serial->Parse(ucs2string("T[ip]T[jy]L[年]T[M]L[月]T[d]L[日 (]T[iyg]L[)]"), pattern);
  std::unique_ptr<zvFmtPattern> owned(pattern);
  zvDateFormat* raw = nullptr;
  if (CreateDateFormat(japanese, owned.get(), raw) == 0) {
    std::unique_ptr<zvDateFormat> format(raw);
    format->Format(time);
    std::cout << "  imperial period: " << ucs2string(format->c_str()) << '\n';
  }
  const ucs2string print("%A %e %B %Y, day %j of the year");
  for (int day : {4, 15}) {
    const zv_date_time value(1582, 10, day, 12, 0, 0, 0);
    ucs2string text;
    value.Print(text, print.c_str(), zv_locale::classic());
    std::cout << "  zv_date_time " << text << ", JD " << static_cast<long>(value.JulianDate()) << '\n';
  }
}

cli::DemoSection dates_section(65, show_dates);

cli::Registration reg("date", "format instants through a date pattern or a locale default date format", run,
    cli::Help{"[--locale NAME] [--zone Z] [--calendar C] [--dialect D] [--language LL] [--country CC] [--code XX] "
     "(--pattern TEXT | --default KIND) [--serial] INSTANT|now...",
     {cli::locale_help(),
      {"--zone Z", "the zone: a zone ID, host or utc (default utc)"},
      {"--calendar C", "gregorian (default) or halcyon"},
      {"--dialect D", "how --pattern is written: serial (default), native, halcyon or excel"},
      {"--language LL", "the language of the native or halcyon words"},
      {"--country CC", "the country of the native or halcyon words"},
      {"--code XX", "the halcyon dictionary code"},
      {"--pattern TEXT", "the date pattern"},
      {"--default KIND", "the locale's own format: [full-|long-|short-]date, ...time, ...date-time, input-date..."},
      {"--serial", "read each INSTANT as a spreadsheet serial day number"}},
     {"kti18n date --locale fr-FR --default long-date 2024-03-01T12:00:00Z",
      "kti18n date --dialect excel --pattern 'dddd d mmmm yyyy' now"}});

}  // namespace
