// The format dialects of the `number` and `translate` subcommands: which
// string format reads or writes a pattern, chosen by --dialect (or --from,
// --to) with --language, --country and --code.
#ifndef KTI18N_TOOLS_FORMAT_DIALECTS_H
#define KTI18N_TOOLS_FORMAT_DIALECTS_H

#include <memory>
#include <optional>
#include <string>

#include "cli.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/fmtlib/string_format.h"

namespace cli {

struct DialectChoice {
  std::string dialect;  // "serial", "native", "halcyon" or "excel"
  std::optional<std::string> language, country, code;
  // The spreadsheet dialect's string formats write default formats and
  // Boolean words from settings.
  izv_ptr<FmtLib::zvSettings> settings;

  // The choice of the options, over the settings of the command's locale;
  // language defaults to "en".
  static DialectChoice From(const Options& options, const std::string& dialect,
                            const izv_ptr<FmtLib::zvSettings>& settings);
  static bool Known(const std::string& dialect);

  // The string format, or null with a message on stderr when the library
  // has no dictionary for the choice (or, for "excel", no settings).
  std::unique_ptr<FmtLib::zvStringFormat> NumberFormat() const;
  std::unique_ptr<FmtLib::zvStringFormat> DateFormat() const;
};

// The English name of a format colour (1 black ... 16 gray).
std::string ColorName(int color);

// Settings over the locale with empty preferences; null when the locale
// cannot be used for formatting.
izv_ptr<FmtLib::zvSettings> SettingsFor(const zv_locale& locale);

// The locale of --locale; without it, en_US for the spreadsheet dialect
// (whose codes are written with en_US punctuation) and `fallback` for the
// others. Nothing after a message when the name matches no locale.
std::optional<zv_locale> DialectLocale(const Options& options, bool excel, const zv_locale& fallback);

// Reports on stderr what an approximate reading of a spreadsheet code lost.
void NoteApproximation(const char* command, const std::string& code, zvStatus status,
                       const FmtLib::zvFmtPattern& pattern);

// When `pattern`, read from `text`, is the error pattern that stands for
// unreadable text (and not the error token written on purpose), prints
// "kti18n: COMMAND: warning: ..." with the character (1-based) where reading
// failed and returns true.
bool WarnIfUnreadable(const char* command, const FmtLib::zvStringFormat& reader, const FmtLib::zvFmtPattern& pattern,
                      const std::string& text);

}  // namespace cli

#endif
