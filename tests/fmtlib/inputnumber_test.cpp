// Reading typed numbers: the syntax, the integer queries, the scale limits,
// digits of other scripts, the locale's characters, and the plain output.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "kti18n/fmtlib/input_number.h"
#include "numberformat_support.h"

namespace {

using namespace FmtLib;
using nf_test::SettingsFor;

struct Result {
  bool ok;
  double value;
  int length;
};

class InputNumberTest : public ::testing::Test {
 protected:
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = SettingsFor(zv_locale::classic());
  std::unique_ptr<zvInputNumber> input = Make(settings);

  static std::unique_ptr<zvInputNumber> Make(izv_ptr<zvSettings>& s) {
    zvInputNumber* raw = nullptr;
    EXPECT_EQ(CreateInputNumber(s, raw), 0);
    return std::unique_ptr<zvInputNumber>(raw);
  }

  Result Scan(const ucs2string& text, zvInputNumber* in = nullptr) {
    Result r{false, 12345.0, -1};
    r.ok = (in ? in : input.get())->Scan(text.c_str(), r.value, r.length);
    return r;
  }
  Result Scan(const char* text) { return Scan(ucs2string(text)); }

  std::string Integer(const char* text) {
    Scan(text);
    long v = 0;
    unsigned long u = 0;
    const bool i = input->IsInteger(v), un = input->IsUnsignedInteger(u);
    return (i ? "i" + std::to_string(v) : "-") + (un ? " u" + std::to_string(u) : " -");
  }
};

#define EXPECT_READS(text, expected, len)      \
  do {                                         \
    Result r_ = Scan(text);                    \
    EXPECT_TRUE(r_.ok) << text;                \
    EXPECT_EQ(r_.value, expected) << text;     \
    EXPECT_EQ(r_.length, len) << text;         \
  } while (0)

#define EXPECT_FAILS(text, len)                                  \
  do {                                                           \
    Result r_ = Scan(text);                                      \
    EXPECT_FALSE(r_.ok) << text;                                 \
    EXPECT_EQ(r_.value, 12345.0) << text << ": value written"; \
    EXPECT_EQ(r_.length, len) << text;                           \
  } while (0)

TEST_F(InputNumberTest, SignsSpacesAndSeparator) {
  EXPECT_READS("  -  42", -42.0, 7);
  EXPECT_READS("+5", 5.0, 2);
  EXPECT_FAILS("--5", 1);
  EXPECT_FAILS("+-5", 1);
  EXPECT_FAILS("", 0);
  EXPECT_FAILS("   ", 3);
  EXPECT_FAILS("abc", 0);
  EXPECT_READS("0", 0.0, 1);
  EXPECT_READS(".5", 0.5, 2);
  EXPECT_READS("5.", 5.0, 2);
  EXPECT_FAILS(".", 1);
  EXPECT_FAILS("-.", 2);
  EXPECT_READS("0.05", 0.05, 4);
  EXPECT_READS("000123.4500", 123.45, 11);
  EXPECT_READS("12 ", 12.0, 2);
  EXPECT_READS("12abc", 12.0, 2);
  EXPECT_READS("1,234", 1.0, 1);  // grouping separators are never read
  EXPECT_READS("1.2.3", 1.2, 3);
  Result none{true, 1.0, -1};
  none.ok = input->Scan(nullptr, none.value, none.length);
  EXPECT_FALSE(none.ok);
  EXPECT_EQ(none.length, 0);
  Result negativeZero = Scan("-0");
  EXPECT_TRUE(negativeZero.ok);
  EXPECT_TRUE(std::signbit(negativeZero.value));
}

TEST_F(InputNumberTest, Exponent) {
  EXPECT_READS("1 e 3", 1000.0, 5);
  EXPECT_READS("1E3", 1000.0, 3);
  EXPECT_READS("2.5e-3", 0.0025, 6);
  EXPECT_READS("1e- 2", 0.01, 5);
  EXPECT_READS("1e-0", 1.0, 4);
  EXPECT_READS("1 x", 1.0, 1);  // white space before a non-exponent stays unread
  EXPECT_FAILS("1e", 2);
  EXPECT_FAILS("1e+", 3);
  EXPECT_FAILS("1 e - x", 6);
  EXPECT_READS("1e308", 1e308, 5);
  EXPECT_FAILS("1e309", 5);
  EXPECT_FAILS("0e400", 5);  // the scale, not the value, decides
  EXPECT_READS("1e-330", 0.0, 6);
  EXPECT_READS("5e-324", 4.9406564584124654e-324, 6);
  // Below 10^-308 it is the number that decides, not the scale of its last
  // digit: seventeen digits of the least subnormal (a scale of 10^-340)
  // still denote it, and so do the fifteen that Format writes.
  EXPECT_READS("4.9406564584124654e-324", 4.9406564584124654e-324, 23);
  EXPECT_READS("4.94065645841247e-324", 4.9406564584124654e-324, 21);
  EXPECT_READS("1.23456789012345e-315", 1.23456789012345e-315, 21);
  EXPECT_READS("24703282292062328e-340", 4.9406564584124654e-324, 22);
  Result tiny = Scan("-1e-330");
  EXPECT_TRUE(tiny.ok);
  EXPECT_EQ(tiny.value, 0.0);
  EXPECT_TRUE(std::signbit(tiny.value));
  // Below half the least subnormal, numbers read as zero.
  EXPECT_READS("9e-328", 0.0, 6);
  EXPECT_READS("1e-329", 0.0, 6);
  // Digits beyond the greatest double overflow even when the scale is
  // within range: a failure, never an infinite number read as success.
  EXPECT_FAILS("99e307", 6);
  EXPECT_FAILS("-1.79769313486232e308", 21);
  EXPECT_READS("1.7976931348623157e308", 1.7976931348623157e308, 22);
}

TEST_F(InputNumberTest, ExponentSaturatesInsteadOfOverflowing) {
  // 4294967296 wraps a 32-bit integer to 0 and 4294967297 to 1.
  EXPECT_FAILS("1e4294967297", 12);
  EXPECT_FAILS("1e99999999999999999999", 22);
  EXPECT_READS("1e-4294967297", 0.0, 13);
  EXPECT_READS("1e-99999999999999999999999", 0.0, 26);
  EXPECT_FAILS("1e2147483647", 12);
  EXPECT_READS("1e-2147483648", 0.0, 13);
}

TEST_F(InputNumberTest, KeepsTwentySignificantDigits) {
  // Integer digits beyond twenty scale; fraction digits beyond twenty drop.
  EXPECT_READS("1234567890123456789012345", 1.2345678901234567890e24, 25);
  EXPECT_READS("0.00012345678901234567890999", 0.00012345678901234567890, 28);
  // Truncation, not rounding: the 21st digit is not looked at.
  EXPECT_READS("1.00000000000000000009", 1.0, 22);
  EXPECT_READS("0.000000000000000000000000000000000001", 1e-36, 38);
}

TEST_F(InputNumberTest, IntegerQueries) {
  EXPECT_EQ(Integer("0"), "i0 u0");
  EXPECT_EQ(Integer("2147483647"), "i2147483647 u2147483647");
  EXPECT_EQ(Integer("2147483648"), "- u2147483648");
  EXPECT_EQ(Integer("-2147483648"), "i-2147483648 -");
  EXPECT_EQ(Integer("-2147483649"), "- -");
  EXPECT_EQ(Integer("-1"), "i-1 -");
  EXPECT_EQ(Integer("4294967295"), "- u4294967295");
  EXPECT_EQ(Integer("4294967296"), "- -");
  EXPECT_EQ(Integer("5."), "- -");
  EXPECT_EQ(Integer("1 e 3"), "i1000 u1000");
  EXPECT_EQ(Integer("1e-0"), "- -");
  EXPECT_EQ(Integer("1e309"), "- -");  // the overflow is kept as a huge value
  EXPECT_EQ(Integer("99e307"), "- -");
  EXPECT_EQ(Integer("-0"), "i0 -");
}

TEST_F(InputNumberTest, DigitsOfOtherScriptsAndMixedScripts) {
  // Arabic-Indic 4 and 2, a point, Devanagari 5, fullwidth 1.
  EXPECT_READS(ucs2string(u"\u0664\u0662.\u096B"), 42.5, 4);
  EXPECT_READS(ucs2string(u"\uFF11e\u0662"), 100.0, 3);
  EXPECT_READS(ucs2string(u"\u0664\u00B2"), 4.0, 1);  // superscript two is no decimal digit
}

TEST_F(InputNumberTest, CharactersComeFromTheLocaleAndPreferences) {
  izv_ptr<zvSettings> commaPoint = SettingsFor(zv_locale::classic(), {{"decimal_point", ","}});
  auto comma = Make(commaPoint);
  Result r = Scan(ucs2string("-1,5e1"), comma.get());
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.value, -15.0);
  r = Scan(ucs2string("1.5"), comma.get());
  EXPECT_EQ(r.value, 1.0);
  EXPECT_EQ(r.length, 1);

