// The digit engine (zv_num_put::convert) against an independent reference: the exact decimal
// expansion from the C library's printf, rounded to 15 significant digits (ties to even), then
// laid out and rounded half up by plain string arithmetic in this file.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "kti18n/locale/digit_engine.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/num_put.h"

#if defined(__SANITIZE_ADDRESS__)
#define KTI18N_UNDER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KTI18N_UNDER_SANITIZER 1
#endif
#endif

namespace {

#ifdef KTI18N_UNDER_SANITIZER
constexpr int kScale = 10;
#else
constexpr int kScale = 1;
#endif
constexpr int kRandomValues = 500'000 / kScale;

struct Outcome {
  bool finite = false;
  std::string integer, fraction, exponent;
  bool negative = false, hasExponent = false, negativeExponent = false;

  bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
  return os << (o.finite ? "" : "special ") << (o.negative ? "-" : "") << "[" << o.integer << "].["
            << o.fraction << "]" << (o.hasExponent ? (o.negativeExponent ? " e-" : " e+") : "") << o.exponent;
}

std::string narrow(const ucs2string_formatter& f) {
  std::string s;
  for (unsigned i = 0; i < f.length(); ++i) s += static_cast<char>(f[i]);
  return s;
}

Outcome run_engine(double v, const zv_digit_layout& layout) {
  static const zv_num_put& put = zv_use_facet<zv_num_put>(zv_locale::classic());
  ucs2string_formatter integer, fraction, exponent;
  Outcome o;
  o.finite = put.convert(v, layout.maxFraction, layout.minFraction, layout.maxInteger, layout.exponentStep,
                         layout.minExponentDigits, layout.scientific, false, integer, fraction, exponent, o.negative,
                         o.hasExponent, o.negativeExponent);
  o.integer = narrow(integer);
  o.fraction = narrow(fraction);
  o.exponent = narrow(exponent);
  return o;
}

// |v| rounded to 15 significant digits, ties to even, and the power of ten
// of the first one. The exact expansion comes from printf: with 41 digits
// asked for, a non-zero digit after the sixteenth shows that the value lies
// strictly between ties; when they are all zero (printf may have carried
// into them), the whole exact expansion is asked for.
struct Leading {
  std::string digits;
  int exponent;
};

Leading parse_exponential(const char* text) {
  Leading l;
  l.digits += text[0];
  const char* p = text + 2;
  while (*p != 'e') l.digits += *p++;
  l.exponent = std::atoi(p + 1);
  return l;
}

Leading fifteen_digits(double v) {
  static char buffer[1200];
  std::snprintf(buffer, sizeof buffer, "%.40e", v);
  Leading l = parse_exponential(buffer);
  if (l.digits.find_first_not_of('0', 16) == std::string::npos) {
    std::snprintf(buffer, sizeof buffer, "%.800e", v);  // 767 digits suffice for any double
    l = parse_exponential(buffer);
  }
  const bool beyondTie = l.digits.find_first_not_of('0', 16) != std::string::npos;
  const char sixteenth = l.digits[15];
  l.digits.resize(15);
  const bool up = sixteenth > '5' || (sixteenth == '5' && (beyondTie || (l.digits[14] - '0') % 2 == 1));
  if (up) {
    int i = 14;
    while (i >= 0 && l.digits[i] == '9') l.digits[i--] = '0';
    if (i >= 0) {
      ++l.digits[i];
    } else {
      l.digits = "1" + std::string(14, '0');
      ++l.exponent;
    }
  }
  return l;
}

// The layout rules, restated plainly.
struct Place {
  bool scientific;
  long long exponent, integerPlaces, wanted, minFraction;
};

Place place(long long e, const zv_digit_layout& L, bool switched) {
  long long step = L.exponentStep < 1 ? 1 : L.exponentStep;
  long long maxF = L.maxFraction, minF = L.minFraction;
  if (!L.scientific && !switched && std::max(e + 1, 1LL) <= L.maxInteger)
    return {false, 0, e + 1, e + 1 + maxF, minF};
  if (!L.scientific) step = 1, maxF = 14, minF = 0;
  long long x = static_cast<long long>(std::floor(static_cast<double>(e) / static_cast<double>(step))) * step;
  return {true, x, e - x + 1, e - x + 1 + maxF, minF};
}

Outcome reference(double v, const Leading& lead, const zv_digit_layout& L) {
  Outcome o;
  o.finite = true;
  o.negative = std::signbit(v) && v != 0;
  v = std::fabs(v);
  long long e = 0;
  std::string kept;
  Place p = place(0, L, false);
  if (v != 0) {
    e = lead.exponent;
    p = place(e, L, false);
    const long long keep = std::min(p.wanted, 15LL);
    if (keep >= 0) {
      kept = lead.digits.substr(0, static_cast<size_t>(keep));
      if (keep < 15 && lead.digits[static_cast<size_t>(keep)] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i >= 0) {
          ++kept[i];
        } else {
          kept.assign(1, '1');
          ++e;
          p = place(e, L, p.scientific);
        }
      }
    }
    while (!kept.empty() && kept.back() == '0') kept.pop_back();
  }
  const long long n = static_cast<long long>(kept.size());
  if (n > 0 && p.integerPlaces > 0) {
    o.integer = kept.substr(0, static_cast<size_t>(std::min(n, p.integerPlaces)));
    o.integer.append(static_cast<size_t>(std::max(0LL, p.integerPlaces - n)), '0');
  }
  if (n > 0 && n > p.integerPlaces) {
    if (p.integerPlaces < 0) o.fraction.assign(static_cast<size_t>(-p.integerPlaces), '0');
    o.fraction += kept.substr(static_cast<size_t>(std::max(0LL, p.integerPlaces)));
  }
  while (static_cast<long long>(o.fraction.size()) < p.minFraction) o.fraction += '0';
  if (p.scientific) {
    o.hasExponent = true;
    o.negativeExponent = p.exponent < 0;
    o.exponent = std::to_string(std::llabs(p.exponent));
    while (static_cast<long long>(o.exponent.size()) < L.minExponentDigits) o.exponent.insert(o.exponent.begin(), '0');
  }
  return o;
}

