// kti18n scan-date: reads typed dates and times through a date pattern or a
// locale's input default, one line per text: the calendar time in ISO 8601
// with its offset (1789-07-14T00:00:00+00:00), a tab, and the number of
// characters read. Fields the pattern does not supply come from the start
// time: midnight of 1 January 1970 on the zone's wall clock, or --start
// INSTANT. A text that does not read prints "error", a tab, the position
// where reading stopped and, when the calendar refused the fields, a tab and
// "calendar"; the command then exits with status 1.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli.h"
#include "format_dialects.h"
#include "instant_option.h"
#include "locale_option.h"
#include "kti18n/fmtlib/input_date.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/time/calendar_handles.h"

namespace {

using namespace FmtLib;
using namespace TimeLib;

FmtLibInitExit fmtLibGuard;

constexpr const char* kUsage =
    "usage: kti18n scan-date [--locale NAME] [--zone ID|utc|host] [--base-year Y] "
    "[--dialect serial|native|halcyon|excel] [--language LL] [--country CC] [--code XX] [--start INSTANT] "
    "(--pattern TEXT | --default input-date|input-time|input-date-time) TEXT...";

std::optional<fmtLibDefaultFormats> DefaultKind(const std::string& name) {
  if (name == "input-date") return INPUT_DATE;
  if (name == "input-time") return INPUT_TIME;
  if (name == "input-date-time") return INPUT_DATE_TIME;
  return std::nullopt;
}

std::optional<int> BaseYear(const std::string& text) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != 0 || v < -99999 || v > 99999) return std::nullopt;
  return static_cast<int>(v);
}

// The pattern the options ask for: the given text read in its dialect, or
// the one default-format token of the kind. Null after a message.
std::unique_ptr<zvFmtPattern> PatternFor(const cli::Options& opts, const izv_ptr<zvSettings>& settings) {
  if (!opts.has("pattern")) {
    std::unique_ptr<zvFmtPattern> pattern(CreateDateFmtPattern());
    pattern->push_back(static_cast<zvFmtTokens>(static_cast<int>(TK_DEF_FULL_DATE) + static_cast<int>(*DefaultKind(opts.value("default")))));
    return pattern;
  }
  const auto reader = cli::DialectChoice::From(opts, opts.value("dialect", "serial"), settings).DateFormat();
  if (reader == nullptr) return nullptr;
  zvFmtPattern* raw = nullptr;
  const zvStatus read = reader->Parse(ucs2string(opts.value("pattern").c_str()), raw);
  std::unique_ptr<zvFmtPattern> pattern(raw);
  if (read != 0 || pattern == nullptr) {
    std::cerr << "kti18n: scan-date: cannot read the pattern '" << opts.value("pattern") << "'\n";
    return nullptr;
  }
  return pattern;
}

// YYYY-MM-DDThh:mm:ss+hh:mm with the astronomical year (a sign before years
// below 1 and above 9999, as INSTANT reads them).
std::string Iso(const zvCalendarTime& t) {
  const int year = t.era() == 0 ? 1 - t.year() : t.year();
  const int offsetMinutes = (t.zone_offset() + t.dst_offset()) / 60000;
  const int offset = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, (year < 0 || year > 9999) ? "%+05d" : "%04d", year);
  std::string out = buffer;
  std::snprintf(buffer, sizeof buffer, "-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.month() + 1, t.day_of_month(),
                t.hour_of_day(), t.minute(), t.second(), offsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
  return out + buffer;
}

int run(const cli::Args& args) {
  const cli::Options opts(args,
                          {"locale", "zone", "base-year", "dialect", "language", "country", "code", "start", "pattern",
                           "default"},
                          {});
  if (!opts.ok()) return cli::usage_error(opts.error() + "; " + kUsage);
  if (opts.has("pattern") == opts.has("default"))
    return cli::usage_error(std::string("give one of --pattern and --default; ") + kUsage);
  if (opts.has("default") && !DefaultKind(opts.value("default")))
    return cli::usage_error("unknown default format '" + opts.value("default") +
                            "' (input-date, input-time or input-date-time)");
  if (!cli::DialectChoice::Known(opts.value("dialect", "serial")))
    return cli::usage_error("unknown dialect '" + opts.value("dialect") + "' (serial, native, halcyon or excel)");
  const auto baseYear = BaseYear(opts.value("base-year", "2000"));
  if (!baseYear) return cli::usage_error("--base-year wants a year, not '" + opts.value("base-year") + "'");
  if (opts.positional().empty()) return cli::usage_error(std::string("no text to scan; ") + kUsage);
  const zvTimeZone* zone = cli::zone_option(opts.value("zone", "utc"));
  if (zone == nullptr) return cli::kUsageError;
  std::optional<double> start;
  if (opts.has("start") && !(start = cli::parse_instant(opts.value("start"))))
    return cli::usage_error("cannot read instant '" + opts.value("start") + "'");
  const auto locale = cli::locale_option(opts);
  if (!locale) return cli::kUsageError;

  izv_ptr<zvPreferences> prefs;
  izv_ptr<zvSettings> settings;
  CreatePreferences(prefs);
  prefs->EndBuild();
  if (CreateSettings(*locale, prefs, settings) != 0) {
    std::cerr << "kti18n: scan-date: the locale cannot be used for date input\n";
    return 1;
  }
  const auto pattern = PatternFor(opts, settings);
  if (pattern == nullptr) return 1;
  zvInputDate* raw = nullptr;
  if (CreateInputDate(settings, pattern.get(), raw, *baseYear) != 0) {
    std::cerr << "kti18n: scan-date: the pattern cannot be read back (or the locale lacks the default)\n";
    return 1;
  }
  const std::unique_ptr<zvInputDate> input(raw);

  int status = 0;
  for (const std::string& text : opts.positional()) {
    zvCalendarTime time = start ? zvCalendarTime(zvPhysicalTime::Epoch + zvDuration::Millisecond * *start, *zone,
                                                 zvCalendar::gregorian())
                                : zvCalendarTime(zvFields(), *zone, zvCalendar::gregorian());
    const ucs2string units(text.c_str());
    int length = 0;
    if (input->Scan(units.c_str(), time, length)) {
      std::cout << Iso(time) << '\t' << length << '\n';
      continue;
    }
    std::cout << "error\t" << length << (input->IsCalendarError() ? "\tcalendar" : "") << '\n';
    status = 1;
  }
  return status;
}

cli::Registration reg("scan-date", "read typed dates and times through a date pattern or an input default", run,
    cli::Help{"[--locale NAME] [--zone Z] [--dialect D] (--pattern TEXT | --default KIND) TEXT...",
     {cli::locale_help(), {"--zone Z", "the zone of the dates read"}, {"--base-year Y", "the latest year two digits stand for (2000: 00 is 2000, 01 to 99 are 1901 to 1999)"},
      {"--dialect D", "how --pattern is written: serial, native, halcyon or excel"}, {"--language LL", "the language of the words"},
      {"--country CC", "the country of the words"}, {"--code XX", "the halcyon dictionary code"},
      {"--start S", "the instant whose fields fill in those the text does not give"}, {"--pattern TEXT", "the date pattern to read with"},
      {"--default KIND", "the locale's input format: input-date, input-time or input-date-time"}},
     {"kti18n scan-date --locale de-DE --default input-date 24.12.2024", "kti18n scan-date --locale en-US --default input-date-time '12/24/2024 6:30 PM'"}});

}  // namespace
