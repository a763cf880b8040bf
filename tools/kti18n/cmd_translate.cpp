// kti18n translate: reads a number or date pattern in one dialect and writes
// it in another (serial, native, spreadsheet-style, or the spreadsheet's own
// format codes).
#include <iostream>
#include <memory>
#include <string>

#include "cli.h"
#include "format_dialects.h"
#include "kti18n/fmtlib/excel_string_format.h"

namespace {

using namespace FmtLib;

// The target dialect writes nothing for a token it has no word for; the
// translation is then shorter than the pattern, which a user should know.
// Spreadsheet number codes are left out: their writer drops signs and
// separators on purpose while it reshapes the sections.
void WarnOfDroppedTokens(const zvFmtPattern& pattern, const zvStringFormat& to, bool date) {
  std::unique_ptr<zvStringFormat> serial(date ? static_cast<zvStringFormat*>(CreateSerialStringFormatDate())
                                              : CreateSerialStringFormatNumber());
  std::string dropped;
  for (zvFmtPattern::const_iterator t = pattern.begin(); t != pattern.end(); ++t) {
    const zvFmtTokens token = (*t)->Token();
    if (token == TK_LITERAL || token == TK_FORMAT_SEPARATOR) continue;
    std::unique_ptr<zvFmtPattern> alone(date ? CreateDateFmtPattern() : CreateNumberFmtPattern());
    alone->push_back(token);
    ucs2string written;
    to.Render(*alone, written);
    if (!written.empty()) continue;
    ucs2string code;
    serial->Render(*alone, code);
    dropped += ' ' + code.to_utf8();
  }
  if (!dropped.empty())
    std::cerr << "kti18n: translate: warning: the target dialect has no code for" << dropped << "; left out\n";
}

constexpr const char* kUsage =
    "usage: kti18n translate --number|--date --from serial|native|halcyon|excel --to serial|native|halcyon|excel "
    "[--language LL] [--country CC] [--code XX] [--locale NAME] TEXT";

int run(const cli::Args& args) {
  const cli::Options opts(args, {"from", "to", "language", "country", "code", "locale"}, {"number", "date"});
  if (!opts.ok()) return cli::usage_error(opts.error() + "; " + kUsage);
  if (opts.has("number") == opts.has("date")) return cli::usage_error(std::string("give --number or --date; ") + kUsage);
  if (!opts.has("from") || !opts.has("to")) return cli::usage_error(std::string("give --from and --to; ") + kUsage);
  for (const char* side : {"from", "to"})
    if (!cli::DialectChoice::Known(opts.value(side)))
      return cli::usage_error("unknown dialect '" + opts.value(side) + "' (serial, native, halcyon or excel)");
  if (opts.positional().size() != 1) return cli::usage_error(std::string("give one TEXT; ") + kUsage);

  const bool date = opts.has("date");
  // The spreadsheet dialect writes default formats and Boolean words of a
  // locale: --locale, else en_US.
  const bool excel = opts.value("from") == "excel" || opts.value("to") == "excel";
  const auto locale = cli::DialectLocale(opts, excel, zv_locale::classic());
  if (!locale) return cli::kUsageError;
  const izv_ptr<zvSettings> settings = cli::SettingsFor(*locale);
  const auto choose = [&](const char* side) {
    const auto choice = cli::DialectChoice::From(opts, opts.value(side), settings);
    return date ? choice.DateFormat() : choice.NumberFormat();
  };
  const auto from = choose("from");
  const auto to = choose("to");
  if (from == nullptr || to == nullptr) return 1;

  const ucs2string text(opts.positional()[0].c_str());
  zvFmtPattern* raw = nullptr;
  zvStatus status = from->Parse(text, raw);
  std::unique_ptr<zvFmtPattern> pattern(raw);
  if (status == ZV_S_READ_APPROXIMATELY && pattern != nullptr) {
    cli::NoteApproximation("translate", opts.positional()[0], status, *pattern);
    status = 0;
  }
  if (status != 0 || pattern == nullptr) {
    std::cerr << "kti18n: translate: reading failed\n";
    return 1;
  }
  if (cli::WarnIfUnreadable("translate", *from, *pattern, opts.positional()[0])) return 1;
  ucs2string out;
  to->Render(*pattern, out);
  std::cout << out << '\n';
  if (date || opts.value("to") != "excel") WarnOfDroppedTokens(*pattern, *to, date);
  return 0;
}

cli::Registration reg("translate", "translate a number or date pattern from one dialect to another", run,
    cli::Help{"--number|--date --from D --to D [--language LL] [--country CC] [--code XX] [--locale NAME] TEXT",
     {{"--number", "TEXT is a number pattern"},
      {"--date", "TEXT is a date pattern"},
      {"--from D", "the dialect TEXT is written in: serial, native, halcyon or excel"},
      {"--to D", "the dialect to write: serial, native, halcyon or excel"},
      {"--language LL", "the language of the native or halcyon words"},
      {"--country CC", "the country of the native or halcyon words"},
      {"--code XX", "the halcyon dictionary code"},
      cli::locale_help()},
     {"kti18n translate --number --from excel --to serial '#,##0.00'",
      "kti18n translate --date --from serial --to excel 'T[d]L[.]T[0M]L[.]T[y4]'"}});

}  // namespace
