#include "locale_option.h"

#include <iostream>

#include "kti18n/base/exception.h"

namespace cli {

std::optional<zv_locale> resolve_locale(const std::string& name) {
  try {
    return zv_locale(name.c_str());
  } catch (const ZVException& e) {
    if (e.code() == ZV_E_INVALID_DATA)
      std::cerr << "kti18n: no locale matches '" << name << "'\n";
    else
      std::cerr << "kti18n: cannot resolve locale '" << name << "': " << e.what() << '\n';
  }
  return std::nullopt;
}

std::optional<zv_locale> locale_option(const Options& options) {
  if (!options.has("locale")) return zv_locale::classic();
  return resolve_locale(options.value("locale"));
}

}  // namespace cli
