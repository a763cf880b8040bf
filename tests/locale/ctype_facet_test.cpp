// The zv_ctype facet: its operations, its place in the classic locale,
// character classes by name, and whole-string case conversion.
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "kti18n/locale/ctype.h"

namespace {

const zv_ctype& ClassicCtype() { return zv_use_facet<zv_ctype>(zv_locale::classic()); }

TEST(CtypeFacet, ClassicLocaleHoldsTheBuiltInTables) {
  const zv_ctype& ct = ClassicCtype();
  EXPECT_EQ(ct.toupper('a'), 'A');
  EXPECT_EQ(ct.tolower(0x0410), 0x0430);
  EXPECT_TRUE(ct.IsDigit(0x0660));
  // Any handle on the classic locale, and a combination taking the ctype
  // category from it, find the same facet.
  EXPECT_EQ(&zv_use_facet<zv_ctype>(zv_locale("C")), &ct);
  const zv_locale combined(zv_locale::classic(), zv_locale::classic(), zv_locale::ctype);
  EXPECT_EQ(&zv_use_facet<zv_ctype>(combined), &ct);
}

TEST(CtypeFacet, IsAsksForEveryBitOfTheMask) {
  const zv_ctype& ct = ClassicCtype();
  EXPECT_TRUE(ct.is(zv_ctype::alpha, 'a'));
  EXPECT_TRUE(ct.is(zv_ctype::alpha | zv_ctype::lower, 'a'));
  EXPECT_FALSE(ct.is(zv_ctype::alpha | zv_ctype::digit, 'a'));
  EXPECT_TRUE(ct.is(zv_ctype::space, 0x3000));
  EXPECT_FALSE(ct.is(0x0080, 'a'));  // never set

  const std::vector<unsigned short> text = {'a', ' ', '7', 0x4E00};
  std::vector<unsigned> masks(text.size());
  EXPECT_EQ(ct.is(text.data(), text.data() + text.size(), masks.data()), text.data() + text.size());
  EXPECT_EQ(masks[0], unsigned{zv_ctype::print | zv_ctype::lower | zv_ctype::alpha | zv_ctype::xdigit | zv_ctype::graph});
  EXPECT_EQ(masks[1], unsigned{zv_ctype::print | zv_ctype::space});
  EXPECT_EQ(masks[2], unsigned{zv_ctype::print | zv_ctype::digit | zv_ctype::xdigit | zv_ctype::graph});
  EXPECT_EQ(masks[3], unsigned{zv_ctype::print | zv_ctype::alpha | zv_ctype::graph});
}

TEST(CtypeFacet, ScansStopAtAnySharedBit) {
  const zv_ctype& ct = ClassicCtype();
  const unsigned short text[] = {' ', '-', 'a', '1', ' '};
  const unsigned short* end = std::end(text);
  const unsigned letterOrDigit = zv_ctype::alpha | zv_ctype::digit;
  EXPECT_EQ(ct.scan_is(letterOrDigit, text, end), text + 2);
  EXPECT_EQ(ct.scan_not(zv_ctype::space, text, end), text + 1);
  EXPECT_EQ(ct.scan_not(letterOrDigit, text + 2, end), text + 4);
  EXPECT_EQ(ct.scan_is(zv_ctype::upper, text, end), end);
  EXPECT_EQ(ct.scan_not(zv_ctype::print, text, end), end);
  EXPECT_EQ(ct.scan_is(letterOrDigit, text, text), text);
  // A reversed range is empty.
  EXPECT_EQ(ct.scan_is(letterOrDigit, end, text), text);
}

TEST(CtypeFacet, WidenAndNarrowByValue) {
  const zv_ctype& ct = ClassicCtype();
  EXPECT_EQ(ct.widen('A'), 0x0041);
  EXPECT_EQ(ct.widen(static_cast<char>(0xE9)), 0x00E9);
  EXPECT_EQ(ct.narrow(0x00FE, '?'), static_cast<char>(0xFE));
  EXPECT_EQ(ct.narrow(0x00FF, '?'), '?');
  EXPECT_EQ(ct.narrow(0x0100, '?'), '?');
  EXPECT_EQ(ct.narrow(0x0000, '?'), '\0');

  const char bytes[] = {'x', static_cast<char>(0xFF), static_cast<char>(0x80)};
  unsigned short wide[3] = {};
  EXPECT_EQ(ct.widen(bytes, bytes + 3, wide), bytes + 3);
  EXPECT_EQ(wide[1], 0x00FF);
  EXPECT_EQ(wide[2], 0x0080);

  const unsigned short units[] = {'x', 0x00FF, 0x20AC, 0x00FE};
  char narrow[4] = {};
  EXPECT_EQ(ct.narrow(units, units + 4, '*', narrow), units + 4);
  EXPECT_EQ(std::string(narrow, 4), std::string("x**\xFE", 4));
}

TEST(CtypeFacet, CaseMappingOfRangesInPlace) {
  const zv_ctype& ct = ClassicCtype();
  unsigned short text[] = {'a', 0x00DF, 0x00E9, 0x03C9, 'Z', 0x00B5};
  EXPECT_EQ(ct.toupper(text, std::end(text)), std::end(text));
  EXPECT_EQ(std::vector<unsigned short>(std::begin(text), std::end(text)),
            (std::vector<unsigned short>{'A', 0x00DF, 0x00C9, 0x03A9, 'Z', 0x039C}));
  ct.tolower(text, std::end(text));
  EXPECT_EQ(std::vector<unsigned short>(std::begin(text), std::end(text)),
            (std::vector<unsigned short>{'a', 0x00DF, 0x00E9, 0x03C9, 'z', 0x03BC}));
}

TEST(CtypeFacet, EveryCodeUnitIsSafeInEveryOperation) {
  const zv_ctype& ct = ClassicCtype();
  std::vector<unsigned short> all(0x10000);
  for (unsigned c = 0; c < 0x10000; ++c) all[c] = static_cast<unsigned short>(c);
  std::vector<unsigned short> upper(all), lower(all);
  ct.toupper(upper.data(), upper.data() + upper.size());
  ct.tolower(lower.data(), lower.data() + lower.size());
  std::vector<unsigned> masks(all.size());
  ct.is(all.data(), all.data() + all.size(), masks.data());
  std::vector<char> narrow(all.size());
  ct.narrow(all.data(), all.data() + all.size(), '?', narrow.data());
  for (unsigned c = 0; c < 0x10000; ++c) {
    const auto u = static_cast<unsigned short>(c);
    ASSERT_EQ(upper[c], ct.toupper(u));
    ASSERT_EQ(lower[c], ct.tolower(u));
    ASSERT_EQ(masks[c] != 0, ct.scan_is(masks[c], &all[c], &all[c] + 1) == &all[c]);
    ASSERT_EQ(narrow[c], c < 255 ? static_cast<char>(c) : '?');
    (void)ct.totitle(u);
    (void)ct.getclass(u);
    (void)ct.getdigit(u);
  }
}

TEST(CtypeFacet, ByNameIsNotSupported) {
  try {
    zv_ctype_byname byName("en_US", 0);
    FAIL() << "zv_ctype_byname was constructed";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_CTYPE_BYNAME);
  }
  EXPECT_THROW(new zv_ctype_byname(nullptr, 1), ZVException);
}

