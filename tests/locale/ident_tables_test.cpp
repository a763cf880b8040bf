#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "kti18n/locale/languages.h"
#include "kti18n/text/ucs2string.h"

namespace {

std::string text(const unsigned short* s) { return s ? ucs2string(s).to_utf8() : std::string("<null>"); }

TEST(IdentTables, RowsAreSortedUniqueAndComplete) {
  EXPECT_EQ(zv_languages::end() - zv_languages::begin(), 139);
  EXPECT_EQ(zv_countries::end() - zv_countries::begin(), 240);
  auto byCode = [](const auto& a, const auto& b) { return std::strcmp(a.code2, b.code2) < 0; };
  EXPECT_TRUE(std::adjacent_find(zv_languages::begin(), zv_languages::end(),
                                 [&](const auto& a, const auto& b) { return !byCode(a, b); }) == zv_languages::end());
  EXPECT_TRUE(std::adjacent_find(zv_countries::begin(), zv_countries::end(),
                                 [&](const auto& a, const auto& b) { return !byCode(a, b); }) == zv_countries::end());
  // Every row is found by its own code, so the binary search agrees with the order.
  for (const auto* r = zv_languages::begin(); r != zv_languages::end(); ++r)
    EXPECT_EQ(zv_languages::LookUpByTwoLetters(r->code2), r) << r->code2;
  for (const auto* r = zv_countries::begin(); r != zv_countries::end(); ++r)
    EXPECT_EQ(zv_countries::LookUpByTwoLetters(r->code2), r) << r->code2;
}

TEST(IdentTables, TwoLetterLookUpIsExactAndSafe) {
  EXPECT_EQ(text(zv_languages::LookUpByTwoLetters("iw")->GetEnglishName()), "Hebrew");
  EXPECT_EQ(zv_languages::LookUpByTwoLetters("EN"), zv_languages::end());
  EXPECT_EQ(zv_countries::LookUpByTwoLetters("fr"), zv_countries::end());
  EXPECT_EQ(zv_languages::LookUpByTwoLetters(nullptr), zv_languages::end());
  EXPECT_EQ(zv_languages::LookUpByTwoLetters(""), zv_languages::end());
  EXPECT_EQ(zv_languages::LookUpByTwoLetters("e"), zv_languages::end());
  EXPECT_EQ(zv_countries::LookUpByTwoLetters("\xC3\xA9"), zv_countries::end());
}

TEST(IdentTables, ThreeLetterLookUpTakesTheFirstRowOfASharedCode) {
  EXPECT_STREQ(zv_languages::LookUpByThreeLetters("ind")->GetIsoCode2(), "id");
  EXPECT_STREQ(zv_languages::LookUpByThreeLetters("heb")->GetIsoCode2(), "he");
  EXPECT_STREQ(zv_languages::LookUpByThreeLetters("yid")->GetIsoCode2(), "ji");
  EXPECT_STREQ(zv_languages::LookUpByThreeLetters("mol")->GetIsoCode2(), "mo");
  EXPECT_STREQ(zv_countries::LookUpByThreeLetters("GBR")->GetIsoCode2(), "GB");
  EXPECT_EQ(zv_countries::LookUpByThreeLetters("gbr"), zv_countries::end());
  EXPECT_EQ(zv_languages::LookUpByThreeLetters(nullptr), zv_languages::end());
}

TEST(IdentTables, LibraryWordingWinsOverIso) {
  EXPECT_EQ(text(zv_languages::LookUpByTwoLetters("be")->GetEnglishName()), "Byelorussian");
  EXPECT_EQ(text(zv_languages::LookUpByTwoLetters("se")->GetEnglishName()), "Sami");
  EXPECT_EQ(text(zv_languages::LookUpByTwoLetters("tr")->GetEnglishName()), "Türkish");
  EXPECT_EQ(text(zv_languages::LookUpByTwoLetters("es")->GetEnglishName()), "Spanish");
  EXPECT_EQ(text(zv_languages::LookUpByTwoLetters("fr")->GetDisplayName()), "français");
  EXPECT_EQ(text(zv_languages::LookUpByTwoLetters("lt")->GetDisplayName()), "Lietuviř");
  // No native name: the display name is the English one.
  EXPECT_EQ(text(zv_languages::LookUpByTwoLetters("eu")->GetDisplayName()), "Basque");

  struct Row {
    const char* code;
    const char* code3;
    int numeric;
    const char* shortName;
    const char* longName;
  };
  const Row rows[] = {
      {"AD", "AND", 20, "Andorra", "Principality of Andorra"},
      {"CN", "CHN", 156, "China", "People's, Republic of China"},
      {"FX", "FXX", 249, "France, Metropolitan", "<null>"},
      {"GB", "GBR", 826, "United Kingdom", "United Kingdom of Great Britain and Northern Ireland"},
      {"PS", "PSE", 65535, "Palestine", "<null>"},
      {"TP", "TMP", 626, "East Timor (provisional)", "<null>"},
      {"TW", "TWN", 158, "Taiwan, Province of China", "<null>"},
      {"US", "USA", 840, "United States", "United States of America"},
      {"YU", "YUG", 891, "Yugoslavia", "Federal Republic of Yugoslavia"},
      {"AN", "ANT", 530, "Netherlands Antilles", "<null>"},
  };
  for (const Row& r : rows) {
    const auto* c = zv_countries::LookUpByTwoLetters(r.code);
    ASSERT_NE(c, zv_countries::end()) << r.code;
    EXPECT_STREQ(c->GetIsoCode3(), r.code3);
    EXPECT_EQ(c->GetNumericCode(), r.numeric) << r.code;
    EXPECT_EQ(text(c->GetShortName()), r.shortName);
    EXPECT_EQ(text(c->GetLongName()), r.longName);
  }
}

// The committed tables are what the generator writes from the committed lists.
TEST(IdentTables, GeneratorReproducesTheCommittedSource) {
  if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not available";
  const std::string out = testing::TempDir() + "ident_tables_regenerated.cpp";
  const std::string command =
      std::string("python3 ") + KTI18N_SOURCE_DIR + "/tools/gen_ident_tables.py " + KTI18N_SOURCE_DIR +
      "/tools/iso-codes " + out;
  ASSERT_EQ(std::system(command.c_str()), 0);
  auto slurp = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(slurp(out), slurp(std::string(KTI18N_SOURCE_DIR) + "/kti18n/locale/ident_tables.cpp"));
  std::remove(out.c_str());
}

}  // namespace
