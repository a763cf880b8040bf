// A program of another project: formats a number in a named locale through
// the installed library (and its installed locale-data module).
#include <iostream>

#include "kti18n/base/version.h"
#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/locale/locale.h"
#include "kti18n/text/ucs2string.h"

using namespace FmtLib;

int main() {
  FmtLibInitExit fmtlib;
  const zv_locale german("de_DE");
  izv_ptr<zvPreferences> prefs;
  CreatePreferences(prefs);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  if (CreateSettings(german, prefs, settings) < 0) return 1;
  zvNumberFormat* format = nullptr;
  if (CreateDefaultNumberFormat(settings, STANDARD, format) < 0) return 1;
  format->Format(1234567.891);
  std::cout << KTI18N_VERSION_STRING << ' ' << ucs2string(format->c_str()) << '\n';
  delete format;
}
