#include "format_dialects.h"

#include <iostream>

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

namespace cli {
namespace {

using namespace FmtLib;

FmtLibInitExit fmtLibGuard;

const char* Arg(const std::optional<std::string>& s) { return s ? s->c_str() : nullptr; }

template <class Make>
std::unique_ptr<zvStringFormat> Made(const DialectChoice& c, const char* kind, Make make) {
  try {
    return std::unique_ptr<zvStringFormat>(make());
  } catch (const ZVException& e) {
    std::cerr << "kti18n: no " << c.dialect << ' ' << kind << " dialect for language "
              << c.language.value_or("-") << ", country " << c.country.value_or("-") << ", code "
              << c.code.value_or("-") << " (" << e.what() << ")\n";
    return nullptr;
  }
}

}  // namespace

DialectChoice DialectChoice::From(const Options& options, const std::string& dialect) {
  DialectChoice c;
  c.dialect = dialect;
  c.language = options.value("language", "en");
  if (options.has("country")) c.country = options.value("country");
  if (options.has("code")) c.code = options.value("code");
  return c;
}

bool DialectChoice::Known(const std::string& dialect) {
  return dialect == "serial" || dialect == "native" || dialect == "halcyon";
}

// Spreadsheet-style numbers read "%" as "times 100 and a percent sign".
std::unique_ptr<zvStringFormat> DialectChoice::NumberFormat() const {
  return Made(*this, "number", [&]() -> zvStringFormat* {
    if (dialect == "native") return CreateStringFormatNumber(Arg(language), Arg(country));
    if (dialect == "halcyon") return CreateHalcyonStringFormatNumber(Arg(code), Arg(language), Arg(country), true);
    return CreateSerialStringFormatNumber();
  });
}

std::unique_ptr<zvStringFormat> DialectChoice::DateFormat() const {
  return Made(*this, "date", [&]() -> zvStringFormat* {
    if (dialect == "native") return CreateStringFormatDate(Arg(language), Arg(country));
    if (dialect == "halcyon") return CreateHalcyonStringFormatDate(Arg(code), Arg(language), Arg(country));
    return CreateSerialStringFormatDate();
  });
}

std::string ColorName(int color) {
  if (color < 1 || color > kColorCount) return {};
  const zvTokensDefinition* english = GetPeltaColorDefinition("en", nullptr);
  return english->TokenString(static_cast<zvFmtTokens>(TK_FIRST_COLOR + color - 1)).to_utf8();
}

}  // namespace cli
