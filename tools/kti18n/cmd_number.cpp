// kti18n number: formats values through a number pattern (serial, native or
// spreadsheet-style text) or a default number format, one line per value:
// the text and, when the format gives a colour, a tab and its English name.
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "format_dialects.h"
#include "locale_option.h"
#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/excel_string_format.h"
#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

namespace {

using namespace FmtLib;

FmtLibInitExit fmtLibGuard;

constexpr const char* kUsage =
    "usage: kti18n number [--locale NAME] [--dialect serial|native|halcyon|excel] [--language LL] [--country CC] "
    "[--code XX] (--pattern TEXT | --default standard|percent|scientific|boolean) VALUE...";

// The environment's locale (LC_ALL, LC_NUMERIC, LANG), through the same
// resolution as --locale; the classic locale when the catalog does not know it.
zv_locale HostLocale() { return cli::environment_locale(); }

std::optional<double> ParseValue(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size()) return std::nullopt;
  return v;
}

std::optional<fmtLibDefaultFormats> DefaultKind(const std::string& name) {
  if (name == "standard") return STANDARD;
  if (name == "percent") return PERCENT;
  if (name == "scientific") return SCIENTIFIC;
  if (name == "boolean") return BOOLEAN;
  return std::nullopt;
}

// The format the options ask for; null after a message.
std::unique_ptr<zvNumberFormat> FormatFor(const cli::Options& opts, izv_ptr<zvSettings>& settings) {
  zvNumberFormat* raw = nullptr;
  if (!opts.has("pattern")) {
    const auto kind = DefaultKind(opts.value("default", "standard"));
    if (CreateDefaultNumberFormat(settings, *kind, raw) != 0) {
      std::cerr << "kti18n: number: the locale has no " << opts.value("default", "standard") << " format\n";
      return nullptr;
    }
    return std::unique_ptr<zvNumberFormat>(raw);
  }
  const auto choice = cli::DialectChoice::From(opts, opts.value("dialect", "serial"), settings);
  const std::string code = opts.value("pattern");
  if (choice.dialect == "excel" && IsExcelDateCode(ucs2string(code.c_str()))) {
    std::cerr << "kti18n: number: '" << code << "' is a date code (kti18n date --dialect excel shows it)\n";
    return nullptr;
  }
  const auto reader = choice.NumberFormat();
  if (reader == nullptr) return nullptr;
  zvFmtPattern* pattern = nullptr;
  zvStatus read = reader->Parse(ucs2string(code.c_str()), pattern);
  std::unique_ptr<zvFmtPattern> owned(pattern);
  if (read == ZV_S_READ_APPROXIMATELY && choice.dialect == "excel") {
    cli::NoteApproximation("number", code, read, *owned);
    read = 0;
  }
  if (read == 0 && owned != nullptr && cli::WarnIfUnreadable("number", *reader, *owned, code)) return nullptr;
  if (read != 0 || CreateNumberFormat(settings, owned.get(), raw) != 0) {
    std::cerr << "kti18n: number: cannot build a format from '" << opts.value("pattern") << "'\n";
    return nullptr;
  }
  return std::unique_ptr<zvNumberFormat>(raw);
}

void PrintResult(const zvNumberFormat& f) {
  std::cout << ucs2string(f.c_str());
  if (f.GetColor() != 0) std::cout << '\t' << cli::ColorName(f.GetColor());
  std::cout << '\n';
}

