// kti18n fields: the calendar fields of an instant in a zone.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli.h"
#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/simple_time_zone.h"
#include "kti18n/calendar/zone_database.h"

namespace {

const char* const kFieldNames[Calendar::FIELD_COUNT] = {
    "Era",          "Year",   "Month",       "Week_of_year", "Week_of_month", "Day_of_month", "Day_of_year",
    "Day_of_week",  "Day_of_week_in_month",  "Am_pm",        "Hour",          "Hour_of_day",  "Minute",
    "Second",       "Millisecond",           "Zone_offset",  "Dst_offset",    "Year_woy",     "Dow_local"};

bool allDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::optional<std::int64_t> readInteger(std::string_view s) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

// Milliseconds since 1970: an optional sign and digits.
std::optional<double> readMillis(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (!allDigits(digits) || digits.size() > 16) return std::nullopt;
  const auto value = readInteger(digits);
  if (!value) return std::nullopt;
  return negative ? -static_cast<double>(*value) : static_cast<double>(*value);
}

// YYYY-MM-DDThh:mm:ss[.fff]Z, the year with a sign when it has more than
// four digits or lies before year 1 (astronomical numbering: -0044 is
// 45 BC). The fields are read on the engine's own calendar in UTC, so that
// dates before 15 October 1582 are Julian.
std::optional<double> readIso(std::string_view text, bool lenient) {
  std::size_t yearEnd = text.find('-', 1);
  if (yearEnd == std::string_view::npos) return std::nullopt;
  std::string_view year = text.substr(0, yearEnd), rest = text.substr(yearEnd);
  bool negative = false;
  if (year.front() == '+' || year.front() == '-') {
    negative = year.front() == '-';
    year.remove_prefix(1);
  } else if (year.size() != 4) {
    return std::nullopt;
  }
  if (!allDigits(year) || year.size() < 4 || year.size() > 6) return std::nullopt;
  // rest: -MM-DDThh:mm:ss[.fff]Z
  if (rest.size() < 16 || rest[0] != '-' || rest[3] != '-' || rest[6] != 'T' || rest[9] != ':' || rest[12] != ':' ||
      rest.back() != 'Z')
    return std::nullopt;
  const auto two = [&](std::size_t at) -> std::optional<std::int64_t> {
    const std::string_view s = rest.substr(at, 2);
    return allDigits(s) ? readInteger(s) : std::nullopt;
  };
  const auto month = two(1), day = two(4), hour = two(7), minute = two(10), second = two(13);
  if (!month || !day || !hour || !minute || !second) return std::nullopt;
  std::int64_t millis = 0;
  const std::string_view fraction = rest.substr(15, rest.size() - 16);
  if (!fraction.empty()) {
    if (fraction[0] != '.' || fraction.size() < 2 || fraction.size() > 4 || !allDigits(fraction.substr(1)))
      return std::nullopt;
    millis = *readInteger(fraction.substr(1));
    for (std::size_t n = fraction.size() - 1; n < 3; ++n) millis *= 10;
  }
  std::int64_t y = *readInteger(year);
  if (negative) y = -y;

  EngineStatus status = ENG_OK;
  GregorianCalendar calendar(SimpleTimeZone(0, "UTC"_u2), status);
  calendar.setLenient(lenient);
  calendar.clear();
  calendar.set(Calendar::Era, y < 1 ? GregorianCalendar::BC : GregorianCalendar::AD);
  calendar.set(Calendar::Year, static_cast<std::int32_t>(y < 1 ? 1 - y : y));
  calendar.set(Calendar::Month, static_cast<std::int32_t>(*month - 1));
  calendar.set(Calendar::Day_of_month, static_cast<std::int32_t>(*day));
  calendar.set(Calendar::Hour_of_day, static_cast<std::int32_t>(*hour));
  calendar.set(Calendar::Minute, static_cast<std::int32_t>(*minute));
  calendar.set(Calendar::Second, static_cast<std::int32_t>(*second));
  calendar.set(Calendar::Millisecond, static_cast<std::int32_t>(millis));
  const double instant = calendar.getTime(status);
  if (eng_failure(status)) return std::nullopt;
  return instant;
}

std::unique_ptr<TimeZone> zoneFor(const std::string& id) {
  if (id == "host") return std::unique_ptr<TimeZone>(TimeZone::createDefault());
  if (id == "GMT" || id == "UTC") return std::make_unique<SimpleTimeZone>(0, ucs2string(id.c_str()));
  // Any zone of the host's tz database, with its history.
  if (TimeZone* zone = eng_tzdb::createZone(ucs2string(id.c_str()))) return std::unique_ptr<TimeZone>(zone);
  std::int32_t count = 0;
  std::unique_ptr<const ucs2string*[]> ids(TimeZone::createAvailableIDs(count));
  const ucs2string wanted(id.c_str());
  for (std::int32_t i = 0; i < count; ++i)
    if (*ids[i] == wanted) return std::unique_ptr<TimeZone>(TimeZone::createTimeZone(wanted));
  return nullptr;
}

int run(const cli::Args& args) {
  const cli::Options options(args, {"zone"}, {"lenient"});
  if (!options.ok()) return cli::usage_error(options.error());
  if (options.positional().size() != 1) return cli::usage_error("fields takes one INSTANT");
  const std::string zoneId = options.value("zone", "GMT");
  const bool lenient = options.has("lenient");
  const std::string& text = options.positional()[0];

  auto zone = zoneFor(zoneId);
  if (!zone) return cli::usage_error("unknown zone '" + zoneId + "'");
  std::optional<double> instant = readMillis(text);
  if (!instant) instant = readIso(text, lenient);
  if (!instant || *instant < Calendar::EARLIEST_SUPPORTED_MILLIS || *instant > Calendar::LATEST_SUPPORTED_MILLIS)
    return cli::usage_error("cannot read instant '" + text + "'");

  EngineStatus status = ENG_OK;
  GregorianCalendar calendar(zone.release(), status);
  calendar.setLenient(lenient);
  calendar.setTime(*instant, status);
  std::string out;
  for (int f = 0; f < Calendar::FIELD_COUNT; ++f) {
    const std::int32_t value = calendar.get(static_cast<Calendar::EDateFields>(f), status);
    out += kFieldNames[f];
    out += ' ';
    out += std::to_string(value);
    out += '\n';
  }
  const bool daylight = calendar.inDaylightTime(status);
  if (eng_failure(status)) return cli::usage_error("cannot compute the fields of '" + text + "'");
  char millis[32];
  std::snprintf(millis, sizeof millis, "%.0f", *instant);
  std::cout << out << "Instant " << millis << "\nIn_daylight_time " << (daylight ? "true" : "false") << '\n';
  return 0;
}

// The demo: a daylight-saving transition and the 1582 calendar reform.
void show_calendar() {
  std::cout << "Calendar engine\n";
  EngineStatus status = ENG_OK;
  std::unique_ptr<TimeZone> paris(TimeZone::createTimeZone("Europe/Paris"_u2));
  GregorianCalendar calendar(paris.release(), status);
  for (double instant : {1080435599000.0, 1080435600000.0}) {
    calendar.setTime(instant, status);
    std::printf("  Europe/Paris at %.0f ms: %02d:%02d:%02d local, daylight offset %d ms\n", instant,
                calendar.get(Calendar::Hour_of_day, status), calendar.get(Calendar::Minute, status),
                calendar.get(Calendar::Second, status), calendar.get(Calendar::Dst_offset, status));
  }
  GregorianCalendar utc(SimpleTimeZone(0, "UTC"_u2), status);
  utc.clear();
  utc.set(1582, 9, 4);
  utc.add(Calendar::Day_of_month, 1, status);
  std::printf("  the day after 1582-10-04 (Julian) is 1582-%02d-%02d (Gregorian), day %d of the year\n",
              utc.get(Calendar::Month, status) + 1, utc.get(Calendar::Day_of_month, status),
              utc.get(Calendar::Day_of_year, status));
}

cli::DemoSection calendar_section(40, show_calendar);

cli::Registration reg("fields", "[--zone ID|host] [--lenient] INSTANT: the calendar fields of an instant", run);

}  // namespace
