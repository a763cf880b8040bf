#include "kti18n/calendar/builtin_zones.h"

namespace eng_zones {

// Months 0 = January; rule days: 1 with weekday -1 (= -Sunday) is "the
// first Sunday on or after the 1st", -1 with weekday 1 is "the last Sunday".
// Time modes: 0 wall time, 2 UTC.
const BuiltinZone kBuiltinZones[] = {
    // From the first Sunday on or after 1 April, 02:00 wall time, to the
    // last Sunday of October, 02:00 wall time.
    {"America/New_York", -18000000, 60, 3, 1, -1, 120, 0, 9, -1, 1, 120, 0},
    // From the last Sunday of March to the last Sunday of October, both at
    // 01:00 UTC.
    {"Europe/Paris", 3600000, 60, 2, -1, 1, 60, 2, 9, -1, 1, 60, 2},
    {"Asia/Tokyo", 32400000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

const std::int32_t kBuiltinZoneCount = sizeof kBuiltinZones / sizeof kBuiltinZones[0];

}  // namespace eng_zones
