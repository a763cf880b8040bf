#include "locale_option.h"

#include <cstdlib>
#include <iostream>

#include "kti18n/base/exception.h"
#include "kti18n/locale/locale_catalog.h"

namespace cli {

namespace {

std::optional<unsigned> lookup(const std::string& name, bool quiet) {
  try {
    unsigned lcid = 0;
    if (zv_locale_catalog::GetInstance()->ResolveLocaleName(name.c_str(), lcid) == ZV_S_OK) return lcid;
    if (!quiet) std::cerr << "kti18n: no locale matches '" << name << "'\n";
  } catch (const ZVException& e) {
    if (!quiet) std::cerr << "kti18n: cannot resolve locale '" << name << "': " << e.what() << '\n';
  }
  return std::nullopt;
}

}  // namespace

std::optional<unsigned> resolve_locale_lcid(const std::string& name) { return lookup(name, false); }

std::optional<zv_locale> resolve_locale(const std::string& name) {
  const auto lcid = resolve_locale_lcid(name);
  if (!lcid) return std::nullopt;
  return zv_locale_catalog::GetInstance()->GetLocale(*lcid);
}

std::string environment_locale_name() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

std::optional<zv_locale> locale_option(const Options& options) {
  if (options.has("locale")) return resolve_locale(options.value("locale"));
  return environment_locale();
}

zv_locale environment_locale() {
  // A host name the catalog does not know is no reason to fail: the tool
  // then behaves as in the C locale.
  const std::string name = environment_locale_name();
  if (name == "C" || name == "POSIX") return zv_locale::classic();
  const auto lcid = lookup(name, true);
  if (!lcid) return zv_locale::classic();
  try {
    return zv_locale_catalog::GetInstance()->GetLocale(*lcid);
  } catch (const ZVException&) {
    return zv_locale::classic();
  }
}

}  // namespace cli
