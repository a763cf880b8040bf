// Typed numbers against the C library's correctly rounded strtod, round
// trips through the plain output form, and random and mutated texts (under
// the sanitizer build these show any read past the terminating zero).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "kti18n/fmtlib/decimal_to_double.h"
#include "kti18n/fmtlib/input_number.h"
#include "numberformat_support.h"

namespace {

using namespace FmtLib;

// A typed number: its significant digits (the first not 0), where the
// decimal separator goes, and the exponent written after it.
struct Typed {
  std::string significant;
  int leadingZeros = 0;  // written before the first significant digit
  int pointAfter = -1;   // characters of significant before the separator; -1 none
  int exponent = 0;
  bool hasExponent = false;
  bool negative = false;

  std::string Text() const {
    std::string t = negative ? "-" : "";
    std::string body = std::string(leadingZeros, '0') + significant;
    if (pointAfter >= 0) body.insert(static_cast<std::size_t>(pointAfter + leadingZeros), ".");
    t += body;
    if (hasExponent) t += "e" + std::to_string(exponent);
    return t;
  }

  // The power of ten of the last kept digit, over at most twenty kept
  // digits, and strtod's reading of exactly those digits.
  std::string KeptAsCText(long long& scale) const {
    const int n = static_cast<int>(significant.size());
    const int kept = n < 20 ? n : 20;
    const int integerDigits = pointAfter < 0 ? n : pointAfter;
    // Digits beyond twenty are dropped, whichever side of the separator.
    scale = static_cast<long long>(integerDigits) - kept + (hasExponent ? exponent : 0);
    std::string digits = significant.substr(0, static_cast<std::size_t>(kept));
    while (digits.size() > 1 && digits.back() == '0') {
      digits.pop_back();
      ++scale;
    }
    return (negative ? "-" : "") + digits + "e" + std::to_string(scale);
  }
};

class Generator {
 public:
  explicit Generator(std::uint64_t seed) : m_rng(seed) {}

  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

  std::string Digits(int n) {
    std::string s;
    s += static_cast<char>('1' + Uniform(0, 8));
    for (int i = 1; i < n; ++i) s += static_cast<char>('0' + Uniform(0, 9));
    return s;
  }

  Typed Price() {
    Typed t;
    t.significant = Digits(Uniform(1, 7));
    t.pointAfter = Uniform(0, static_cast<int>(t.significant.size()));
    t.negative = Uniform(0, 3) == 0;
    return t;
  }

  Typed LongMantissa() {
    Typed t;
    t.significant = Digits(Uniform(15, 25));
    t.leadingZeros = Uniform(0, 2);
    t.pointAfter = Uniform(-1, static_cast<int>(t.significant.size()));
    t.hasExponent = true;
    t.exponent = Uniform(-345, 320);
    t.negative = Uniform(0, 1) == 0;
    return t;
  }

  Typed Scientific() {
    Typed t;
    t.significant = Digits(Uniform(1, 19));
    t.pointAfter = 1;
    t.hasExponent = true;
    t.exponent = Uniform(-330, 308);
    return t;
  }

  // An odd multiple of a power of two that lies half-way between two
  // doubles, written in full (at most twenty digits): ties to even.
  Typed HalfWay() {
    const std::uint64_t m = (std::uint64_t{1} << 53) | (m_rng() & ((std::uint64_t{1} << 53) - 1)) | 1;
    const int shift = Uniform(0, 10);
    Typed t;
    t.significant = std::to_string(m << shift);
    return t;
  }

  std::mt19937_64& Engine() { return m_rng; }

 private:
  std::mt19937_64 m_rng;
};

class InputNumberOracle : public ::testing::Test {
 protected:
  FmtLibInitExit guard;
  izv_ptr<zvSettings> settings = nf_test::SettingsFor(zv_locale::classic());
  std::unique_ptr<zvInputNumber> input = Make();

