// Formats numbers the way the user's locale writes them.
//
//   example_format_number 1234567.891              (locale from LC_ALL, LC_NUMERIC or LANG)
//   example_format_number --locale de-DE 1234567.891
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/locale/locale_catalog.h"
#include "kti18n/text/ucs2string.h"

using namespace FmtLib;

// The name the environment gives, as the C library would read it.
static std::string user_locale_name() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
    if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') return value;
  return "C";
}

int main(int argc, char** argv) {
  int first = 1;
  std::string name = user_locale_name();
  if (argc > 2 && std::strcmp(argv[1], "--locale") == 0) {
    name = argv[2];
    first = 3;
  }
  FmtLibInitExit fmtlib;  // the library's start-up, for as long as it is used
  zv_locale_catalog* catalog = zv_locale_catalog::GetInstance();
  unsigned lcid = 0;
  if (catalog->ResolveLocaleName(name.c_str(), lcid) != ZV_S_OK) {
    std::cerr << "no locale matches '" << name << "'\n";
    return 2;
  }
  const zv_locale locale = catalog->GetLocale(lcid);

  izv_ptr<zvPreferences> prefs;
  CreatePreferences(prefs);
  prefs->EndBuild();  // no user preferences: the locale's own choices
  izv_ptr<zvSettings> settings;
  zvNumberFormat* format = nullptr;
  if (CreateSettings(locale, prefs, settings) < 0 || CreateDefaultNumberFormat(settings, STANDARD, format) < 0) {
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
