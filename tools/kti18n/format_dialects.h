// The format dialects of the `number` and `translate` subcommands: which
// string format reads or writes a pattern, chosen by --dialect (or --from,
// --to) with --language, --country and --code.
#ifndef KTI18N_TOOLS_FORMAT_DIALECTS_H
#define KTI18N_TOOLS_FORMAT_DIALECTS_H

#include <memory>
#include <optional>
#include <string>

#include "cli.h"
#include "kti18n/fmtlib/string_format.h"

namespace cli {

struct DialectChoice {
  std::string dialect;  // "serial", "native" or "halcyon"
  std::optional<std::string> language, country, code;

  // The choice of the options; language defaults to "en".
  static DialectChoice From(const Options& options, const std::string& dialect);
  static bool Known(const std::string& dialect);

  // The string format, or null with a message on stderr when the library
  // has no dictionary for the choice.
  std::unique_ptr<FmtLib::zvStringFormat> NumberFormat() const;
  std::unique_ptr<FmtLib::zvStringFormat> DateFormat() const;
};

// The English name of a format colour (1 black ... 16 gray).
std::string ColorName(int color);

}  // namespace cli

#endif
