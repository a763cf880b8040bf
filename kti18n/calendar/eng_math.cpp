#include "kti18n/calendar/eng_math.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <ctime>

double eng_getUTCtime() { return static_cast<double>(std::time(nullptr)); }

double eng_floor(double x) { return std::floor(x); }
double eng_ceil(double x) { return std::ceil(x); }
double eng_fabs(double x) { return std::fabs(x); }
double eng_modf(double x, double* intPart) { return std::modf(x, intPart); }
double eng_fmod(double x, double y) { return std::fmod(x, y); }
double eng_trunc(double x) { return std::trunc(x); }
double eng_max(double a, double b) { return a > b ? a : b; }
double eng_min(double a, double b) { return a < b ? a : b; }

bool eng_isNaN(double x) { return std::isnan(x); }
bool eng_isInfinite(double x) { return std::isinf(x); }
bool eng_isPositiveInfinity(double x) { return std::isinf(x) && x > 0; }
bool eng_isNegativeInfinity(double x) { return std::isinf(x) && x < 0; }

// The bit patterns are built once; every caller then gets the same quiet NaN
// and the same infinity.
double eng_getNaN() {
  static const double nan = std::bit_cast<double>(std::uint64_t{0x7FF8000000000000});
  return nan;
}

double eng_getInfinity() {
  static const double inf = std::bit_cast<double>(std::uint64_t{0x7FF0000000000000});
  return inf;
}
