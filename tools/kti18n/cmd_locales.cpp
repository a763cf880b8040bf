// kti18n locales: the locales of the catalog, one per line: LCID, a tab, the
// locale name, a tab, the display name. With --locale NAME, only the locale
// NAME resolves to (the classic locale, which has no identification, shows
// as "0<TAB>C<TAB>classic").
#include <cstdio>
#include <iostream>

#include "cli.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale_catalog.h"
#include "kti18n/locale/locale_ident.h"
#include "kti18n/locale/numpunct.h"
#include "locale_option.h"

namespace {

void print_line(unsigned lcid, const zv_locale_ident& ident) {
  std::cout << lcid << '\t' << ident.locale_name() << '\t' << ident.locale_display_name(false).to_utf8() << '\n';
}

int show_one(const cli::Options& options) {
  const auto lcid = cli::resolve_locale_lcid(options.value("locale"));
  if (!lcid) return cli::kUsageError;
  if (*lcid == zv_locale_catalog::kClassicLcid) {
    std::cout << "0\tC\tclassic\n";
    return 0;
  }
  print_line(*lcid, *zv_locale_catalog::GetInstance()->GetLocaleIdentification(*lcid));
  return 0;
}

int run(const cli::Args& args) {
  const cli::Options options(args, {"locale"}, {});
  if (!options.ok()) return cli::usage_error(options.error());
  if (!options.positional().empty()) return cli::usage_error("locales takes no arguments");
  try {
    if (options.has("locale")) return show_one(options);
    zv_locale_catalog* catalog = zv_locale_catalog::GetInstance();
    for (unsigned lcid : catalog->GetRegisteredLocales()) print_line(lcid, *catalog->GetLocaleIdentification(lcid));
  } catch (const ZVException& e) {
    std::cerr << "kti18n: cannot read the locale data: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

// The named locales side by side: each one's decimal point and the name of
// its first month.
void show_named_locales() {
  std::cout << "Named locales from the locale-data module\n";
  try {
    for (const char* name : {"en_US", "fr_FR", "fr_CA", "de_DE", "ja_JP"}) {
      const zv_locale loc(name);
      const std::string decimal = ucs2string(1, zv_use_facet<zv_numpunct>(loc).decimal_point()).to_utf8();
      const std::string month = ucs2string(zv_use_facet<zv_ctime>(loc).GetNameOfMonth(1)).to_utf8();
      const std::string display = zv_use_facet<zv_locale_ident>(loc).locale_display_name(false).to_utf8();
      std::printf("  %-6s decimal '%s'  month 1 %-10s %s\n", name, decimal.c_str(), month.c_str(), display.c_str());
    }
  } catch (const ZVException& e) {
    std::cout << "  (the locale data could not be read: " << e.what() << ")\n";
  }
}

cli::DemoSection demo(25, show_named_locales);

cli::Registration reg("locales", "list the locales of the catalog (--locale NAME: the one NAME resolves to)", run,
    cli::Help{"[--locale NAME]",
     {{"--locale NAME", "show only the locale NAME resolves to (de-DE, de_DE.UTF-8, C)"}},
     {"kti18n locales", "kti18n locales --locale zh-Hant-TW"}});

}  // namespace
