#include <algorithm>
#include <sstream>

#include "kti18n/locale/codecvt.h"

#include "catalog_support.h"

namespace {

using V = std::vector<unsigned>;

// True when every LCID of `lcids` has the given language (or country) code.
bool all_have(const V& lcids, const char* (zv_locale_ident::*code)() const, const std::string& wanted) {
  for (unsigned lcid : lcids) {
    if ((zv_locale_catalog::GetInstance()->GetLocaleIdentification(lcid)->*code)() != wanted) return false;
  }
  return true;
}

bool contains(const V& lcids, const V& wanted) {
  return std::includes(lcids.begin(), lcids.end(), wanted.begin(), wanted.end());
}

TEST_F(CatalogTest, ModuleRegistersItsRecords) {
  EXPECT_TRUE(contains(catalog().GetRegisteredLocales(), V{1031, 1033, 1036, 1041, 3084, 31000}));
  ASSERT_NE(catalog().GetStorage(1036), nullptr);
  EXPECT_EQ(catalog().GetStorage(1036)->lcid, 1036u);
  EXPECT_EQ(catalog().GetStorage(4242), nullptr);
  ASSERT_NE(catalog().GetLocaleIdentification(3084), nullptr);
  EXPECT_EQ(catalog().GetLocaleIdentification(3084)->locale_name(), "fr_CA.CP1252@fr_CA");
  EXPECT_EQ(text(catalog().GetLocaleIdentification(31000)->locale_display_name(true)), "International");
  EXPECT_EQ(catalog().GetLocaleIdentification(4242), nullptr);
}

TEST_F(CatalogTest, MatchesByParts) {
  EXPECT_EQ(match("fr_CA"), V{3084});
  const V french = match("fr");
  EXPECT_TRUE(contains(french, V{1036, 3084}));
  EXPECT_TRUE(std::is_sorted(french.begin(), french.end()));
  EXPECT_EQ(french.front(), 1036u);  // the best match first
  EXPECT_TRUE(all_have(french, &zv_locale_ident::language_code_2, "fr"));
  const V france = match("_FR");
  EXPECT_TRUE(contains(france, V{1036}));
  EXPECT_TRUE(all_have(france, &zv_locale_ident::country_code_2, "FR"));
  EXPECT_EQ(match("fr_FR.CP1252"), V{1036});
  EXPECT_EQ(match("fr_FR.CP1252@fr_FR"), V{1036});
  EXPECT_EQ(match("ja_JP.CP932"), V{1041});
  EXPECT_EQ(match("_.CP1252"), kNoMatch);  // neither language nor country: nothing to return
  // Without a dot the at sign is part of the country.
  EXPECT_EQ(match("fr_FR@fr_FR"), kNoMatch);
}

TEST_F(CatalogTest, NoMatchLeavesTheListAlone) {
  std::vector<unsigned> lcids{7, 8};
  EXPECT_EQ(catalog().QueryMatchingLocales("", lcids, false), ZV_S_NOTHING_MATCHED);
  EXPECT_EQ(catalog().QueryMatchingLocales(nullptr, lcids, false), ZV_S_NOTHING_MATCHED);
  EXPECT_EQ(catalog().QueryMatchingLocales("xx_FR", lcids, true), ZV_S_NOTHING_MATCHED);
  EXPECT_EQ(lcids, (V{7, 8}));
}

TEST_F(CatalogTest, KeysAreCaseSensitive) {
  EXPECT_EQ(match("FR_ca"), kNoMatch);
  EXPECT_EQ(match("fr_ca", true), kNoMatch);
  EXPECT_EQ(match("fr_FR.cp1252"), kNoMatch);
}

TEST_F(CatalogTest, EmptyIntersectionIsNoMatchEvenWithCreate) {
  const std::size_t loaded = catalog().GetRegisteredLocales().size();
  EXPECT_EQ(match("fr_JP"), kNoMatch);
  EXPECT_EQ(match("fr_JP", true), kNoMatch);
  EXPECT_EQ(match("fr_CA@nosuchsort", true), kNoMatch);
  EXPECT_EQ(catalog().GetRegisteredLocales().size(), loaded);
}

TEST_F(CatalogTest, UnknownEncodingIsIgnoredOnlyWhenCreating) {
  const std::size_t loaded = catalog().GetRegisteredLocales().size();
  EXPECT_EQ(match("fr_CA.BOGUS"), kNoMatch);
  EXPECT_EQ(match("fr_CA.BOGUS", true), V{3084});
  EXPECT_EQ(catalog().GetRegisteredLocales().size(), loaded);
}

TEST_F(CatalogTest, CustomLocaleTakesAnotherLocalesEncoding) {
  const std::size_t loaded = catalog().GetRegisteredLocales().size();
  EXPECT_EQ(match("fr_CA.CP932"), kNoMatch);
  EXPECT_EQ(match("fr_CA.CP932", true), V{32001});
  const zv_locale_ident* ident = catalog().GetLocaleIdentification(32001);
  ASSERT_NE(ident, nullptr);
  // French Canadian, with the encoding of ja_JP and the sort order of 31000.
  EXPECT_EQ(ident->locale_name(), "fr_CA.CP932@i18n");
  EXPECT_EQ(text(ident->encoding_display_name()), "Japanese (Windows-932)");
  EXPECT_EQ(text(ident->sort_order_display_name()), "Unicode collation");
  EXPECT_EQ(text(ident->locale_display_name(false)), "français (Canada)");
  // The custom record shares the base record's data.
  EXPECT_EQ(catalog().GetStorage(32001)->numeric, catalog().GetStorage(3084)->numeric);
  EXPECT_EQ(catalog().GetStorage(32001)->lcid, 32001u);

  // Asked again, it is found rather than made again.
  EXPECT_EQ(match("fr_CA.CP932", true), V{32001});
  EXPECT_EQ(match("fr_CA"), (V{3084, 32001}));
  EXPECT_EQ(catalog().GetRegisteredLocales().size(), loaded + 1);
}

TEST_F(CatalogTest, CustomLocaleWithAnEncodingNoLocaleUses) {
  // While other parts match, an encoding no locale uses is ignored...
  EXPECT_EQ(match("fr_CA.ISO-8859-2", true), V{3084});
  // ...but when nothing else is left, the converters' name makes a custom locale.
  std::vector<unsigned> lcids;
  const std::string name = "fr_CA.ISO-8859-2@de_DE";
  ASSERT_EQ(catalog().QueryMatchingLocales(name.c_str(), lcids, true), ZV_S_OK);
  ASSERT_EQ(lcids, V{32001});
  const zv_locale_ident* ident = catalog().GetLocaleIdentification(32001);
  EXPECT_EQ(ident->locale_name(), "fr_CA.ISO-8859-2@de_DE");
  // The record keeps the converters' own copy of the name, not the caller's text.
  const char* tableName = "ISO-8859-2";
  const unsigned char* display = zv_codecvt::GetEncodingDisplayName(tableName);
  EXPECT_EQ(ident->encoding_technical_name(), tableName);
  EXPECT_EQ(text(ident->encoding_display_name()), text(ucs2string(display)));
  EXPECT_EQ(match("fr_CA.ISO-8859-2"), (V{32001}));
  EXPECT_EQ(match("_.ISO-8859-2", true), V{32002});
  EXPECT_EQ(catalog().GetLocaleIdentification(32002)->locale_name(), "i18n.ISO-8859-2@i18n");
  // An encoding nobody knows makes nothing.
  EXPECT_EQ(match("_.NOSUCHENCODING", true), kNoMatch);
}

TEST_F(CatalogTest, CustomLocaleTakesAnotherLocalesSortOrder) {
  EXPECT_EQ(match("fr_CA.CP1252@de_DE"), kNoMatch);
  EXPECT_EQ(match("fr_CA.CP1252@de_DE", true), V{32001});
  // Encoding from the lowest LCID under CP1252 (de_DE), sort order of de_DE.
  EXPECT_EQ(catalog().GetLocaleIdentification(32001)->locale_name(), "fr_CA.CP1252@de_DE");
  EXPECT_EQ(match("fr_CA.CP1252@de_DE", true), V{32001});
}

TEST_F(CatalogTest, EmptyNameWithCreateCopiesTheNeutralLocaleEachTime) {
  EXPECT_EQ(match("", true), V{32001});
  EXPECT_EQ(match("", true), V{32002});
  EXPECT_EQ(catalog().GetLocaleIdentification(32002)->locale_name(), "i18n.CP1252@i18n");
  // A custom copy rebuilds its display name from its parts.
  EXPECT_EQ(text(catalog().GetLocaleIdentification(32002)->locale_display_name(false)), "i18n");
}

TEST_F(CatalogTest, RegistrationRejectsBadAndDuplicateRecords) {
  static const zv_locale_ident_impl::StaticStorage ident = {
      "FR", "oc", nullptr, "oc_FR", reinterpret_cast<const unsigned char*>("Western"), "CP1252", nullptr};
  static const zv_locale_storage record = {30001, &ident, nullptr, nullptr, nullptr};
  static const zv_locale_storage duplicate = {1036, &ident, nullptr, nullptr, nullptr};
  static const zv_locale_storage noIdent = {30002, nullptr, nullptr, nullptr, nullptr};

  catalog().GetRegisteredLocales();  // Register alone does not load the module
  EXPECT_EQ(catalog().Register(&record), ZV_S_OK);
  EXPECT_EQ(catalog().Register(&record), ZV_E_INVALID_DATA);
  EXPECT_EQ(catalog().Register(&duplicate), ZV_E_INVALID_DATA);
  EXPECT_EQ(catalog().Register(&noIdent), ZV_E_INVALID_DATA);
  EXPECT_EQ(catalog().Register(nullptr), ZV_E_INVALID_DATA);

  // The rejected records were not indexed: one entry each for 30001 and 1036.
  EXPECT_EQ(match("oc_FR"), V{30001});
  EXPECT_EQ(match("oc"), V{30001});
  EXPECT_EQ(match("fr_FR"), V{1036});
  std::ostringstream trace;
  catalog().Trace(trace);
  const std::string dump = trace.str();
  EXPECT_EQ(dump.find("oc,30001"), dump.rfind("oc,30001"));
  EXPECT_EQ(dump.find("fr_FR,1036"), dump.rfind("fr_FR,1036"));
  EXPECT_EQ(catalog().GetStorage(1036)->ident->language, std::string("fr"));
  // Each refusal is remembered, in order, after the indexes.
  EXPECT_NE(dump.find("****** Refused ******\n30001,0x80041123\n1036,0x80041123\n30002,0x80041123\n"
                      "0,0x80041123\n"),
            std::string::npos)
      << dump;
}

TEST_F(CatalogTest, TraceListsTheFourIndexes) {
  catalog().GetRegisteredLocales();  // loads the module
  std::ostringstream out;
  catalog().Trace(out);
  // Four sections in this order, each entry "key,LCID", keys in byte order.
  const char* const headers[] = {"***** Languages *****", "**** Territories ****", "***** Encoding ******",
                                 "***** Collation *****"};
  const char* const expected[][3] = {{"de,1031", "fr,1036", "fr,3084"},
                                     {"CA,3084", "JP,1041", "i18n,31000"},
                                     {"CP1252,31000", "CP1252,1036", "CP932,1041"},
                                     {"fr_CA,3084", "i18n,31000", "ja_JP,1041"}};
  std::istringstream lines(out.str());
  std::string line;
  int section = -1;
  std::string previous_key;
  std::vector<std::vector<std::string>> entries(4);
  while (std::getline(lines, line)) {
    if (section + 1 < 4 && line == headers[section + 1]) {
      ++section;
      previous_key.clear();
      continue;
    }
    ASSERT_GE(section, 0) << line;
    const std::string key = line.substr(0, line.find(','));
    EXPECT_LE(previous_key, key) << line;
    previous_key = key;
    entries[section].push_back(line);
  }
  EXPECT_EQ(section, 3);
  for (int i = 0; i < 4; ++i) {
    for (const char* entry : expected[i]) {
      EXPECT_NE(std::find(entries[i].begin(), entries[i].end(), entry), entries[i].end()) << entry;
    }
  }
  // Equal keys keep insertion order: the neutral locale registers first.
  const auto& encodings = entries[2];
  EXPECT_LT(std::find(encodings.begin(), encodings.end(), "CP1252,31000"),
            std::find(encodings.begin(), encodings.end(), "CP1252,1036"));
}

}  // namespace
