// kti18n scan-number: reads typed numbers the way a locale writes them, one
// line per text: the value (shortest round-trip form), a tab, the number of
// characters read, a tab, and "integer", "unsigned" or "-". A text that
// does not read prints "error", a tab and the position where reading
// stopped, and the command then exits with status 1.
#include <charconv>
#include <iostream>
#include <memory>
#include <string>

#include "cli.h"
#include "locale_option.h"
#include "kti18n/fmtlib/input_number.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

namespace {

using namespace FmtLib;

FmtLibInitExit fmtLibGuard;

constexpr const char* kUsage = "usage: kti18n scan-number [--locale NAME] TEXT...";

std::string Shortest(double v) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, result.ptr);
}

std::unique_ptr<zvInputNumber> InputFor(const zv_locale& locale) {
  izv_ptr<zvPreferences> prefs;
  izv_ptr<zvSettings> settings;
  zvInputNumber* raw = nullptr;
  if (CreatePreferences(prefs) != 0) return nullptr;
  prefs->EndBuild();
  if (CreateSettings(locale, prefs, settings) != 0 || CreateInputNumber(settings, raw) != 0) return nullptr;
  return std::unique_ptr<zvInputNumber>(raw);
}

int run(const cli::Args& args) {
  const cli::Options opts(args, {"locale"}, {});
  if (!opts.ok()) return cli::usage_error(opts.error() + "; " + kUsage);
  if (opts.positional().empty()) return cli::usage_error(std::string("no text to scan; ") + kUsage);
  const auto locale = cli::locale_option(opts);
  if (!locale) return cli::kUsageError;
  const auto input = InputFor(*locale);
  if (input == nullptr) {
    std::cerr << "kti18n: scan-number: the locale cannot be used for number input\n";
    return 1;
  }
  int status = 0;
  for (const std::string& text : opts.positional()) {
    const ucs2string units(text.c_str());
    double value = 0;
    int length = 0;
    if (!input->Scan(units.c_str(), value, length)) {
      std::cout << "error\t" << length << '\n';
      status = 1;
      continue;
    }
    long asLong = 0;
    unsigned long asUnsigned = 0;
    const char* kind = input->IsInteger(asLong) ? "integer" : input->IsUnsignedInteger(asUnsigned) ? "unsigned" : "-";
    std::cout << Shortest(value) << '\t' << length << '\t' << kind << '\n';
  }
  return status;
}

// Demo: the same typed texts read in two locales' conventions.
void show_number_input() {
  std::cout << "Reading typed numbers (text: value, characters read)\n";
  const char* texts[] = {"  -1.234,5e2", "1234.5", "\xd9\xa4\xd9\xa2.5", "12abc", "1e309"};
  for (const char* name : {"C", "de_DE"}) {
    const auto locale = cli::resolve_locale(name);
    const auto input = locale ? InputFor(*locale) : nullptr;
    if (input == nullptr) continue;
    std::cout << "  " << name << ':';
    for (const char* text : texts) {
      double value = 0;
      int length = 0;
      const bool ok = input->Scan(ucs2string(text).c_str(), value, length);
      std::cout << "  '" << text << "' " << (ok ? Shortest(value) : std::string("error")) << ' ' << length;
    }
    std::cout << '\n';
  }
}

cli::DemoSection demo(65, show_number_input);

cli::Registration reg("scan-number", "read typed numbers the way a locale writes them", run,
    cli::Help{"[--locale NAME] TEXT...", {cli::locale_help()},
     {"kti18n scan-number --locale de-DE '1234,5'", "kti18n scan-number --locale fr-FR -- '-12345,6e-3'"}});

}  // namespace
