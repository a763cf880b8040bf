// The calendar engine's status convention.
//
// Every engine operation takes an EngineStatus& and returns at once, without
// effect, when the incoming status already holds a failure. Unlike zvStatus,
// failures here are the values greater than 0; the time library turns them
// into exceptions.
#ifndef KTI18N_CALENDAR_ENGINE_STATUS_H
#define KTI18N_CALENDAR_ENGINE_STATUS_H

#include <cstdint>

enum EngineStatus : std::int32_t {
  ENG_OK = 0,
  ENG_ILLEGAL_ARGUMENT = 1,    // a value outside what the operation accepts
  ENG_ALLOCATION_FAILURE = 7,  // memory could not be allocated
};

constexpr bool eng_failure(EngineStatus s) { return s > ENG_OK; }
constexpr bool eng_success(EngineStatus s) { return s <= ENG_OK; }

#endif