  const zv_locale german("de_DE");
  izv_ptr<zvSettings> de = SettingsFor(german);
  auto in = Make(de);
  r = Scan(ucs2string("  -1.234,5e2"), in.get());
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.value, -1.0);
  EXPECT_EQ(r.length, 4);
  r = Scan(ucs2string("-1234,5e2"), in.get());
  EXPECT_EQ(r.value, -123450.0);
  EXPECT_EQ(r.length, 9);
}

// Swedish writes U+2212 for minus; people type the hyphen-minus of their
// keyboard. Either reads as the sign, in the mantissa and in the exponent,
// wherever the locale's sign is one of them.
TEST_F(InputNumberTest, HyphenMinusAndMinusSignAreOneSign) {
  izv_ptr<zvSettings> sv = SettingsFor(zv_locale("sv_SE"));
  auto swedish = Make(sv);
  for (const char16_t* text : {u"-12,5", u"\u221212,5"}) {
    const Result r = Scan(ucs2string(text), swedish.get());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.value, -12.5);
    EXPECT_EQ(r.length, 5);
  }
  EXPECT_EQ(Scan(ucs2string(u"1e-3"), swedish.get()).value, 0.001);
  EXPECT_READS(ucs2string(u"\u22125"), -5.0, 2);
  EXPECT_READS(ucs2string(u"1e\u22122"), 0.01, 4);
  EXPECT_FAILS(ucs2string(u"\u20135"), 0);  // an en dash is no sign
}

