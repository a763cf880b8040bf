// The Japanese imperial periods (gengō) from Meiji on, as date formats write
// them and date scanners read them. A date is keyed by
// ((year * 16 + month0) - 29919) * 32 + day, which orders dates and is 0 at
// the start of 1870, before which no period is listed.
#ifndef KTI18N_FMTLIB_IMPERIAL_PERIODS_H
#define KTI18N_FMTLIB_IMPERIAL_PERIODS_H

#include <cstdint>
#include <span>

namespace FmtLib {

struct zvImperialPeriod {
  const unsigned short* name;     // kanji, e.g. 令和
  unsigned short initial;         // Latin initial, e.g. 'R'
  std::int32_t startKey;          // the key of its first day
  std::int32_t baseYear;          // the Gregorian year before its first year
};

// The periods, earliest first: Meiji, Taishō, Shōwa, Heisei, Reiwa.
std::span<const zvImperialPeriod> ImperialPeriods();

// The key of a date: year astronomical, month0 from 0 (January), day from 1.
constexpr std::int64_t ImperialDateKey(std::int64_t year, std::int64_t month0, std::int64_t day) {
  return ((year * 16 + month0) - 29919) * 32 + day;
}

// The period in force on a date and the year within it, or null for dates
// before 1870.
const zvImperialPeriod* FindImperialPeriod(std::int64_t year, std::int64_t month0, std::int64_t day,
                                           std::int32_t* periodYear);

}  // namespace FmtLib

#endif
