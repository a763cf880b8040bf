#include "kti18n/text/utf8.h"

#include <gtest/gtest.h>

#include <vector>

#include "kti18n/text/ucs2string.h"
#include "kti18n/text/utf8string.h"

namespace {

const unsigned char* bytes(const char* s) { return reinterpret_cast<const unsigned char*>(s); }

TEST(Utf8Convert, CharCountNeedsWholeSequences) {
  EXPECT_EQ(UTF8_GetCharCount(bytes("\xE2\x82\xAC"), 3), 1u);
  EXPECT_EQ(UTF8_GetCharCount(bytes("\xE2\x82\xAC"), 2), 0u);
  EXPECT_EQ(UTF8_GetCharCount(bytes("a\xC3\xA9z"), 4), 3u);
}

TEST(Utf8Convert, ToUcs2) {
  unsigned short* out = nullptr;
  unsigned n = 0;
  ASSERT_EQ(UTF8_ConvertToUCS2(bytes("\xE2\x82\xAC"), 3, &out, &n), ZV_S_OK);
  ASSERT_EQ(n, 1u);
  EXPECT_EQ(out[0], 0x20AC);
  delete[] out;

  EXPECT_EQ(UTF8_ConvertToUCS2(bytes("\xF0\x9F\x98\x80"), 4, &out, &n), ZV_E_INVALID_DATA);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(UTF8_ConvertToUCS2(bytes("ab\xE2\x82"), 4, &out, &n), ZV_E_INVALID_DATA);
  EXPECT_EQ(UTF8_ConvertToUCS2(nullptr, 4, &out, &n), ZV_E_INVALID_DATA);
  EXPECT_EQ(UTF8_ConvertToUCS2(bytes("a"), 0, &out, &n), ZV_E_INVALID_DATA);
}

TEST(Utf8Convert, ToUtf8) {
  const unsigned short units[] = {0x00E9, 0x41, 0x4E2D, 0xD800};
  unsigned char* out = nullptr;
  unsigned n = 0;
  ASSERT_EQ(UCS2_ConvertToUTF8(units, 4, &out, &n), ZV_S_OK);
  EXPECT_EQ(std::vector<unsigned char>(out, out + n),
            (std::vector<unsigned char>{0xC3, 0xA9, 0x41, 0xE4, 0xB8, 0xAD, 0xED, 0xA0, 0x80}));
  delete[] out;
}

TEST(Utf8Convert, NextCharNeverReadsPastTheEnd) {
  const unsigned char text[] = {0xC3, 0xA9, 0x61, 0xC3};
  const unsigned char* p = text;
  const unsigned char* end = text + 4;
  EXPECT_EQ(UTF8_ConvertNextChar(&p, end), 0x00E9);
  EXPECT_EQ(UTF8_ConvertNextChar(&p, end), 0x61);
  // The lead byte is the last byte before end: its trailing byte lies outside.
  EXPECT_EQ(UTF8_ConvertNextChar(&p, end), 0xFFFF);
  EXPECT_EQ(p, text + 3);
  const unsigned char* q = text;
  EXPECT_EQ(UTF8_ConvertNextChar(&q, text), 0xFFFF);
  EXPECT_EQ(q, text);
}

TEST(Utf8Convert, RoundTripsEveryUnit) {
  std::vector<unsigned short> all(0x10000);
  for (unsigned u = 0; u < all.size(); ++u) all[u] = static_cast<unsigned short>(u ? u : 1);
  unsigned char* utf8 = nullptr;
  unsigned n = 0;
  ASSERT_EQ(UCS2_ConvertToUTF8(all.data(), 0x10000, &utf8, &n), ZV_S_OK);
  unsigned short* back = nullptr;
  unsigned units = 0;
  ASSERT_EQ(UTF8_ConvertToUCS2(utf8, n, &back, &units), ZV_S_OK);
  ASSERT_EQ(units, 0x10000u);
  EXPECT_TRUE(std::equal(all.begin(), all.end(), back));
  delete[] utf8;
  delete[] back;
}

TEST(Utf8Traits, Validation) {
  EXPECT_FALSE(zv_utf8_traits::_is_valid_utf8(bytes("\x80"), 1));
  EXPECT_TRUE(zv_utf8_traits::_is_valid_utf8(bytes("\xC0\x80"), 2));
  EXPECT_FALSE(zv_utf8_traits::_is_valid_utf8(bytes("\xC3"), 1));
  EXPECT_FALSE(zv_utf8_traits::_is_valid_utf8(bytes("\xC3\x41"), 2));
  EXPECT_TRUE(zv_utf8_traits::_is_valid_utf8(bytes(""), 0));
  EXPECT_EQ(zv_utf8_traits::GetUTF8Bytes(0x10000u), 4u);
  EXPECT_EQ(zv_utf8_traits::length(ucs2string::u16(u"a\u00E9\u4E2D")), 6u);
  EXPECT_THROW(zv_utf8_traits::compare(bytes("a"), ucs2string::u16(u"a"), 1), ZVException);
}

TEST(Utf8String, FollowsTheStringRules) {
  zv_utf8string s(ucs2string::u16(u"\u00E9t\u00E9"), 3);
  EXPECT_EQ(s.view(), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(s.char_length(), 3u);
  s.append(2, static_cast<unsigned short>(0x20AC));
  EXPECT_EQ(s.length(), 11u);
  s.replace(0, 2, reinterpret_cast<const unsigned char*>("e"), 1);
  EXPECT_EQ(s.view(), "et\xC3\xA9\xE2\x82\xAC\xE2\x82\xAC");
  EXPECT_TRUE(zv_utf8string(zv_utf8string::null()).is_null());
  EXPECT_LT(zv_utf8string("abc").compare(zv_utf8string("abd")), 0);
  EXPECT_GT(zv_utf8string("abc").compare(zv_utf8string("ab")), 0);
  EXPECT_THROW(s.replace(100, 0, reinterpret_cast<const unsigned char*>("x"), 1), ZVException);
}

TEST(Utf8String, PositionsDecodeOrRefuse) {
  const zv_utf8string s("a\xC3\xA9\xF0\x9F\x98\x80");
  zv_utf8_pos p(s, 0);
  EXPECT_EQ(*p, u'a');
  EXPECT_EQ(*++p, 0x00E9);
  ++p;
  try {
    (void)*p;
    FAIL() << "a 4-byte sequence must be refused";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_UTF8_POSITION);
  }
  const zv_utf8string cut("a\xC3");
  EXPECT_THROW((void)*zv_utf8_pos(cut, 1), ZVException);
}

}  // namespace
