#include <gtest/gtest.h>

#include <string>

#include "kti18n/locale/locale.h"
#include "kti18n/locale/locale_ident.h"

namespace {

using Record = zv_locale_ident_impl::StaticStorage;

const unsigned char* utf8(const char* s) { return reinterpret_cast<const unsigned char*>(s); }
std::string text(const ucs2string& s) { return s.to_utf8(); }
std::string text(const unsigned short* s) { return s ? ucs2string(s).to_utf8() : std::string("<null>"); }

const Record kFrench = {"FR", "fr", utf8("Français (France)"), "fr_FR", utf8("Western (Windows-1252)"), "CP1252",
                        nullptr};

TEST(IdentFacet, LanguageAndCountryRecord) {
  const zv_locale_ident_impl f(&kFrench, 1);
  EXPECT_EQ(text(f.country_name()), "France");
  EXPECT_EQ(text(f.country_long_name()), "French Republic");
  EXPECT_STREQ(f.country_code_2(), "FR");
  EXPECT_STREQ(f.country_code_3(), "FRA");
  EXPECT_STREQ(f.identification_code(), "");
  EXPECT_STREQ(f.language_code_2(), "fr");
  EXPECT_STREQ(f.language_code_3(), "fra");
  EXPECT_EQ(text(f.language_english_name()), "French");
  EXPECT_EQ(text(f.language_display_name()), "français");
  EXPECT_EQ(f.locale_name(), "fr_FR.CP1252@fr_FR");
  EXPECT_EQ(text(f.locale_display_name(false)), "français (French Republic)");
  EXPECT_EQ(text(f.locale_display_name(true)), "français (French Republic).Western (Windows-1252)@Français (France)");
  EXPECT_EQ(text(f.sort_order_display_name()), "Français (France)");
  EXPECT_STREQ(f.encoding_technical_name(), "CP1252");
}

TEST(IdentFacet, CodesOutsideTheTables) {
  const Record japaneseNowhere = {"XX", "ja", nullptr, "s", nullptr, "CP932", nullptr};
  const zv_locale_ident_impl f(&japaneseNowhere, 1);
  EXPECT_EQ(f.country_code_3(), nullptr);
  EXPECT_EQ(f.country_long_name().length(), 0u);
  EXPECT_EQ(text(f.locale_display_name(false)), "日本語 ()");
  // Null display texts give empty strings, never a crash.
  EXPECT_EQ(text(f.locale_display_name(true)), "日本語 ().@");

  const Record unknownLanguage = {"FR", "qq", nullptr, nullptr, nullptr, nullptr, nullptr};
  const zv_locale_ident_impl g(&unknownLanguage, 1);
  EXPECT_EQ(g.language_code_3(), nullptr);
  EXPECT_EQ(g.language_english_name(), nullptr);
  EXPECT_EQ(g.locale_name(), "qq_FR.@");
  EXPECT_EQ(text(g.locale_display_name(false)), " (French Republic)");
}

TEST(IdentFacet, RecordWithoutLanguage) {
  const Record neutral = {"corp", nullptr, utf8("Binary"), "bin", utf8("UTF-8"), "UTF-8", nullptr};
  const zv_locale_ident_impl f(&neutral, 1);
  EXPECT_STREQ(f.identification_code(), "corp");
  EXPECT_STREQ(f.country_code_2(), "");
  EXPECT_STREQ(f.country_code_3(), "");
  EXPECT_STREQ(f.language_code_2(), "");
  EXPECT_STREQ(f.language_code_3(), "");
  EXPECT_EQ(text(f.language_english_name()), "language neutral");
  EXPECT_EQ(text(f.country_name()), "");
  EXPECT_EQ(f.locale_name(), "corp.UTF-8@bin");
  EXPECT_EQ(text(f.locale_display_name(true)), "corp.UTF-8@Binary");

  // An empty language code is no language either.
  const Record empty = {"corp", "", nullptr, "bin", nullptr, "UTF-8", nullptr};
  EXPECT_STREQ(zv_locale_ident_impl(&empty, 1).identification_code(), "corp");

  const Record nameless = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
  const zv_locale_ident_impl n(&nameless, 1);
  EXPECT_EQ(n.locale_display_name(true).length(), 0u);
  EXPECT_EQ(n.locale_name(), ".@");
}

TEST(IdentFacet, BuiltInRecord) {
  const zv_locale_ident_impl f(GetDefaultIdent(), 1);
  EXPECT_EQ(text(f.locale_display_name(false)), "International");
  EXPECT_EQ(text(f.locale_display_name(true)), "International");
  EXPECT_EQ(f.locale_name(), "i18n.CP1252@i18n");
  EXPECT_EQ(text(f.encoding_display_name()), "Western European (Windows)");
  EXPECT_EQ(text(f.sort_order_display_name()), "Unicode collation");
  // A null record stands for the built-in one.
  EXPECT_EQ(zv_locale_ident_impl(nullptr, 1).locale_name(), "i18n.CP1252@i18n");
}

TEST(IdentFacet, ClassicLocaleHasNone) {
  try {
    (void)zv_use_facet<zv_locale_ident>(zv_locale::classic());
    FAIL() << "the classic locale has no identification";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_NO_FACET);
  }
}

}  // namespace
