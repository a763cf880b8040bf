// kti18n datetime: the date-time value of dates on the historical calendar,
// one line per date: the Modified Julian Date, the Julian Date, the weekday
// (1 Sunday .. 7), the day of the year and, with --print, a tab and the
// value printed with the pattern.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "cli.h"
#include "locale_option.h"
#include "kti18n/base/exception.h"
#include "kti18n/time/date_time.h"

namespace {

struct DateText {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

std::optional<int> readDigits(std::string_view s, std::size_t minCount, std::size_t maxCount) {
  if (s.size() < minCount || s.size() > maxCount) return std::nullopt;
  int value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// YEAR-MM-DD[THH:MM:SS[.mmm]], the year astronomical and possibly negative.
std::optional<DateText> readDate(std::string_view text) {
  DateText d;
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::size_t yearEnd = text.find('-');
  if (yearEnd == std::string_view::npos) return std::nullopt;
  const auto year = readDigits(text.substr(0, yearEnd), 1, 6);
  text.remove_prefix(yearEnd);
  const std::string_view date = text.substr(0, 6), time = text.size() > 6 ? text.substr(6) : std::string_view();
  if (!year || date.size() != 6 || date[0] != '-' || date[3] != '-') return std::nullopt;
  const auto month = readDigits(date.substr(1, 2), 2, 2), day = readDigits(date.substr(4, 2), 2, 2);
  if (!month || !day) return std::nullopt;
  d.year = negative ? -*year : *year;
  d.month = *month;
  d.day = *day;
  if (time.empty()) return d;
  if (time.size() < 9 || time[0] != 'T' || time[3] != ':' || time[6] != ':') return std::nullopt;
  const auto hour = readDigits(time.substr(1, 2), 2, 2), minute = readDigits(time.substr(4, 2), 2, 2),
             second = readDigits(time.substr(7, 2), 2, 2);
  if (!hour || !minute || !second) return std::nullopt;
  d.hour = *hour;
  d.minute = *minute;
  d.second = *second;
  const std::string_view fraction = time.substr(9);
  if (!fraction.empty()) {
    const auto ms = fraction[0] == '.' ? readDigits(fraction.substr(1), 1, 3) : std::nullopt;
    if (!ms) return std::nullopt;
    d.millisecond = *ms;
    for (std::size_t n = fraction.size() - 1; n < 3; ++n) d.millisecond *= 10;
  }
  return d;
}

int run(const cli::Args& args) {
  const cli::Options options(args, {"locale", "print"}, {});
  if (!options.ok()) return cli::usage_error(options.error());
  if (options.positional().empty()) return cli::usage_error("datetime takes at least one DATE");
  const auto locale = cli::locale_option(options);
  if (!locale) return cli::kUsageError;
  const bool print = options.has("print");
  const ucs2string pattern(options.value("print").c_str());

  for (const std::string& text : options.positional()) {
    const auto date = readDate(text);
    if (!date) return cli::usage_error("cannot read date '" + text + "' (YEAR-MM-DD[THH:MM:SS[.mmm]])");
    zv_date_time value;
    const zvStatus status =
        value.Set(date->year, date->month, date->day, date->hour, date->minute, date->second, date->millisecond);
    if (zvFailed(status)) {
      std::cerr << "kti18n: invalid date '" << text << "' " << cli::describe_status(status) << '\n';
      return 1;
    }
    char line[96];
    std::snprintf(line, sizeof line, "mjd=%.6f jd=%.6f weekday=%d yday=%d", value.Day(), value.JulianDate(),
                  value.WeekDay(6) + 1, value.YearDay());
    std::cout << line;
    if (print) {
      ucs2string printed;
      value.Print(printed, pattern.c_str(), *locale);
      std::cout << '\t' << printed;
    }
    std::cout << '\n';
  }
  return 0;
}

cli::Registration reg("datetime",
                      "[--locale NAME] [--print PATTERN] DATE...: the date-time value of YEAR-MM-DD[THH:MM:SS[.mmm]]",
                      run,
    cli::Help{"[--locale NAME] [--print PATTERN] DATE...",
     {cli::locale_help(),
      {"--print PATTERN", "also print each date with this strftime-like pattern (%A %d.%m.%Y)"}},
     {"kti18n datetime 1582-10-15", "kti18n datetime --locale de-DE --print '%A %d.%m.%Y' 2000-02-29T12:00:00"}});

}  // namespace
