// Durations, physical times and the local host clock.
#include <gtest/gtest.h>

#include <time.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "kti18n/time/clock.h"
#include "kti18n/time/physical_time.h"
#include "kti18n/time/timelib_exception.h"

namespace {

using namespace TimeLib;

template <class T>
std::string printed(const T& value) {
  std::ostringstream os;
  os << value;
  return os.str();
}

double ms(const zvDuration& d) { return d / zvDuration::Millisecond; }

TEST(Duration, ConstantsAndArithmetic) {
  EXPECT_EQ(zvDuration::Day / zvDuration::Hour, 24.0);
  EXPECT_EQ(ms(zvDuration::Minute), 60000.0);
  EXPECT_EQ(zvDuration(), zvDuration::Zero);
  zvDuration d = zvDuration::Hour;
  d += zvDuration::Minute * 30;
  d -= zvDuration::Second;
  d *= 2;
  d *= 0.5;
  d /= 4.0;
  EXPECT_EQ(ms(d), (5400000.0 - 1000.0) / 4);
  EXPECT_EQ(ms(-zvDuration::Second + zvDuration::Millisecond), -999.0);
}

TEST(Duration, DivisionByZeroThrowsAndKeepsTheValue) {
  zvDuration d = zvDuration::Hour;
  try {
    d /= 0.0;
    ADD_FAILURE();
  } catch (const IncorrectData& e) {
    EXPECT_EQ(e.DoWhat(), "Duration / 0.0");
  }
  try {
    (void)(d / zvDuration::Zero);
    ADD_FAILURE();
  } catch (const IncorrectData& e) {
    EXPECT_EQ(e.DoWhat(), "Duration / Duration::Zero");
  }
  // A remainder by zero would be NaN: refused the same way.
  int n = 7;
  double q = 7;
  EXPECT_THROW(d.chop(zvDuration::Zero), IncorrectData);
  EXPECT_THROW(d.chop(zvDuration::Zero, n), IncorrectData);
  EXPECT_THROW(d.chop(zvDuration::Zero, q), IncorrectData);
  EXPECT_THROW(d %= zvDuration::Zero, IncorrectData);
  EXPECT_EQ(d, zvDuration::Hour);
  EXPECT_EQ(n, 7);
  // A count beyond int is refused rather than converted.
  zvDuration long_ = zvDuration::Day * 1e8;
  EXPECT_THROW(long_.chop(zvDuration::Millisecond, n), IncorrectData);
  EXPECT_EQ(long_, zvDuration::Day * 1e8);
}

TEST(Duration, ChopKeepsTheSignOfTheDividend) {
  int n = 0;
  zvDuration d = zvDuration::Minute * 90;
  d.chop(zvDuration::Hour, n);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(d, zvDuration::Minute * 30);

  const zvDuration negative = zvDuration::Minute * -90;
  EXPECT_EQ(negative.chop(zvDuration::Hour, n), zvDuration::Minute * -30);
  EXPECT_EQ(n, -1);
  EXPECT_EQ(negative.chop(zvDuration::Hour), zvDuration::Minute * -30);
  EXPECT_EQ(negative % zvDuration::Hour, zvDuration::Minute * -30);

  double q = 0;
  zvDuration e = zvDuration::Minute * 90;
  e.chop(zvDuration::Hour, q);
  EXPECT_EQ(q, 1.5);
  EXPECT_EQ(e, zvDuration::Zero);
}

TEST(Duration, NaNComparesLessAndEqual) {
  const zvDuration nan = zvDuration::Second * std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(nan < zvDuration::Zero);
  EXPECT_TRUE(zvDuration::Zero < nan);
  EXPECT_TRUE(nan == zvDuration::Day);
  EXPECT_FALSE(zvDuration::Second == zvDuration::Minute);
  EXPECT_TRUE(zvDuration::Second < zvDuration::Minute);
  EXPECT_FALSE(zvDuration::Minute < zvDuration::Second);
}

TEST(Duration, Printing) {
  EXPECT_EQ(printed(zvDuration::Millisecond * 90061500.0), "1::1:1:1.5");
  EXPECT_EQ(printed(zvDuration::Millisecond * 1500.0), "1.5");
  EXPECT_EQ(printed(zvDuration::Millisecond * -60000.0), "-1:0");
  EXPECT_EQ(printed(zvDuration::Hour), "1:0:0");
  EXPECT_EQ(printed(zvDuration::Zero), "0");
  EXPECT_EQ(printed(zvDuration::Millisecond * 1.4999999), "0.0015");
  // Large counts stay integers; non-finite values print as the stream does.
  EXPECT_EQ(printed(zvDuration::Day * 2000000.0), "2000000::0:0:0");
  EXPECT_EQ(printed(zvDuration::Day * std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(printed(zvPhysicalTime::Epoch + zvDuration::Day), "1::0:0:0");
  EXPECT_EQ(printed(zvPhysicalTime::Epoch - zvDuration::Second), "-1");
}

TEST(PhysicalTime, Arithmetic) {
  zvPhysicalTime t;
  EXPECT_EQ(t, zvPhysicalTime::Epoch);
  t += zvDuration::Day;
  t -= zvDuration::Hour;
  EXPECT_EQ(t - zvPhysicalTime::Epoch, zvDuration::Hour * 23);
  EXPECT_TRUE(zvPhysicalTime::Epoch < t);
  EXPECT_TRUE(t - zvDuration::Day < zvPhysicalTime::Epoch);
}

TEST(Clock, LocalHostClockReadsTheRealTimeInMilliseconds) {
  const zvClock& clock = zvClock::localHost();
  const double before = static_cast<double>(::time(nullptr)) * 1000.0;
  const double now = (clock.now() - zvPhysicalTime::Epoch) / zvDuration::Millisecond;
  const double after = static_cast<double>(::time(nullptr)) * 1000.0;
  EXPECT_EQ(now, std::floor(now));
  EXPECT_GE(now, before);
  EXPECT_LT(now, after + 1000.0);
}

}  // namespace
