// kti18n time: a calendar time as the time library prints it, then its 19
// fields.
#include <iostream>
#include <string>

#include "cli.h"
#include "instant_option.h"
#include "kti18n/time/calendar_time.h"
#include "kti18n/time/clock.h"
#include "kti18n/time/predefined_zones.h"

namespace {

using namespace TimeLib;

struct NamedField {
  const char* name;
  int number;
};

// In field-number order; the two read-only offsets carry their engine names.
constexpr NamedField kFields[] = {
    {"Era", 0},          {"Year", 1},         {"Month", 2},         {"Week_of_year", 3},
    {"Week_of_month", 4}, {"Day_of_month", 5}, {"Day_of_year", 6},   {"Day_of_week", 7},
    {"Day_of_week_in_month", 8}, {"Am_pm", 9}, {"Hour", 10},        {"Hour_of_day", 11},
    {"Minute", 12},      {"Second", 13},      {"Millisecond", 14},  {"Zone_offset", 15},
    {"Dst_offset", 16},  {"Year_woy", 17},    {"Dow_local", 18}};

std::int32_t fieldValue(const zvCalendarTime& time, int number) {
  if (number == Zone_offset.number()) return time.get(Zone_offset);
  if (number == Dst_offset.number()) return time.get(Dst_offset);
  return time.get(FieldMaker::field(number));
}

int run(const cli::Args& args) {
  const cli::Options options(args, {"zone", "calendar"}, {});
  if (!options.ok()) return cli::usage_error(options.error());
  if (options.positional().size() != 1) return cli::usage_error("time takes one INSTANT or now");
  if (options.value("calendar", "gregorian") != "gregorian")
    return cli::usage_error("unknown calendar '" + options.value("calendar") + "'");
  const zvTimeZone* zone = cli::zone_option(options.value("zone", "utc"));
  if (zone == nullptr) return cli::kUsageError;

  const std::string& text = options.positional()[0];
  zvPhysicalTime instant;
  if (text == "now") {
    instant = zvClock::localHost().now();
  } else {
    const std::optional<double> millis = cli::parse_instant(text);
    if (!millis) return cli::usage_error("cannot read instant '" + text + "'");
    instant = zvPhysicalTime::Epoch + zvDuration::Millisecond * *millis;
  }

  try {
    const zvCalendarTime time(instant, *zone, zvCalendar::gregorian());
    std::string out;
    for (const NamedField& f : kFields)
      out += std::string(f.name) + ' ' + std::to_string(fieldValue(time, f.number)) + '\n';
    std::cout << time << '\n' << out;
  } catch (const ZVTimeLibException& e) {
    std::cerr << e << '\n';
    return cli::kUsageError;
  }
  return 0;
}

// The demo: a calendar time moved by fields, a refused change, and the
// default zone of an offset.
void show_time() {
  std::cout << "Time library\n";
  zvCalendarTime time(zvFields().set(Year, 2004).set(Month, 0).set(Day_of_month, 31).set(Hour_of_day, 9),
                      PredefinedTimeZones::timeBelt().find("Europe/Paris"_u2), zvCalendar::gregorian());
  std::cout << "  31 January 2004, 9:00 in Paris:    " << time << '\n';
  time.add(Month, 1);
  std::cout << "  one month later (day pinned):      " << time << '\n';
  try {
    time.set(Day_of_month, 30);
  } catch (const IncorrectData& e) {
    std::cout << "  setting day 30 of February:        " << e << ", still " << time << '\n';
  }
  const zvCalendarTime tokyo(time.physicalTime(), PredefinedTimeZones::timeBelt().find("Asia/Tokyo"_u2),
                             zvCalendar::gregorian());
  std::cout << "  the same instant in Tokyo:         " << tokyo << (tokyo == time ? " (equal)" : "") << '\n';
  ucs2string id;
  PredefinedTimeZones::DefaultTZFromOffset(19800, id);
  std::cout << "  the default zone of UTC+5:30:      " << id << '\n';
}

cli::DemoSection time_section(45, show_time);

cli::Registration reg("time",
                      "[--zone ID|host|utc] [--calendar gregorian] INSTANT|now: a calendar time and its fields", run,
    cli::Help{"[--zone ID|host|utc] [--calendar gregorian] INSTANT|now",
     {{"--zone Z", "the zone: a zone ID, host or utc"},
      {"--calendar C", "the calendar: gregorian"}},
     {"kti18n time now", "kti18n time --zone America/New_York 2024-07-04T12:00:00Z"}});

}  // namespace
