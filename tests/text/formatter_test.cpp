#include "kti18n/text/formatter.h"

#include <gtest/gtest.h>

#include <climits>

#include "alloc_counter.h"
#include "kti18n/text/utf8string.h"

namespace {

std::u16string_view text(const ucs2string_formatter& f) {
  return {reinterpret_cast<const char16_t*>(f.data()), f.length()};
}

TEST(Formatter, KeepsUpTo499UnitsInline) {
  alloc_counter::Watch w;
  ucs2string_formatter f;
  f.append(499, u'x');
  EXPECT_EQ(w.count(), 0u);
  EXPECT_FALSE(f.uses_heap());
  EXPECT_EQ(f.capacity(), 500u);
  f.append(u'y');
  EXPECT_TRUE(f.uses_heap());
  EXPECT_EQ(f.capacity(), 1000u);
  EXPECT_EQ(f.data()[f.length()], 0);
}

TEST(Formatter, GrowsInSteps) {
  ucs2string_formatter f;
  f.append(600, u'a');
  EXPECT_EQ(f.capacity(), 1000u);
  f.append(1000, u'b');
  EXPECT_EQ(f.capacity(), 2000u);
  EXPECT_EQ(f.length(), 1600u);
  EXPECT_EQ(f[599], u'a');
  EXPECT_EQ(f[600], u'b');
}

TEST(Formatter, RefusesToOverflowItsCounters) {
  ucs2string_formatter f;
  f.append(ucs2string_formatter::kMaxLength, u'a');
  EXPECT_EQ(f.length(), 0xFFFEu);
  try {
    f.append(u'b');
    FAIL() << "the 16-bit counters would wrap";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_LENGTH);
  }
  EXPECT_EQ(f.length(), 0xFFFEu);
  EXPECT_EQ(f[0xFFFD], u'a');
  EXPECT_EQ(f.data()[0xFFFE], 0);
}

TEST(Formatter, FieldFormatting) {
  ucs2string_formatter f;
  f.append_formatted(42L, 5, ucs2string_formatter::kRight, u'0');
  EXPECT_EQ(text(f), u"00042");
  f.clear();
  f.append_formatted(42L, 5, ucs2string_formatter::kLeft, u' ');
  EXPECT_EQ(text(f), u"42   ");
  f.clear();
  f.append_formatted(123456L, 3, ucs2string_formatter::kRight, u' ');
  EXPECT_EQ(text(f), u"###");
  f.clear();
  f.append_formatted(123456L, 3, ucs2string_formatter::kNoAlign, u' ');
  EXPECT_EQ(text(f), u"");
  f.append_formatted(-7L, -1, ucs2string_formatter::kRight, u'*');
  EXPECT_EQ(text(f), u"-7");
  f.clear();
  f.append_formatted(static_cast<long>(INT32_MIN));
  f.append_formatted(4294967295UL, 11, ucs2string_formatter::kRight, u' ');
  EXPECT_EQ(text(f), u"-2147483648 4294967295");
  f.clear();
  // Whole 64-bit values, not their low 32 bits.
  f.append_formatted(5000000000L);
  f.append_formatted(LONG_MIN, 21, ucs2string_formatter::kRight, u' ');
  f.append_formatted(ULONG_MAX, 21, ucs2string_formatter::kRight, u' ');
  EXPECT_EQ(text(f), u"5000000000 -9223372036854775808 18446744073709551615");
  f.clear();
  f.append_formatted(reinterpret_cast<const unsigned char*>("\xC3\xA9t\xC3\xA9"), 5, ucs2string_formatter::kRight, u'.');
  f.append_formatted(zv_utf8string("ab"), 3, ucs2string_formatter::kLeft, u'_');
  EXPECT_EQ(text(f), u"..\u00E9t\u00E9ab_");
}

TEST(Formatter, Utf8InputAndResize) {
  ucs2string_formatter f(reinterpret_cast<const unsigned char*>("\xE2\x82\xAC" "1"));
  EXPECT_EQ(text(f), u"\u20AC1");
  f.resize(1);
  EXPECT_EQ(text(f), u"\u20AC");
  EXPECT_THROW(f.append("\xF0\x9F\x98\x80"), ZVException);
  EXPECT_EQ(text(f), u"\u20AC");
}

TEST(StrPrintf, FormatsUcs2TextAndNumbers) {
  ucs2string out;
  const unsigned short name[] = {0x00C9, u'v', u'a', 0};
  const int n = strprintf(out, ucs2string::u16(u"%s: %5d|%-4x|%.2f|%hs|%c%%"), name, 42, 255u, 3.14159,
                          "narrow", 0x4E2D);
  EXPECT_EQ(out.view(), std::u16string_view(u"\u00C9va:    42|ff  |3.14|narrow|\u4E2D%"));
  EXPECT_EQ(n, static_cast<int>(out.length()));
}

TEST(StrPrintf, LongResultsAreNotCutAndErrorsAreReported) {
  ucs2string out(u"kept");
  const ucs2string big(6000, u'z');
  EXPECT_EQ(strprintf(out, ucs2string::u16(u"<%s>"), big.c_str()), 6002);
  EXPECT_EQ(out.length(), 6002u);
  ucs2string untouched(u"kept");
  EXPECT_LT(strprintf(untouched, ucs2string::u16(u"bad %n"), nullptr), 0);
  EXPECT_EQ(untouched.view(), std::u16string_view(u"kept"));
}

TEST(StrPrintf, AnUnconvertibleNarrowStringFailsAtOnce) {
  // In the C locale the byte 0xFF is no character: the conversion fails
  // without growing its buffer towards the limit first.
  ucs2string out(u"kept");
  alloc_counter::Watch watch;
  EXPECT_LT(strprintf(out, ucs2string::u16(u"%hs"), "bad \xFF byte"), 0);
  EXPECT_LT(watch.last_size(), std::size_t{1} << 16);
  EXPECT_EQ(out.view(), std::u16string_view(u"kept"));
}

}  // namespace
