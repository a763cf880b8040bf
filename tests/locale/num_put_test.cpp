// Number output: the four put operations and the digit engine's rules that
// the oracle test does not reach (special values, carries, layouts at their
// limits, the locale's characters).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "kti18n/locale/locale.h"
#include "kti18n/locale/num_get.h"
#include "kti18n/locale/num_put.h"
#include "num_test_support.h"

namespace {

using num_test::make_punct;
using num_test::text;

const zv_num_put& classic_put() { return zv_use_facet<zv_num_put>(zv_locale::classic()); }

template <class T>
std::u16string put(const zv_num_put& f, T value) {
  ucs2string_formatter out;
  f.put(out, u' ', value);
  return text(out);
}

struct Converted {
  bool finite;
  std::u16string integer, fraction, exponent;
  bool negative, hasExponent, negativeExponent;
};

Converted convert(double v, int maxF, int minF, int maxI, int step, int minExp, bool sci,
                  const zv_num_put& f = classic_put()) {
  ucs2string_formatter i, fr, e;
  Converted c{};
  c.finite = f.convert(v, maxF, minF, maxI, step, minExp, sci, false, i, fr, e, c.negative, c.hasExponent,
                       c.negativeExponent);
  c.integer = text(i), c.fraction = text(fr), c.exponent = text(e);
  return c;
}

TEST(NumPut, DoublesInThePlainLayout) {
  const zv_num_put& f = classic_put();
  EXPECT_EQ(put(f, 2.0), u"2.0");
  EXPECT_EQ(put(f, 1.0 / 3), u"0.333333333333333");
  EXPECT_EQ(put(f, 0.0), u"0.0");
  EXPECT_EQ(put(f, -0.0), u"0.0");
  EXPECT_EQ(put(f, -1.5), u"-1.5");
  EXPECT_EQ(put(f, 0.1 + 0.2), u"0.3");
  EXPECT_EQ(put(f, 1.5e-10), u"0.00000000015");
  EXPECT_EQ(put(f, 1e20), u"100000000000000000000.0");
  EXPECT_EQ(put(f, 123456789012345678.0), u"123456789012346000.0");
  // Beyond 256 integer digits the plain layout turns scientific.
  EXPECT_EQ(put(f, 1e300), u"1.e300");
  EXPECT_EQ(put(f, -2.5e299), u"-2.5e299");
}

TEST(NumPut, SpecialValuesWriteTheirTextOnly) {
  const zv_num_put& f = classic_put();
  EXPECT_EQ(put(f, std::numeric_limits<double>::infinity()), u"#INF");
  EXPECT_EQ(put(f, -std::numeric_limits<double>::infinity()), u"#INF");
  EXPECT_EQ(put(f, std::numeric_limits<double>::quiet_NaN()), u"#IND");
  EXPECT_EQ(put(f, std::numeric_limits<double>::signaling_NaN()), u"#NAN");
}

TEST(NumPut, NegativeModesDecorateDoublesAndIntegers) {
  struct Case {
    int mode;
    const char16_t* dbl;
    const char16_t* lng;
  };
  for (const Case& c : {Case{0, u"(2.5)", u"(5)"}, Case{1, u"-2.5", u"-5"}, Case{2, u"- 2.5", u"- 5"},
                        Case{3, u"2.5-", u"5-"}, Case{4, u"2.5 -", u"5 -"},
                        // Modes a locale-data record may hold beyond 0-4 never drop the sign.
                        Case{7, u"-2.5", u"-5"}, Case{-1, u"-2.5", u"-5"}}) {
    zv_num_put f(make_punct(c.mode), 1);
    EXPECT_EQ(put(f, -2.5), c.dbl) << "mode " << c.mode;
    EXPECT_EQ(put(f, -5L), c.lng) << "mode " << c.mode;
    EXPECT_EQ(put(f, 5L), u"5") << "mode " << c.mode;
  }
}

TEST(NumPut, IntegersAndBooleans) {
  const zv_num_put& f = classic_put();
  EXPECT_EQ(put(f, 0L), u"0");
  EXPECT_EQ(put(f, -2147483647L - 1), u"-2147483648");
  EXPECT_EQ(put(f, 2147483647L), u"2147483647");
  EXPECT_EQ(put(f, 4294967295UL), u"4294967295");
  EXPECT_EQ(put(f, 0UL), u"0");
  // Whole 64-bit values, not their low 32 bits.
  EXPECT_EQ(put(f, 4294967296UL), u"4294967296");
  EXPECT_EQ(put(f, ULONG_MAX), u"18446744073709551615");
  EXPECT_EQ(put(f, 5000000000L), u"5000000000");
  EXPECT_EQ(put(f, LONG_MIN), u"-9223372036854775808");
  EXPECT_EQ(put(f, true), u"1");
  EXPECT_EQ(put(f, false), u"0");
}

TEST(NumPut, LocaleCharactersAreUsed) {
  // Arabic-Indic digits, a decimal comma, a typographic minus and exponent.
  const char16_t chars[] =
      u"+\u2212\u0660\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669abcdef"
      u"\u0660\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669ABCDEF\u0623\u0623";
  zv_num_put f(make_punct(1, u',', 0, u"", chars), 1);
  EXPECT_EQ(put(f, -12.5), u"\u2212\u0661\u0662,\u0665");
  EXPECT_EQ(put(f, 1e300), u"\u0661,\u0623\u0663\u0660\u0660");
  EXPECT_EQ(put(f, 305L), u"\u0663\u0660\u0665");
  EXPECT_EQ(put(f, true), u"\u0661");
  const Converted c = convert(std::numeric_limits<double>::infinity(), 2, 0, 256, 1, 0, false, f);
  EXPECT_EQ(c.integer, u"\u0661");
}

TEST(NumPutConvert, EveryFloatingPointClass) {
  const double inf = std::numeric_limits<double>::infinity();
  Converted c = convert(std::numeric_limits<double>::signaling_NaN(), 2, 0, 256, 1, 0, false);
  EXPECT_FALSE(c.finite);
  EXPECT_EQ(c.integer, u"0");
  EXPECT_EQ(c.fraction, u"#NAN");
  c = convert(std::numeric_limits<double>::quiet_NaN(), 2, 0, 256, 1, 0, false);
  EXPECT_FALSE(c.finite);
  EXPECT_EQ(c.integer + c.fraction, u"0#IND");
  c = convert(-inf, 2, 0, 256, 1, 0, true);
  EXPECT_FALSE(c.finite);
  EXPECT_TRUE(c.negative);
  EXPECT_EQ(c.integer + c.fraction, u"1#INF");
  EXPECT_FALSE(c.hasExponent);
  c = convert(inf, 2, 0, 256, 1, 0, false);
  EXPECT_FALSE(c.finite || c.negative);
  EXPECT_EQ(c.integer + c.fraction, u"1#INF");
  for (double zero : {0.0, -0.0}) {
    c = convert(zero, 2, 1, 256, 1, 0, false);
    EXPECT_TRUE(c.finite);
    EXPECT_FALSE(c.negative);  // negative zero is zero
    EXPECT_EQ(c.integer, u"");
    EXPECT_EQ(c.fraction, u"0");
  }
  c = convert(-std::numeric_limits<double>::denorm_min(), 2, 0, 256, 1, 0, true);
  EXPECT_TRUE(c.negative && c.negativeExponent);
  EXPECT_EQ(c.integer + u"." + c.fraction + u"e" + c.exponent, u"4.94e324");
  c = convert(-std::numeric_limits<double>::max(), 3, 0, 256, 1, 0, false);
  EXPECT_TRUE(c.negative && c.hasExponent && !c.negativeExponent);
  EXPECT_EQ(c.integer + u"." + c.fraction + u"e" + c.exponent, u"1.79769313486232e308");
}

TEST(NumPutConvert, OutputsAreClearedOnEveryCall) {
  ucs2string_formatter i, fr, e;
  bool negative = true, hasExponent = true, negativeExponent = true;
  const zv_num_put& f = classic_put();
  f.convert(-1.5e-7, 2, 0, 256, 1, 0, true, false, i, fr, e, negative, hasExponent, negativeExponent);
  f.convert(3.0, 2, 0, 256, 1, 0, false, false, i, fr, e, negative, hasExponent, negativeExponent);
  EXPECT_EQ(text(i), u"3");
  EXPECT_EQ(text(fr), u"");
  EXPECT_EQ(text(e), u"");
  EXPECT_FALSE(negative || hasExponent || negativeExponent);
}

TEST(NumPutConvert, SwitchToScientificBeyondMaxInteger) {
  Converted c = convert(1e20, 2, 2, 15, 3, 0, false);
  EXPECT_EQ(c.integer, u"1");
  EXPECT_EQ(c.fraction, u"");  // the switch drops the forced fraction digits
  EXPECT_EQ(c.exponent, u"20");  // and the step: exponents of any value
  EXPECT_TRUE(c.hasExponent);
  // One integer place allowed: 0.5 already needs it, 10 does not fit.
  c = convert(10.0, 2, 0, 1, 1, 0, false);
  EXPECT_EQ(c.integer + u"e" + c.exponent, u"1e1");
  c = convert(0.5, 2, 0, 0, 1, 0, false);
  EXPECT_EQ(c.integer + u"e-" + c.exponent, u"5e-1");
}

TEST(NumPutConvert, CarriesLengthenTheNumber) {
  Converted c = convert(9.96, 1, 0, 256, 1, 0, false);
  EXPECT_EQ(c.integer + u"." + c.fraction, u"10.");
  c = convert(0.0096, 2, 0, 256, 1, 0, false);  // rounding on the first digit itself
  EXPECT_EQ(c.integer + u"." + c.fraction, u".01");
  c = convert(0.004, 2, 0, 256, 1, 0, false);  // nothing kept
  EXPECT_EQ(c.integer + u"." + c.fraction, u".");
  // A carry past maxInteger turns the number scientific.
  c = convert(999.96, 1, 1, 3, 3, 0, false);
  EXPECT_EQ(c.integer + u"." + c.fraction + u"e" + c.exponent, u"1.e3");
  // A carry to the next exponent step: 999.96e3 with steps of 3 is 1e6.
  c = convert(999960.0, 1, 0, 256, 3, 0, true);
  EXPECT_EQ(c.integer + u"." + c.fraction + u"e" + c.exponent, u"1.e6");
  c = convert(9.999999999999998, 20, 0, 256, 1, 0, false);  // fifteen nines round up
  EXPECT_EQ(c.integer + u"." + c.fraction, u"10.");
}

TEST(NumPutConvert, ScientificSteps) {
  Converted c = convert(12345.0, 3, 0, 256, 3, 0, true);
  EXPECT_EQ(c.integer + u"." + c.fraction + u"e" + c.exponent, u"12.345e3");
  c = convert(0.00012, 3, 1, 256, 3, 3, true);
  EXPECT_EQ(c.integer + u"." + c.fraction, u"120.0");
  EXPECT_TRUE(c.negativeExponent);
  EXPECT_EQ(c.exponent, u"006");
  c = convert(0.00012, 3, 0, 256, 2, 0, true);  // floor(-4 / 2) * 2
  EXPECT_EQ(c.integer, u"1");
  EXPECT_EQ(c.fraction, u"2");
  EXPECT_EQ(c.exponent, u"4");
  c = convert(0.0, 2, 2, 256, 3, 2, true);
  EXPECT_EQ(c.integer + u"." + c.fraction + u"e" + c.exponent, u".00e00");
  c = convert(5.0, 2, 0, 256, 0, 0, true);  // a step below 1 counts as 1
  EXPECT_EQ(c.integer + u"e" + c.exponent, u"5e0");
}

TEST(NumPutConvert, ExtremeLayoutArgumentsStaySafe) {
  Converted c = convert(1.0 / 3, INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MIN, false);
  EXPECT_EQ(c.fraction, u"333333333333333");
  c = convert(1.0 / 3, INT_MIN, 0, 256, 1, 0, false);
  EXPECT_EQ(c.integer + c.fraction, u"");
  c = convert(123.0, 2, 0, 256, INT_MAX, 0, true);
  EXPECT_EQ(c.integer + u"e" + c.exponent, u"123e0");
  // Far beyond what a formatter can hold: a clear error, not a crash.
  try {
    convert(0.5, 2, 0, 256, INT_MAX, 0, true);
    ADD_FAILURE() << "expected 0x8004112A";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_LENGTH);
  }
  try {
    convert(0.5, 2, 100000, 256, 1, 0, false);
    ADD_FAILURE() << "expected 0x8004112A";
  } catch (const ZVException& e) {
    EXPECT_EQ(e.code(), ZV_E_LENGTH);
  }
}

