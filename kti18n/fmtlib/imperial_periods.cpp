#include "kti18n/fmtlib/imperial_periods.h"

#include "kti18n/locale/ucs2_literal.h"

namespace FmtLib {

namespace {

constexpr zvImperialPeriod kPeriods[] = {
    {u"明治"_ucs2, u'M', 0, 1867},
    {u"大正"_ucs2, u'T', ImperialDateKey(1912, 6, 30), 1911},
    {u"昭和"_ucs2, u'S', ImperialDateKey(1926, 11, 25), 1925},
    {u"平成"_ucs2, u'H', ImperialDateKey(1989, 0, 8), 1988},
    {u"令和"_ucs2, u'R', ImperialDateKey(2019, 4, 1), 2018},
};

static_assert(kPeriods[1].startKey == 21758 && kPeriods[2].startKey == 29081 && kPeriods[3].startKey == 60968);

}  // namespace

std::span<const zvImperialPeriod> ImperialPeriods() { return kPeriods; }

const zvImperialPeriod* FindImperialPeriod(std::int64_t year, std::int64_t month0, std::int64_t day,
                                           std::int32_t* periodYear) {
  const std::int64_t key = ImperialDateKey(year, month0, day);
  for (auto p = std::end(kPeriods); p != std::begin(kPeriods);) {
    --p;
    if (p->startKey <= key) {
      if (periodYear != nullptr) *periodYear = static_cast<std::int32_t>(year - p->baseYear);
      return p;
    }
  }
  return nullptr;
}

}  // namespace FmtLib
