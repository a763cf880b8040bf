#include "kti18n/calendar/host_zone.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "kti18n/calendar/civil.h"

namespace eng_host {
namespace {

constexpr std::int64_t kMillisPerDay = eng_civil::kMillisPerDay;
constexpr int kNonLeapMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Zone files are small (well under 100 KB); anything far larger is not one.
constexpr std::streamsize kMaxZoneFileSize = 1 << 20;

// A cursor over the rule text.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}
  bool done() const { return pos_ >= text_.size(); }
  char peek() const { return done() ? '\0' : text_[pos_]; }
  bool accept(char c) {
    if (peek() != c || done()) return false;
    ++pos_;
    return true;
  }
  // Up to maxDigits decimal digits; nothing when there is none.
  std::optional<int> number(int maxDigits) {
    int value = 0, digits = 0;
    while (digits < maxDigits && std::isdigit(static_cast<unsigned char>(peek()))) {
      value = value * 10 + (text_[pos_++] - '0');
      ++digits;
    }
    if (digits == 0) return std::nullopt;
    return value;
  }
  // An abbreviation: three or more letters, or <...> holding letters,
  // digits and signs.
  std::optional<std::string> name() {
    std::string out;
    if (accept('<')) {
      while (!done() && peek() != '>') {
        const char c = text_[pos_++];
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-') return std::nullopt;
        out += c;
      }
      if (!accept('>')) return std::nullopt;
    } else {
      while (std::isalpha(static_cast<unsigned char>(peek()))) out += text_[pos_++];
    }
    if (out.size() < 3) return std::nullopt;
    return out;
  }
  // [+|-]hh[:mm[:ss]] in seconds, hours up to maxHours.
  std::optional<std::int32_t> duration(int maxHours) {
    int sign = 1;
    if (accept('-')) sign = -1;
    else accept('+');
    const auto h = number(3);
    if (!h || *h > maxHours) return std::nullopt;
    int m = 0, s = 0;
    if (accept(':')) {
      const auto mm = number(2);
      if (!mm || *mm > 59) return std::nullopt;
      m = *mm;
      if (accept(':')) {
        const auto ss = number(2);
        if (!ss || *ss > 59) return std::nullopt;
        s = *ss;
      }
    }
    return sign * (*h * 3600 + m * 60 + s);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::optional<PosixDate> parseDate(Reader& in) {
  PosixDate d{PosixDate::kZeroBased};
  if (in.accept('J')) {
    const auto n = in.number(3);
    if (!n || *n < 1 || *n > 365) return std::nullopt;
    d = {PosixDate::kJulianNoLeap, *n};
  } else if (in.accept('M')) {
    const auto m = in.number(2);
    if (!m || *m < 1 || *m > 12 || !in.accept('.')) return std::nullopt;
    const auto w = in.number(1);
    if (!w || *w < 1 || *w > 5 || !in.accept('.')) return std::nullopt;
    const auto wd = in.number(1);
    if (!wd || *wd > 6) return std::nullopt;
    d = {PosixDate::kMonthWeekDay, *m, *w, *wd};
  } else {
    const auto n = in.number(3);
    if (!n || *n > 365) return std::nullopt;
    d = {PosixDate::kZeroBased, *n};
  }
  if (in.accept('/')) {
    const auto t = in.duration(167);
    if (!t) return std::nullopt;
    d.seconds = *t;
  }
  return d;
}

// Month (0-based) and day of a day of a year without 29 February (1..365).
void monthDayOfNoLeapDay(int n, std::int32_t& month, std::int32_t& day) {
  month = 0;
  while (n > kNonLeapMonthLength[month]) n -= kNonLeapMonthLength[month++];
  day = n;
}

// The engine holds transition times of 0..24 hours. A rule time outside
// that (the rule strings allow -167..167 hours, as in "M3.4.4/26") is moved
// into the day it falls on where the engine's rule modes can say so: the
// n-th weekday plus k days is the first weekday+k on or after day 7(n-1)+1+k,
// and the last weekday minus k days is the last weekday-k on or before
// (month length - k). Otherwise the time is clamped to the day.
TransitionRule toTransition(const PosixDate& d) {
  using eng_civil::floorDiv;
  using eng_civil::floorMod;
  const std::int64_t ms = std::int64_t{d.seconds} * 1000;
  const std::int64_t shift = ms == kMillisPerDay ? 0 : floorDiv(ms, kMillisPerDay);
  const auto inDay = static_cast<std::int32_t>(ms - shift * kMillisPerDay);
  const auto clamped = static_cast<std::int32_t>(std::clamp<std::int64_t>(ms, 0, kMillisPerDay));
  TransitionRule r;
  if (d.kind != PosixDate::kMonthWeekDay) {
    // Day n of the zero-based form counts 29 February in leap years; the
    // engine's exact-day rules cannot, so it is read as a year without one.
    monthDayOfNoLeapDay(d.kind == PosixDate::kJulianNoLeap ? d.a : std::min(d.a + 1, 365), r.month, r.day);
    const std::int64_t day = r.day + shift;
    if (day >= 1 && day <= kNonLeapMonthLength[r.month]) {
      r.day = static_cast<std::int32_t>(day);
      r.time = inDay;
    } else {
      r.time = clamped;
    }
    return r;
  }
  r.month = d.a - 1;
  const int monthLength = kNonLeapMonthLength[r.month];
  const auto shiftedWeekday = static_cast<std::int32_t>(floorMod(d.c + shift, 7)) + 1;
  if (shift != 0 && d.b <= 4 && 7 * (d.b - 1) + 1 + shift >= 1 && 7 * (d.b - 1) + 1 + shift <= monthLength) {
    r.day = static_cast<std::int32_t>(7 * (d.b - 1) + 1 + shift);
    r.dayOfWeek = -shiftedWeekday;
    r.time = inDay;
  } else if (shift < 0 && d.b == 5 && monthLength + shift >= 1) {
    r.day = -static_cast<std::int32_t>(monthLength + shift);
    r.dayOfWeek = -shiftedWeekday;
    r.time = inDay;
  } else {
    r.day = d.b == 5 ? -1 : d.b;
    r.dayOfWeek = d.c + 1;
    r.time = shift == 0 ? inDay : clamped;
  }
  return r;
}

std::optional<std::string> readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string contents(static_cast<std::size_t>(kMaxZoneFileSize) + 1, '\0');
  file.read(contents.data(), kMaxZoneFileSize + 1);
  const std::streamsize got = file.gcount();
  if (got <= 0 || got > kMaxZoneFileSize) return std::nullopt;
  contents.resize(static_cast<std::size_t>(got));
  return contents;
}

std::optional<HostZoneRule> readZoneFile(const std::string& path) {
  const auto contents = readFile(path);
  if (!contents) return std::nullopt;
  const auto footer = tzifFooter(*contents);
  if (!footer) return std::nullopt;
  return parsePosixRule(*footer);
}

// A TZ value naming a zone file: absolute, or under TZDIR (by default the
// system's zone directory). Relative names may not climb out of it.
std::optional<std::string> zoneFilePath(std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (name.front() == '/') return std::string(name);
  if (name.find("..") != std::string_view::npos) return std::nullopt;
  const char* dir = std::getenv("TZDIR");
  std::string path = dir != nullptr && *dir != '\0' ? dir : "/usr/share/zoneinfo";
  path += '/';
  path += name;
  return path;
}

}  // namespace

std::optional<PosixRuleText> parsePosixRuleText(std::string_view text) {
  Reader in(text);
  PosixRuleText rule;
  const auto stdName = in.name();
  if (!stdName) return std::nullopt;
  const auto stdOffset = in.duration(24);
  if (!stdOffset) return std::nullopt;
  rule.stdName = *stdName;
  rule.stdOffset = -*stdOffset;  // the rule string counts west of UTC
  if (in.done()) return rule;

  const auto dstName = in.name();
  if (!dstName) return std::nullopt;
  rule.dstName = *dstName;
  rule.hasDaylight = true;
  rule.dstOffset = rule.stdOffset + 3600;
  if (!in.done() && in.peek() != ',') {
    const auto given = in.duration(24);
    if (!given) return std::nullopt;
    rule.dstOffset = -*given;
  }
  // Without transition dates the customary ones apply: second Sunday of
  // March to first Sunday of November, at 02:00 (the defaults of the struct).
  if (in.accept(',')) {
    const auto s = parseDate(in);
    if (!s || !in.accept(',')) return std::nullopt;
    const auto e = parseDate(in);
    if (!e) return std::nullopt;
    rule.start = *s;
    rule.end = *e;
  }
  if (!in.done()) return std::nullopt;
  return rule;
}

std::optional<HostZoneRule> parsePosixRule(std::string_view text) {
  const auto rule = parsePosixRuleText(text);
  if (!rule) return std::nullopt;
  HostZoneRule zone;
  zone.name = rule->stdName;
  zone.rawOffset = rule->stdOffset * 1000;
  if (!rule->hasDaylight) return zone;
  std::int32_t savings = (rule->dstOffset - rule->stdOffset) * 1000;
  if (savings == 0) return zone;
  PosixDate start = rule->start, end = rule->end;
  if (savings < 0) {
    // Negative daylight saving (winter time below the standard offset, as in
    // "IST-1GMT0,M10.5.0,M3.5.0/1"): the engine only adds savings, so the
    // lower offset becomes standard time and the periods swap. Transition
    // times stay right because both are wall-clock times.
    zone.name = rule->dstName;
    zone.rawOffset = rule->dstOffset * 1000;
    savings = -savings;
    std::swap(start, end);
  }
  zone.hasDaylight = true;
  zone.dstSavings = savings;
  zone.start = toTransition(start);
  zone.end = toTransition(end);
  return zone;
}

std::optional<std::string> tzifFooter(std::string_view contents) {
  // Header: "TZif", then a version byte: 0 for version 1 (no footer), or
  // '2', '3' ... The footer is the last line, framed by newlines.
  if (contents.size() < 46 || contents.substr(0, 4) != "TZif" || contents[4] < '2') return std::nullopt;
  if (contents.back() != '\n') return std::nullopt;
  const std::size_t open = contents.rfind('\n', contents.size() - 2);
  if (open == std::string_view::npos) return std::nullopt;
  std::string footer(contents.substr(open + 1, contents.size() - open - 2));
  if (footer.empty()) return std::nullopt;
  return footer;
}

std::optional<HostZoneRule> readHostZone(const char* tzValue, const std::string& localtimePath) {
  if (tzValue == nullptr) return readZoneFile(localtimePath);
  std::string_view tz(tzValue);
  // An empty TZ means UTC.
  if (tz.empty()) {
    HostZoneRule utc;
    utc.name = "UTC";
    return utc;
  }
  if (tz.front() == ':') {
    tz.remove_prefix(1);
  } else if (auto rule = parsePosixRule(tz)) {
    return rule;
  }
  const auto path = zoneFilePath(tz);
  if (!path) return std::nullopt;
  return readZoneFile(*path);
}

}  // namespace eng_host
