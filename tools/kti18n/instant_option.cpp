#include "instant_option.h"

#include <charconv>
#include <cstdint>
#include <iostream>
#include <memory>
#include <vector>

#include "kti18n/calendar/gregorian_calendar.h"
#include "kti18n/calendar/simple_time_zone.h"
#include "kti18n/calendar/zone_database.h"
#include "kti18n/time/predefined_zones.h"
#include "kti18n/time/timelib_exception.h"

namespace cli {

namespace {

bool allDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::optional<std::int64_t> readInteger(std::string_view s) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

std::optional<std::int64_t> readDigits(std::string_view s) { return allDigits(s) ? readInteger(s) : std::nullopt; }

// Milliseconds since 1970: an optional sign and digits.
std::optional<double> readMillis(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (!allDigits(digits) || digits.size() > 16) return std::nullopt;
  const auto value = readInteger(digits);
  if (!value) return std::nullopt;
  return negative ? -static_cast<double>(*value) : static_cast<double>(*value);
}

// The zone designator at the end: "Z" or [+-]hh[[:]mm], as ms east of UTC.
// Returns the designator's length through `length`.
std::optional<std::int64_t> readZoneDesignator(std::string_view text, std::size_t& length) {
  if (!text.empty() && text.back() == 'Z') {
    length = 1;
    return 0;
  }
  for (std::size_t n : {6u, 5u, 3u}) {  // +hh:mm, +hhmm, +hh
    if (text.size() < n) continue;
    const std::string_view d = text.substr(text.size() - n);
    if (d[0] != '+' && d[0] != '-') continue;
    if (n == 6 && d[3] != ':') continue;
    const auto hours = readDigits(d.substr(1, 2));
    const auto minutes = n == 3 ? std::optional<std::int64_t>(0) : readDigits(d.substr(n == 6 ? 4 : 3, 2));
    if (!hours || !minutes || *hours > 23 || *minutes > 59) return std::nullopt;
    length = n;
    const std::int64_t ms = (*hours * 60 + *minutes) * 60000;
    return d[0] == '-' ? -ms : ms;
  }
  return std::nullopt;
}

std::optional<double> readIso(std::string_view text, bool lenient) {
  std::size_t zoneLength = 0;
  const auto offset = readZoneDesignator(text, zoneLength);
  if (!offset) return std::nullopt;
  text.remove_suffix(zoneLength);

  const std::size_t yearEnd = text.find('-', 1);
  if (yearEnd == std::string_view::npos) return std::nullopt;
  std::string_view year = text.substr(0, yearEnd), rest = text.substr(yearEnd);
  bool negative = false;
  if (year.front() == '+' || year.front() == '-') {
    negative = year.front() == '-';
    year.remove_prefix(1);
  } else if (year.size() != 4) {
    return std::nullopt;
  }
  if (!allDigits(year) || year.size() < 4 || year.size() > 6) return std::nullopt;
  // rest: -MM-DDThh:mm:ss[.fff]
  if (rest.size() < 15 || rest[0] != '-' || rest[3] != '-' || rest[6] != 'T' || rest[9] != ':' || rest[12] != ':')
    return std::nullopt;
  const auto month = readDigits(rest.substr(1, 2)), day = readDigits(rest.substr(4, 2));
  const auto hour = readDigits(rest.substr(7, 2)), minute = readDigits(rest.substr(10, 2));
  const auto second = readDigits(rest.substr(13, 2));
  if (!month || !day || !hour || !minute || !second) return std::nullopt;
  std::int64_t millis = 0;
  const std::string_view fraction = rest.substr(15);
  if (!fraction.empty()) {
    if (fraction[0] != '.' || fraction.size() < 2 || fraction.size() > 4) return std::nullopt;
    const auto digits = readDigits(fraction.substr(1));
    if (!digits) return std::nullopt;
    millis = *digits;
    for (std::size_t n = fraction.size() - 1; n < 3; ++n) millis *= 10;
  }
  std::int64_t y = *readInteger(year);
  if (negative) y = -y;

  EngineStatus status = ENG_OK;
  GregorianCalendar calendar(SimpleTimeZone(0, "UTC"_u2), status);
  calendar.setLenient(lenient);
  calendar.clear();
  calendar.set(Calendar::Era, y < 1 ? GregorianCalendar::BC : GregorianCalendar::AD);
  calendar.set(Calendar::Year, static_cast<std::int32_t>(y < 1 ? 1 - y : y));
  calendar.set(Calendar::Month, static_cast<std::int32_t>(*month - 1));
  calendar.set(Calendar::Day_of_month, static_cast<std::int32_t>(*day));
  calendar.set(Calendar::Hour_of_day, static_cast<std::int32_t>(*hour));
  calendar.set(Calendar::Minute, static_cast<std::int32_t>(*minute));
  calendar.set(Calendar::Second, static_cast<std::int32_t>(*second));
  calendar.set(Calendar::Millisecond, static_cast<std::int32_t>(millis));
  const double instant = calendar.getTime(status);
  if (eng_failure(status)) return std::nullopt;
  // The calendar takes the ten days its 1582 reform skipped and moves them
  // past the reform; a strict reading refuses a date that does not exist.
  if (!lenient && calendar.get(Calendar::Day_of_month, status) != *day) return std::nullopt;
  return instant - static_cast<double>(*offset);
}

}  // namespace

std::optional<double> parse_instant(std::string_view text, bool lenient) {
  std::optional<double> instant = readMillis(text);
  if (!instant) instant = readIso(text, lenient);
  if (!instant || *instant < Calendar::EARLIEST_SUPPORTED_MILLIS || *instant > Calendar::LATEST_SUPPORTED_MILLIS)
    return std::nullopt;
  return instant;
}

namespace {

// A zone of the host's tz database that is not a predefined one.
class DatabaseZone : public TimeLib::zvTimeZone {
 public:
  explicit DatabaseZone(const ucs2string& id) : id_(id) {}
  Impl* impl() const override { return eng_tzdb::createZone(id_); }

 private:
  ucs2string id_;
};

}  // namespace

const TimeLib::zvTimeZone* zone_option(const std::string& id) {
  if (id == "host") return &TimeLib::zvTimeZone::localHost();
  if (id == "utc") return &TimeLib::zvTimeZone::utc();
  const ucs2string wanted(id.c_str());
  try {
    return &TimeLib::PredefinedTimeZones::timeBelt().find(wanted);
  } catch (const TimeLib::UnknownTimeZone& e) {
    if (std::unique_ptr<TimeZone> zone{eng_tzdb::createZone(wanted)}) {
      static std::vector<std::unique_ptr<DatabaseZone>> made;  // one command line, a few zones
      made.push_back(std::make_unique<DatabaseZone>(wanted));
      return made.back().get();
    }
    std::cerr << e << '\n';
    return nullptr;
  }
}

}  // namespace cli
