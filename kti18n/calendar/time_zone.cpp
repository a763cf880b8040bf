#include "kti18n/calendar/time_zone.h"

#include <new>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <vector>

#include "kti18n/base/thread.h"
#include "kti18n/calendar/builtin_zones.h"
#include "kti18n/calendar/host_zone.h"
#include "kti18n/calendar/simple_time_zone.h"
#include "kti18n/calendar/zone_database.h"
#include "kti18n/calendar/zone_mutex.h"

namespace {

// Guards the default zone, the ID list, the zone database's cache and the
// engine's start-up and shut-down. One lock from first use to the end of
// the process: it is never destroyed, because start-up objects of other
// translation units (and other threads) may still reach it while statics
// are being torn down.
os_critical_section& zoneMutex() {
  // Placement in static storage: never destroyed, yet no heap block that
  // would outlive an unloaded library.
  alignas(os_critical_section) static unsigned char storage[sizeof(os_critical_section)];
  static os_critical_section* const mutex = new (storage) os_critical_section;
  return *mutex;
}

}  // namespace

os_critical_section& eng_zoneMutex() { return zoneMutex(); }

const char TimeZone::classIdTag = 0;
const TimeZone* TimeZone::GMT = nullptr;
TimeZone* TimeZone::fgDefaultZone = nullptr;
ucs2string* TimeZone::ZONE_IDS = nullptr;
std::int32_t TimeZone::ZONE_COUNT = 0;
bool TimeZone::DATA_LOADED = false;

TimeZone::~TimeZone() = default;

bool TimeZone::operator==(const TimeZone& that) const {
  return getDynamicClassId() == that.getDynamicClassId() && fID == that.fID;
}

bool TimeZone::hasSameRules(const TimeZone& other) const {
  return getRawOffset() == other.getRawOffset() && useDaylightTime() == other.useDaylightTime();
}

bool TimeZone::getOffsetsAtInstant(double, std::int32_t&, std::int32_t&) const { return false; }

bool TimeZone::getOffsetsAtLocalTime(double, std::int32_t&, std::int32_t&) const { return false; }

// ---- Known zones -----------------------------------------------------------

// The IDs of the database and the built-in ones, sorted and without
// repeats (the database knows the built-in IDs too).
void TimeZone::loadZoneData() {
  os_lock_guard hold(zoneMutex());
  if (DATA_LOADED) return;
  std::vector<std::string> ids = eng_tzdb::availableIds();
  for (std::int32_t i = 0; i < eng_zones::kBuiltinZoneCount; ++i) ids.emplace_back(eng_zones::kBuiltinZones[i].id);
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  ZONE_COUNT = static_cast<std::int32_t>(ids.size());
  ZONE_IDS = new ucs2string[ids.size()];
  for (std::size_t i = 0; i < ids.size(); ++i) ZONE_IDS[i] = ids[i].c_str();
  DATA_LOADED = true;
}

// The database comes first: a built-in zone keeps one yearly rule for all
// years and serves only when the host has no zone files.
TimeZone* TimeZone::createTimeZone(const ucs2string& id) {
  if (TimeZone* zone = eng_tzdb::createZone(id)) return zone;
  for (std::int32_t i = 0; i < eng_zones::kBuiltinZoneCount; ++i) {
    if (id != eng_zones::kBuiltinZones[i].id) continue;
    const eng_zones::BuiltinZone& z = eng_zones::kBuiltinZones[i];
    if (z.savings == 0) return new SimpleTimeZone(SimpleTimeZone::StandardZone{z.rawOffset}, id);
    const SimpleTimeZone::DSTZone record{z.rawOffset,  z.savings,    z.startMonth, z.startDay,
                                         z.startDayOfWeek, z.startTime, z.startTimeMode, z.endMonth,
                                         z.endDay,     z.endDayOfWeek, z.endTime,    z.endTimeMode};
    return new SimpleTimeZone(record, id);
  }
  if (GMT != nullptr) return GMT->clone();
  return new SimpleTimeZone(0, "GMT"_u2);
}

const ucs2string** TimeZone::createAvailableIDs(std::int32_t& count) {
  loadZoneData();
  count = ZONE_COUNT;
  const ucs2string** ids = new const ucs2string*[static_cast<std::size_t>(count)];
  for (std::int32_t i = 0; i < count; ++i) ids[i] = &ZONE_IDS[i];
  return ids;
}

// ---- The default zone ------------------------------------------------------

// The host zone: from the database when TZ or /etc/localtime leads to a
// zone file; otherwise (a POSIX rule string in TZ) its one yearly rule in
// the engine's terms, whose transition times are wall-clock times, the
// engine's wall-time mode.
TimeZone* TimeZone::createHostZone() {
  if (TimeZone* zone = eng_tzdb::createHostZone(std::getenv("TZ"))) return zone;
  const auto host = eng_host::readHostZone(std::getenv("TZ"));
  if (!host) return new SimpleTimeZone(0, "UTC"_u2);
  const ucs2string id(host->name.c_str());
  if (host->hasDaylight) {
    EngineStatus status = ENG_OK;
    auto* zone = new SimpleTimeZone(host->rawOffset, id, host->start.month, host->start.day,
                                    host->start.dayOfWeek, host->start.time, SimpleTimeZone::WALL_TIME,
                                    host->end.month, host->end.day, host->end.dayOfWeek, host->end.time,
                                    SimpleTimeZone::WALL_TIME, host->dstSavings, status);
    if (eng_success(status)) return zone;
    delete zone;  // a rule the engine cannot hold: keep the standard offset
  }
  return new SimpleTimeZone(host->rawOffset, id);
}

void TimeZone::initDefault() {
  os_lock_guard hold(zoneMutex());
  if (fgDefaultZone == nullptr) fgDefaultZone = createHostZone();
}

TimeZone* TimeZone::createDefault() {
  os_lock_guard hold(zoneMutex());
  if (fgDefaultZone == nullptr) fgDefaultZone = createHostZone();
  return fgDefaultZone->clone();
}

void TimeZone::adoptDefault(TimeZone* zone) {
  if (zone == nullptr) return;
  os_lock_guard hold(zoneMutex());
  delete fgDefaultZone;
  fgDefaultZone = zone;
}

void TimeZone::setDefault(const TimeZone& zone) { adoptDefault(zone.clone()); }

// ---- Start-up --------------------------------------------------------------

std::atomic<int> ZoneEngineInitExit::count{0};

// The count changes under the zone mutex, so one thread's start-up is
// complete before another's guard counts itself in, and a shut-down never
// races a start-up.
ZoneEngineInitExit::ZoneEngineInitExit() {
  os_lock_guard hold(zoneMutex());
  if (count.fetch_add(1, std::memory_order_relaxed) == 0) init();
}

ZoneEngineInitExit::~ZoneEngineInitExit() {
  os_lock_guard hold(zoneMutex());
  if (count.fetch_sub(1, std::memory_order_relaxed) == 1) exit();
}

void ZoneEngineInitExit::init() {
  os_init_thread_toolkit();
  TimeZone::GMT = new SimpleTimeZone(0, "GMT"_u2);
}

void ZoneEngineInitExit::exit() {
  delete TimeZone::GMT;
  TimeZone::GMT = nullptr;
  delete TimeZone::fgDefaultZone;
  TimeZone::fgDefaultZone = nullptr;
  delete[] TimeZone::ZONE_IDS;
  TimeZone::ZONE_IDS = nullptr;
  TimeZone::ZONE_COUNT = 0;
  TimeZone::DATA_LOADED = false;
  os_exit_thread_toolkit();
}
