// The engine's built-in named zones. Internal to the engine.
#ifndef KTI18N_CALENDAR_BUILTIN_ZONES_H
#define KTI18N_CALENDAR_BUILTIN_ZONES_H

#include <cstdint>

namespace eng_zones {

// A zone record: raw offset in ms; savings and rule times in minutes; the
// rule fields in SimpleTimeZone's encoding. savings 0: no daylight time.
struct BuiltinZone {
  const char* id;
  std::int32_t rawOffset;
  std::int16_t savings;
  std::int8_t startMonth, startDay, startDayOfWeek;
  std::int16_t startTime;
  std::int8_t startTimeMode;
  std::int8_t endMonth, endDay, endDayOfWeek;
  std::int16_t endTime;
  std::int8_t endTimeMode;
};

extern const BuiltinZone kBuiltinZones[];
extern const std::int32_t kBuiltinZoneCount;

}  // namespace eng_zones

#endif
