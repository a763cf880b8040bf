// Every locale's default number formats (standard, percent, scientific)
// write numbers with a digit of the locale where a reader expects one: the
// mantissa of a scientific number shows a digit before its exponent (0 is
// "0E0", not "E0"), and nothing of a pattern's notation leaks into the text.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "kti18n/fmtlib/number_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/fmtlib/preferences.h"
#include "kti18n/fmtlib/settings.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_catalog.h"
#include "kti18n/locale/locale_ident.h"
#include "kti18n/locale/numpunct.h"

using namespace FmtLib;

namespace {

izv_ptr<zvSettings> SettingsFor(const zv_locale& locale) {
  izv_ptr<zvPreferences> prefs;
  EXPECT_EQ(CreatePreferences(prefs), 0);
  prefs->EndBuild();
  izv_ptr<zvSettings> settings;
  EXPECT_EQ(CreateSettings(locale, prefs, settings), 0);
  return settings;
}

// The position of the first of the locale's ten digits in text, or npos.
std::u16string::size_type FirstDigit(const std::u16string& text, const unsigned short* digits) {
  for (std::u16string::size_type i = 0; i < text.size(); ++i) {
    for (int d = 0; d < 10; ++d) {
      if (text[i] == digits[d]) return i;
    }
  }
  return std::u16string::npos;
}

TEST(DefaultNumberFormats, EveryLocaleWritesItsDigitsWhereExpected) {
  FmtLibInitExit guard;
  zv_locale_catalog& catalog = *zv_locale_catalog::GetInstance();
  int checked = 0;
  for (unsigned lcid : catalog.GetRegisteredLocales()) {
    if (lcid == zv_locale_catalog::kNeutralLcid) continue;
    const std::string name = catalog.GetLocaleIdentification(lcid)->locale_name();
    const zv_locale locale(name.c_str());
    const unsigned short* digits = zv_use_facet<zv_numpunct>(locale).GetDigits(false);
    auto settings = SettingsFor(locale);
    for (fmtLibDefaultFormats kind : {STANDARD, PERCENT, SCIENTIFIC}) {
      zvNumberFormat* raw = nullptr;
      ASSERT_EQ(CreateDefaultNumberFormat(settings, kind, raw), 0) << name << " kind " << kind;
      std::unique_ptr<zvNumberFormat> format(raw);
      for (double value : {0.0, 1.0, 1234.5}) {
        ASSERT_TRUE(format->Format(value));
        const std::u16string text(reinterpret_cast<const char16_t*>(format->c_str()));
        SCOPED_TRACE(name + " kind " + std::to_string(kind) + " value " + std::to_string(value) + ": " +
                     ucs2string(format->c_str()).to_utf8());
        const auto digit = FirstDigit(text, digits);
        ASSERT_NE(digit, std::u16string::npos);
        EXPECT_EQ(text.find_first_of(u"[]"), std::u16string::npos);
        if (kind == SCIENTIFIC) {
          EXPECT_LT(digit, text.find_first_of(u"Ee")) << "a mantissa digit first";
        }
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 1000);
  zv_locale_catalog::ClearInstance();
}

TEST(DefaultNumberFormats, ScientificDefaultsOfCldrLocales) {
  FmtLibInitExit guard;
  for (const char* name : {"en_US", "hi_IN"}) {
    auto settings = SettingsFor(zv_locale(name));
    zvNumberFormat* raw = nullptr;
    ASSERT_EQ(CreateDefaultNumberFormat(settings, SCIENTIFIC, raw), 0);
    std::unique_ptr<zvNumberFormat> format(raw);
    ASSERT_TRUE(format->Format(0.0));
    EXPECT_EQ(ucs2string(format->c_str()).to_utf8(), "0E0") << name;
    ASSERT_TRUE(format->Format(12345.0));
    EXPECT_EQ(ucs2string(format->c_str()).to_utf8(), "1.2345E4") << name;
  }
  zv_locale_catalog::ClearInstance();
}

}  // namespace
