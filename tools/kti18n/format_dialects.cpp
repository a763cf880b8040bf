#include "format_dialects.h"

#include <iostream>

#include "locale_option.h"
#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/excel_string_format.h"
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

DialectChoice DialectChoice::From(const Options& options, const std::string& dialect,
                                  const izv_ptr<zvSettings>& settings) {
  DialectChoice c;
  c.dialect = dialect;
  c.settings = settings;
  c.language = options.value("language", "en");
  if (options.has("country")) c.country = options.value("country");
  if (options.has("code")) c.code = options.value("code");
  return c;
}

bool DialectChoice::Known(const std::string& dialect) {
  return dialect == "serial" || dialect == "native" || dialect == "halcyon" || dialect == "excel";
}

// Spreadsheet-style numbers read "%" as "times 100 and a percent sign".
std::unique_ptr<zvStringFormat> DialectChoice::NumberFormat() const {
  return Made(*this, "number", [&]() -> zvStringFormat* {
    if (dialect == "native") return CreateStringFormatNumber(Arg(language), Arg(country));
    if (dialect == "halcyon") return CreateHalcyonStringFormatNumber(Arg(code), Arg(language), Arg(country), true);
    if (dialect == "excel") {
      izv_ptr<zvSettings> own = settings;
      return CreateExcelStringFormatNumber(own);
    }
    return CreateSerialStringFormatNumber();
  });
}

std::unique_ptr<zvStringFormat> DialectChoice::DateFormat() const {
  return Made(*this, "date", [&]() -> zvStringFormat* {
    if (dialect == "native") return CreateStringFormatDate(Arg(language), Arg(country));
    if (dialect == "halcyon") return CreateHalcyonStringFormatDate(Arg(code), Arg(language), Arg(country));
    if (dialect == "excel") {
      izv_ptr<zvSettings> own = settings;
      return CreateExcelStringFormatDate(own);
    }
    return CreateSerialStringFormatDate();
  });
}

std::string ColorName(int color) {
  if (color < 1 || color > kColorCount) return {};
  const zvTokensDefinition* english = GetPeltaColorDefinition("en", nullptr);
  return english->TokenString(static_cast<zvFmtTokens>(TK_FIRST_COLOR + color - 1)).to_utf8();
}

izv_ptr<zvSettings> SettingsFor(const zv_locale& locale) {
  izv_ptr<zvPreferences> prefs;
  izv_ptr<zvSettings> settings;
  if (CreatePreferences(prefs) != 0) return settings;
  prefs->EndBuild();
  CreateSettings(locale, prefs, settings);
  return settings;
}

std::optional<zv_locale> DialectLocale(const Options& options, bool excel, const zv_locale& fallback) {
  if (options.has("locale")) return resolve_locale(options.value("locale"));
  if (!excel) return fallback;
  try {
    return zv_locale("en_US");
  } catch (const ZVException&) {
    return zv_locale::classic();  // no locale data: the classic locale's punctuation is en_US's
  }
}

void NoteApproximation(const char* command, const std::string& code, zvStatus status, const zvFmtPattern& pattern) {
  if (status != ZV_S_READ_APPROXIMATELY) return;
  std::uint32_t what = 0;
  zvFmtPattern* scratch = pattern.IsDate() ? CreateDateFmtPattern() : CreateNumberFmtPattern();
  if (scratch != nullptr) ReadExcelFormat(ucs2string(code.c_str()), *scratch, &what);
  delete scratch;
  std::cerr << "kti18n: " << command << ": '" << code << "' is shown approximately (" << DescribeExcelApproximations(what)
            << ")\n";
}

namespace {

bool IsErrorPattern(const zvStringFormat& reader, const zvFmtPattern& pattern, const ucs2string& text) {
  if (pattern.size() != 1 || pattern.begin()[0]->IsLiteral() || pattern.begin()[0]->Token() != TK_ERROR) return false;
  ucs2string written;
  reader.Render(pattern, written);
  return written != text;
}

bool Reads(const zvStringFormat& reader, const ucs2string& text) {
  zvFmtPattern* raw = nullptr;
  const zvStatus status = reader.Parse(text, raw);
  std::unique_ptr<zvFmtPattern> pattern(raw);
  return status >= 0 && pattern != nullptr && !IsErrorPattern(reader, *pattern, text);
}

}  // namespace

bool WarnIfUnreadable(const char* command, const zvStringFormat& reader, const zvFmtPattern& pattern,
                      const std::string& text) {
  const ucs2string units(text.c_str());
  if (!IsErrorPattern(reader, pattern, units)) return false;
  // Readers take a pattern whole; the longest beginning that still reads
  // shows where reading failed.
  std::size_t readable = units.size();
  while (readable > 0 && !Reads(reader, units.substr(0, --readable))) {
  }
  std::cerr << "kti18n: " << command << ": warning: '" << text << "' cannot be read: reading failed at character "
            << readable + 1 << " (the pattern reads as T[Err])\n";
  return true;
}

}  // namespace cli
