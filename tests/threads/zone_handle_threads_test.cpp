// Predefined zone handles used by several threads: the handle makes its
// zone on first use.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "kti18n/time/calendar_time.h"
#include "kti18n/time/predefined_zones.h"
#include "threads_support.h"

namespace {

using namespace TimeLib;

TEST(ZoneHandleThreads, FreshHandleServesFourThreads) {
  // Threads racing for a fresh handle's zone must each get a zone of their
  // own, and nothing may leak or be freed twice.
  for (int round = 0; round < 20; ++round) {
    const zvPredefinedTimeZone handle(ucs2string("America/Chicago"));
    std::vector<std::int32_t> offsets(4, 0);
    threads_test::OnThreads(4, [&](int t) {
      const zvCalendarTime time(zvPhysicalTime::Epoch, handle, zvCalendar::gregorian());
      offsets[t] = time.zone_offset();
    });
    for (std::int32_t offset : offsets) EXPECT_EQ(offset, -21600000);
  }
}

}  // namespace
