// Status codes shared by the whole library.
//
// Statuses are 32-bit values whose failures are negative. They are held in
// zvStatus (int32_t) everywhere, so that "status < 0" means failure on any
// host, whatever the width of long.
#ifndef KTI18N_BASE_STATUS_H
#define KTI18N_BASE_STATUS_H

#include <cstdint>

using zvStatus = std::int32_t;

// Builds a status from its documented hexadecimal value.
constexpr zvStatus zvMakeStatus(std::uint32_t bits) { return static_cast<zvStatus>(bits); }

inline constexpr zvStatus ZV_S_OK = zvMakeStatus(0x00041100u);              // success
inline constexpr zvStatus ZV_S_NOTHING_MATCHED = zvMakeStatus(0x00041121u); // catalog: no match
// A success that is not exact: a spreadsheet format code was read into a
// pattern that only approximates it (the code says something the token
// vocabulary cannot). Kept clear of the low bits of every failure code.
inline constexpr zvStatus ZV_S_READ_APPROXIMATELY = zvMakeStatus(0x00041140u);
inline constexpr zvStatus ZV_E_FAIL = zvMakeStatus(0x80004005u);            // general failure
inline constexpr zvStatus ZV_E_OUTOFMEMORY = zvMakeStatus(0x80041122u);
inline constexpr zvStatus ZV_E_INVALID_DATA = zvMakeStatus(0x80041123u);
inline constexpr zvStatus ZV_E_FP_CLASS = zvMakeStatus(0x80041124u);        // unsupported floating-point class
inline constexpr zvStatus ZV_E_UTF8_POSITION = zvMakeStatus(0x80041127u);
inline constexpr zvStatus ZV_E_OUT_OF_RANGE = zvMakeStatus(0x80041128u);
inline constexpr zvStatus ZV_E_NUMBER_OVERFLOW = zvMakeStatus(0x80041129u);
inline constexpr zvStatus ZV_E_LENGTH = zvMakeStatus(0x8004112Au);
inline constexpr zvStatus ZV_E_NO_FACET = zvMakeStatus(0x8004112Bu);
inline constexpr zvStatus ZV_E_BAD_CATEGORY = zvMakeStatus(0x8004112Cu);
inline constexpr zvStatus ZV_E_INTERNAL = zvMakeStatus(0x8004112Du);        // no dictionary for a request
inline constexpr zvStatus ZV_E_CTYPE_BYNAME = zvMakeStatus(0x80041130u);
inline constexpr zvStatus ZV_E_UNKNOWN_ENCODING = zvMakeStatus(0x80041131u);

// The constant's name of a status ("ZV_E_INVALID_DATA"), or null for a
// value the library does not define.
const char* zvStatusName(zvStatus s) noexcept;
// A short text saying what a status means ("invalid data"), or null.
const char* zvStatusText(zvStatus s) noexcept;

constexpr bool zvFailed(zvStatus s) { return s < 0; }
constexpr bool zvSucceeded(zvStatus s) { return s >= 0; }

#endif
