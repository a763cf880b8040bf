// Every zone of the host's tz database against the C library's own reading
// of the same zone files: offsets, daylight flags and local fields, and
// local times read back into instants.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine_test_support.h"
#include "kti18n/calendar/zone_database.h"

namespace {

using C = Calendar;
using engine_test::zoneDirectory;

bool isFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The zones and links of the database's source list, or else the zones of
// its tables; only those this host has files for.
std::vector<std::string> listedZones(const std::string& dir) {
  std::set<std::string> ids;
  std::ifstream list(dir + "/tzdata.zi");
  for (std::string line; std::getline(list, line);) {
    std::istringstream fields(line);
    std::string kind, first, second;
    fields >> kind >> first >> second;
    if (kind == "Z") ids.insert(first);
    if (kind == "L") ids.insert(second);
  }
  if (ids.empty()) {
    for (const char* table : {"/zone1970.tab", "/zone.tab"}) {
      std::ifstream tab(dir + table);
      for (std::string line; std::getline(tab, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string codes, coordinates, id;
        fields >> codes >> coordinates >> id;
        ids.insert(id);
      }
    }
  }
  std::vector<std::string> present;
  for (const std::string& id : ids)
    if (isFile(dir + "/" + id)) present.push_back(id);
  return present;
}

// Sets TZ for the C library for the life of the object.
class HostTz {
 public:
  explicit HostTz(const std::string& value) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    had_ = std::getenv("TZ") != nullptr;
    ::setenv("TZ", value.c_str(), 1);
    ::tzset();
  }
  ~HostTz() {
    if (had_) ::setenv("TZ", saved_.c_str(), 1);
    else ::unsetenv("TZ");
    ::tzset();
  }

 private:
  std::string saved_;
  bool had_ = false;
};

std::tm cLocal(std::time_t t) {
  std::tm tm{};
  ::localtime_r(&t, &tm);
  return tm;
}

// The instants where the C library sees the offset or the daylight flag
// change between 1900 and 2037: weekly samples, then bisection.
std::vector<std::time_t> cTransitions() {
  constexpr std::time_t kFrom = -2208988800;  // 1900-01-01
  constexpr std::time_t kTo = 2145916800;     // 2038-01-01
  constexpr std::time_t kWeek = 7 * 86400;
  std::vector<std::time_t> found;
  const auto same = [](const std::tm& a, const std::tm& b) {
    return a.tm_gmtoff == b.tm_gmtoff && a.tm_isdst == b.tm_isdst;
  };
  std::tm previous = cLocal(kFrom);
  for (std::time_t t = kFrom; t < kTo; t += kWeek) {
    const std::tm next = cLocal(t + kWeek);
    if (!same(previous, next)) {
      std::time_t lo = t, hi = t + kWeek;  // state of lo is previous; hi differs
      while (hi - lo > 1) {
        const std::time_t mid = lo + (hi - lo) / 2;
        (same(cLocal(mid), previous) ? lo : hi) = mid;
      }
      found.push_back(hi);
    }
    previous = next;
  }
  return found;
}

bool sameLocalTime(const std::tm& a, const std::tm& b) {
  return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday && a.tm_hour == b.tm_hour &&
         a.tm_min == b.tm_min && a.tm_sec == b.tm_sec;
}

// The local time of t read back through the zone gives an instant with that
// local time, and the latest such (overlaps resolve to the later one).
bool localTimeReadsBack(Calendar& calendar, std::time_t t, const std::tm& local) {
  calendar.clear();
  calendar.set(C::Year, local.tm_year + 1900);
  calendar.set(C::Month, local.tm_mon);
  calendar.set(C::Day_of_month, local.tm_mday);
  calendar.set(C::Hour_of_day, local.tm_hour);
  calendar.set(C::Minute, local.tm_min);
  calendar.set(C::Second, local.tm_sec);
  EngineStatus status = ENG_OK;
  const auto back = static_cast<std::time_t>(calendar.getTime(status) / 1000.0);
  return status == ENG_OK && back >= t && sameLocalTime(cLocal(back), local);
}

TEST(ZoneDatabase, EveryZoneAgreesWithTheCLibrary) {
  const std::string dir = zoneDirectory();
  const std::vector<std::string> zones = listedZones(dir);
  if (zones.empty()) GTEST_SKIP() << "no zone files in " << dir << " (install tzdata)";

  std::mt19937_64 random(20071104);
  std::uniform_int_distribution<std::time_t> anyInstant(-2208988800, 4102444799);  // 1900..2099
  long checked = 0, mismatches = 0;
  for (const std::string& id : zones) {
    std::unique_ptr<TimeZone> zone(eng_tzdb::createZone(ucs2string(id.c_str())));
    if (!zone) {
      ADD_FAILURE() << id << ": not read";
      continue;
    }
    auto calendar = engine_test::calendarIn(*zone);
    auto back = engine_test::calendarIn(*zone);
    const HostTz tz(":" + id);
    std::vector<std::time_t> instants;
    for (std::time_t t : cTransitions()) {
      instants.push_back(t - 1);
      instants.push_back(t);
    }
    while (instants.size() < 2000) instants.push_back(anyInstant(random));

    int reported = 0;
    for (std::time_t t : instants) {
      const std::tm expected = cLocal(t);
      EngineStatus status = ENG_OK;
      calendar->setTime(static_cast<double>(t) * 1000.0, status);
      const auto get = [&](C::EDateFields f) { return calendar->get(f, status); };
      const int offset = (get(C::Zone_offset) + get(C::Dst_offset)) / 1000;
      const bool daylight = get(C::Dst_offset) != 0;
      const bool same = status == ENG_OK && offset == expected.tm_gmtoff && daylight == (expected.tm_isdst > 0) &&
                        get(C::Year) == expected.tm_year + 1900 && get(C::Month) == expected.tm_mon &&
                        get(C::Day_of_month) == expected.tm_mday && get(C::Hour_of_day) == expected.tm_hour &&
                        get(C::Minute) == expected.tm_min && get(C::Second) == expected.tm_sec;
      ++checked;
      if (same && localTimeReadsBack(*back, t, expected)) continue;
      ++mismatches;
      if (reported++ < 3)
        ADD_FAILURE() << id << " at " << t << ": offset " << offset << " daylight " << daylight << " "
                      << get(C::Year) << "-" << get(C::Month) + 1 << "-" << get(C::Day_of_month) << " "
                      << get(C::Hour_of_day) << ":" << get(C::Minute) << "; C library " << expected.tm_gmtoff
                      << " " << expected.tm_isdst << " " << expected.tm_year + 1900 << "-" << expected.tm_mon + 1
                      << "-" << expected.tm_mday << " " << expected.tm_hour << ":" << expected.tm_min;
    }
  }
  RecordProperty("instants", static_cast<int>(checked));
  EXPECT_EQ(mismatches, 0) << "of " << checked << " instants in " << zones.size() << " zones";
}

TEST(ZoneDatabase, ListsTheZonesOfTheHost) {
  const std::string dir = zoneDirectory();
  const std::vector<std::string> zones = listedZones(dir);
  if (zones.empty()) GTEST_SKIP() << "no zone files in " << dir << " (install tzdata)";
  EXPECT_EQ(eng_tzdb::availableIds(), zones);

  std::int32_t count = 0;
  std::unique_ptr<const ucs2string*[]> ids(TimeZone::createAvailableIDs(count));
  ASSERT_GE(count, static_cast<std::int32_t>(zones.size()));
  for (std::int32_t i = 1; i < count; ++i) EXPECT_LT(ids[i - 1]->to_utf8(), ids[i]->to_utf8());
}

}  // namespace
