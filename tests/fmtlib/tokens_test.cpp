#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "kti18n/fmtlib/fmt_tokens.h"

using namespace FmtLib;

namespace {

TEST(TokenTable, HoldsEveryTokenOnceWithItsFacts) {
  // 2, 3, 10-43, 46-71, 100-116, 300-314, 350-353, 400-415.
  EXPECT_EQ(AllTokenInfos().size(), 114u);
  std::set<std::string> codes;
  for (const auto& info : AllTokenInfos()) {
    ASSERT_NE(info.serialCode, nullptr);
    EXPECT_TRUE(codes.insert(info.serialCode).second) << info.serialCode << " given twice";
  }
  const zvTokenInfo* hour = FindTokenInfo(TK_HOUR_00_23);
  ASSERT_NE(hour, nullptr);
  EXPECT_STREQ(hour->serialCode, "T[023]");
  EXPECT_STREQ(hour->name, "<hour 00-23>");
  EXPECT_STREQ(hour->keyword, "HH");
  EXPECT_EQ(hour->side, zvTokenSide::kDate);

  const zvTokenInfo* error = FindTokenInfo(TK_ERROR);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->name, nullptr);
  EXPECT_EQ(error->keyword, nullptr);
  EXPECT_EQ(error->side, zvTokenSide::kBoth);
  EXPECT_STREQ(FindTokenInfo(TK_COLOR_GRAY)->serialCode, "T[Cgr]");
  EXPECT_STREQ(FindTokenInfo(TK_DEF_BOOLEAN)->keyword, "BOOLEAN");
}

TEST(TokenTable, NumbersOutsideTheVocabularyHaveNoEntry) {
  for (int n : {0, 1, 4, 9, 44, 45, 72, 99, 117, 299, 315, 349, 354, 399, 416, -1})
    EXPECT_EQ(FindTokenInfo(static_cast<zvFmtTokens>(n)), nullptr) << n;
}

TEST(Token, LiteralsCopyTheirText) {
  const ucs2string text = "d/m"_u2;
  std::unique_ptr<zvToken> t(zvToken::MakeToken(text.c_str() + 1, text.c_str() + 2));
  ASSERT_TRUE(t);
  EXPECT_TRUE(t->IsLiteral());
  EXPECT_EQ(t->Token(), TK_LITERAL);
  EXPECT_EQ(ucs2string(t->c_str(), t->length()), "/"_u2);
  EXPECT_NE(t->c_str(), text.c_str() + 1);

  std::unique_ptr<zvToken> empty(zvToken::MakeToken(text.c_str(), text.c_str()));
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->IsLiteral());
  EXPECT_EQ(empty->length(), 0u);
  ASSERT_NE(empty->c_str(), nullptr);
  EXPECT_EQ(empty->c_str()[0], 0);

  std::unique_ptr<zvToken> null(zvToken::MakeToken(ucs2string::null()));
  ASSERT_TRUE(null);
  EXPECT_EQ(null->length(), 0u);
}

TEST(Token, RefusesRangesThatHoldNoText) {
  const ucs2string text = "abc"_u2;
  EXPECT_EQ(zvToken::MakeToken(text.c_str() + 2, text.c_str()), nullptr);
  EXPECT_EQ(zvToken::MakeToken(nullptr, text.c_str()), nullptr);
  std::unique_ptr<zvToken> none(zvToken::MakeToken(static_cast<const unsigned short*>(nullptr), nullptr));
  ASSERT_TRUE(none);
  EXPECT_EQ(none->length(), 0u);
}

TEST(Token, EnumeratedTokensHaveNoText) {
  std::unique_ptr<zvToken> t(zvToken::MakeToken(TK_MONTH_NAME));
  ASSERT_TRUE(t);
  EXPECT_FALSE(t->IsLiteral());
  EXPECT_EQ(t->Token(), TK_MONTH_NAME);
  EXPECT_EQ(t->c_str(), nullptr);
  EXPECT_EQ(t->length(), 0u);
  // Number 1 made as an enumeration stays an enumerated token.
  std::unique_ptr<zvToken> one(zvToken::MakeToken(TK_LITERAL));
  EXPECT_FALSE(one->IsLiteral());
  EXPECT_EQ(one->Token(), TK_LITERAL);
}

}  // namespace
