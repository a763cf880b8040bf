// The order the sort and sortkey subcommands use: with --locale NAME the
// collation facet of the locale NAME resolves to ("C" gives code-unit
// order), without it the CLDR root collation.
#ifndef KTI18N_TOOLS_COLLATION_OPTION_H
#define KTI18N_TOOLS_COLLATION_OPTION_H

#include <memory>
#include <optional>
#include <string>

#include "cli.h"
#include "kti18n/locale/collate.h"
#include "kti18n/locale/locale.h"
#include "kti18n/unicode/collation.h"

namespace cli {

class Collator {
 public:
  // Nothing when --locale names no locale (the error is on stderr).
  static std::optional<Collator> FromOptions(const Options& options);

  int Compare(const std::string& a, const std::string& b) const;
  // The sort key of UTF-8 text; throws ZVException for malformed UTF-8.
  std::string Key(const std::string& text) const;

 private:
  std::shared_ptr<zv_locale> locale_;
  const zv_collate* facet_ = nullptr;
  std::shared_ptr<ktCollation> root_;
};

}  // namespace cli

#endif
