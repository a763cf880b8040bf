// The collation facet over the collation layer: code-unit order without a
// collation, the language's order with one, sort keys that keep the order,
// hashes, and the locale's comparison.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "kti18n/locale/collate.h"
#include "kti18n/unicode/collation.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8string.h"

namespace {

using Units = std::vector<unsigned short>;

// A facet with a collation, as locales built from locale data get one.
class NamedCollate : public zv_collate {
 public:
  explicit NamedCollate(const std::string& name) : zv_collate(name) {}
};

int Sign(int v) { return (v > 0) - (v < 0); }

int Compare(const zv_collate& facet, const Units& a, const Units& b) {
  return facet.compare(a.data(), a.data() + a.size(), b.data(), b.data() + b.size());
}

TEST(Collate, OrdersThatAgreeWithAndWithoutACollation) {
  zv_collate plain(0);
  NamedCollate named("fr_FR");
  ASSERT_EQ(plain.GetImpl(), nullptr);
  ASSERT_NE(named.GetImpl(), nullptr);
  EXPECT_EQ(named.GetImpl()->Name(), "fr_FR");
  struct Case {
    Units a, b;
    int expected;
  } cases[] = {
      {{'a', 'b', 'c'}, {'a', 'b', 'd'}, -1},
      {{'a', 'b'}, {'a', 'b', 'c'}, -1},
      {{'a', 'b', 'c'}, {'a', 'b'}, 1},
      {{'a', 'b', 'c'}, {'a', 'b', 'c'}, 0},
      {{}, {}, 0},
      {{}, {'a'}, -1},
      {{0xFFFF}, {'A'}, 1},  // units compare as unsigned numbers
      {{0x8000}, {0x7FFF}, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Compare(plain, c.a, c.b), c.expected);
    EXPECT_EQ(Compare(named, c.a, c.b), c.expected);
  }
  const unsigned char x[] = {'a', 0xE9}, y[] = {'a', 'z'};
  EXPECT_EQ(plain.compare(x, x + 2, y, y + 2), 1);  // bytes as unsigned too
  EXPECT_EQ(named.compare(y, y + 2, x, x + 2), -1);
  EXPECT_EQ(plain.compare(x, x + 1, x, x + 2), -1);
}

TEST(Collate, NamedCollationOrdersByLanguageNotByCodeUnit) {
  zv_collate plain(0);
  NamedCollate root("i18n"), swedish("sv_SE");
  EXPECT_EQ(root.GetImpl()->Language(), "");
  EXPECT_EQ(swedish.GetImpl()->Language(), "sv");
  const Units upper_b = {'B'}, lower_a = {'a'}, z = {'z'}, a_ring = {0xE5}, a_ring_decomposed = {'a', 0x30A};
  EXPECT_EQ(Compare(plain, upper_b, lower_a), -1);
  EXPECT_EQ(Compare(root, upper_b, lower_a), 1);
  EXPECT_EQ(Compare(root, a_ring, z), -1);
  EXPECT_EQ(Compare(swedish, a_ring, z), 1);
  EXPECT_EQ(Compare(swedish, a_ring, a_ring_decomposed), 0);
  // The byte form reads UTF-8 and agrees with the UCS-2 form.
  const unsigned char aring8[] = {0xC3, 0xA5}, z8[] = {'z'};
  EXPECT_EQ(swedish.compare(aring8, aring8 + 2, z8, z8 + 1), 1);
  EXPECT_EQ(root.compare(aring8, aring8 + 2, z8, z8 + 1), -1);
}

TEST(Collate, SortKeysOrderAsTheTextsDo) {
  std::mt19937 random(7);
  std::vector<Units> texts = {{}, {0}, {0, 0}, {0xFFFF}, {'a'}, {'a', 0}, {0x7F}, {0x80}, {0x3FFF}, {0x4000}};
  // Few distinct values, so that prefixes and ties are common: controls,
  // letters in both cases, a combining mark, a precomposed letter, Han, a
  // surrogate pair's halves and U+FFFF.
  const unsigned values[] = {0, 1, 'a', 'A', 'b', 0x301, 0xE1, 0x4E00, 0xD840, 0xDC00, 0xFFFF};
  for (int i = 0; i < 300; ++i) {
    Units t(random() % 5);
    for (auto& u : t) u = static_cast<unsigned short>(values[random() % std::size(values)]);
    texts.push_back(t);
  }
  zv_collate plain(0);
  NamedCollate named("en_US"), czech("cs_CZ");
  for (const zv_collate* facet : {static_cast<const zv_collate*>(&plain), static_cast<const zv_collate*>(&named),
                                  static_cast<const zv_collate*>(&czech)}) {
    for (const Units& a : texts) {
      std::string ka = facet->transform(a.data(), a.data() + a.size());
      EXPECT_EQ(ka.find('\0'), std::string::npos);
      for (const Units& b : texts) {
        std::string kb = facet->transform(b.data(), b.data() + b.size());
        ASSERT_EQ(Sign(ka.compare(kb)), Compare(*facet, a, b));
        ASSERT_EQ(Sign(std::strcmp(ka.c_str(), kb.c_str())), Compare(*facet, a, b));
      }
    }
  }
}

TEST(Collate, HashesStartFromDeadbeefAndFollowEquality) {
  zv_collate plain(0);
  NamedCollate named("");
  const long empty = static_cast<long>(static_cast<std::int32_t>(0xDEADBEEFu));
  Units a = {'a', 'b', 'c'}, b = {'a', 'b', 'c'}, c = {'a', 'b', 'd'};
  for (const zv_collate* facet : {static_cast<const zv_collate*>(&plain), static_cast<const zv_collate*>(&named)}) {
    EXPECT_EQ(facet->hash(a.data(), a.data()), empty);
    EXPECT_EQ(facet->hash(a.data(), a.data() + 3), facet->hash(b.data(), b.data() + 3));
    EXPECT_NE(facet->hash(a.data(), a.data() + 3), facet->hash(c.data(), c.data() + 3));
    long h = facet->hash(a.data(), a.data() + 3);
    EXPECT_EQ(h, static_cast<long>(static_cast<std::int32_t>(h)));  // a 32-bit value
  }
}

TEST(Collate, LocaleComparesThroughItsFacet) {
  zv_locale classic = zv_locale::classic();
  ucs2string abc("abc"), abd("abd");
  EXPECT_TRUE(classic(abc, abd));
  EXPECT_FALSE(classic(abd, abc));
  EXPECT_FALSE(classic(abc, abc));
  zv_utf8string e("\xC3\xA9"), z("z");
  EXPECT_TRUE(classic(z, e));  // byte order: 0x7A before 0xC3

  std::vector<ucs2string> words = {ucs2string("pear"), ucs2string("apple"), ucs2string("Pear"), ucs2string("app")};
  std::sort(words.begin(), words.end(), zv_use_facet<zv_collate>(classic).GetComparator());
  EXPECT_EQ(words[0], ucs2string("Pear"));
  EXPECT_EQ(words[1], ucs2string("app"));
  EXPECT_EQ(words[3], ucs2string("pear"));
}

}  // namespace

