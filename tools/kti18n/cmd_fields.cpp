// kti18n fields: the calendar fields of an instant in a zone.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "cli.h"
#include "instant_option.h"
#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/simple_time_zone.h"

namespace {

const char* const kFieldNames[Calendar::FIELD_COUNT] = {
    "Era",          "Year",   "Month",       "Week_of_year", "Week_of_month", "Day_of_month", "Day_of_year",
    "Day_of_week",  "Day_of_week_in_month",  "Am_pm",        "Hour",          "Hour_of_day",  "Minute",
    "Second",       "Millisecond",           "Zone_offset",  "Dst_offset",    "Year_woy",     "Dow_local"};

int run(const cli::Args& args) {
  const cli::Options options(args, {"zone"}, {"lenient"});
  if (!options.ok()) return cli::usage_error(options.error());
  if (options.positional().size() != 1) return cli::usage_error("fields takes one INSTANT");
  const std::string zoneId = options.value("zone", "GMT");
  const bool lenient = options.has("lenient");
  const std::string& text = options.positional()[0];

  const TimeLib::zvTimeZone* zone = cli::zone_option(zoneId);
  if (zone == nullptr) return cli::kUsageError;
  const std::optional<double> instant = cli::parse_instant(text, lenient);
  if (!instant) return cli::usage_error("cannot read instant '" + text + "'");

  EngineStatus status = ENG_OK;
  GregorianCalendar calendar(zone->impl(), status);
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

cli::Registration reg("fields", "[--zone ID|host|utc] [--lenient] INSTANT: the calendar fields of an instant", run,
    cli::Help{"[--zone ID|host|utc] [--lenient] INSTANT",
     {{"--zone Z", "the zone: a zone ID, host or utc"},
      {"--lenient", "let out-of-range fields roll over instead of failing"}},
     {"kti18n fields 2024-02-29T12:00:00Z", "kti18n fields --zone Europe/Paris 1582-10-15T00:00:00Z"}});

}  // namespace
