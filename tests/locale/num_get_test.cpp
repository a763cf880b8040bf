// Number input: signs per negative mode, grouping with its cut point,
// clamping with 0x80041129 after storing, and reading within the range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "kti18n/locale/c_number.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/num_get.h"
#include "num_test_support.h"

namespace {

using num_test::make_punct;
using num_test::u2;

const zv_num_get& classic_get() { return zv_use_facet<zv_num_get>(zv_locale::classic()); }

// Reads s whole; returns where reading stopped (an index into s).
template <class T>
unsigned read(const zv_num_get& g, const std::u16string& s, T& value) {
  const ucs2string text = u2(s);
  return g.get(text.begin(), text.end(), value).index();
}

// Expects the read to store `stored` and then throw 0x80041129.
template <class T>
void expect_clamped(const zv_num_get& g, const std::u16string& s, T stored) {
  T value{};
  try {
    read(g, s, value);
    ADD_FAILURE() << "no 0x80041129 for " << std::string(s.begin(), s.end());
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_NUMBER_OVERFLOW);
  }
  EXPECT_EQ(value, stored) << std::string(s.begin(), s.end());
}

TEST(NumGet, SignsAndWhiteSpace) {
  const zv_num_get& g = classic_get();
  int v = 0;
  EXPECT_EQ(read(g, u"  -42", v), 5u);
  EXPECT_EQ(v, -42);
  EXPECT_EQ(read(g, u"\t+7 apples", v), 3u);
  EXPECT_EQ(v, 7);
  EXPECT_EQ(read(g, u"\u3000" u"12", v), 3u);  // ideographic space is white space too
  EXPECT_EQ(v, 12);
  EXPECT_EQ(read(g, u"5-", v), 1u);  // mode 1: no trailing sign
  EXPECT_EQ(v, 5);
  EXPECT_EQ(read(g, u"(5)", v), 0u);  // "(" only in mode 0
}

TEST(NumGet, NegativeModes) {
  int v = 0;
  zv_num_get parentheses(make_punct(0), 1);
  EXPECT_EQ(read(parentheses, u"(5)", v), 3u);
  EXPECT_EQ(v, -5);
  EXPECT_EQ(read(parentheses, u"(6", v), 2u);
  EXPECT_EQ(v, -6);
  zv_num_get after(make_punct(3), 1);
  EXPECT_EQ(read(after, u"5-", v), 2u);
  EXPECT_EQ(v, -5);
  EXPECT_EQ(read(after, u"5 -", v), 1u);
  EXPECT_EQ(v, 5);
  zv_num_get spaced(make_punct(4), 1);
  EXPECT_EQ(read(spaced, u"5  -", v), 4u);
  EXPECT_EQ(v, -5);
  EXPECT_EQ(read(spaced, u"5 x", v), 1u);  // spaces without a sign stay unread
  EXPECT_EQ(v, 5);
  EXPECT_EQ(read(spaced, u"-8", v), 2u);  // a leading sign is read in every mode
  EXPECT_EQ(v, -8);
}

TEST(NumGet, NothingReadLeavesTheValueAndReturnsFirst) {
  const zv_num_get& g = classic_get();
  for (const char16_t* s : {u"", u"abc", u"-", u"  +x", u"   "}) {
    int v = 99;
    EXPECT_EQ(read(g, s, v), 0u);
    EXPECT_EQ(v, 99);
  }
}

TEST(NumGet, ClampingPerType) {
  const zv_num_get& g = classic_get();
  int i = 0;
  EXPECT_EQ(read(g, u"-2147483648", i), 11u);
  EXPECT_EQ(i, -2147483647 - 1);
  expect_clamped<int>(g, u"2147483648", 2147483647);
  expect_clamped<int>(g, u"-2147483649", -2147483647 - 1);
  expect_clamped<int>(g, u"99999999999999999999", 2147483647);
  expect_clamped<int>(g, u"-99999999999999999999", -2147483647 - 1);
  expect_clamped<long>(g, u"2147483648", 2147483647L);
  expect_clamped<long>(g, u"-4294967296", -2147483647L - 1);
  expect_clamped<short>(g, u"32768", 32767);
  expect_clamped<short>(g, u"-32769", -32768);
  short s = 0;
  read(g, u"-32768", s);
  EXPECT_EQ(s, -32768);
  unsigned u = 0;
  read(g, u"4294967295", u);
  EXPECT_EQ(u, 4294967295u);
  expect_clamped<unsigned>(g, u"4294967296", 4294967295u);
  expect_clamped<unsigned>(g, u"-1", 0u);
  expect_clamped<unsigned>(g, u"-99999999999", 0u);
  expect_clamped<unsigned long>(g, u"4294967296", 4294967295ul);
  expect_clamped<unsigned long>(g, u"-1", 0ul);
  expect_clamped<unsigned short>(g, u"65536", 65535);
  expect_clamped<unsigned short>(g, u"-3", 0);
  read(g, u"-0", u);
  EXPECT_EQ(u, 0u);  // minus zero is no negative number
  bool b = true;
  read(g, u"0", b);
  EXPECT_FALSE(b);
  read(g, u"99999999999", b);  // too large for 32 bits, yet not zero
  EXPECT_TRUE(b);
  read(g, u"-1", b);
  EXPECT_TRUE(b);
}

