// Reads dates as users of a locale type them (the locale's input date
// format) and prints each as YYYY-MM-DD, or "?" for a text it cannot read.
//
//   example_read_date --locale de-DE 24.12.2024 1.2.2003
//   example_read_date --locale en-US 12/24/2024
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "example_settings.h"
#include "kti18n/fmtlib/fmt_pattern.h"
#include "kti18n/fmtlib/fmt_tokens.h"
#include "kti18n/fmtlib/input_date.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/locale/locale_catalog.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/time/calendar_time.h"

using namespace FmtLib;
using namespace TimeLib;

int main(int argc, char** argv) {
  std::string name = "C";
  int first = 1;
  if (argc > 2 && std::strcmp(argv[1], "--locale") == 0) {
    name = argv[2];
    first = 3;
  }
  FmtLibInitExit fmtlib;
  izv_ptr<zvSettings> settings;
  if (const int status = locale_settings(name, settings)) return status;
  // The pattern of one token: the locale's input date format.
  std::unique_ptr<zvFmtPattern> pattern(CreateDateFmtPattern());
  pattern->push_back(TK_DEF_INPUT_DATE);
  zvInputDate* raw = nullptr;
  if (CreateInputDate(settings, pattern.get(), raw) != 0) {
    std::cerr << "the locale has no input date format\n";
    return 1;
  }
  const std::unique_ptr<zvInputDate> input(raw);
  for (int i = first; i < argc; ++i) {
    zvCalendarTime time(zvFields(), zvTimeZone::utc(), zvCalendar::gregorian());
    int length = 0;
    const ucs2string text(argv[i]);
    if (input->Scan(text.c_str(), time, length) && length == static_cast<int>(text.length()))
      std::printf("%04d-%02d-%02d\n", time.era() == 0 ? 1 - time.year() : int{time.year()}, time.month() + 1,
                  int{time.day_of_month()});
    else
      std::printf("?\n");
  }
  return 0;
}
