// Shows dates and times the way the user's locale writes them, in a zone.
//
//   example_format_date                          (now; locale from LC_ALL, LC_TIME or LANG; host zone)
//   example_format_date --locale fr-FR --zone Europe/Paris
//   example_format_date --locale ja-JP --zone Asia/Tokyo 1556668800000   (milliseconds since 1970)
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "example_settings.h"
#include "kti18n/fmtlib/date_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/locale/locale_catalog.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/time/calendar_time.h"
#include "kti18n/time/clock.h"
#include "kti18n/time/predefined_zones.h"

using namespace FmtLib;
using namespace TimeLib;

// The zone of an ID, or the host's zone for none. Unknown IDs throw.
static const zvTimeZone& zone_named(const std::string& id) {
  if (id.empty()) return zvTimeZone::localHost();
  return PredefinedTimeZones::timeBelt().find(ucs2string(id.c_str()));
}

int main(int argc, char** argv) {
  std::string name = user_locale_name("LC_TIME"), zoneId;
  int first = 1;
  for (; first + 1 < argc; first += 2) {
    if (std::strcmp(argv[first], "--locale") == 0) name = argv[first + 1];
    else if (std::strcmp(argv[first], "--zone") == 0) zoneId = argv[first + 1];
    else break;
  }
  FmtLibInitExit fmtlib;  // the library's start-up, for as long as it is used
  izv_ptr<zvSettings> settings;
  if (const int status = locale_settings(name, settings)) return status;
  zvDateFormat* format = nullptr;
  if (CreateDefaultDateFormat(settings, FULL_DATE_TIME, format) < 0) {
    std::cerr << "the locale cannot format dates\n";
    return 1;
  }
  try {
    const zvTimeZone& zone = zone_named(zoneId);
    auto show = [&](const zvPhysicalTime& instant) {
      format->Format(zvCalendarTime(instant, zone, zvCalendar::gregorian()));
      std::cout << ucs2string(format->c_str()) << '\n';
    };
    if (first == argc) show(zvClock::localHost().now());
    for (int i = first; i < argc; ++i)
      show(zvPhysicalTime::Epoch + zvDuration::Millisecond * std::strtod(argv[i], nullptr));
  } catch (const UnknownTimeZone& e) {
    std::cerr << e << '\n';
    delete format;
    return 2;
  }
  delete format;
  return 0;
}
