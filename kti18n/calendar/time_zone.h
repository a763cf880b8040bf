// TimeZone: the engine's abstract time zone, an ID and a rule giving the
// offset from UTC for a local date and time.
//
// The engine keeps, under one process-wide mutex, the default zone (read
// from the host on first use) and the list of built-in zone IDs. The zone
// GMT exists while a ZoneEngineInitExit is alive; every translation unit
// that includes this header holds one.
#ifndef KTI18N_CALENDAR_TIME_ZONE_H
#define KTI18N_CALENDAR_TIME_ZONE_H

#include <atomic>
#include <cstdint>

#include "kti18n/calendar/engine_status.h"
#include "kti18n/text/ucs2string.h"

class TimeZone {
 public:
  using ClassID = const void*;

  virtual ~TimeZone();
  // Same concrete class and equal IDs.
  virtual bool operator==(const TimeZone& that) const;
  // The offset in ms (raw plus daylight) at a local standard date and time:
  // era 0 = BC, 1 = AD; month 0..11; dayOfWeek 1 = Sunday; millis into the
  // day; monthLength of that month.
  virtual std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                                 std::int32_t dayOfWeek, std::int32_t millis, std::int32_t monthLength,
                                 EngineStatus& status) const = 0;
  virtual std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                                 std::int32_t dayOfWeek, std::int32_t millis) const = 0;
  virtual std::int32_t getOffset(std::int32_t era, std::int32_t year, std::int32_t month, std::int32_t day,
                                 std::int32_t dayOfWeek, std::int32_t millis, EngineStatus& status) const = 0;
  virtual void setRawOffset(std::int32_t offsetMillis) = 0;
  virtual std::int32_t getRawOffset() const = 0;
  virtual bool useDaylightTime() const = 0;
  virtual bool inDaylightTime(double date, EngineStatus& status) const = 0;
  // Equal raw offsets and equal use of daylight time.
  virtual bool hasSameRules(const TimeZone& other) const;
  virtual TimeZone* clone() const = 0;
  virtual ClassID getDynamicClassId() const = 0;
  // The raw and daylight offsets (ms) in force at an instant, for zones that
  // keep their offsets by instant, as a zone with history does: the calendar
  // asks those zones this way, because the local-date forms of getOffset
  // cannot tell the raw offset of a past period. Rule-based zones answer
  // false (the default) and are asked by local date.
  virtual bool getOffsetsAtInstant(double date, std::int32_t& rawOffset, std::int32_t& dstOffset) const;
  // The same for a local wall-clock time, ms since 1970-01-01 00:00 local.
  virtual bool getOffsetsAtLocalTime(double localMillis, std::int32_t& rawOffset, std::int32_t& dstOffset) const;

  bool operator!=(const TimeZone& that) const { return !operator==(that); }

  ucs2string& getID(ucs2string& id) const { return id = fID; }
  void setID(const ucs2string& id) { fID = id; }

  // A new zone for an ID of the host's tz database (with the zone's full
  // history) or, failing that, for a built-in ID (exact match); any other ID
  // gives a clone of GMT.
  static TimeZone* createTimeZone(const ucs2string& id);
  // A new array of pointers to the known IDs, built-in and database ones,
  // sorted; the caller deletes[] the array, not the strings.
  static const ucs2string** createAvailableIDs(std::int32_t& count);
  // A clone of the default zone, which is read from the host on first use:
  // the zone TZ names (a database ID, ":ID", a zone file's path or a POSIX
  // rule string), else the zone of /etc/localtime, with its history when
  // the database has it and its database name as ID where known.
  static TimeZone* createDefault();
  // Replaces (and deletes) the default zone; null is ignored.
  static void adoptDefault(TimeZone* zone);
  static void setDefault(const TimeZone& zone);
  static void initDefault();

  static ClassID getStaticClassId() { return &classIdTag; }

  // Raw offset 0, ID "GMT"; null outside the engine's start-up.
  static const TimeZone* GMT;

 protected:
  TimeZone() = default;
  explicit TimeZone(const ucs2string& id) : fID(id) {}
  TimeZone(const TimeZone& source) = default;
  TimeZone& operator=(const TimeZone& right) = default;

 private:
  friend class ZoneEngineInitExit;

  static void loadZoneData();
  static TimeZone* createHostZone();

  static const char classIdTag;
  static TimeZone* fgDefaultZone;
  static ucs2string* ZONE_IDS;
  static std::int32_t ZONE_COUNT;
  static bool DATA_LOADED;

  ucs2string fID;
};

// Counted start-up of the engine's statics: the first object starts the
// thread toolkit and creates GMT; the last one deletes it (with the default
// zone and the ID list). Guards may be made and dropped on any thread.
class ZoneEngineInitExit {
 public:
  ZoneEngineInitExit();
  ~ZoneEngineInitExit();
  ZoneEngineInitExit(const ZoneEngineInitExit&) : ZoneEngineInitExit() {}
  ZoneEngineInitExit& operator=(const ZoneEngineInitExit&) { return *this; }

  static std::atomic<int> count;

 private:
  static void init();
  static void exit();
};

namespace {
// Keeps the engine's statics alive for this translation unit.
[[maybe_unused]] ZoneEngineInitExit zoneEngineInitExit;
}  // namespace

#endif
