// The predefined zones: 432 named zones, each with a rule record (a raw
// offset and an optional yearly daylight rule), reachable by ID through the
// time belt, and the default zone ID for a UTC offset.
//
// A predefined handle makes the zone of the host's tz database when the
// database knows the ID (its full history of offsets), else the rule zone of
// the ID's record.
#ifndef KTI18N_TIME_PREDEFINED_ZONES_H
#define KTI18N_TIME_PREDEFINED_ZONES_H

#include <atomic>
#include <cstdint>
#include <vector>

#include "kti18n/calendar/time_zone.h"
#include "kti18n/text/ucs2string.h"
#include "kti18n/time/calendar_handles.h"

namespace TimeLib {

// A rule record: times in minutes after midnight, savings in minutes; the
// day and day-of-week fields use the engine's rule encoding (see
// SimpleTimeZone); time modes 0 wall, 1 standard, 2 UTC.
struct PredefinedZoneRule {
  std::int32_t hasDaylight;
  std::int32_t rawOffset;  // ms east of UTC
  std::uint16_t savings;
  std::int8_t startMonth, startDay, startDayOfWeek;
  std::uint16_t startTime;
  std::int8_t startTimeMode;
  std::int8_t endMonth, endDay, endDayOfWeek;
  std::uint16_t endTime;
  std::int8_t endTimeMode;
};

struct PredefinedZoneId {
  const char* id;
  std::uint16_t rule;  // index into kPredefinedZoneRules
};

inline constexpr int kPredefinedZoneRuleCount = 117;
inline constexpr int kPredefinedZoneIdCount = 432;
extern const PredefinedZoneRule kPredefinedZoneRules[kPredefinedZoneRuleCount];
// Sorted by ID (byte order, which is code-unit order for these ASCII IDs).
extern const PredefinedZoneId kPredefinedZoneIds[kPredefinedZoneIdCount];

// The rule record of an ID; null for an ID that is not predefined.
const PredefinedZoneRule* findZoneRule(const ucs2string& id);
// The SimpleTimeZone of a rule record, with the given ID. Never null.
TimeZone* makeRuleZone(const PredefinedZoneRule& rule, const ucs2string& id);
// The zone of a predefined ID: the database's when it knows the ID, else the
// rule zone; null for an ID that is not predefined.
TimeZone* createPredefinedZone(const ucs2string& id);

// The handle of a predefined zone.
class zvPredefinedTimeZone : public zvAvailableTimeZone {
 public:
  explicit zvPredefinedTimeZone(const ucs2string& id);
  zvPredefinedTimeZone(const zvPredefinedTimeZone& other);
  zvPredefinedTimeZone& operator=(const zvPredefinedTimeZone&) = delete;
  ~zvPredefinedTimeZone() override;

  // A new zone (see createPredefinedZone); null for an unknown ID.
  Impl* impl() const override;
  const ucs2string& id() const { return id_; }

 private:
  // The zone is made once, on first use, and cloned for each caller.
  const TimeZone* prototype() const;

  ucs2string id_;
  mutable std::atomic<const TimeZone*> prototype_{nullptr};
};

// The predefined zones by ID.
class zvTimeBelt {
 public:
  virtual ~zvTimeBelt();
  // All IDs, in ascending code-unit order.
  virtual std::vector<ucs2string> list() const = 0;
  // The handle of an ID; an unknown ID throws UnknownTimeZone.
  virtual const zvAvailableTimeZone& find(const ucs2string& id) const = 0;
};

class PredefinedTimeZones {
 public:
  // Valid while a PredefinedTimeZonesInitExit is alive.
  static const zvTimeBelt& timeBelt();
  // The default zone ID for an offset east of UTC in seconds: the first
  // zone of a fixed list whose offset is not below the given one ("GMT" for
  // 0, "Etc/GMT-1" for 3600 and for 3601 "Etc/GMT-2").
  static void DefaultTZFromOffset(int offsetSeconds, ucs2string& id);

 private:
  friend class PredefinedTimeZonesInitExit;
  static zvTimeBelt* belt_;
};

// Counted start-up of the time belt.
class PredefinedTimeZonesInitExit {
 public:
  PredefinedTimeZonesInitExit();
  ~PredefinedTimeZonesInitExit();
  PredefinedTimeZonesInitExit(const PredefinedTimeZonesInitExit&) : PredefinedTimeZonesInitExit() {}
  PredefinedTimeZonesInitExit& operator=(const PredefinedTimeZonesInitExit&) { return *this; }

  static std::atomic<int> count;

 private:
  static void init();
  static void exit();
};

namespace {
// Keeps the time belt alive for this translation unit.
[[maybe_unused]] PredefinedTimeZonesInitExit predefinedTimeZonesInitExit;
}  // namespace

}  // namespace TimeLib

#endif
