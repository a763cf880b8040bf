#include "catalog_support.h"
#include "kti18n/locale/codecvt.h"
#include "kti18n/locale/collate.h"
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/ctype.h"
#include "kti18n/locale/numpunct.h"

namespace {

zvStatus code_of(void (*f)()) {
  try {
    f();
  } catch (const ZVException& e) {
    return e.code();
  }
  return 0;
}

TEST_F(CatalogTest, LocaleByNameCarriesTheRecordsData) {
  const zv_locale fr("fr_FR");
  EXPECT_EQ(fr.name(), "named");
  EXPECT_TRUE(zv_has_facet<zv_ctype>(fr));
  EXPECT_TRUE(zv_has_facet<zv_collate>(fr));
  EXPECT_TRUE(zv_has_facet<zv_codecvt>(fr));
  EXPECT_TRUE(zv_has_facet<zv_locale_ident>(fr));
  const auto& punct = zv_use_facet<zv_numpunct>(fr);
  EXPECT_EQ(punct.decimal_point(), u',');
  EXPECT_EQ(punct.thousands_sep(), 0x202F);
  const auto& names = zv_use_facet<zv_ctime>(fr);
  EXPECT_EQ(text(names.GetNameOfMonth(1)), "janvier");
  EXPECT_EQ(text(names.GetShortNameOfDay(6)), "dim.");
  EXPECT_EQ(zv_use_facet<zv_locale_ident>(fr).locale_name(), "fr_FR.CP1252@fr_FR");

  const zv_locale ja("ja_JP");
  EXPECT_EQ(text(zv_use_facet<zv_ctime>(ja).FindEra(2019, nullptr)), "令和");
  std::int32_t eraYear = 0;
  EXPECT_EQ(text(zv_use_facet<zv_ctime>(ja).FindEra(1988, &eraYear)), "昭和");
  EXPECT_EQ(eraYear, 63);

  // The neutral locale has the built-in punctuation and names.
  const zv_locale neutral = zv_locale_catalog_test_access::instance(31000);
  EXPECT_EQ(zv_use_facet<zv_numpunct>(neutral).decimal_point(), u'.');
  EXPECT_EQ(text(zv_use_facet<zv_ctime>(neutral).GetNameOfMonth(1)), "January");
}

TEST_F(CatalogTest, OneImplementationPerLcid) {
  const zv_locale a("fr_FR");
  const zv_locale b("fr_FR.CP1252");
  const zv_locale c("fr");  // the best match of French is the lowest LCID
  EXPECT_EQ(a._M_implementation(), b._M_implementation());
  EXPECT_EQ(a._M_implementation(), c._M_implementation());
  EXPECT_NE(a._M_implementation(), zv_locale("fr_CA")._M_implementation());
  EXPECT_TRUE(a == zv_locale("de_DE"));  // any two named locales compare equal
  EXPECT_FALSE(a == zv_locale::classic());
}

TEST_F(CatalogTest, IdentificationIsACategory) {
  const zv_locale fr("fr_FR");
  const zv_locale de("de_DE");
  // The classic locale has no identification to give.
  EXPECT_EQ(code_of([] { zv_locale(zv_locale("fr_FR"), zv_locale::classic(), zv_locale::all); }), ZV_E_NO_FACET);
  const zv_locale mixed(fr, de, zv_locale::identification);
  EXPECT_EQ(zv_use_facet<zv_locale_ident>(mixed).locale_name(), "de_DE.CP1252@de_DE");
  EXPECT_EQ(&zv_use_facet<zv_ctime>(mixed), &zv_use_facet<zv_ctime>(fr));
}

TEST_F(CatalogTest, NamesThatMatchNothingThrow) {
  EXPECT_EQ(code_of([] { zv_locale("xx_YY"); }), ZV_E_INVALID_DATA);
  EXPECT_EQ(code_of([] { zv_locale("c"); }), ZV_E_INVALID_DATA);
  EXPECT_EQ(code_of([] { zv_locale(static_cast<const char*>(nullptr)); }), ZV_E_INVALID_DATA);
  EXPECT_EQ(zv_locale("C")._M_implementation(), zv_locale::classic()._M_implementation());
  EXPECT_EQ(zv_locale("POSIX")._M_implementation(), zv_locale::classic()._M_implementation());
}

TEST_F(CatalogTest, UnregisteredLcidIsABadLcid) {
  try {
    zv_locale_catalog_test_access::instance(4242);
    FAIL() << "4242 is not registered";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_INVALID_DATA);
    EXPECT_EQ(e.message(), "bad lcid");
  }
}

TEST_F(CatalogTest, CustomLocaleByName) {
  const zv_locale custom("fr_CA.CP932");
  EXPECT_EQ(zv_use_facet<zv_locale_ident>(custom).locale_name(), "fr_CA.CP932@i18n");
  EXPECT_EQ(text(zv_use_facet<zv_ctime>(custom).GetAmPm(0)), "a.m.");
  const zv_locale central("_.CP1250");
  EXPECT_EQ(zv_use_facet<zv_locale_ident>(central).locale_name(), "i18n.CP1250@i18n");
}

TEST_F(CatalogTest, ClearStartsEmptyAndLoadsAgain) {
  const std::size_t loaded = catalog().GetRegisteredLocales().size();
  EXPECT_EQ(match("", true), std::vector<unsigned>{32001});
  const zv_locale_storage* before = catalog().GetStorage(1036);
  ASSERT_NE(before, nullptr);
  zv_locale_catalog::ClearInstance();
  // A new catalog: the module is loaded again and registers again; the
  // custom locale of the old catalog is gone and its number is free again.
  EXPECT_EQ(catalog().GetRegisteredLocales().size(), loaded);
  EXPECT_EQ(catalog().GetStorage(32001), nullptr);
  EXPECT_EQ(match("", true), std::vector<unsigned>{32001});
  {
    const zv_locale fr("fr_FR");
    EXPECT_EQ(text(zv_use_facet<zv_ctime>(fr).GetNameOfDay(0)), "lundi");
  }
  zv_locale_catalog::ClearInstance();
  zv_locale_catalog::ClearInstance();  // clearing an absent catalog does nothing
  EXPECT_EQ(zv_locale("de_DE").name(), "named");
}

}  // namespace
