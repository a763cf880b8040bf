// Helpers for the spreadsheet-dialect tests: settings over a locale, patterns
// from serial text, and the writers' and readers' results as UTF-8.
#ifndef KTI18N_TESTS_EXCEL_SUPPORT_H
#define KTI18N_TESTS_EXCEL_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kti18n/fmtlib/excel_string_format.h"
#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/locale/locale.h"

namespace excel_test {

using Format = std::unique_ptr<FmtLib::zvStringFormat>;
using Pattern = std::unique_ptr<FmtLib::zvFmtPattern>;

inline izv_ptr<FmtLib::zvSettings> SettingsFor(const zv_locale& locale,
                                               std::vector<std::pair<const char*, const char*>> prefs = {}) {
  izv_ptr<FmtLib::zvPreferences> p;
  EXPECT_EQ(FmtLib::CreatePreferences(p), 0);
  for (auto [key, value] : prefs) p->AddPreference(key, ucs2string(value));
  p->EndBuild();
  izv_ptr<FmtLib::zvSettings> s;
  EXPECT_EQ(FmtLib::CreateSettings(locale, p, s), 0);
  return s;
}

// A pattern read from serial text (number or date side).
inline Pattern Serial(const char* text, bool date = false) {
  Format reader(date ? static_cast<FmtLib::zvStringFormat*>(FmtLib::CreateSerialStringFormatDate())
                     : FmtLib::CreateSerialStringFormatNumber());
  FmtLib::zvFmtPattern* raw = nullptr;
  EXPECT_EQ(reader->Parse(ucs2string(text), raw), 0) << text;
  return Pattern(raw);
}

inline std::string SerialText(const FmtLib::zvFmtPattern& p) {
  Format writer(p.IsDate() ? static_cast<FmtLib::zvStringFormat*>(FmtLib::CreateSerialStringFormatDate())
                           : FmtLib::CreateSerialStringFormatNumber());
  ucs2string out;
  writer->Render(p, out);
  return out.to_utf8();
}

inline std::string Write(const FmtLib::zvStringFormat& f, const FmtLib::zvFmtPattern& p) {
  ucs2string out;
  EXPECT_TRUE(f.Render(p, out));
  return out.to_utf8();
}

// A spreadsheet code read into a pattern; its serial text, with the status
// when it is not 0.
inline std::string Read(const char* code, bool date = false, std::uint32_t* approx = nullptr) {
  Pattern p(date ? FmtLib::CreateDateFmtPattern() : FmtLib::CreateNumberFmtPattern());
  const zvStatus s = FmtLib::ReadExcelFormat(ucs2string(code), *p, approx);
  std::string text = SerialText(*p);
  if (s != 0) text += s == ZV_S_READ_APPROXIMATELY ? " ~" : " status " + std::to_string(s);
  return text;
}

// Formats each value through a number pattern: "text" or "text/colour",
// joined by "|".
inline std::string Show(izv_ptr<FmtLib::zvSettings>& settings, FmtLib::zvFmtPattern& p,
                        std::initializer_list<double> values) {
  FmtLib::zvNumberFormat* raw = nullptr;
  if (FmtLib::CreateNumberFormat(settings, &p, raw) != 0) return "no format";
  std::unique_ptr<FmtLib::zvNumberFormat> f(raw);
  std::string out;
  for (double v : values) {
    f->Format(v);
    if (!out.empty()) out += '|';
    out += ucs2string(f->c_str()).to_utf8();
    if (f->GetColor() != 0) out += "/" + std::to_string(f->GetColor());
  }
  return out;
}

}  // namespace excel_test

#endif
