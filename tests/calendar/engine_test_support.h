// Helpers shared by the calendar engine tests.
#ifndef KTI18N_TESTS_CALENDAR_ENGINE_TEST_SUPPORT_H
#define KTI18N_TESTS_CALENDAR_ENGINE_TEST_SUPPORT_H

#include <cstdlib>
#include <memory>
#include <string>

#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/simple_time_zone.h"

namespace engine_test {

inline constexpr double kDay = 86400000.0;

inline std::unique_ptr<GregorianCalendar> calendarIn(const TimeZone& zone) {
  EngineStatus status = ENG_OK;
  auto calendar = std::make_unique<GregorianCalendar>(zone, status);
  return calendar;
}

inline std::unique_ptr<GregorianCalendar> utcCalendar() { return calendarIn(SimpleTimeZone(0, "UTC"_u2)); }

inline std::unique_ptr<TimeZone> zone(const char* id) {
  return std::unique_ptr<TimeZone>(TimeZone::createTimeZone(ucs2string(id)));
}

// Clears the calendar and sets an AD or BC date (astronomical year) and time.
inline void setDate(Calendar& c, int astronomicalYear, int month1, int day, int hour = 0, int minute = 0,
                    int second = 0, int millis = 0) {
  c.clear();
  c.set(Calendar::Era, astronomicalYear < 1 ? GregorianCalendar::BC : GregorianCalendar::AD);
  c.set(Calendar::Year, astronomicalYear < 1 ? 1 - astronomicalYear : astronomicalYear);
  c.set(Calendar::Month, month1 - 1);
  c.set(Calendar::Day_of_month, day);
  c.set(Calendar::Hour_of_day, hour);
  c.set(Calendar::Minute, minute);
  c.set(Calendar::Second, second);
  c.set(Calendar::Millisecond, millis);
}

inline int field(Calendar& c, Calendar::EDateFields f) {
  EngineStatus status = ENG_OK;
  return c.get(f, status);
}

inline double timeOf(Calendar& c) {
  EngineStatus status = ENG_OK;
  return c.getTime(status);
}

// Sets an environment variable (null: unsets it) for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old, had_ = true;
    if (value != nullptr) ::setenv(name, value, 1);
    else ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (had_) ::setenv(name_.c_str(), saved_.c_str(), 1);
    else ::unsetenv(name_.c_str());
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_, saved_;
  bool had_ = false;
};

// The zone directory the database reads.
inline std::string zoneDirectory() {
  const char* dir = std::getenv("TZDIR");
  return dir != nullptr && *dir != '\0' ? dir : "/usr/share/zoneinfo";
}

// The engine's built-in zone of an ID, as on a host without zone files.
inline std::unique_ptr<TimeZone> builtinZone(const char* id) {
  const ScopedEnv noDatabase("TZDIR", "/nonexistent/zoneinfo");
  return zone(id);
}

inline void setTime(Calendar& c, double t) {
  EngineStatus status = ENG_OK;
  c.setTime(t, status);
}

}  // namespace engine_test

#endif