TEST(NumGet, GroupingAcceptsMatchingGroupsAndCutsBeforeTheFirstBreak) {
  zv_num_get threes(make_punct(1, u'.', u',', u"\u0003"), 1);
  long v = 0;
  struct Case {
    const char16_t* text;
    unsigned stop;
    long value;
  };
  for (const Case& c : {Case{u"1,234,567", 9, 1234567}, Case{u"-12,345", 7, -12345}, Case{u"12,34", 2, 12},
                        Case{u"1,2345", 1, 1}, Case{u"1234,567", 4, 1234}, Case{u"1,234,", 5, 1234},
                        Case{u"1,,234", 1, 1}, Case{u"1,234,56", 5, 1234}, Case{u"123,456,789,012", 15, 0}}) {
    if (c.value == 0) {
      expect_clamped<long>(threes, c.text, 2147483647);
      continue;
    }
    EXPECT_EQ(read(threes, c.text, v), c.stop) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
    EXPECT_EQ(v, c.value);
  }
  // Indian grouping: 3 then 2 repeating.
  zv_num_get indian(make_punct(1, u'.', u',', u"\u0003\u0002"), 1);
  EXPECT_EQ(read(indian, u"12,34,567", v), 9u);
  EXPECT_EQ(v, 1234567);
  EXPECT_EQ(read(indian, u"1,234,567", v), 5u);
  EXPECT_EQ(v, 1234);
  // 0xFFFF ends the grouping: no separator further left.
  zv_num_get once(make_punct(1, u'.', u',', u"\u0003\uFFFF"), 1);
  EXPECT_EQ(read(once, u"1234,567", v), 8u);
  EXPECT_EQ(v, 1234567);
  EXPECT_EQ(read(once, u"1,234,567", v), 5u);
  EXPECT_EQ(v, 1234);
  // No separator, or a grouping starting with 0: separators end the number.
  zv_num_get none(make_punct(1, u'.', 0, u"\u0003"), 1);
  EXPECT_EQ(read(none, u"1,234", v), 1u);
  zv_num_get zero(make_punct(1, u'.', u',', u""), 1);
  EXPECT_EQ(read(zero, u"1,234", v), 1u);
}

TEST(NumGet, NeverReadsPastLast) {
  zv_num_get g(make_punct(3, u'.', u',', u"\u0003"), 1);
  const ucs2string text = u2(u"1,234-");
  long v = 0;
  // The range ends after the separator: the separator is not followed by a
  // digit within it.
  EXPECT_EQ(g.get(text.begin(), text.begin() + 2, v).index(), 1u);
  EXPECT_EQ(v, 1);
  // The range ends before the trailing sign.
  EXPECT_EQ(g.get(text.begin(), text.begin() + 5, v).index(), 5u);
  EXPECT_EQ(v, 1234);
  EXPECT_EQ(g.get(text.begin(), text.end(), v).index(), 6u);
  EXPECT_EQ(v, -1234);
  // A range starting inside the string.
  EXPECT_EQ(g.get(text.begin() + 2, text.begin() + 4, v).index(), 4u);
  EXPECT_EQ(v, 23);
}

TEST(NumGet, BadRangesAreRefusedBeforeReading) {
  const zv_num_get& g = classic_get();
  const ucs2string a = u2(u"12"), b = u2(u"34");
  int v = 0;
  auto code = [&](auto first, auto last) {
    try {
      g.get(first, last, v);
    } catch (const ZVException& e) {
      return e.code();
    }
    return zvStatus{0};
  };
  EXPECT_EQ(code(a.begin(), b.end()), ZV_E_INVALID_DATA);
  EXPECT_EQ(code(a.end(), a.begin()), ZV_E_INVALID_DATA);
  EXPECT_EQ(code(a.begin(), ucs2string::const_iterator(&a, 5)), ZV_E_OUT_OF_RANGE);
}

TEST(NumGet, FloatingPointReadsTheWholeRangeInTheCLocale) {
  const zv_num_get& g = classic_get();
  double d = 0;
  EXPECT_EQ(read(g, u"3.25", d), 4u);
  EXPECT_EQ(d, 3.25);
  EXPECT_EQ(read(g, u"  -1e3xyz", d), 9u);
  EXPECT_EQ(d, -1000.0);
  read(g, u"1,5", d);  // no locale punctuation
  EXPECT_EQ(d, 1.0);
  read(g, u"x", d);
  EXPECT_EQ(d, 0.0);
  read(g, u"2.5\u00e9", d);
  EXPECT_EQ(d, 2.5);
  float f = 0;
  read(g, u"0.5", f);
  EXPECT_EQ(f, 0.5f);
  read(g, u"1e39", f);
  EXPECT_TRUE(std::isinf(f) && f > 0);
  read(g, u"-1e300", f);
  EXPECT_TRUE(std::isinf(f) && f < 0);
}

}  // namespace

namespace {

// Without a C locale object (newlocale can fail) the reading gives what
// strtod in the C locale gives, never undefined behaviour.
TEST(CNumber, ReadingWithoutALocaleMatchesTheCLocale) {
  ASSERT_NE(zv_c_locale(), nullptr);
  for (const char* text : {"1.5", "  -2.25e3", "+7", ".5", "1e400", "-1e400", "1e-400", "0x1.8p1", "inf",
                           "-Infinity", "12abc", "", "abc", "-", "4.9e-324", "0.000001e-320"}) {
    const double expected = zv_read_c_number(text, zv_c_locale());
    const double got = zv_read_c_number(text, nullptr);
    EXPECT_EQ(std::signbit(got), std::signbit(expected)) << text;
    EXPECT_EQ(got, expected) << text;
  }
  EXPECT_TRUE(std::isnan(zv_read_c_number("nan", nullptr)));
}

}  // namespace
