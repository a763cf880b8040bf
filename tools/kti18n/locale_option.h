// The --locale NAME option shared by the subcommands. Names go through the
// catalog's resolution of typed names: BCP 47 tags ("de-DE"), POSIX names
// ("de_DE.UTF-8", "C.UTF-8", "POSIX") and the catalog's printed names.
// Without the option the locale comes from LC_ALL, LC_NUMERIC or LANG (the
// first one set), as other command-line tools do.
#ifndef KTI18N_TOOLS_LOCALE_OPTION_H
#define KTI18N_TOOLS_LOCALE_OPTION_H

#include <optional>
#include <string>

#include "cli.h"
#include "kti18n/locale/locale.h"

namespace cli {

// The LCID NAME resolves to (0 for the classic locale); when nothing
// matches (or the locale data cannot be loaded), prints one error line on
// stderr and returns nothing. Callers then exit with kUsageError.
std::optional<unsigned> resolve_locale_lcid(const std::string& name);
// The locale NAME resolves to, reported as above.
std::optional<zv_locale> resolve_locale(const std::string& name);

// The name the environment gives (LC_ALL, then LC_NUMERIC, then LANG), or
// "C" when none is set.
std::string environment_locale_name();

// The environment's locale, or the classic locale when the catalog does
// not know the environment's name.
zv_locale environment_locale();

// The locale of a subcommand's --locale option; without the option, the
// environment's locale, or the classic locale when the catalog does not
// know the environment's name.
std::optional<zv_locale> locale_option(const Options& options);

}  // namespace cli

#endif
