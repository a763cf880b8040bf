// Instants at the edges of the supported range and absurd field values:
// every result is a status or a clamped value, never undefined behaviour.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine_test_support.h"

namespace {

using namespace engine_test;
using C = Calendar;

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

TEST(RangeEdges, InstantsNearTheLimitsInExtremeZones) {
  const SimpleTimeZone east(50400000, "E"_u2), west(-43200000, "W"_u2);
  EngineStatus status = ENG_OK;
  SimpleTimeZone daylight(50400000, "D"_u2, 2, -1, 1, 0, 9, -1, 1, 0, status);
  for (const TimeZone* z : {static_cast<const TimeZone*>(&east), static_cast<const TimeZone*>(&west),
                            static_cast<const TimeZone*>(&daylight)}) {
    auto c = calendarIn(*z);
    for (double t : {C::LATEST_SUPPORTED_MILLIS, C::LATEST_SUPPORTED_MILLIS - 1, C::EARLIEST_SUPPORTED_MILLIS,
                     C::EARLIEST_SUPPORTED_MILLIS + 1, 0.0, -1.0}) {
      status = ENG_OK;
      c->setTime(t, status);
      ASSERT_EQ(status, ENG_OK) << t;
      for (int f = 0; f < C::FIELD_COUNT; ++f) c->get(static_cast<C::EDateFields>(f), status);
      EXPECT_EQ(status, ENG_OK);
      EXPECT_LE(field(*c, C::Year), 144683);
      EXPECT_EQ(timeOf(*c), t);
    }
  }
  auto c = utcCalendar();
  setTime(*c, C::LATEST_SUPPORTED_MILLIS);
  EXPECT_EQ(field(*c, C::Era), GregorianCalendar::AD);
  const int latestYear = field(*c, C::Year);
  setTime(*c, C::EARLIEST_SUPPORTED_MILLIS);
  EXPECT_EQ(field(*c, C::Era), GregorianCalendar::BC);
  EXPECT_GT(latestYear, 140000);
  EXPECT_GT(field(*c, C::Year), 140000);
}

TEST(RangeEdges, InstantsOutsideTheRangeAreRefused) {
  auto c = utcCalendar();
  setTime(*c, 0);
  for (double t : {C::LATEST_SUPPORTED_MILLIS + 1, C::EARLIEST_SUPPORTED_MILLIS - 1, 1e300, -1e300,
                   std::numeric_limits<double>::infinity(), std::nan("")}) {
    EngineStatus status = ENG_OK;
    c->setTime(t, status);
    EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT) << t;
    EXPECT_EQ(timeOf(*c), 0);
  }
  EngineStatus status = ENG_OK;
  c->setGregorianChange(std::nan(""), status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
}

// Each field at the extremes of 32 bits, alone and all together, on a
// lenient calendar: either an instant inside the range or status 1.
TEST(RangeEdges, AbsurdFieldValues) {
  auto c = utcCalendar();
  for (std::int32_t value : {kIntMin, kIntMin + 1, -1000000, 1000000, kIntMax - 1, kIntMax}) {
    for (int f = 0; f < C::FIELD_COUNT; ++f) {
      setTime(*c, 1e12);
      c->set(static_cast<C::EDateFields>(f), value);
      EngineStatus status = ENG_OK;
      const double t = c->getTime(status);
      if (eng_success(status)) {
        EXPECT_GE(t, C::EARLIEST_SUPPORTED_MILLIS);
        EXPECT_LE(t, C::LATEST_SUPPORTED_MILLIS);
        c->get(C::Year, status);
        EXPECT_EQ(status, ENG_OK);
      } else {
        EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
        EXPECT_EQ(c->get(C::Year, status), 0);
      }
    }
    c->clear();
    for (int f = 0; f < C::FIELD_COUNT; ++f) c->set(static_cast<C::EDateFields>(f), value);
    EngineStatus status = ENG_OK;
    c->getTime(status);
    EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  }
  // Week fields with the week year far out.
  c->clear();
  c->set(C::Year_woy, kIntMax);
  c->set(C::Week_of_year, kIntMin);
  c->set(C::Dow_local, kIntMax);
  EngineStatus status = ENG_OK;
  c->getTime(status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
}

TEST(RangeEdges, AbsurdAmountsForAddAndRoll) {
  auto c = utcCalendar();
  for (int f = 0; f < C::FIELD_COUNT; ++f) {
    if (f == C::Zone_offset || f == C::Dst_offset) continue;
    for (std::int32_t amount : {kIntMin, kIntMax, -1, 1}) {
      for (double start : {C::LATEST_SUPPORTED_MILLIS, C::EARLIEST_SUPPORTED_MILLIS, 0.0}) {
        setTime(*c, start);
        EngineStatus status = ENG_OK;
        c->add(static_cast<C::EDateFields>(f), amount, status);
        c->getTime(status);
        EXPECT_TRUE(status == ENG_OK || status == ENG_ILLEGAL_ARGUMENT);
        setTime(*c, start);
        status = ENG_OK;
        c->roll(static_cast<C::EDateFields>(f), amount, status);
        const double t = c->getTime(status);
        if (eng_success(status)) {
          EXPECT_GE(t, C::EARLIEST_SUPPORTED_MILLIS);
          EXPECT_LE(t, C::LATEST_SUPPORTED_MILLIS);
        }
      }
    }
  }
}

TEST(RangeEdges, StrictCalendarAtTheYearLimit) {
  auto c = utcCalendar();
  c->setLenient(false);
  setDate(*c, 144683, 12, 31);
  EngineStatus status = ENG_OK;
  c->getTime(status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  setDate(*c, 144684, 1, 1);
  status = ENG_OK;
  c->getTime(status);
  EXPECT_EQ(status, ENG_ILLEGAL_ARGUMENT);
  setDate(*c, -140000, 1, 1);
  status = ENG_OK;
  c->getTime(status);
  EXPECT_EQ(status, ENG_OK);
}

}  // namespace
