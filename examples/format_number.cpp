// Formats numbers the way the user's locale writes them.
//
//   example_format_number 1234567.891              (locale from LC_ALL, LC_NUMERIC or LANG)
//   example_format_number --locale de-DE 1234567.891
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "example_settings.h"
#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/locale/locale_catalog.h"
#include "kti18n/text/ucs2string.h"

using namespace FmtLib;

int main(int argc, char** argv) {
  int first = 1;
  std::string name = user_locale_name("LC_NUMERIC");
  if (argc > 2 && std::strcmp(argv[1], "--locale") == 0) {
    name = argv[2];
    first = 3;
  }
  FmtLibInitExit fmtlib;  // the library's start-up, for as long as it is used
  izv_ptr<zvSettings> settings;
  if (const int status = locale_settings(name, settings)) return status;
  zvNumberFormat* format = nullptr;
  if (CreateDefaultNumberFormat(settings, STANDARD, format) < 0) {
    std::cerr << "the locale cannot format numbers\n";
    return 1;
  }
  for (int i = first; i < argc; ++i) {
    format->Format(std::strtod(argv[i], nullptr));
    std::cout << ucs2string(format->c_str()) << '\n';
  }
  delete format;
  return 0;
}
