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

constexpr const char* kUsage =
    "usage: kti18n translate --number|--date --from serial|native|halcyon|excel --to serial|native|halcyon|excel "
    "[--language LL] [--country CC] [--code XX] [--locale NAME] TEXT";

// Whether the pattern is the error pattern that stands for unreadable text
// (and not the error token written on purpose, which reads back as itself).
bool Unreadable(const zvStringFormat& from, const zvFmtPattern& pattern, const ucs2string& text) {
  if (pattern.size() != 1 || pattern.begin()[0]->IsLiteral() || pattern.begin()[0]->Token() != TK_ERROR) return false;
  ucs2string written;
  from.Render(pattern, written);
  return written != text;
}

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
    auto choice = cli::DialectChoice::From(opts, opts.value(side));
    choice.settings = settings;
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
  if (Unreadable(*from, *pattern, text))
    return cli::usage_error("translate: '" + opts.positional()[0] + "' cannot be read as a " + opts.value("from") +
                            (date ? " date" : " number") + " format");
  ucs2string out;
  to->Render(*pattern, out);
  std::cout << out << '\n';
  return 0;
}

cli::Registration reg("translate", "translate a number or date pattern from one dialect to another", run);

}  // namespace
