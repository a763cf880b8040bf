// kti18n demo: locales of the locale-data module in several scripts, each
// with its numeric symbols, its digits, its currency pattern and its long
// date pattern in the serial dialect.
#include <cstdio>
#include <string>

#include "cli.h"
#include "kti18n/base/exception.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/text/ucs2string.h"

namespace {

std::string utf8(const unsigned short* s) { return ucs2string(s).to_utf8(); }
std::string unit(unsigned short c) { return ucs2string(1, c).to_utf8(); }

void show_locale(const char* name) {
  const zv_locale loc(name);
  const zv_numpunct& np = zv_use_facet<zv_numpunct>(loc);
  const zv_ctime& ct = zv_use_facet<zv_ctime>(loc);
  std::string digits;
  for (int d = 0; d < 10; ++d) digits += unit(np.GetDigits(false)[d]);
  std::printf("  %-6s decimal '%s' group '%s' digits %s  %s\n", name, unit(np.decimal_point()).c_str(),
              unit(np.thousands_sep()).c_str(), digits.c_str(), utf8(ct.GetNameOfMonth(1)).c_str());
  std::printf("         currency %s\n", utf8(np.GetFmtLibDefaultFormat(1)).c_str());
  std::printf("         long date %s\n", utf8(ct.GetFmtLibDefaultFormat(1)).c_str());
}

void show_locale_data() {
  std::printf("Locales generated from CLDR (Latin, Cyrillic, Greek, Arabic, Devanagari, Thai, Han, Hangul)\n");
  try {
    for (const char* name : {"de_DE", "ru_RU", "el_GR", "ar_EG", "hi_IN", "th_TH", "zh_TW", "ko_KR"}) {
      show_locale(name);
    }
  } catch (const ZVException& e) {
    std::printf("  the locale-data module is not available (%s)\n", e.what());
  }
}

cli::DemoSection locale_data_section(25, show_locale_data);

}  // namespace