int run(const cli::Args& args) {
  const cli::Options opts(args, {"locale", "dialect", "language", "country", "code", "pattern", "default"}, {});
  if (!opts.ok()) return cli::usage_error(opts.error() + "; " + kUsage);
  if (opts.has("pattern") && opts.has("default")) return cli::usage_error("--pattern and --default exclude each other");
  if (opts.has("default") && !DefaultKind(opts.value("default")))
    return cli::usage_error("unknown default format '" + opts.value("default") +
                            "' (standard, percent, scientific or boolean)");
  if (!cli::DialectChoice::Known(opts.value("dialect", "serial")))
    return cli::usage_error("unknown dialect '" + opts.value("dialect") + "' (serial, native, halcyon or excel)");
  if (opts.positional().empty()) return cli::usage_error(std::string("no value to format; ") + kUsage);

  std::vector<double> values;
  for (const std::string& text : opts.positional()) {
    const auto v = ParseValue(text);
    if (!v) return cli::usage_error("number: '" + text + "' is not a number");
    values.push_back(*v);
  }
  // Spreadsheet codes are written with en_US punctuation: that is the
  // locale users expect when they name none.
  const auto locale = cli::DialectLocale(opts, opts.value("dialect") == "excel", HostLocale());
  if (!locale) return cli::kUsageError;
  izv_ptr<zvSettings> settings = cli::SettingsFor(*locale);
  if (settings.get() == nullptr) {
    std::cerr << "kti18n: number: the locale cannot be used for formatting\n";
    return 1;
  }
  const auto format = FormatFor(opts, settings);
  if (format == nullptr) return 1;
  for (double v : values) {
    format->Format(v);
    PrintResult(*format);
  }
  return 0;
}

// Demo: a few numbers through the four default formats of the classic
// locale and a two-section pattern with a colour.
void show_numbers() {
  std::cout << "Number formats (classic locale)\n";
  izv_ptr<zvSettings> settings = cli::SettingsFor(zv_locale::classic());
  const char* names[] = {"STANDARD", "PERCENT", "SCIENTIFIC", "BOOLEAN", "#,##0.00;[Red](#,##0.00)"};
  std::vector<std::unique_ptr<zvNumberFormat>> formats;
  for (fmtLibDefaultFormats kind : {STANDARD, PERCENT, SCIENTIFIC, BOOLEAN}) {
    zvNumberFormat* raw = nullptr;
    CreateDefaultNumberFormat(settings, kind, raw);
    formats.emplace_back(raw);
  }
  std::unique_ptr<zvStringFormat> native(CreateStringFormatNumber("en", nullptr));
  zvFmtPattern* pattern = nullptr;
  native->Parse(ucs2string(names[4]), pattern);
  std::unique_ptr<zvFmtPattern> owned(pattern);
  zvNumberFormat* raw = nullptr;
  CreateNumberFormat(settings, owned.get(), raw);
  formats.emplace_back(raw);

  constexpr int kWidth = 16;
  std::cout << "  " << std::left << std::setw(12) << "value";
  for (const char* name : names) std::cout << std::setw(kWidth) << name;
  std::cout << '\n';
  for (double v : {1234.5, -0.25, 0.0, 98765432.1}) {
    std::ostringstream value;
    value << std::setprecision(12) << v;
    std::cout << "  " << std::setw(12) << value.str();
    for (auto& f : formats) {
      if (f == nullptr) {
        std::cout << std::setw(kWidth) << "-";
        continue;
      }
      f->Format(v);
      std::string cell = ucs2string(f->c_str()).to_utf8();
      if (f->GetColor() != 0) cell += " (" + cli::ColorName(f->GetColor()) + ")";
      std::cout << std::setw(kWidth) << cell;
    }
    std::cout << '\n';
  }
}

cli::DemoSection numbers_section(60, show_numbers);

cli::Registration reg("number", "format numbers through a pattern or a default number format", run,
    cli::Help{"[--locale NAME] [--dialect D] [--language LL] [--country CC] [--code XX] (--pattern TEXT | --default KIND) VALUE...",
     {cli::locale_help(),
      {"--dialect D", "how --pattern is written: serial (T[..] tokens, default), native, halcyon or excel"},
      {"--language LL", "the language of the native or halcyon words, e.g. de"},
      {"--country CC", "the country of the native or halcyon words, e.g. DE"},
      {"--code XX", "the halcyon dictionary code"},
      {"--pattern TEXT", "the number pattern"},
      {"--default KIND", "the locale's own format instead: standard, percent, scientific or boolean"}},
     {"kti18n number --locale de-DE --default standard 1234567.891",
      "kti18n number --pattern 'T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]' 1234.5"}});

}  // namespace
