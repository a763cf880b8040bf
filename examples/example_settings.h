// What the examples share: the user's locale name as the C library would
// read it, and formatting settings for a named locale of the catalog.
#ifndef KTI18N_EXAMPLES_EXAMPLE_SETTINGS_H
#define KTI18N_EXAMPLES_EXAMPLE_SETTINGS_H

#include <cstdlib>
#include <iostream>
#include <string>

#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/locale/locale_catalog.h"

// LC_ALL, then the category's variable (LC_NUMERIC, LC_TIME...), then LANG.
inline std::string user_locale_name(const char* category) {
  for (const char* variable : {"LC_ALL", category, "LANG"})
    if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') return value;
  return "C";
}

// Settings with the locale's own choices (no user preferences) for the
// locale a name matches. Returns 0, or after a message the exit status: 2
// when no locale matches, 1 when the settings cannot be made.
inline int locale_settings(const std::string& name, izv_ptr<FmtLib::zvSettings>& settings) {
  unsigned lcid = 0;
  zv_locale_catalog* catalog = zv_locale_catalog::GetInstance();
  if (catalog->ResolveLocaleName(name.c_str(), lcid) != ZV_S_OK) {
    std::cerr << "no locale matches '" << name << "'\n";
    return 2;
  }
  izv_ptr<FmtLib::zvPreferences> prefs;
  FmtLib::CreatePreferences(prefs);
  prefs->EndBuild();
  if (FmtLib::CreateSettings(catalog->GetLocale(lcid), prefs, settings) < 0) {
    std::cerr << "the locale '" << name << "' cannot be used for formatting\n";
    return 1;
  }
  return 0;
}

#endif
