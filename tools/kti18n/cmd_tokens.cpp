// kti18n tokens: lists a predefined token dictionary, one entry per line in
// dictionary order: the text, a tab, the token number, a tab, the token's
// serial code (T[..], or L for the literal token).
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "cli.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

namespace {

using namespace FmtLib;

// The tool uses the formatting library, so it holds a start-up guard.
FmtLibInitExit fmtLibGuard;

constexpr const char* kUsage =
    "usage: kti18n tokens [--dialect serial|default|halcyon|color] [--date|--number] "
    "[--language LL] [--country CC] [--code XX]";

std::string SerialCode(zvFmtTokens token) {
  if (token == TK_LITERAL) return "L";
  const zvTokenInfo* info = FindTokenInfo(token);
  return info != nullptr ? info->serialCode : "?";
}

void Print(const zvTokensDefinition& dictionary) {
  for (const tokenDef& entry : dictionary)
    std::cout << entry.text << '\t' << static_cast<int>(entry.token) << '\t' << SerialCode(entry.token) << '\n';
}

struct Request {
  std::string dialect;
  bool date;
  std::optional<std::string> language, country, code;

  static const char* Arg(const std::optional<std::string>& s) { return s ? s->c_str() : nullptr; }

  const zvTokensDefinition* Find() const {
    const char* l = Arg(language);
    const char* c = Arg(country);
    if (dialect == "serial") return date ? GetSerialDateTokensDefinition() : GetSerialNumberTokensDefinition();
    if (dialect == "default") return date ? GetDateTokensDefinition(l, c) : GetNumberTokensDefinition(l, c);
    if (dialect == "halcyon")
      return date ? GetHalcyonDateTokensDefinition(Arg(code), l, c) : GetHalcyonNumberTokensDefinition(Arg(code), l, c);
    // Colour names are the same for dates and numbers.
    return code ? GetHalcyonColorDefinition(Arg(code)) : GetPeltaColorDefinition(l, c);
  }
};

int run(const cli::Args& args) {
  const cli::Options opts(args, {"dialect", "language", "country", "code"}, {"date", "number"});
  if (!opts.ok()) return cli::usage_error(opts.error() + "; " + kUsage);
  if (!opts.positional().empty()) return cli::usage_error(std::string("unexpected argument ") + opts.positional()[0]);
  if (opts.has("date") && opts.has("number")) return cli::usage_error("--date and --number exclude each other");

  Request r;
  r.dialect = opts.value("dialect", "serial");
  if (r.dialect == "native") r.dialect = "default";  // what the other commands call it
  if (r.dialect != "serial" && r.dialect != "default" && r.dialect != "halcyon" && r.dialect != "color")
    return cli::usage_error("unknown dialect '" + r.dialect + "' (serial, default or native, halcyon or color)");
  r.date = !opts.has("number");
  auto optional = [&](const char* name) -> std::optional<std::string> {
    if (!opts.has(name)) return std::nullopt;
    return opts.value(name);
  };
  r.language = optional("language");
  r.country = optional("country");
  r.code = optional("code");

  const zvTokensDefinition* dictionary = r.Find();
  if (dictionary == nullptr) {
    std::cerr << "kti18n: tokens: no " << r.dialect << (r.date ? " date" : " number") << " dictionary for "
              << r.language.value_or("(no language)") << '/' << r.country.value_or("(no country)") << '\n';
    return 1;
  }
  Print(*dictionary);
  return 0;
}

// Demo: one token seen through several dictionaries, and how the
// spreadsheet-style date dictionary reads "mm" yet writes minutes as "mm".
void show_tokens() {
  std::cout << "Format tokens and their dictionaries\n";
  const zvFmtTokens red = TK_COLOR_RED;
  std::cout << "  token " << red << " (" << SerialCode(red) << ") is written";
  for (const char* language : {"en", "fr", "de", "ja", "ru"})
    std::cout << ' ' << language << " \"" << GetPeltaColorDefinition(language, nullptr)->TokenString(red) << '"';
  std::cout << '\n';
  const zvTokensDefinition* halcyon = GetHalcyonDateTokensDefinition("GE", "de", "CH");
  std::cout << "  spreadsheet-style German date keywords: " << halcyon->size() << " texts; month name is \""
            << halcyon->TokenString(TK_MONTH_NAME_UPPER) << "\", year \"" << halcyon->TokenString(TK_YEAR_0000)
            << "\", date separator \"" << halcyon->TokenString(TK_DATE_SEPARATOR) << "\"\n";
}

cli::DemoSection tokens_section(50, show_tokens);

cli::Registration reg("tokens", "list a predefined token dictionary", run,
    cli::Help{"[--dialect serial|default|halcyon|color] [--date|--number] [--language LL] [--country CC] [--code XX]",
     {{"--dialect D", "the dictionary: serial, default or native (native words), halcyon or color"},
      {"--date", "the date dictionary"},
      {"--number", "the number dictionary"},
      {"--language LL", "the language of the dictionary"},
      {"--country CC", "the country of the dictionary"},
      {"--code XX", "the halcyon dictionary code"}},
     {"kti18n tokens --date", "kti18n tokens --dialect default --number --language de --country DE"}});

}  // namespace