TEST(NumFacets, InstalledInTheClassicLocaleAndCombinedWithNumeric) {
  const zv_locale classic = zv_locale::classic();
  const zv_num_put& p = zv_use_facet<zv_num_put>(classic);
  const zv_num_get& g = zv_use_facet<zv_num_get>(classic);
  // Both bound to the locale's own punctuation.
  EXPECT_EQ(&p.punctuation(), &zv_use_facet<zv_numpunct>(classic));
  EXPECT_EQ(&g.punctuation(), &zv_use_facet<zv_numpunct>(classic));
  const zv_locale combined(classic, classic, zv_locale::numeric);
  EXPECT_EQ(&zv_use_facet<zv_num_put>(combined), &p);
}

TEST(NumFacets, OwnPunctuationLivesAsLongAsTheFacet) {
  // The public constructors make a private punctuation; a facet sharing a
  // punctuation keeps it alive after its other holders let go.
  auto* owner = new zv_num_put(0);
  EXPECT_EQ(owner->punctuation().RefCount(), 1u);
  zv_numpunct* punct = make_punct(0);
  punct->_M_add_reference();
  {
    zv_num_get get(punct, 1);
    zv_num_put shared(punct, 1);
    EXPECT_EQ(punct->RefCount(), 3u);
    punct->_M_remove_reference();
    EXPECT_EQ(put(shared, -1L), u"(1)");
  }
  owner->_M_add_reference();
  owner->_M_remove_reference();  // deletes the facet and its punctuation
}

}  // namespace
