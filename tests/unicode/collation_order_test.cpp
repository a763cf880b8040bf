// Orders that users of each language expect, from published alphabets, and
// the properties sort keys must keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kti18n/unicode/collation_engine.h"

namespace {

using namespace kti18n_collation;

std::u32string U32(const char* utf8) {
  std::u32string out;
  const auto* p = reinterpret_cast<const unsigned char*>(utf8);
  DecodeUtf8(p, p + std::char_traits<char>::length(utf8), out);
  return out;
}

std::string Key(const CollationTables& t, const char* text) {
  std::string key;
  BuildKey(t, U32(text), key);
  return key;
}

// Each word sorts strictly before the next, by comparison and by key.
void ExpectOrder(const char* language, std::vector<const char*> words) {
  const CollationTables& t = CollationTables::ForLanguage(language);
  for (std::size_t i = 1; i < words.size(); ++i) {
    EXPECT_LT(Compare(t, U32(words[i - 1]), U32(words[i])), 0) << language << ": " << words[i - 1] << " < " << words[i];
    EXPECT_GT(Compare(t, U32(words[i]), U32(words[i - 1])), 0) << language << ": " << words[i] << " > " << words[i - 1];
    EXPECT_LT(Key(t, words[i - 1]), Key(t, words[i])) << language << " keys: " << words[i - 1] << " < " << words[i];
  }
}

TEST(CollationOrder, RootOrdersLettersBeforeCaseBeforeAccents) {
  ExpectOrder("", {"a", "A", "á", "Á", "ab", "b", "z"});
  ExpectOrder("", {"cote", "coté", "côte", "côté"});
  ExpectOrder("", {"resume", "Resume", "résumé", "Résumé", "resumes"});
  ExpectOrder("fr", {"a", "å", "ab", "z"});  // no tailoring: root
}

TEST(CollationOrder, NordicLettersFollowZ) {
  ExpectOrder("sv", {"a", "z", "å", "Å", "ä", "Ä", "ö", "Ö"});
  ExpectOrder("sv", {"zzz", "å", "åa", "äa", "öa"});
  ExpectOrder("fi", {"z", "å", "ä", "ö"});
  ExpectOrder("da", {"z", "æ", "ø", "å"});
  ExpectOrder("nb", {"z", "æ", "ø", "å"});
  ExpectOrder("no", {"z", "æ", "ø", "å"});
  ExpectOrder("is", {"a", "á", "b", "d", "ð", "e", "é", "f", "z", "þ", "æ", "ö"});
  // Danish and Norwegian: aa is a spelling of å.
  ExpectOrder("da", {"z", "å", "aa"});
}

TEST(CollationOrder, LatinAlphabetsWithExtraLetters) {
  ExpectOrder("es", {"n", "nz", "ñ", "Ñ", "o"});
  ExpectOrder("cs", {"c", "cz", "č", "h", "hz", "ch", "Ch", "CH", "i", "r", "ř", "s", "š", "z", "ž"});
  ExpectOrder("sk", {"a", "az", "ä", "h", "ch", "i", "o", "ô", "p"});
  ExpectOrder("pl", {"a", "az", "ą", "c", "ć", "e", "ę", "l", "ł", "n", "ń", "o", "ó", "s", "ś", "z", "ź", "ż"});
  ExpectOrder("hu", {"c", "cz", "cs", "d", "dz", "dzs", "e", "o", "ö", "ő", "p", "u", "ü", "ű", "v"});
  ExpectOrder("tr", {"c", "ç", "d", "g", "ğ", "h", "ı", "I", "i", "İ", "j", "o", "ö", "p", "s", "ş", "t", "u", "ü", "v"});
  ExpectOrder("lt", {"h", "i", "į", "y", "j"});
  ExpectOrder("lv", {"c", "č", "d", "i", "y", "j", "k", "ķ", "l", "ļ", "m"});
  ExpectOrder("et", {"s", "š", "z", "ž", "t", "w", "õ", "ä", "ö", "ü", "x"});
  ExpectOrder("ro", {"a", "ă", "â", "b", "s", "ș", "t", "ț", "u"});
  ExpectOrder("hr", {"c", "č", "ć", "d", "dž", "đ", "e", "l", "lj", "m", "n", "nj", "o"});
  ExpectOrder("sl", {"c", "č", "ć", "d", "s", "š", "z", "ž"});
}

TEST(CollationOrder, HungarianDoubledDigraphsSortAsTwoDigraphs) {
  // "ccs" is "cs" + "cs": it sorts with "cscs", a tertiary difference away.
  const CollationTables& hu = CollationTables::ForLanguage("hu");
  EXPECT_LT(Compare(hu, U32("cscs"), U32("ccs")), 0);
  EXPECT_LT(Compare(hu, U32("ccs"), U32("csd")), 0);
}

TEST(CollationOrder, TailoredLettersComposeWithFurtherMarks) {
  // Precomposed and decomposed spellings are the same text; an extra mark
  // on a tailored letter keeps it in that letter's place.
  const CollationTables& sv = CollationTables::ForLanguage("sv");
  EXPECT_EQ(Compare(sv, U32("\u00E5"), U32("a\u030A")), 0);
  ExpectOrder("sv", {"z", "\u00E5", "\u01FB", "\u00E4"});  // ǻ is å with an acute
  EXPECT_EQ(Key(sv, "\u00C5ngstr\u00F6m"), Key(sv, "A\u030Angstro\u0308m"));
}

TEST(CollationOrder, ImplicitWeightsOrderHanAndUnassigned) {
  // Core Han ideographs in code point order, after all letters; then
  // extension A; unassigned code points last.
  ExpectOrder("", {"z", "\u4E00", "\u4E01", "\u9FA5", "\u3400", "\U00020000", "\U000E0080"});
}

TEST(CollationKeys, HaveNoZeroBytesAndStayShort) {
  const CollationTables& root = CollationTables::Root();
  for (const char* text : {"", "a", "Hello, world", "Ærøskøbing", "\u4E2D\u6587", "a\u0301\u0316"}) {
    std::string key = Key(root, text);
    EXPECT_EQ(key.find('\0'), std::string::npos) << text;
  }
  // Lowercase Latin: two primary bytes, one secondary and one tertiary run
  // byte, one identical-level byte per letter, and three separators.
  EXPECT_EQ(Key(root, "collation").size(), 9 * 2 + 1 + 1 + 9 + 3);
}

TEST(CollationKeys, SurrogatePairsAreSupplementaryCharacters) {
  // U+20000 (Han extension B) sorts after U+FFFD's neighbours as a
  // character, not as two surrogates.
  const unsigned short pair[] = {0xD840, 0xDC00};
  std::u32string text;
  DecodeUtf16(pair, pair + 2, text);
  ASSERT_EQ(text, std::u32string(1, U'\U00020000'));
  const unsigned short lone[] = {0xDC00, 0x61};
  DecodeUtf16(lone, lone + 2, text);
  EXPECT_EQ(text, (std::u32string{0xDC00, U'a'}));
}

TEST(CollationKeys, MalformedUtf8StaysDistinctAndOrdered) {
  const CollationTables& root = CollationTables::Root();
  std::u32string a, b;
  const unsigned char bad1[] = {'a', 0xC0, 0x80}, bad2[] = {'a', 0xFF};
  DecodeUtf8(bad1, bad1 + 3, a);
  DecodeUtf8(bad2, bad2 + 2, b);
  EXPECT_EQ(a, (std::u32string{U'a', 0xDCC0, 0xDC80}));
  EXPECT_NE(Compare(root, a, b), 0);
  EXPECT_EQ(Compare(root, a, b), -Compare(root, b, a));
}

TEST(CollationKeys, SortingByKeyEqualsSortingByComparison) {
  const CollationTables& sv = CollationTables::ForLanguage("sv");
  std::vector<std::u32string> words;
  for (const char* w : {"Öl", "öl", "ål", "Al", "al", "äl", "zebra", "Zebra", "z", "ab", "a", "A", "aa", "å",
                        "co-op", "coop", "Co-op", "1", "10", "2", "\u00E9t\u00E9", "ete", "\u00C9t\u00E9"})
    words.push_back(U32(w));
  auto by_compare = words, by_key = words;
  std::sort(by_compare.begin(), by_compare.end(),
            [&](const auto& x, const auto& y) { return Compare(sv, x, y) < 0; });
  std::sort(by_key.begin(), by_key.end(), [&](const auto& x, const auto& y) {
    std::string kx, ky;
    BuildKey(sv, x, kx);
    BuildKey(sv, y, ky);
    return kx < ky;
  });
  EXPECT_EQ(by_compare, by_key);
}

}  // namespace