namespace {

std::vector<ucs2string> Sorted(const zv_locale& locale, std::vector<const char*> words) {
  std::vector<ucs2string> out;
  for (const char* w : words) out.emplace_back(w);
  std::sort(out.begin(), out.end(), locale);
  return out;
}

std::vector<ucs2string> Texts(std::vector<const char*> words) {
  std::vector<ucs2string> out;
  for (const char* w : words) out.emplace_back(w);
  return out;
}

TEST(Collate, NamedLocalesSortInTheirLanguagesOrder) {
  EXPECT_EQ(Sorted(zv_locale("sv_SE"), {"ö", "z", "å", "a", "ä", "Ål", "al"}), Texts({"a", "al", "z", "å", "Ål", "ä", "ö"}));
  EXPECT_EQ(Sorted(zv_locale("de_DE"), {"ö", "z", "Äpfel", "apfel", "Apfel", "o"}),
            Texts({"apfel", "Apfel", "Äpfel", "o", "ö", "z"}));
  EXPECT_EQ(Sorted(zv_locale("es_ES"), {"oso", "ñu", "nube", "Ñandú"}), Texts({"nube", "Ñandú", "ñu", "oso"}));
  EXPECT_EQ(Sorted(zv_locale("cs_CZ"), {"chata", "hrad", "ihned", "cukr", "čaj"}),
            Texts({"cukr", "čaj", "hrad", "chata", "ihned"}));
  EXPECT_EQ(Sorted(zv_locale("tr_TR"), {"ilk", "ırmak", "Istanbul", "İzmir", "hayır"}),
            Texts({"hayır", "ırmak", "Istanbul", "ilk", "İzmir"}));
}

}  // namespace
