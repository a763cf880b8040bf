// Helpers for the number-format tests: settings over the classic locale or
// over a copy whose numeric punctuation groups digits, and formats built
// from serial text.
#ifndef KTI18N_TESTS_NUMBERFORMAT_SUPPORT_H
#define KTI18N_TESTS_NUMBERFORMAT_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/string_format.h"
#include "kti18n/locale/locale_impl.h"
#include "kti18n/locale/num_put.h"
#include "kti18n/locale/numpunct.h"

namespace nf_test {

using NumberFormat = std::unique_ptr<FmtLib::zvNumberFormat>;

// Comma groups of three, point as decimal separator; and the same with the
// Indian grouping {3, 2}. Records are static: facets keep pointers into them.
inline const unsigned short kGroupsOf3[] = {3, 0};
inline const unsigned short kIndianGroups[] = {3, 2, 0};
inline const zv_numeric_punctuation::StaticStorage kCommaPoint3 = {1, u'.' | (u',' << 16), kGroupsOf3, nullptr,
                                                                    nullptr};
inline const zv_numeric_punctuation::StaticStorage kIndian = {1, u'.' | (u',' << 16), kIndianGroups, nullptr,
                                                               nullptr};

// A copy of the classic locale whose numeric facets come from the record.
inline zv_locale LocaleWith(const zv_numeric_punctuation::StaticStorage& record) {
  zv_locale own(zv_locale::classic(), zv_locale::classic(), zv_locale::numeric);
  auto* punct = new zv_numpunct(&record, 0);
  own._M_implementation()->_M_install_facet(&zv_numpunct::id, punct);
  own._M_implementation()->_M_install_facet(&zv_num_put::id, new zv_num_put(punct, 0));
  return own;
}

// Settings over the locale, with string preferences given as key/value.
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

// A format built from serial text; null when the build fails.
inline NumberFormat Build(izv_ptr<FmtLib::zvSettings>& settings, const char* serial) {
  std::unique_ptr<FmtLib::zvStringFormat> reader(FmtLib::CreateSerialStringFormatNumber());
  FmtLib::zvFmtPattern* raw = nullptr;
  EXPECT_EQ(reader->Parse(ucs2string(serial), raw), 0);
  std::unique_ptr<FmtLib::zvFmtPattern> pattern(raw);
  FmtLib::zvNumberFormat* format = nullptr;
  if (FmtLib::CreateNumberFormat(settings, pattern.get(), format) != 0) return nullptr;
  return NumberFormat(format);
}

// An int literal is formatted as a double; long and unsigned long as such.
template <class T>
std::string Text(FmtLib::zvNumberFormat& f, T value) {
  if constexpr (std::is_same_v<T, int>) {
    EXPECT_TRUE(f.Format(static_cast<double>(value)));
  } else {
    EXPECT_TRUE(f.Format(value));
  }
  return ucs2string(f.c_str()).to_utf8();
}

}  // namespace nf_test

#endif
