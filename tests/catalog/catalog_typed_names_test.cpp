// Locale names as people type them and hosts hand them over: BCP 47 tags,
// POSIX names and the catalog's own printed names.
#include "catalog_support.h"

namespace {

class TypedNamesTest : public CatalogTest {
 protected:
  // The LCID a name resolves to, or the status when nothing fits.
  static unsigned resolve(const char* name) {
    unsigned lcid = 4242;
    const zvStatus status = catalog().ResolveLocaleName(name, lcid);
    return status == ZV_S_OK ? lcid : static_cast<unsigned>(status);
  }
  static std::string encoding_of(unsigned lcid) {
    const zv_locale_ident* ident = catalog().GetLocaleIdentification(lcid);
    return ident ? ident->encoding_technical_name() : "<none>";
  }
  static std::string name_of(unsigned lcid) {
    const zv_locale_ident* ident = catalog().GetLocaleIdentification(lcid);
    return ident ? ident->locale_name() : "<none>";
  }
};

const unsigned kNothing = static_cast<unsigned>(ZV_S_NOTHING_MATCHED);

TEST_F(TypedNamesTest, Bcp47TagsInAnyCase) {
  for (const char* tag : {"de-DE", "de-de", "DE-DE", "de_de", "de-Latn-DE", "de-DE-u-nu-latn", "de-DE-x-private"})
    EXPECT_EQ(resolve(tag), 1031u) << tag;
  EXPECT_EQ(resolve("fr-CA"), 3084u);
  EXPECT_EQ(resolve("fr"), 1036u);  // the language alone: its first locale
  // A country the catalog does not hold for the language falls back to it.
  EXPECT_EQ(name_of(resolve("fr-AQ")), name_of(1036));
  EXPECT_EQ(name_of(resolve("es-419")), name_of(resolve("es")));
}

TEST_F(TypedNamesTest, ScriptSubtagsChooseAmongScriptVariants) {
  EXPECT_EQ(resolve("zh-Hant-TW"), 1028u);
  EXPECT_EQ(encoding_of(resolve("zh-Hant")), "CP950");
  EXPECT_EQ(encoding_of(resolve("zh-hans")), "CP936");
  EXPECT_EQ(name_of(resolve("zh-Hans-CN")), name_of(resolve("zh_CN")));
  // The only Serbian locale is written in Latin script.
  EXPECT_EQ(name_of(resolve("sr-Latn-RS")), "sr_BA.CP1250@sr_BA");
}

// Codes people type for a language the catalog files under another code.
TEST_F(TypedNamesTest, ThreeLetterAndSuccessorLanguageCodes) {
  for (const char* tag : {"nb", "nb-NO", "nb_NO.UTF-8", "nn-NO", "no", "nor"})
    EXPECT_EQ(name_of(resolve(tag)).substr(0, 5), "no_NO") << tag;
  EXPECT_EQ(resolve("nb-NO"), 1044u);  // Norwegian Bokmal, from CLDR's nb
  EXPECT_EQ(resolve("deu_DE"), 1031u);
  EXPECT_EQ(resolve("fra-CA"), 3084u);
  EXPECT_EQ(name_of(resolve("iw")), name_of(resolve("he")));
  EXPECT_EQ(name_of(resolve("heb_IL")), name_of(resolve("he_IL")));
  EXPECT_EQ(name_of(resolve("in-ID")), name_of(resolve("id-ID")));
  EXPECT_EQ(name_of(resolve("mo-MD")), name_of(resolve("ro-MD")));
  EXPECT_EQ(resolve("fil-PH"), 1124u);  // Filipino, filed as Tagalog
  EXPECT_EQ(resolve("xyz"), kNothing);
}

TEST_F(TypedNamesTest, PosixNamesAsHostsGiveThem) {
  EXPECT_EQ(resolve("de_DE"), 1031u);
  EXPECT_EQ(resolve("de_DE@euro"), 1031u);
  EXPECT_EQ(resolve("de_DE.CP1252"), 1031u);
  const unsigned utf8 = resolve("de_DE.UTF-8");
  EXPECT_EQ(resolve("de_DE.utf8"), utf8);
  EXPECT_EQ(resolve("de_DE.Utf-8@euro"), utf8);
  EXPECT_EQ(encoding_of(utf8), "UTF-8");
  EXPECT_EQ(catalog().GetLocaleIdentification(utf8)->language_code_2(), std::string("de"));
  EXPECT_EQ(catalog().GetLocaleIdentification(utf8)->country_code_2(), std::string("DE"));
  // A codeset the catalog's encodings lack is ignored, not an error.
  EXPECT_EQ(resolve("de_DE.ISO-8859-99"), 1031u);
  for (const char* classic : {"C", "POSIX", "C.UTF-8", "C.utf8", "POSIX.UTF-8"})
    EXPECT_EQ(resolve(classic), zv_locale_catalog::kClassicLcid) << classic;
}

TEST_F(TypedNamesTest, PrintedNamesResolveToTheirOwnLocale) {
  for (unsigned lcid : catalog().GetRegisteredLocales()) EXPECT_EQ(resolve(name_of(lcid).c_str()), lcid) << lcid;
  EXPECT_EQ(resolve("i18n"), zv_locale_catalog::kNeutralLcid);
}

TEST_F(TypedNamesTest, UnknownNamesMatchNothing) {
  for (const char* name : {"", "xx-YY", "x", "123", "-DE", "de--", "C-UTF-8"}) EXPECT_EQ(resolve(name), kNothing) << name;
  unsigned lcid = 7;
  EXPECT_EQ(catalog().ResolveLocaleName(nullptr, lcid), ZV_S_NOTHING_MATCHED);
  EXPECT_EQ(lcid, 7u);
}

TEST_F(TypedNamesTest, GetLocaleGivesTheResolvedLocale) {
  EXPECT_FALSE(zv_has_facet<zv_locale_ident>(catalog().GetLocale(zv_locale_catalog::kClassicLcid)));
  const zv_locale german = catalog().GetLocale(resolve("de-DE"));
  EXPECT_EQ(zv_use_facet<zv_locale_ident>(german).locale_name(), name_of(1031));
  EXPECT_THROW(catalog().GetLocale(4242), ZVException);
}

}  // namespace
