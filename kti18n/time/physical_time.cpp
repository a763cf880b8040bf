#include "kti18n/time/physical_time.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <ostream>

#include "kti18n/time/timelib_exception.h"

namespace TimeLib {

namespace {

constexpr const char* kDivideByZeroDuration = "Duration / Duration::Zero";

// trunc(a / b) as an int; b is not zero.
int truncatedCount(double a, double b) {
  const double q = std::trunc(a / b);
  // A NaN or a count beyond int would make the conversion undefined.
  if (!(q >= static_cast<double>(std::numeric_limits<int>::min()) &&
        q <= static_cast<double>(std::numeric_limits<int>::max())))
    throw IncorrectData("chop (zvDuration, int)");
  return static_cast<int>(q);
}

// Writes a whole count of days, hours or minutes. Counts are printed as
// integers whatever their size, never in the stream's exponent form.
void printCount(std::ostream& os, double count) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", count);
  os << text;
}

}  // namespace

zvDuration& zvDuration::operator/=(double divisor) {
  if (divisor == 0.0) throw IncorrectData("Duration / 0.0");
  ms_ /= divisor;
  return *this;
}

void zvDuration::throwDivisionByZero() { throw IncorrectData(kDivideByZeroDuration); }

// The remainder keeps the sign of this because trunc rounds towards zero.
// A zero divisor would turn this into NaN, so it is refused like a division.
zvDuration& zvDuration::chop(const zvDuration& d) {
  if (d.ms_ == 0.0) throw IncorrectData(kDivideByZeroDuration);
  ms_ -= std::trunc(ms_ / d.ms_) * d.ms_;
  return *this;
}

zvDuration zvDuration::chop(const zvDuration& d) const {
  zvDuration copy(*this);
  return copy.chop(d);
}

zvDuration& zvDuration::chop(const zvDuration& d, int& count) {
  if (d.ms_ == 0.0) throw IncorrectData(kDivideByZeroDuration);
  const int n = truncatedCount(ms_, d.ms_);
  ms_ -= std::trunc(ms_ / d.ms_) * d.ms_;
  count = n;
  return *this;
}

zvDuration zvDuration::chop(const zvDuration& d, int& count) const {
  zvDuration copy(*this);
  return copy.chop(d, count);
}

zvDuration& zvDuration::chop(const zvDuration& d, double& quotient) {
  if (d.ms_ == 0.0) throw IncorrectData(kDivideByZeroDuration);
  quotient = ms_ / d.ms_;
  ms_ -= quotient * d.ms_;
  return *this;
}

std::ostream& operator<<(std::ostream& os, const zvDuration& duration) {
  double d = duration / zvDuration::Millisecond;
  if (!std::isfinite(d)) return os << d;
  if (d < 0) {
    os << '-';
    d = -d;
  }
  const double total = d;
  const double day = zvDuration::Day / zvDuration::Millisecond;
  const double hour = zvDuration::Hour / zvDuration::Millisecond;
  const double minute = zvDuration::Minute / zvDuration::Millisecond;
  const double days = std::trunc(d / day);
  d -= days * day;
  const double hours = std::trunc(d / hour);
  d -= hours * hour;
  const double minutes = std::trunc(d / minute);
  d -= minutes * minute;
  const double seconds = d / 1000.0;
  if (total >= day) {
    printCount(os, days);
    os << "::";
  }
  if (total >= hour) {
    printCount(os, hours);
    os << ':';
  }
  if (total >= minute) {
    printCount(os, minutes);
    os << ':';
  }
  // Rounded to the microsecond so that binary noise (1.4999999) stays out.
  return os << static_cast<int>(seconds * 1000000 + 0.5) * 0.000001;
}

std::ostream& operator<<(std::ostream& os, const zvPhysicalTime& t) { return os << (t - zvPhysicalTime::Epoch); }

std::atomic<int> PhysicalTimeInitExit::count{0};

PhysicalTimeInitExit::PhysicalTimeInitExit() {
  if (count.fetch_add(1) == 0) init();
}

PhysicalTimeInitExit::~PhysicalTimeInitExit() {
  if (count.fetch_sub(1) == 1) exit();
}

void PhysicalTimeInitExit::init() {}
void PhysicalTimeInitExit::exit() {}

}  // namespace TimeLib
