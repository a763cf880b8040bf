#include <gtest/gtest.h>

#include <memory>

#include "kti18n/fmtlib/fmt_pattern.h"

using namespace FmtLib;

namespace {

using Pattern = std::unique_ptr<zvFmtPattern>;

// The pattern in serial-like shorthand: T<number> or L<text> per token.
std::string Describe(const zvFmtPattern& p) {
  std::string out;
  for (const zvToken* t : p) {
    if (t->IsLiteral()) {
      out += 'L';
      out += ucs2string(t->c_str(), t->length()).to_utf8();
    } else {
      out += 'T';
      out += std::to_string(t->Token());
    }
    out += ' ';
  }
  return out;
}

Pattern ShortDate() {
  Pattern p(CreateDateFmtPattern());
  p->push_back(TK_MONTH_DAY_00);
  p->push_back("/"_u2);
  p->push_back(TK_MONTH_01);
  const ucs2string slash = "-/-"_u2;
  p->push_back(slash.c_str() + 1, slash.c_str() + 2);
  p->push_back(TK_YEAR_00);
  return p;
}

TEST(FmtPattern, CreatedEmptyOfItsKind) {
  Pattern date(CreateDateFmtPattern()), number(CreateNumberFmtPattern());
  EXPECT_TRUE(date->IsDate());
  EXPECT_FALSE(number->IsDate());
  EXPECT_EQ(date->size(), 0);
  EXPECT_EQ(date->begin(), date->end());
}

TEST(FmtPattern, CopyOwnsItsTokens) {
  Pattern source = ShortDate();
  Pattern copy(CreateFmtPattern(*source));
  ASSERT_TRUE(copy);
  EXPECT_TRUE(copy->IsDate());
  EXPECT_NE((*copy)[1], (*source)[1]);
  EXPECT_NE((*copy)[1]->c_str(), (*source)[1]->c_str());
  source.reset();
  EXPECT_EQ(Describe(*copy), "T54 L/ T30 L/ T40 ");
}

TEST(FmtPattern, InsertAndEraseKeepPositions) {
  Pattern p = ShortDate();
  zvEnumToken era(TK_ERA);
  auto at = p->insert(p->begin() + 2, era);
  EXPECT_EQ(at, p->begin() + 2);
  EXPECT_EQ((*at)->Token(), TK_ERA);
  at = p->erase(at);
  EXPECT_EQ(at, p->begin() + 2);
  EXPECT_EQ((*at)->Token(), TK_MONTH_01);
  at = p->erase(p->begin() + 1, p->begin() + 4);
  EXPECT_EQ(Describe(*p), "T54 T40 ");
  EXPECT_EQ((*at)->Token(), TK_YEAR_00);
  p->insert(p->end(), zvLiteralToken("."_u2));
  EXPECT_EQ(Describe(*p), "T54 T40 L. ");
  p->erase(p->begin(), p->end());
  EXPECT_EQ(p->size(), 0);
  EXPECT_TRUE(p->IsDate());
}

TEST(FmtPattern, KeepsEmptyLiteralsAndEnumeratedOnes) {
  Pattern p(CreateNumberFmtPattern());
  p->push_back(ucs2string());
  p->push_back(TK_LITERAL);
  ASSERT_EQ(p->size(), 2);
  EXPECT_TRUE((*p)[0]->IsLiteral());
  EXPECT_EQ((*p)[0]->length(), 0u);
  EXPECT_FALSE((*p)[1]->IsLiteral());
  EXPECT_EQ((*p)[1]->Token(), TK_LITERAL);
  // Copies keep the distinction.
  Pattern copy(CreateFmtPattern(*p));
  EXPECT_TRUE((*copy)[0]->IsLiteral());
  EXPECT_FALSE((*copy)[1]->IsLiteral());
}

TEST(FmtPattern, AssignmentAcrossKindsLeavesTheTargetEmpty) {
  Pattern date = ShortDate();
  Pattern number(CreateNumberFmtPattern());
  number->push_back(TK_ZERO);
  *number = *date;
  EXPECT_EQ(number->size(), 0);
  EXPECT_FALSE(number->IsDate());

  Pattern other(CreateDateFmtPattern());
  other->push_back(TK_ERA);
  *other = *date;
  EXPECT_EQ(Describe(*other), Describe(*date));
}

TEST(FmtPattern, SelfAssignmentKeepsTheTokens) {
  Pattern p = ShortDate();
  const zvFmtPattern& same = *p;
  *p = same;
  EXPECT_EQ(Describe(*p), "T54 L/ T30 L/ T40 ");
}

TEST(FmtPattern, RefusesReversedLiteralRanges) {
  Pattern p(CreateDateFmtPattern());
  const ucs2string text = "ab"_u2;
  try {
    p->push_back(text.c_str() + 2, text.c_str());
    FAIL() << "a reversed range was accepted";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_INVALID_DATA);
  }
  EXPECT_EQ(p->size(), 0);
}

}  // namespace
