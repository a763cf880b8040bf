// kti18n zones: the predefined zones, the default zone of an offset, or the
// IDs of the host's tz database.
#include <charconv>
#include <iostream>
#include <string>

#include "cli.h"
#include "kti18n/calendar/zone_database.h"
#include "kti18n/time/predefined_zones.h"

namespace {

using namespace TimeLib;

// ID, tab, raw offset in ms, tab, "dst" or "-": one line per predefined zone,
// as its rule record gives them (the listing does not change with the host's
// tz database).
int listZones() {
  std::string out;
  for (const ucs2string& id : PredefinedTimeZones::timeBelt().list()) {
    const PredefinedZoneRule& rule = *findZoneRule(id);
    out += id.to_utf8() + '\t' + std::to_string(rule.rawOffset) + '\t' + (rule.hasDaylight ? "dst" : "-") + '\n';
  }
  std::cout << out;
  return 0;
}

int run(const cli::Args& args) {
  const cli::Options options(args, {"offset"}, {"database"});
  if (!options.ok()) return cli::usage_error(options.error());
  if (!options.positional().empty()) return cli::usage_error("zones takes no arguments");
  if (options.has("database")) {
    if (options.has("offset")) return cli::usage_error("--database and --offset exclude each other");
    std::string out;
    for (const std::string& id : eng_tzdb::availableIds()) out += id + '\n';
    std::cout << out;
    return 0;
  }
  if (!options.has("offset")) return listZones();

  const std::string text = options.value("offset");
  int seconds = 0;
  const char* first = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
  const auto [end, ec] = std::from_chars(first, text.data() + text.size(), seconds);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size())
    return cli::usage_error("cannot read offset '" + text + "'");
  ucs2string id;
  PredefinedTimeZones::DefaultTZFromOffset(seconds, id);
  std::cout << id << '\n';
  return 0;
}

cli::Registration reg("zones", "[--offset SECONDS | --database]: the predefined zones, the default zone of an offset",
                      run,
    cli::Help{"[--offset SECONDS | --database]",
     {{"--offset SECONDS", "the default zone of an offset from UTC"},
      {"--database", "the zone IDs of the host's tz database"}},
     {"kti18n zones", "kti18n zones --offset 3600"}});

}  // namespace