  std::unique_ptr<zvInputNumber> Make() {
    zvInputNumber* raw = nullptr;
    EXPECT_EQ(CreateInputNumber(settings, raw), 0);
    return std::unique_ptr<zvInputNumber>(raw);
  }
};

TEST_F(InputNumberOracle, AMillionTypedNumbersReadAsStrtodReadsTheKeptDigits) {
  Generator gen(20261208);
  int mismatches = 0;
  for (int i = 0; i < 1'000'000; ++i) {
    const int kind = i % 4;
    const Typed t = kind == 0 ? gen.Price() : kind == 1 ? gen.LongMantissa() : kind == 2 ? gen.Scientific() : gen.HalfWay();
    const std::string text = t.Text();
    long long scale = 0;
    const std::string kept = t.KeptAsCText(scale);
    double value = 0;
    int length = 0;
    const bool ok = input->Scan(ucs2string(text.c_str()).c_str(), value, length);
    // Beyond the greatest double it is an overflow, whatever the scale;
    // below the least subnormal strtod gives the zero the scan gives.
    const double nearest = std::strtod(kept.c_str(), nullptr);
    const bool overflow = scale > 308 || std::isinf(nearest);
    double expected = overflow ? 0.0 : nearest;
    if (ok == overflow || length != static_cast<int>(text.size()) ||
        (!overflow && std::memcmp(&value, &expected, sizeof value) != 0)) {
      if (++mismatches <= 10)
        ADD_FAILURE() << text << " (kept " << kept << "): ok " << ok << " length " << length << " value " << value
                      << " expected " << expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(InputNumberOracle, RoundTripsThroughText) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> exponent(-300, 300);
  std::uniform_real_distribution<double> mantissa(1, 10);
  char buffer[40];
  for (int i = 0; i < 100'000; ++i) {
    double v = mantissa(rng) * std::pow(10.0, std::floor(exponent(rng)));
    if (i % 3 == 0) v = -v;
    // Seventeen significant digits name every double.
    std::snprintf(buffer, sizeof buffer, "%.16e", v);
    double back = 0;
    int length = 0;
    ASSERT_TRUE(input->Scan(ucs2string(buffer).c_str(), back, length)) << buffer;
    ASSERT_EQ(back, v) << buffer;
    // Fifteen significant digits name the value they round to, and the
    // plain output form writes those fifteen.
    std::snprintf(buffer, sizeof buffer, "%.14e", v);
    const double short15 = std::strtod(buffer, nullptr);
    input->Format(short15);
    ASSERT_TRUE(input->Scan(input->c_str(), back, length));
    ASSERT_EQ(back, short15) << buffer << " written as " << ucs2string(input->c_str()).to_utf8();
  }
}

TEST_F(InputNumberOracle, RandomAndMutatedTextsStayInsideTheirBuffers) {
  std::mt19937_64 rng(99);
  const unsigned short alphabet[] = {'0', '1', '5', '9', '.', ',', '-', '+', 'e', 'E', ' ', '\t', 'x',
                                     0x0660, 0x0669, 0x096B, 0xFF19, 0x00A0, 0x2003, 0xD800, 0xFFFF};
  const char* seeds[] = {"  -  42", "1 e 3", "1e-330", "0.05", "1234567890123456789012345", "1e4294967297", "5."};
  std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 1);
  for (int i = 0; i < 100'000; ++i) {
    std::vector<unsigned short> text;
    if (i % 2 == 0) {
      const std::size_t n = rng() % 24;
      for (std::size_t k = 0; k < n; ++k) text.push_back(alphabet[pick(rng)]);
    } else {
      const ucs2string seed(seeds[rng() % std::size(seeds)]);
      text.assign(seed.data(), seed.data() + seed.length());
      for (int edits = 1 + static_cast<int>(rng() % 3); edits > 0; --edits) {
        const std::size_t at = text.empty() ? 0 : rng() % text.size();
        switch (rng() % 3) {
          case 0: text.insert(text.begin() + static_cast<long>(at), alphabet[pick(rng)]); break;
          case 1: if (!text.empty()) text.erase(text.begin() + static_cast<long>(at)); break;
          default: if (!text.empty()) text[at] = alphabet[pick(rng)]; break;
        }
      }
    }
    text.push_back(0);
    text.shrink_to_fit();  // exactly sized, so that the sanitizer sees a read past the zero
    double value = 0;
    int length = -1;
    input->Scan(text.data(), value, length);
    ASSERT_GE(length, 0);
    ASSERT_LT(length, static_cast<int>(text.size()));
  }
}

TEST(DecimalToDouble, EdgesOfTheRange) {
  auto convert = [](const char* digits, int exponent) {
    unsigned char d[20];
    int n = 0;
    for (; digits[n] != 0; ++n) d[n] = static_cast<unsigned char>(digits[n] - '0');
    return zvDecimalToDouble(d, n, exponent);
  };
  EXPECT_EQ(convert("17976931348623157", 292), 1.7976931348623157e308);
  EXPECT_EQ(convert("17976931348623158", 292), 1.7976931348623157e308);
  // Half-way between the greatest double and 2^1024 rounds to infinity.
  EXPECT_EQ(convert("17976931348623159", 292), HUGE_VAL);
  EXPECT_EQ(convert("22250738585072011", -324), 2.2250738585072011e-308);
  EXPECT_EQ(convert("22250738585072012", -324), 2.2250738585072014e-308);
  EXPECT_EQ(convert("24703282292062327", -340), 0.0);      // just below half the least subnormal
  EXPECT_EQ(convert("24703282292062328", -340), 4.9406564584124654e-324);
  EXPECT_EQ(convert("9007199254740993", 0), 9007199254740992.0);  // tie, even below
  EXPECT_EQ(convert("9007199254740995", 0), 9007199254740996.0);  // tie, even above
  EXPECT_EQ(convert("00012300", 0), 12300.0);
  EXPECT_EQ(convert("", 5), 0.0);
  EXPECT_EQ(convert("1", -400), 0.0);
  EXPECT_EQ(convert("1", 400), HUGE_VAL);
}

}  // namespace