TEST_F(InputNumberTest, FormatWritesThePlainForm) {
  auto text = [&] { return ucs2string(input->c_str()).to_utf8(); };
  EXPECT_EQ(text(), "");
  EXPECT_TRUE(input->Format(0.0));
  EXPECT_EQ(text(), "0");
  input->Format(1234567.25);
  EXPECT_EQ(text(), "1234567.25");
  input->Format(-0.5);
  EXPECT_EQ(text(), "-0.5");
  input->Format(0.00001);
  EXPECT_EQ(text(), "1e-5");
  input->Format(1e16);
  EXPECT_EQ(text(), "1e16");
  input->Format(-5L);
  EXPECT_EQ(text(), "-5");
  input->Format(4294967295UL);
  EXPECT_EQ(text(), "4294967295");

  izv_ptr<zvSettings> commaPoint = SettingsFor(zv_locale::classic(), {{"decimal_point", ","}});
  auto comma = Make(commaPoint);
  comma->Format(-2.5);
  EXPECT_EQ(ucs2string(comma->c_str()).to_utf8(), "-2,5");
  // What Format writes, Scan reads back.
  for (double v : {0.1, -123.456, 9.87654321e-7, 3.25e20, 2e-300, 5e-324, -1.5e-320}) {
    comma->Format(v);
    const Result r = Scan(ucs2string(comma->c_str()), comma.get());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.value, v) << ucs2string(comma->c_str()).to_utf8();
  }
}

TEST_F(InputNumberTest, ConstructionFailsWithoutSettings) {
  izv_ptr<zvSettings> none;
  zvInputNumber* result = reinterpret_cast<zvInputNumber*>(0x1);
  EXPECT_EQ(CreateInputNumber(none, result), ZV_E_FAIL);
  EXPECT_EQ(result, reinterpret_cast<zvInputNumber*>(0x1));
}

}  // namespace
