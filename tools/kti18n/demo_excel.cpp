// Demo: spreadsheet format codes read into patterns and shown for a few
// values under en_US, with each code's serial form.
#include <iomanip>
#include <iostream>
#include <memory>

#include "cli.h"
#include "format_dialects.h"
#include "kti18n/fmtlib/excel_string_format.h"
#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

namespace {

using namespace FmtLib;

FmtLibInitExit fmtLibGuard;

void show_spreadsheet_codes() {
  std::cout << "Spreadsheet format codes (en_US, or classic without locale data)\n";
  const auto locale = cli::DialectLocale(cli::Options(cli::Args{}, {"locale"}, {}), true, zv_locale::classic());
  izv_ptr<zvSettings> settings = cli::SettingsFor(*locale);
  if (settings.get() == nullptr) return;
  const char* codes[] = {"General", "#,##0.00;[Red](#,##0.00)", "0.0%", "0.00E+00",
                         "_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"??_)", "#,##0,\"K\""};
  for (const char* code : codes) {
    std::unique_ptr<zvFmtPattern> pattern(CreateNumberFmtPattern());
    std::uint32_t approximated = 0;
    ReadExcelFormat(ucs2string(code), *pattern, &approximated);
    zvNumberFormat* raw = nullptr;
    if (CreateNumberFormat(settings, pattern.get(), raw) != 0) continue;
    std::unique_ptr<zvNumberFormat> format(raw);
    std::cout << "  " << std::left << std::setw(42) << code;
    for (double v : {1234.5, -0.25, 0.0}) {
      format->Format(v);
      std::cout << " [" << ucs2string(format->c_str()) << ']';
    }
    if (approximated != 0) std::cout << "  (approximated: " << DescribeExcelApproximations(approximated) << ')';
    std::cout << '\n';
  }
}

cli::DemoSection excel_section(65, show_spreadsheet_codes);

}  // namespace