std::vector<zv_digit_layout> oracle_layouts() {
  return {
      {0, 0, 256, 1, 0, false},   // fixed, no fraction
      {2, 2, 256, 1, 0, false},   // fixed, two fraction digits forced
      {17, 1, 256, 1, 0, false},  // the plain output of a double
      {2, 0, 15, 1, 0, false},    // fixed, scientific beyond 15 integer digits
      {14, 0, 256, 1, 2, true},   // scientific
      {5, 1, 256, 2, 0, true},    // exponents in steps of 2
      {8, 0, 256, 3, 3, true},    // engineering steps of 3
  };
}

class Oracle {
 public:
  void check(double v) {
    const Leading lead = v != 0 ? fifteen_digits(std::fabs(v)) : Leading{};
    for (const zv_digit_layout& layout : layouts_) {
      const Outcome got = run_engine(v, layout);
      const Outcome want = reference(v, lead, layout);
      ++checked_;
      if (got != want && ++mismatches_ <= 20) {
        ADD_FAILURE() << "value " << std::hexfloat << v << std::defaultfloat << " (" << v << ") layout maxF "
                      << layout.maxFraction << " step " << layout.exponentStep
                      << (layout.scientific ? " sci" : " fixed") << ": got " << got << ", want " << want;
      }
    }
  }
  long long mismatches() const { return mismatches_; }
  long long checked() const { return checked_; }

 private:
  std::vector<zv_digit_layout> layouts_ = oracle_layouts();
  long long mismatches_ = 0, checked_ = 0;
};

double random_finite(std::mt19937_64& rng) {
  for (;;) {
    const double v = std::bit_cast<double>(rng());
    if (std::isfinite(v)) return v;
  }
}

TEST(NumConvertOracle, RandomBitPatternsOverTheWholeRange) {
  std::mt19937_64 rng(20261208);
  Oracle oracle;
  for (int i = 0; i < kRandomValues; ++i) oracle.check(random_finite(rng));
  EXPECT_EQ(oracle.mismatches(), 0) << "of " << oracle.checked();
}

