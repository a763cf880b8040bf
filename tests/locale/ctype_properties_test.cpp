// Character properties of the built-in tables: lookups, predicates, bidi
// groups, numeric values, case and title mapping, classification masks.
#include <gtest/gtest.h>

#include "ctype_test_support.h"

namespace {

using Impl = zv_ctype_impl;

class CtypeProperties : public ::testing::Test {
 protected:
  CtypeProbe ct;
};

TEST_F(CtypeProperties, TitleCase) {
  // Digraphs take their title form from any case.
  for (unsigned short c : {0x01C4, 0x01C5, 0x01C6}) EXPECT_EQ(ct.totitle(c), 0x01C5) << std::hex << c;
  for (unsigned short c : {0x01C7, 0x01C8, 0x01C9}) EXPECT_EQ(ct.totitle(c), 0x01C8) << std::hex << c;
  for (unsigned short c : {0x01CA, 0x01CB, 0x01CC}) EXPECT_EQ(ct.totitle(c), 0x01CB) << std::hex << c;
  for (unsigned short c : {0x01F1, 0x01F2, 0x01F3}) EXPECT_EQ(ct.totitle(c), 0x01F2) << std::hex << c;
  // The title-case digraphs map both ways with one delta.
  EXPECT_EQ(ct.ToUpper(0x01C5), 0x01C4);
  EXPECT_EQ(ct.ToLower(0x01C5), 0x01C6);
  for (unsigned short c : {0x03D0, 0x03D1, 0x03D5, 0x03D6, 0x03F0, 0x03F1}) {
    EXPECT_EQ(ct.totitle(c), c) << std::hex << c;
    EXPECT_NE(ct.ToUpper(c), c) << std::hex << c;
  }
  EXPECT_EQ(ct.totitle('q'), 'Q');
  EXPECT_EQ(ct.totitle('7'), '7');
}

TEST_F(CtypeProperties, MarksAndCombiningClasses) {
  EXPECT_EQ(ct.getclass(0x0300), 230);
  EXPECT_TRUE(ct.IsNsMark(0x0300));
  EXPECT_TRUE(ct.IsMark(0x0300));
  EXPECT_TRUE(ct.IsSpMark(0x0903));
  EXPECT_TRUE(ct.IsEnclosing(0x20DD));
  // A case delta is never reported as a combining class, even for the one
  // mark with a case mapping.
  EXPECT_EQ(ct.getclass('A'), 0);
  EXPECT_EQ(ct.getclass(0x0345), 0);
  EXPECT_EQ(ct.ToUpper(0x0345), 0x0399);
}

TEST_F(CtypeProperties, BidirectionalGroups) {
  for (unsigned short c : {0x0660, 0x05D0, 0x0627, 0x202B, 0x202E}) {
    EXPECT_TRUE(ct.IsRtl(c)) << std::hex << c;
    EXPECT_FALSE(ct.IsLtr(c)) << std::hex << c;
  }
  for (unsigned short c : {0x0041, 0x0035, 0x002B, 0x0024, 0x202A, 0x202D}) {
    EXPECT_TRUE(ct.IsLtr(c)) << std::hex << c;
    EXPECT_FALSE(ct.IsRtl(c)) << std::hex << c;
  }
  // Strong: L, LRE, LRO, R, AL, RLE, RLO and unassigned; weak: the rest.
  for (unsigned short c : {0x0041, 0x05D0, 0x0627, 0x202A, 0x202B, 0x03F4}) {
    EXPECT_TRUE(ct.IsStrong(c)) << std::hex << c;
    EXPECT_FALSE(ct.IsWeak(c)) << std::hex << c;
  }
  for (unsigned short c : {0x202C, 0x0035, 0x0660, 0x002C, 0x0300, 0x200B, 0x0020, 0x0028, 0x000A}) {
    EXPECT_TRUE(ct.IsWeak(c)) << std::hex << c;
    EXPECT_FALSE(ct.IsStrong(c)) << std::hex << c;
  }
}

TEST_F(CtypeProperties, SpacesAndSeparators) {
  EXPECT_TRUE(ct.IsSeparator('\t'));
  EXPECT_TRUE(ct.IsSeparator('\n'));
  EXPECT_FALSE(ct.IsSeparator(' '));
  EXPECT_TRUE(ct.IsNeutral(' '));
  EXPECT_TRUE(ct.IsLsep(0x2028));
  EXPECT_TRUE(ct.IsPsep(0x2029));
  EXPECT_TRUE(ct.IsBlank(0x3000));
  // Zero-width no-break space is a format control, not white space.
  EXPECT_FALSE(ct.IsSpace(0xFEFF));
  EXPECT_TRUE(ct.IsFmtCntrl(0xFEFF));
}

TEST_F(CtypeProperties, PunctuationAndSymbols) {
  EXPECT_TRUE(ct.IsNeutral('('));
  EXPECT_TRUE(ct.IsOpenPunct('('));
  EXPECT_TRUE(ct.IsClosePunct(')'));
  EXPECT_TRUE(ct.IsConnect('_'));
  EXPECT_TRUE(ct.IsDash('-'));
  EXPECT_TRUE(ct.IsMath('+'));
  EXPECT_TRUE(ct.IsCurrency('$'));
  EXPECT_TRUE(ct.IsModifSymbol('^'));
  EXPECT_TRUE(ct.IsSymbol(0x00A9));
  // Quotation marks keep their own categories and are still punctuation.
  EXPECT_TRUE(ct.IsPunct(0x201C));
  EXPECT_TRUE(ct.IsGraph(0x201D));
  EXPECT_FALSE(ct.IsOpenPunct(0x201C));
}

TEST_F(CtypeProperties, LettersNumbersAndFamilies) {
  EXPECT_TRUE(ct.IsTitle(0x01C5));
  EXPECT_TRUE(ct.IsModif(0x02B0));
  EXPECT_TRUE(ct.IsAlpha(0x4E00));
  EXPECT_TRUE(ct.IsAlpha(0xAC00));
  EXPECT_FALSE(ct.IsAlpha('5'));
  EXPECT_TRUE(ct.IsAlnum('5'));
  EXPECT_TRUE(ct.IsAlnum('x'));
  EXPECT_FALSE(ct.IsAlnum('-'));
  EXPECT_TRUE(ct.IsNumber(0x2163));  // roman numeral four
  EXPECT_TRUE(ct.IsLetnum(0x2163));
  EXPECT_TRUE(ct.IsNumber(0x00BD));
  EXPECT_FALSE(ct.IsDigit(0x00BD));
  EXPECT_TRUE(ct.IsCntrl(0x0007));
  EXPECT_TRUE(ct.IsCntrl(0x200E));
  EXPECT_TRUE(ct.IsIsoCntrl(0x0085));
  EXPECT_FALSE(ct.IsPrint(0x0007));
  EXPECT_TRUE(ct.IsPrint(' '));
  EXPECT_FALSE(ct.IsGraph(' '));
  EXPECT_TRUE(ct.IsGraph('a'));
  // Private use and surrogates are neither controls nor printables.
  EXPECT_TRUE(ct.IsPrivate(0xE000));
  EXPECT_TRUE(ct.IsPrivate(0xF8FF));
  EXPECT_TRUE(ct.IsSurrogate(0xD800));
  EXPECT_TRUE(ct.IsSurrogate(0xDFFF));
  EXPECT_FALSE(ct.IsPrint(0xE000));
  EXPECT_FALSE(ct.IsCntrl(0xD800));
}

TEST_F(CtypeProperties, NumericValues) {
  int den = -1;
  for (int d = 0; d <= 9; ++d) {
    EXPECT_EQ(ct.getnumber(static_cast<unsigned short>('0' + d), den), d);
    EXPECT_EQ(den, 1);
    EXPECT_EQ(ct.getdigit(static_cast<unsigned short>(0x0660 + d)), d);
  }
  EXPECT_EQ(ct.getnumber(0x00BC, den), 1);
  EXPECT_EQ(den, 4);
  EXPECT_EQ(ct.getnumber('x', den), 0);
  EXPECT_EQ(den, 0);
  EXPECT_EQ(ct.getdigit(0x4E00), 0);
}

TEST_F(CtypeProperties, UndefinedAndFixedCodePoints) {
  for (unsigned short c : {0x03F4, 0x0220, 0xFFFE, 0xFFFF, 0x0378}) {
    EXPECT_TRUE(ct.IsUndefined(c)) << std::hex << c;
    EXPECT_EQ(ct.FindProperty(c), 0u) << std::hex << c;
    EXPECT_EQ(ct.getbidi(c), Impl::kBidiNone) << std::hex << c;
    EXPECT_EQ(ct.GetPropertyMask(c), 0u) << std::hex << c;
    EXPECT_EQ(ct.ToUpper(c), c);
  }
  EXPECT_FALSE(ct.IsUndefined('a'));
  EXPECT_FALSE(ct.IsUndefined(0xFFFD));
  EXPECT_TRUE(Impl::IsReplacement(0xFFFD));
  EXPECT_TRUE(Impl::IsObjReplacement(0xFFFC));
  EXPECT_TRUE(Impl::IsSwapped(0xFFFE));
  EXPECT_TRUE(Impl::IsZigamorph(0xFFFF));
  EXPECT_TRUE(Impl::IsHan(0x4E00));
  EXPECT_TRUE(Impl::IsHan(0x9FFF));
  EXPECT_FALSE(Impl::IsHan(0xA000));
  EXPECT_TRUE(Impl::IsHan(0xF900));
  EXPECT_FALSE(Impl::IsHan(0xFB00));
  EXPECT_FALSE(Impl::IsHan(0x4DFF));
  EXPECT_TRUE(Impl::IsHangul(0xAC00));
  EXPECT_TRUE(Impl::IsHangul(0xD7FF));
  EXPECT_FALSE(Impl::IsHangul(0xD800));
}

TEST_F(CtypeProperties, HexDigits) {
  for (unsigned c = 0; c < 0x10000; ++c) {
    const bool expected = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    ASSERT_EQ(Impl::IsXDigit(static_cast<unsigned short>(c)), expected) << std::hex << c;
  }
}

TEST_F(CtypeProperties, ClassificationMasks) {
  EXPECT_EQ(ct.GetPropertyMask('A'), Impl::print | Impl::upper | Impl::alpha | Impl::xdigit | Impl::graph);
  EXPECT_EQ(ct.GetPropertyMask('g'), Impl::print | Impl::lower | Impl::alpha | Impl::graph);
  EXPECT_EQ(ct.GetPropertyMask('7'), Impl::print | Impl::digit | Impl::xdigit | Impl::graph);
  EXPECT_EQ(ct.GetPropertyMask(' '), Impl::print | Impl::space);
  EXPECT_EQ(ct.GetPropertyMask('\t'), Impl::cntrl | Impl::space);
  EXPECT_EQ(ct.GetPropertyMask(0x0000), Impl::cntrl);
  EXPECT_EQ(ct.GetPropertyMask('.'), Impl::print | Impl::graph);
  EXPECT_EQ(ct.GetPropertyMask(0x0663), Impl::print | Impl::digit | Impl::graph);  // Arabic-Indic three
  EXPECT_EQ(ct.GetPropertyMask(0xE000), 0u);
  EXPECT_EQ(ct.GetPropertyMask(0x01C5), Impl::print | Impl::alpha | Impl::graph);
  for (unsigned c = 0; c < 0x10000; ++c) {
    ASSERT_EQ(ct.GetPropertyMask(static_cast<unsigned short>(c)) & 0x0080u, 0u) << std::hex << c;
  }
}

// Records from locale data have no direct table; their lookups walk the
// runs and must answer exactly as the built-in record does.
TEST(CtypeRecord, WalkingTheRunsAgreesWithTheDirectTable) {
  CopiedCtypeRecord copy;
  const CtypeProbe walked(copy.record());
  const CtypeProbe direct;
  for (unsigned c = 0; c < 0x10000; ++c) {
    const auto u = static_cast<unsigned short>(c);
    ASSERT_EQ(walked.FindProperty(u), direct.FindProperty(u)) << std::hex << c;
  }
  EXPECT_EQ(walked.ToUpper(0x00B5), 0x039C);
  int den = 0;
  EXPECT_EQ(walked.getnumber(0x00BC, den), 1);
  EXPECT_EQ(den, 4);
}

TEST(CtypeRecord, NullRecordMeansTheBuiltInTables) {
  const CtypeProbe fromNull(nullptr);
  const CtypeProbe fromBuiltIn(&zv_ctype_impl::kCtype_i18n);
  for (unsigned short c : {0x0041, 0x0300, 0x4E00, 0xFFFD}) {
    EXPECT_EQ(fromNull.FindProperty(c), fromBuiltIn.FindProperty(c));
  }
}

TEST(CtypeRecord, BuiltInTableShape) {
  const auto& s = zv_ctype_impl::kCtype_i18n;
  CopiedCtypeRecord copy;
  // Every block is one uniform entry or runs that cover exactly 128 units.
  for (unsigned b = 0; b < 512; ++b) {
    unsigned p = s.blockIndex[b];
    unsigned covered = s.runs[p] & 127;
    while (covered != 0 && covered < 128) covered += s.runs[++p] & 127;
    ASSERT_TRUE(covered == 0 || covered == 128) << "block " << b;
  }
  EXPECT_EQ(s.properties[0], 0u);  // property 0 is "unassigned"
  EXPECT_EQ(s.numerics[0], 0);
  EXPECT_EQ(s.numerics[1], 0);
  EXPECT_EQ(copy.numericCount(), 49u);
  EXPECT_EQ(copy.smallValueCount(), 97u);
  EXPECT_LT(copy.propertyCount(), 512u);
}

}  // namespace
