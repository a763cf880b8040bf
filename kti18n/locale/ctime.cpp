#include "kti18n/locale/ctime.h"

#include <algorithm>
#include <atomic>
#include <limits>

#include "kti18n/locale/ucs2_literal.h"

zv_locale::id zv_ctime::id;

namespace {

const unsigned short* const kNoEra = u""_ucs2;

// The record with each null field replaced by its default, so that every
// getter returns a valid text whatever a locale-data record leaves out.
zv_ctime_impl::StaticStorage complete(const zv_ctime_impl::StaticStorage& record) {
  const zv_ctime_impl::StaticStorage& defaults = zv_ctime_impl::kDefaultCtimeStorage;
  zv_ctime_impl::StaticStorage r = record;
  auto fill = [](auto& field, auto fallback) {
    if (field == nullptr) field = fallback;
  };
  fill(r.shortDayNames, defaults.shortDayNames);
  fill(r.dayNames, defaults.dayNames);
  fill(r.shortMonthNames, defaults.shortMonthNames);
  fill(r.monthNames, defaults.monthNames);
  fill(r.amPm, defaults.amPm);
  if (r.eraNames == nullptr || r.eraStartYears == nullptr) {
    r.eraCount = defaults.eraCount;
    r.eraNames = defaults.eraNames;
    r.eraStartYears = defaults.eraStartYears;
  }
  fill(r.dateTimeFormat, defaults.dateTimeFormat);
  fill(r.dateFormat, defaults.dateFormat);
  fill(r.timeFormat, defaults.timeFormat);
  fill(r.amPmTimeFormat, defaults.amPmTimeFormat);
  fill(r.fmtLibDefaultFormats, defaults.fmtLibDefaultFormats);
  fill(r.dateSeparator, defaults.dateSeparator);
  fill(r.timeSeparator, defaults.timeSeparator);
  fill(r.adBc, defaults.adBc);
  return r;
}

void check_index(long long i, long long first, long long last) {
  if (i < first || i > last) throw ZVException(ZV_E_OUT_OF_RANGE);
}

std::int32_t saturate(std::int64_t v) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(v, lo, hi));
}

}  // namespace

// ---------------------------------------------------------------------------
// zv_ctime_impl

zv_ctime_impl::zv_ctime_impl(const StaticStorage* record)
    : izvSharedObject(1), m_record(complete(record != nullptr ? *record : kDefaultCtimeStorage)) {}

zv_ctime_impl::~zv_ctime_impl() = default;

void zv_ctime_impl::AddReference() noexcept { AddRef(); }

const unsigned short* zv_ctime_impl::GetShortNameOfDay(int day) const {
  check_index(day, 0, kDayCount - 1);
  return m_record.shortDayNames[day];
}

const unsigned short* zv_ctime_impl::GetNameOfDay(int day) const {
  check_index(day, 0, kDayCount - 1);
  return m_record.dayNames[day];
}

const unsigned short* zv_ctime_impl::GetShortNameOfMonth(int month) const {
  check_index(month, 1, kMonthCount);
  return m_record.shortMonthNames[month - 1];
}

const unsigned short* zv_ctime_impl::GetNameOfMonth(int month) const {
  check_index(month, 1, kMonthCount);
  return m_record.monthNames[month - 1];
}

const unsigned short* zv_ctime_impl::GetAmPm(int i) const {
  check_index(i, 0, 1);
  return m_record.amPm[i];
}

const unsigned short* zv_ctime_impl::GetEra(int i) const {
  check_index(i, 0, static_cast<long long>(m_record.eraCount) - 1);
  return m_record.eraNames[i];
}

std::int32_t zv_ctime_impl::GetEraYear(int i) const {
  check_index(i, 0, static_cast<long long>(m_record.eraCount) - 1);
  return m_record.eraStartYears[i];
}

const unsigned short* zv_ctime_impl::GetFmtLibDefaultFormat(int i) const {
  check_index(i, 0, kPatternCount - 1);
  return m_record.fmtLibDefaultFormats[i];
}

const unsigned short* zv_ctime_impl::GetAdBc(int i) const {
  check_index(i, 0, 1);
  return m_record.adBc[i];
}

// Eras are listed from the latest to the earliest by their start years; the
// era of a year is the first whose start is not after it. A real era counts
// its start year as year 1. The sentinel era (before the first real one)
// counts backwards from the start of the era after it, so with the default
// table year 0 is 1 B.C. and year -1 is 2 B.C.; a table made only of the
// sentinel leaves years unchanged. Era years beyond the 32-bit range (only
// reachable with years near its ends) are held at its limits.
const unsigned short* zv_ctime_impl::FindEra(std::int32_t year, std::int32_t* eraYear) const {
  const std::int32_t* first = m_record.eraStartYears;
  const std::int32_t* last = first + m_record.eraCount;
  const std::int32_t* found = std::partition_point(first, last, [year](std::int32_t start) { return start > year; });

  const unsigned short* name = kNoEra;
  std::int64_t yearInEra = year;
  if (found != last) {
    name = m_record.eraNames[found - first];
    if (*found != kEraSentinel) {
      yearInEra = std::int64_t{year} - *found + 1;
    } else if (found != first) {
      yearInEra = std::int64_t{found[-1]} - year;
    }
  }
  if (eraYear != nullptr) *eraYear = saturate(yearInEra);
  return name;
}

std::int32_t zv_ctime_impl::FindEraYear(std::int32_t year) const {
  std::int32_t eraYear = kEraSentinel;
  FindEra(year, &eraYear);
  return eraYear;
}

// ---------------------------------------------------------------------------
// zv_ctime

zv_ctime::zv_ctime(unsigned refs) : facet(refs), m_impl(new zv_ctime_impl(&zv_ctime_impl::kDefaultCtimeStorage)) {}

zv_ctime::zv_ctime(const zv_ctime_impl::StaticStorage* record, unsigned refs)
    : facet(refs), m_impl(new zv_ctime_impl(record)) {}

zv_ctime::~zv_ctime() { m_impl->Release(); }
