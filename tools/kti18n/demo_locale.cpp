// kti18n demo: the classic locale's numeric punctuation and calendar names.
#include <cstdio>
#include <iostream>

#include "cli.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/text/ucs2string.h"

namespace {

std::string utf8(const unsigned short* s) { return ucs2string(s).to_utf8(); }

void show_classic_locale() {
  const zv_locale classic = zv_locale::classic();
  const zv_numpunct& np = zv_use_facet<zv_numpunct>(classic);
  const zv_ctime& ct = zv_use_facet<zv_ctime>(classic);

  std::cout << "The classic locale\n";
  std::printf("  decimal point '%s', signs '%s' '%s', digits %s, booleans %s/%s\n",
              ucs2string(1, np.decimal_point()).to_utf8().c_str(), ucs2string(1, np.positive_sign()).to_utf8().c_str(),
              ucs2string(1, np.negative_sign()).to_utf8().c_str(), ucs2string(np.GetDigits(true), 16).to_utf8().c_str(),
              utf8(np.truename()).c_str(), utf8(np.falsename()).c_str());
  std::printf("  number pattern   %s\n", utf8(np.GetFmtLibDefaultFormat(0)).c_str());
  std::printf("  months           %s ... %s, days %s ... %s\n", utf8(ct.GetNameOfMonth(1)).c_str(),
              utf8(ct.GetNameOfMonth(12)).c_str(), utf8(ct.GetNameOfDay(0)).c_str(), utf8(ct.GetNameOfDay(6)).c_str());
  std::printf("  long date        %s\n", utf8(ct.GetFmtLibDefaultFormat(0)).c_str());
  std::cout << "  eras            ";
  for (int year : {2004, 1, 0, -43}) {
    std::int32_t eraYear = 0;
    const std::string era = utf8(ct.FindEra(year, &eraYear));
    std::printf(" %d = %d %s;", year, eraYear, era.c_str());
  }
  std::cout << '\n';
}

cli::DemoSection locale_section(20, show_classic_locale);

}  // namespace