TEST(NumConvertOracle, RandomValuesOfEverydayMagnitude) {
  // Where fixed notation keeps digits: exponents within about 10^-21..10^21.
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<int> binaryExponent(-70, 70);
  Oracle oracle;
  for (int i = 0; i < kRandomValues; ++i) {
    const double mantissa = 1.0 + static_cast<double>(rng() >> 12) / 4503599627370496.0;
    oracle.check(std::ldexp(mantissa, binaryExponent(rng)) * ((i & 1) ? -1 : 1));
  }
  EXPECT_EQ(oracle.mismatches(), 0) << "of " << oracle.checked();
}

// Amounts as people type them: 1 to 6 decimals (prices, rates,
// quantities), read the way strtod reads them.
TEST(NumConvertOracle, TypedDecimals) {
  std::mt19937_64 rng(13);
  std::uniform_int_distribution<int> decimals(1, 6);
  std::uniform_int_distribution<long long> magnitude(0, 12);
  Oracle oracle;
  char typed[40];
  for (int i = 0; i < 600'000 / kScale; ++i) {
    const int d = decimals(rng);
    const long long whole = static_cast<long long>(rng() % static_cast<unsigned long long>(std::pow(10, magnitude(rng))));
    const long long fraction = static_cast<long long>(rng() % static_cast<unsigned long long>(std::pow(10, d)));
    std::snprintf(typed, sizeof typed, "%s%lld.%0*lld", (i & 1) ? "-" : "", whole, d, fraction);
    oracle.check(std::strtod(typed, nullptr));
  }
  EXPECT_EQ(oracle.mismatches(), 0) << "of " << oracle.checked();
}

// Values on a tie: binary fractions held exactly (0.125, 2.5, 1234.5625),
// sixteen- and seventeen-digit numbers whose last digit is a 5, and the
// prices and their halfway neighbours.
TEST(NumConvertOracle, ExactTiesAndHalfwayCases) {
  std::mt19937_64 rng(2026);
  Oracle oracle;
  for (int i = 0; i < 200'000 / kScale; ++i) {
    const int bits = 1 + i % 12;
    const double whole = static_cast<double>(rng() % 1'000'000);
    const double odd = static_cast<double>(2 * (rng() % (1u << (bits - 1))) + 1);
    oracle.check(whole + std::ldexp(odd, -bits));
  }
  for (int i = 0; i < 100'000 / kScale; ++i) {
    const long long tail5 = static_cast<long long>(rng() % 800'000'000'000'000ULL + 100'000'000'000'000ULL) * 10 + 5;
    oracle.check(static_cast<double>(tail5));                  // 16 digits, held exactly
    oracle.check(static_cast<double>(tail5 / 10) + 0.5);       // 15 digits and a half
  }
  for (int cents = 0; cents < 200'000 / kScale; ++cents) {
    oracle.check(cents / 100.0);
    oracle.check(cents / 1000.0);
    oracle.check((cents + 0.5) / 100.0);
  }
  for (double v : {0.5, 1.5, 2.5, 0.05, 0.15, 0.25, 0.35, 1.0005, 1.005, 2.675, 9.995, 99.5, 999.5, 0.125, 0.375,
                   0.9999999999999999, 9.999999999999999, 99999999999999.95, 999999999999999.5, 9999999999999995.0,
                   1e15 + 0.5, 1e16 - 1, 123456789012345678.0, 4503599627370496.5, 9007199254740993.0}) {
    oracle.check(v);
    oracle.check(-v);
  }
  for (int p = -330; p <= 310; ++p) {
    const double v = std::pow(10.0, p);
    for (double w : {v, std::nextafter(v, 0.0), std::nextafter(v, INFINITY), 5 * v, 9.5 * v, 0.95 * v}) {
      if (std::isfinite(w)) oracle.check(w);
    }
  }
  for (double v : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                   std::numeric_limits<double>::denorm_min(), std::nextafter(std::numeric_limits<double>::min(), 0.0),
                   std::nextafter(std::numeric_limits<double>::max(), 0.0), 0.0, -0.0}) {
    oracle.check(v);
    oracle.check(-v);
  }
  EXPECT_EQ(oracle.mismatches(), 0) << "of " << oracle.checked();
}

}  // namespace
