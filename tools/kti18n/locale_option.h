// The --locale NAME option shared by the subcommands: "C" and "POSIX" give
// the classic locale, any other name the locale catalog's best match.
#ifndef KTI18N_TOOLS_LOCALE_OPTION_H
#define KTI18N_TOOLS_LOCALE_OPTION_H

#include <optional>
#include <string>

#include "cli.h"
#include "kti18n/locale/locale.h"

namespace cli {

// The locale NAME resolves to; when nothing matches (or the locale data
// cannot be loaded), prints one error line on stderr and returns nothing.
// Callers then exit with kUsageError.
std::optional<zv_locale> resolve_locale(const std::string& name);

// The locale of a subcommand's --locale option, the classic locale when the
// option is absent.
std::optional<zv_locale> locale_option(const Options& options);

}  // namespace cli

#endif
