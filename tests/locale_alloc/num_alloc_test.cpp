// Number output allocates nothing for results under 500 units. A program of
// its own, since it replaces the global operator new to count allocations.
#include <gtest/gtest.h>

#include "alloc_counter.h"

#include <cmath>
#include <cstdlib>
#include <new>
#include <random>

#include "kti18n/locale/locale.h"
#include "kti18n/locale/num_put.h"


namespace {

TEST(NumAlloc, PutAndConvertAllocateNothing) {
  const zv_num_put& put = zv_use_facet<zv_num_put>(zv_locale::classic());
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> magnitude(-300, 300);
  ucs2string_formatter out, integer, fraction, exponent;
  bool negative, hasExponent, negativeExponent;
  alloc_counter::Watch count;
  for (int i = 0; i < 10'000; ++i) {
    // Values from 1e-300 to 1e300 (up to 256 integer digits in the plain
    // layout), both signs, and every kind of layout.
    const double v = std::pow(10.0, magnitude(rng)) * ((i & 1) ? -1 : 1);
    out.clear();
    put.put(out, u' ', v);
    put.put(out, u' ', static_cast<long>(i - 5000));
    put.put(out, u' ', static_cast<unsigned long>(i));
    put.put(out, u' ', (i & 2) != 0);
    put.convert(v, 17, 1, 256, 1, 0, false, false, integer, fraction, exponent, negative, hasExponent,
                negativeExponent);
    put.convert(v, 14, 0, 256, 1 + i % 3, 3, true, false, integer, fraction, exponent, negative, hasExponent,
                negativeExponent);
    put.convert(i * 0.01, 2, 2, 256, 1, 0, false, false, integer, fraction, exponent, negative, hasExponent,
                negativeExponent);
  }
  EXPECT_EQ(count.count(), 0u);
}

TEST(NumAlloc, TheCounterSeesAllocations) {
  alloc_counter::Watch count;
  ucs2string_formatter big;
  big.append(600u, u'x');  // beyond the 500 units held inline
  EXPECT_GT(count.count(), 0u);
}

}  // namespace
