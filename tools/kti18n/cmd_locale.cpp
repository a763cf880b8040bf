// kti18n locale NAME: everything the locale data says about one locale:
// identification, numeric punctuation, grouping, digits, day and month
// names, eras, and the default number and date patterns in the serial
// dialect.
//
//   kti18n locale de_DE
#include <cstdio>
#include <string>

#include "cli.h"
#include "locale_option.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_ident.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/text/ucs2string.h"

namespace {

std::string utf8(const unsigned short* s) { return s ? ucs2string(s).to_utf8() : std::string(); }
std::string utf8(const ucs2string& s) { return s.to_utf8(); }
std::string unit(unsigned short c) { return c ? ucs2string(1, c).to_utf8() : std::string(); }

// A separator or sign as text and code point, since many are invisible
// (no-break spaces) or look alike (hyphen-minus and minus sign).
std::string shown(unsigned short c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  if (c == 0) return "none";
  std::string text = "'";
  text += unit(c);
  text += "' ";
  text += code;
  return text;
}

std::string grouping_text(const unsigned short* grouping) {
  std::string text;
  for (; grouping && *grouping; ++grouping) {
    if (!text.empty()) text += ", ";
    text += std::to_string(*grouping);
  }
  if (text.empty()) return "none";
  text += " (the last repeats)";
  return text;
}

void print_identification(const zv_locale_ident& id) {
  std::printf("Identification\n");
  std::printf("  name            %s\n", id.locale_name().c_str());
  std::printf("  display name    %s\n", utf8(id.locale_display_name(false)).c_str());
  std::printf("  language        %s (%s)\n", id.language_code_2(), utf8(id.language_display_name()).c_str());
  std::printf("  country         %s (%s)\n", id.country_code_2(), utf8(id.country_name()).c_str());
  std::printf("  encoding        %s (%s)\n", id.encoding_technical_name(), utf8(id.encoding_display_name()).c_str());
  std::printf("  sort order      %s (%s)\n", id.sort_order_technical_name(),
              utf8(id.sort_order_display_name()).c_str());
}

void print_numbers(const zv_numpunct& np) {
  static const char* const kPatternNames[] = {"number", "currency", "percentage", "scientific"};
  std::printf("Numbers\n");
  std::printf("  decimal point   %s\n", shown(np.decimal_point()).c_str());
  std::printf("  thousands sep   %s\n", shown(np.thousands_sep()).c_str());
  std::printf("  grouping        %s\n", grouping_text(np.grouping()).c_str());
  std::printf("  signs           %s  %s\n", shown(np.positive_sign()).c_str(), shown(np.negative_sign()).c_str());
  std::printf("  exponent        %s\n", shown(np.exponent_sign()).c_str());
  std::printf("  negative mode   %d\n", static_cast<int>(np.mode()));
  std::string digits;
  for (int d = 0; d < 10; ++d) digits += unit(np.GetDigits(false)[d]);
  std::printf("  digits          %s\n", digits.c_str());
  for (int i = 0; i < 4; ++i) std::printf("  %-15s %s\n", kPatternNames[i], utf8(np.GetFmtLibDefaultFormat(i)).c_str());
}

void print_names(const zv_ctime& ct) {
  std::printf("Calendar\n  days           ");
  for (int d = 0; d < 7; ++d) std::printf(" %s", utf8(ct.GetNameOfDay(d)).c_str());
  std::printf("\n  short days     ");
  for (int d = 0; d < 7; ++d) std::printf(" %s", utf8(ct.GetShortNameOfDay(d)).c_str());
  std::printf("\n  months         ");
  for (int m = 1; m <= 12; ++m) std::printf(" %s", utf8(ct.GetNameOfMonth(m)).c_str());
  std::printf("\n  short months   ");
  for (int m = 1; m <= 12; ++m) std::printf(" %s", utf8(ct.GetShortNameOfMonth(m)).c_str());
  std::printf("\n  am/pm           %s %s\n", utf8(ct.GetAmPm(0)).c_str(), utf8(ct.GetAmPm(1)).c_str());
  std::printf("  eras           ");
  for (unsigned i = 0; i < ct.GetNumberOfEra(); ++i) {
    const std::int32_t year = ct.GetEraYear(static_cast<int>(i));
    if (year == zv_ctime_impl::kEraSentinel) {
      std::printf(" %s (before);", utf8(ct.GetEra(static_cast<int>(i))).c_str());
    } else {
      std::printf(" %s (from %d);", utf8(ct.GetEra(static_cast<int>(i))).c_str(), static_cast<int>(year));
    }
  }
  std::printf("\n  B.C./A.D.       %s / %s\n", utf8(ct.GetAdBc(0)).c_str(), utf8(ct.GetAdBc(1)).c_str());
  std::printf("  separators      date '%s', time '%s'\n", utf8(ct.GetDateSeparator()).c_str(),
              utf8(ct.GetTimeSeparator()).c_str());
  std::printf("  %%-formats       %s | %s | %s | %s\n", utf8(ct.GetDefaultDateTimeFormat()).c_str(),
              utf8(ct.GetDefaultDateFormat()).c_str(), utf8(ct.GetDefaultTimeFormat()).c_str(),
              utf8(ct.GetDefaultAmPmTimeFormat()).c_str());
}

void print_date_patterns(const zv_ctime& ct) {
  static const char* const kNames[zv_ctime_impl::kPatternCount] = {
      "full date", "long date", "medium date", "short date", "full time", "long time", "medium time",
      "short time", "full date-time", "long date-time", "medium date-time", "short date-time",
      "input date", "input time", "input date-time"};
  std::printf("Date patterns\n");
  for (int i = 0; i < zv_ctime_impl::kPatternCount; ++i) {
    std::printf("  %2d %-16s %s\n", i, kNames[i], utf8(ct.GetFmtLibDefaultFormat(i)).c_str());
  }
}

int run_locale(const cli::Args& args) {
  const cli::Options options(args, {}, {});
  if (!options.ok()) return cli::usage_error(options.error());
  if (options.positional().size() != 1) return cli::usage_error("locale: give one locale name, e.g. fr_FR");
  const auto loc = cli::resolve_locale(options.positional()[0]);
  if (!loc) return cli::kUsageError;
  // The classic locale has no identification; everything else it has.
  if (zv_has_facet<zv_locale_ident>(*loc)) print_identification(zv_use_facet<zv_locale_ident>(*loc));
  print_numbers(zv_use_facet<zv_numpunct>(*loc));
  print_names(zv_use_facet<zv_ctime>(*loc));
  print_date_patterns(zv_use_facet<zv_ctime>(*loc));
  return 0;
}

cli::Registration locale_command("locale", "locale NAME: the identification, punctuation, names and default patterns of a locale",
                                 run_locale,
    cli::Help{"NAME",
     {},
     {"kti18n locale de-DE", "kti18n locale fr_CA.CP1252@fr_CA"}});

}  // namespace
