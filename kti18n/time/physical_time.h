// Physical time: durations and instants as milliseconds in a double.
//
// zvDuration is a signed length of time; zvPhysicalTime an instant counted
// from Epoch, 1970-01-01 00:00:00 UTC (the calendar engine's instant 0).
// Neither knows calendars or zones. Both hold whole milliseconds in practice,
// but any double is kept as it is (NaN included).
#ifndef KTI18N_TIME_PHYSICAL_TIME_H
#define KTI18N_TIME_PHYSICAL_TIME_H

#include <atomic>
#include <iosfwd>

namespace TimeLib {

class zvPhysicalTime;

class zvDuration {
 public:
  constexpr zvDuration() = default;

  // The named lengths. They are compile-time constants, usable from any
  // static constructor.
  static const zvDuration Zero;
  static const zvDuration Millisecond;
  static const zvDuration Second;
  static const zvDuration Minute;
  static const zvDuration Hour;
  static const zvDuration Day;

  zvDuration& operator+=(const zvDuration& d) { ms_ += d.ms_; return *this; }
  zvDuration& operator-=(const zvDuration& d) { ms_ -= d.ms_; return *this; }
  zvDuration& operator*=(double factor) { ms_ *= factor; return *this; }
  zvDuration& operator*=(int factor) { ms_ *= factor; return *this; }
  // Throws IncorrectData "Duration / 0.0" for a zero divisor.
  zvDuration& operator/=(double divisor);

  // Remainder of the division by d, with the sign of this:
  // this - trunc(this / d) x d. A zero d throws IncorrectData
  // "Duration / Duration::Zero".
  zvDuration& operator%=(const zvDuration& d) { return chop(d); }
  zvDuration& chop(const zvDuration& d);
  zvDuration chop(const zvDuration& d) const;
  // The same, with count = trunc(this / d); a count that does not fit an
  // int throws IncorrectData "chop (zvDuration, int)".
  zvDuration& chop(const zvDuration& d, int& count);
  zvDuration chop(const zvDuration& d, int& count) const;
  // quotient = this / d (not truncated); this -= quotient x d.
  zvDuration& chop(const zvDuration& d, double& quotient);

  // The ratio. A zero divisor throws IncorrectData "Duration / Duration::Zero".
  friend double operator/(const zvDuration& a, const zvDuration& b) {
    if (b.ms_ == 0.0) throwDivisionByZero();
    return a.ms_ / b.ms_;
  }
  friend bool operator==(const zvDuration& a, const zvDuration& b) { return !(a.ms_ < b.ms_) && !(a.ms_ > b.ms_); }
  friend bool operator<(const zvDuration& a, const zvDuration& b) { return !(a.ms_ >= b.ms_); }
  friend bool operator!=(const zvDuration& a, const zvDuration& b) { return !(a == b); }
  friend bool operator>(const zvDuration& a, const zvDuration& b) { return b < a; }
  friend bool operator<=(const zvDuration& a, const zvDuration& b) { return !(b < a); }
  friend bool operator>=(const zvDuration& a, const zvDuration& b) { return !(a < b); }

  friend zvDuration operator+(zvDuration a, const zvDuration& b) { return a += b; }
  friend zvDuration operator-(zvDuration a, const zvDuration& b) { return a -= b; }
  friend zvDuration operator-(const zvDuration& a) { return zvDuration(-a.ms_); }
  friend zvDuration operator*(zvDuration a, double f) { return a *= f; }
  friend zvDuration operator*(double f, zvDuration a) { return a *= f; }
  friend zvDuration operator*(zvDuration a, int f) { return a *= f; }
  friend zvDuration operator*(int f, zvDuration a) { return a *= f; }
  friend zvDuration operator/(zvDuration a, double divisor) { return a /= divisor; }
  friend zvDuration operator%(zvDuration a, const zvDuration& d) { return a %= d; }

 private:
  friend class zvPhysicalTime;
  constexpr explicit zvDuration(double ms) : ms_(ms) {}
  [[noreturn]] static void throwDivisionByZero();

  double ms_ = 0.0;
};

inline constexpr zvDuration zvDuration::Zero{0.0};
inline constexpr zvDuration zvDuration::Millisecond{1.0};
inline constexpr zvDuration zvDuration::Second{1000.0};
inline constexpr zvDuration zvDuration::Minute{60000.0};
inline constexpr zvDuration zvDuration::Hour{3600000.0};
inline constexpr zvDuration zvDuration::Day{86400000.0};

// "[-][days::][hours:][minutes:]seconds", the seconds rounded to the
// microsecond: 90061500 ms prints 1::1:1:1.5, -60000 ms prints -1:0.
std::ostream& operator<<(std::ostream& os, const zvDuration& d);

class zvPhysicalTime {
 public:
  constexpr zvPhysicalTime() = default;

  // 1970-01-01 00:00:00 UTC.
  static const zvPhysicalTime Epoch;

  zvPhysicalTime& operator+=(const zvDuration& d) { ms_ += d.ms_; return *this; }
  zvPhysicalTime& operator-=(const zvDuration& d) { ms_ -= d.ms_; return *this; }

  friend zvDuration operator-(const zvPhysicalTime& a, const zvPhysicalTime& b) { return durationOf(a.ms_ - b.ms_); }
  friend zvPhysicalTime operator+(zvPhysicalTime t, const zvDuration& d) { return t += d; }
  friend zvPhysicalTime operator+(const zvDuration& d, zvPhysicalTime t) { return t += d; }
  friend zvPhysicalTime operator-(zvPhysicalTime t, const zvDuration& d) { return t -= d; }
  friend bool operator==(const zvPhysicalTime& a, const zvPhysicalTime& b) { return !(a.ms_ < b.ms_) && !(a.ms_ > b.ms_); }
  friend bool operator<(const zvPhysicalTime& a, const zvPhysicalTime& b) { return !(a.ms_ >= b.ms_); }
  friend bool operator!=(const zvPhysicalTime& a, const zvPhysicalTime& b) { return !(a == b); }
  friend bool operator>(const zvPhysicalTime& a, const zvPhysicalTime& b) { return b < a; }
  friend bool operator<=(const zvPhysicalTime& a, const zvPhysicalTime& b) { return !(b < a); }
  friend bool operator>=(const zvPhysicalTime& a, const zvPhysicalTime& b) { return !(a < b); }

 private:
  constexpr explicit zvPhysicalTime(double ms) : ms_(ms) {}
  static constexpr zvDuration durationOf(double ms) { return zvDuration(ms); }

  double ms_ = 0.0;
};

inline constexpr zvPhysicalTime zvPhysicalTime::Epoch{0.0};

// The time since Epoch, printed as a duration: Epoch + Day prints 1::0:0:0.
std::ostream& operator<<(std::ostream& os, const zvPhysicalTime& t);

// Counted start-up of the duration constants and Epoch. They are constant
// from the program's load on, so init and exit have nothing left to do; the
// guard stays so that every user can hold one, as with the other guards.
class PhysicalTimeInitExit {
 public:
  PhysicalTimeInitExit();
  ~PhysicalTimeInitExit();
  PhysicalTimeInitExit(const PhysicalTimeInitExit&) : PhysicalTimeInitExit() {}
  PhysicalTimeInitExit& operator=(const PhysicalTimeInitExit&) { return *this; }

  static std::atomic<int> count;

 private:
  static void init();
  static void exit();
};

}  // namespace TimeLib

#endif
