// Numeric punctuation: the built-in defaults and records of locale data.
#include <gtest/gtest.h>

#include "kti18n/locale/locale.h"
#include "kti18n/locale/numpunct.h"
#include "kti18n/text/ucs2string.h"

namespace {

ucs2string text(const unsigned short* s) { return ucs2string(s); }

// Reaches the protected initialisers, as a derived facet would.
struct CustomNumpunct : zv_numpunct {
  explicit CustomNumpunct(const StaticStorage* record) : zv_numpunct(record, 0) {}
  using zv_numpunct::init;
  using zv_numpunct::init_boolnames;
};

TEST(NumericPunctuation, ClassicDefaults) {
  const zv_numpunct& np = zv_use_facet<zv_numpunct>(zv_locale::classic());
  EXPECT_EQ(np.decimal_point(), u'.');
  EXPECT_EQ(np.thousands_sep(), 0);
  EXPECT_EQ(text(np.grouping()), ucs2string());
  ucs2string grouping("x");
  np.grouping(grouping);
  EXPECT_TRUE(grouping.empty());
  EXPECT_EQ(np.mode(), zv_numeric_punctuation::kNegativeSignFirst);
  EXPECT_EQ(np.positive_sign(), u'+');
  EXPECT_EQ(np.negative_sign(), u'-');
  EXPECT_EQ(np.exponent_sign(), u'e');
  EXPECT_EQ(np.GetExponent(false), u'e');
  EXPECT_EQ(np.GetExponent(true), u'E');
  EXPECT_EQ(text(np.truename()), "true"_u2);
  EXPECT_EQ(text(np.falsename()), "false"_u2);
  EXPECT_EQ(text(np.true_string()), "true"_u2);
  EXPECT_EQ(text(np.false_string()), "false"_u2);
  EXPECT_EQ(ucs2string(np.GetDigits(false), 16), "0123456789abcdef"_u2);
  EXPECT_EQ(ucs2string(np.GetDigits(true), 16), "0123456789ABCDEF"_u2);
}

TEST(NumericPunctuation, DefaultPatterns) {
  const zv_numpunct np(0u);
  EXPECT_EQ(text(np.GetFmtLibDefaultFormat(0)), "T[#]T[gs]T[#]T[#]T[0]T[ds]T[#]T[#]"_u2);
  EXPECT_EQ(text(np.GetFmtLibDefaultFormat(1)), "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]L[ ¤]"_u2);
  EXPECT_EQ(text(np.GetFmtLibDefaultFormat(2)), "T[#]T[gs]T[#]T[#]T[0]L[%]"_u2);
  EXPECT_EQ(text(np.GetFmtLibDefaultFormat(3)),
            "T[0]T[ds]T[0]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[E-]T[0]"_u2);
  for (int bad : {-1, 4}) {
    try {
      np.GetFmtLibDefaultFormat(bad);
      ADD_FAILURE() << bad;
    } catch (const ZVException& e) {
      EXPECT_EQ(e.code(), ZV_E_OUT_OF_RANGE);
    }
  }
}

TEST(NumericPunctuation, FromRecord) {
  static const unsigned short kGrouping[] = {3, 2, 0};
  static const unsigned short kCharacters[36] = {
      u'+', 0x2212, u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'a', u'b', u'c', u'd', u'e', u'f',
      0x0660, 0x0661, 0x0662, 0x0663, 0x0664, 0x0665, 0x0666, 0x0667, 0x0668, 0x0669, u'A', u'B', u'C', u'D', u'E', u'F',
      u'x', u'X'};
  static const unsigned short kPattern[] = {u'T', u'[', u'0', u']', 0};
  static const unsigned short* const kPatterns[4] = {kPattern, kPattern, kPattern, kPattern};
  const zv_numeric_punctuation::StaticStorage record = {4, 0x002E002C, kGrouping, kCharacters, kPatterns};

  const zv_numpunct np(&record, 0);
  EXPECT_EQ(np.decimal_point(), u',');
  EXPECT_EQ(np.thousands_sep(), u'.');
  EXPECT_EQ(text(np.grouping()), ucs2string(kGrouping));
  EXPECT_EQ(np.mode(), zv_numeric_punctuation::kNegativeSpaceSignLast);
  EXPECT_EQ(np.negative_sign(), 0x2212);
  EXPECT_EQ(np.GetDigits(true)[0], 0x0660);
  EXPECT_EQ(np.exponent_sign(), u'x');
  EXPECT_EQ(np.GetFmtLibDefaultFormat(2), kPattern);
  // Boolean names do not come from records.
  EXPECT_EQ(text(np.truename()), "true"_u2);
}

TEST(NumericPunctuation, RecordWithNullFieldsKeepsTheDefaults) {
  const zv_numeric_punctuation::StaticStorage record = {77, 0x0000002C, nullptr, nullptr, nullptr};
  const zv_numpunct np(&record, 0);
  EXPECT_EQ(np.mode(), 77);  // stored as given
  EXPECT_EQ(np.decimal_point(), u',');
  EXPECT_EQ(np.thousands_sep(), 0);
  EXPECT_EQ(text(np.grouping()), ucs2string());
  EXPECT_EQ(np.GetDigits(false)[15], u'f');
  EXPECT_EQ(np.GetFmtLibDefaultFormat(0), zv_numeric_punctuation::kDefaultPatterns[0]);

  const zv_numpunct fromNull(static_cast<const zv_numeric_punctuation::StaticStorage*>(nullptr), 0);
  EXPECT_EQ(fromNull.decimal_point(), u'.');
}

TEST(NumericPunctuation, DerivedFacetsReplaceNamesButNotTheFixedStrings) {
  CustomNumpunct np(nullptr);
  np.init_boolnames("vrai"_u2, "faux"_u2);
  EXPECT_EQ(text(np.truename()), "vrai"_u2);
  ucs2string f;
  np.falsename(f);
  EXPECT_EQ(f, "faux"_u2);
  EXPECT_EQ(text(np.true_string()), "true"_u2);
  EXPECT_EQ(text(np.false_string()), "false"_u2);

  static const unsigned short kTable[36] = {u'p', u'n'};
  np.init(u',', u' ', ucs2string(1, 3), kTable);
  EXPECT_EQ(np.decimal_point(), u',');
  EXPECT_EQ(np.thousands_sep(), u' ');
  EXPECT_EQ(np.grouping()[0], 3);
  EXPECT_EQ(np.positive_sign(), u'p');
  // A null table keeps the characters.
  np.init(u'.', 0, ucs2string(), nullptr);
  EXPECT_EQ(np.negative_sign(), u'n');
}

}  // namespace
