// Lists the locales of the catalog: number, name and display name.
#include <iostream>

#include "kti18n/locale/locale_catalog.h"
#include "kti18n/locale/locale_ident.h"

int main() {
  try {
    zv_locale_catalog* catalog = zv_locale_catalog::GetInstance();  // loads the locale data on first need
    for (unsigned lcid : catalog->GetRegisteredLocales()) {
      const zv_locale_ident* ident = catalog->GetLocaleIdentification(lcid);
      std::cout << lcid << '\t' << ident->locale_name() << '\t' << ident->locale_display_name(false).to_utf8() << '\n';
    }
  } catch (const ZVException& e) {
    std::cerr << "the locale data cannot be read: " << e.what() << '\n';
    return 1;
  }
  return std::cout.flush() ? 0 : 1;
}