TEST(CtypeStrings, UpperAndLowerWholeStrings) {
  const zv_locale loc = zv_locale::classic();
  const ucs2string in = "Straße, Ωμέγα & ǆ µ"_u2;
  ucs2string out = "old contents that are longer than the input"_u2;
  zv_toupper(out, in, loc);
  EXPECT_EQ(out, "STRAßE, ΩΜΈΓΑ & Ǆ Μ"_u2);
  zv_tolower(out, in, loc);
  EXPECT_EQ(out, "straße, ωμέγα & ǆ µ"_u2);  // micro sign has no lower case
  EXPECT_EQ(in, "Straße, Ωμέγα & ǆ µ"_u2);  // the input is untouched
}

TEST(CtypeStrings, OutputMayBeTheInput) {
  ucs2string s = "Mixed Case 123"_u2;
  zv_toupper(s, s, zv_locale::classic());
  EXPECT_EQ(s, "MIXED CASE 123"_u2);
  zv_tolower(s, s, zv_locale::classic());
  EXPECT_EQ(s, "mixed case 123"_u2);
}

TEST(CtypeStrings, EmptyInputGivesEmptyOutput) {
  ucs2string out = "x"_u2;
  zv_toupper(out, ucs2string(), zv_locale::classic());
  EXPECT_TRUE(out.empty());
  zv_tolower(out, ucs2string::null(), zv_locale::classic());
  EXPECT_TRUE(out.empty());
}

}  // namespace
