// Calendar names: the built-in defaults, records and eras.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "kti18n/locale/ctime.h"
#include "kti18n/locale/locale.h"
#include "kti18n/locale/ucs2_literal.h"
#include "kti18n/text/ucs2string.h"

namespace {

ucs2string text(const unsigned short* s) { return ucs2string(s); }

zvStatus status_of_index(const std::function<void()>& f) {
  try {
    f();
  } catch (const ZVException& e) {
    return e.code();
  }
  return 0;
}

const zv_ctime& classic_ctime() { return zv_use_facet<zv_ctime>(zv_locale::classic()); }

TEST(CalendarNames, ClassicNames) {
  const zv_ctime& ct = classic_ctime();
  EXPECT_EQ(text(ct.GetShortNameOfDay(0)), "Mon"_u2);
  EXPECT_EQ(text(ct.GetShortNameOfDay(6)), "Sun"_u2);
  EXPECT_EQ(text(ct.GetNameOfDay(2)), "Wednesday"_u2);
  EXPECT_EQ(text(ct.GetNameOfMonth(1)), "January"_u2);
  EXPECT_EQ(text(ct.GetNameOfMonth(12)), "December"_u2);
  EXPECT_EQ(text(ct.GetShortNameOfMonth(9)), "Sep"_u2);
  EXPECT_EQ(text(ct.GetAmPm(0)), "AM"_u2);
  EXPECT_EQ(text(ct.GetAmPm(1)), "PM"_u2);
  EXPECT_EQ(text(ct.GetAdBc(0)), "B.C."_u2);
  EXPECT_EQ(text(ct.GetAdBc(1)), "A.D."_u2);
  EXPECT_EQ(text(ct.GetDefaultDateTimeFormat()), "%a %b %e %H:%M:%S %Y"_u2);
  EXPECT_EQ(text(ct.GetDefaultDateFormat()), "%m/%d/%y"_u2);
  EXPECT_EQ(text(ct.GetDefaultTimeFormat()), "%H:%M:%S"_u2);
  EXPECT_EQ(text(ct.GetDefaultAmPmTimeFormat()), "%I:%M:%S %p"_u2);
  EXPECT_EQ(text(ct.GetDateSeparator()), "/"_u2);
  EXPECT_EQ(text(ct.GetTimeSeparator()), ":"_u2);
  EXPECT_EQ(ct.GetCalendar(), zv_ctime_enums::gregorian);
  EXPECT_EQ(ct.GetNumberOfEra(), 2u);
  EXPECT_EQ(text(ct.GetEra(1)), "B.C."_u2);
  EXPECT_EQ(ct.GetEraYear(1), INT32_MIN);
  // The record keeps the stored calendar value and the reserved words.
  const auto& storage = zv_ctime_impl::kDefaultCtimeStorage;
  EXPECT_EQ(storage.calendar, zv_ctime_enums::unspecified);
  EXPECT_EQ(storage.reserved1, 1);
  EXPECT_EQ(storage.reserved2, 1);
  EXPECT_EQ(text(storage.monthNames[12]), ucs2string());
}

// The formatting library asks for patterns by index: spot checks of the order.
TEST(CalendarNames, DefaultPatternsByIndex) {
  const zv_ctime& ct = classic_ctime();
  EXPECT_EQ(text(ct.GetFmtLibDefaultFormat(0)), "T[dn]L[ ]T[d]L[ ]T[mt]L[ ]T[y4]"_u2);
  EXPECT_EQ(text(ct.GetFmtLibDefaultFormat(3)), "T[0d]L[/]T[0M]L[/]T[y2]"_u2);
  EXPECT_EQ(text(ct.GetFmtLibDefaultFormat(4)), "T[023]L[ h ]T[0m]L[ ]T[tz]"_u2);
  EXPECT_EQ(text(ct.GetFmtLibDefaultFormat(11)), "T[0d]L[/]T[0M]L[/]T[y2]L[ ]T[023]L[:]T[0m]"_u2);
  EXPECT_EQ(text(ct.GetFmtLibDefaultFormat(14)), "T[M]L[/]T[d]L[/]T[y4]L[ ]T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]"_u2);
}

TEST(CalendarNames, IndicesOutsideTheirRangesThrow) {
  const zv_ctime& ct = classic_ctime();
  EXPECT_EQ(status_of_index([&] { ct.GetShortNameOfDay(7); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(status_of_index([&] { ct.GetNameOfDay(-1); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(status_of_index([&] { ct.GetNameOfMonth(0); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(status_of_index([&] { ct.GetShortNameOfMonth(13); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(status_of_index([&] { ct.GetAmPm(2); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(status_of_index([&] { ct.GetAdBc(2); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(status_of_index([&] { ct.GetEra(2); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(status_of_index([&] { ct.GetEraYear(-1); }), ZV_E_OUT_OF_RANGE);
  EXPECT_EQ(status_of_index([&] { ct.GetFmtLibDefaultFormat(15); }), ZV_E_OUT_OF_RANGE);
}

TEST(CalendarEras, DefaultTable) {
  const zv_ctime& ct = classic_ctime();
  std::int32_t eraYear = 0;
  EXPECT_EQ(text(ct.FindEra(2004, &eraYear)), "A.D."_u2);
  EXPECT_EQ(eraYear, 2004);
  EXPECT_EQ(text(ct.FindEra(1, &eraYear)), "A.D."_u2);
  EXPECT_EQ(eraYear, 1);
  EXPECT_EQ(text(ct.FindEra(0, &eraYear)), "B.C."_u2);
  EXPECT_EQ(eraYear, 1);
  EXPECT_EQ(text(ct.FindEra(-1, nullptr)), "B.C."_u2);
  EXPECT_EQ(ct.FindEraYear(-1), 2);
  // Years at the ends of the 32-bit range stay within it.
  EXPECT_EQ(ct.FindEraYear(INT32_MAX), INT32_MAX);
  EXPECT_EQ(ct.FindEraYear(INT32_MIN), INT32_MAX);
  EXPECT_EQ(ct.FindEraYear(INT32_MIN + 2), INT32_MAX);
}

TEST(CalendarEras, FiveEraRecord) {
  static const unsigned short* const kNamePointers[] = {u"Heisei"_ucs2, u"Showa"_ucs2, u"Taisho"_ucs2, u"Meiji"_ucs2,
                                                        u"before Meiji"_ucs2};
  static const std::int32_t kStarts[] = {1989, 1926, 1912, 1868, zv_ctime_impl::kEraSentinel};
  zv_ctime_impl::StaticStorage record = zv_ctime_impl::kDefaultCtimeStorage;
  record.eraCount = 5;
  record.eraNames = kNamePointers;
  record.eraStartYears = kStarts;
  const zv_ctime_impl impl(&record);

  std::int32_t eraYear = 0;
  EXPECT_EQ(impl.FindEra(1989, &eraYear), kNamePointers[0]);
  EXPECT_EQ(eraYear, 1);
  EXPECT_EQ(impl.FindEra(1988, &eraYear), kNamePointers[1]);
  EXPECT_EQ(eraYear, 63);
  EXPECT_EQ(impl.FindEra(1912, &eraYear), kNamePointers[2]);
  EXPECT_EQ(eraYear, 1);
  EXPECT_EQ(impl.FindEra(1800, &eraYear), kNamePointers[4]);
  EXPECT_EQ(eraYear, 68);
  EXPECT_EQ(impl.GetCalendar(), zv_ctime_enums::gregorian);
}

TEST(CalendarEras, TablesWithoutARealEraOrWithoutTheSentinel) {
  static const unsigned short* const kNames[] = {u"Era"_ucs2, u"Before"_ucs2};
  zv_ctime_impl::StaticStorage record = zv_ctime_impl::kDefaultCtimeStorage;

  // Only the sentinel: every year is in it and keeps its number.
  static const std::int32_t kOnlySentinel[] = {zv_ctime_impl::kEraSentinel};
  record.eraCount = 1;
  record.eraNames = kNames + 1;
  record.eraStartYears = kOnlySentinel;
  const zv_ctime_impl sentinelOnly(&record);
  std::int32_t eraYear = 0;
  EXPECT_EQ(sentinelOnly.FindEra(-40, &eraYear), kNames[1]);
  EXPECT_EQ(eraYear, -40);

  // No sentinel: years before the first era have no era.
  static const std::int32_t kNoSentinel[] = {100};
  record.eraNames = kNames;
  record.eraStartYears = kNoSentinel;
  const zv_ctime_impl noSentinel(&record);
  EXPECT_EQ(text(noSentinel.FindEra(99, &eraYear)), ucs2string());
  EXPECT_EQ(eraYear, 99);
  EXPECT_EQ(noSentinel.FindEraYear(100), 1);

  // No eras at all.
  record.eraCount = 0;
  const zv_ctime_impl none(&record);
  EXPECT_EQ(text(none.FindEra(5, &eraYear)), ucs2string());
  EXPECT_EQ(eraYear, 5);
}

TEST(CalendarNames, RecordFieldsLeftNullTakeTheDefaults) {
  static const unsigned short* const kDays[] = {u"lun"_ucs2, u"mar"_ucs2, u"mer"_ucs2, u"jeu"_ucs2,
                                                u"ven"_ucs2, u"sam"_ucs2, u"dim"_ucs2};
  zv_ctime_impl::StaticStorage record{};
  record.shortDayNames = kDays;
  record.eraCount = 9;  // without tables: the default eras as a whole
  const zv_ctime_impl impl(&record);
  EXPECT_EQ(text(impl.GetShortNameOfDay(6)), "dim"_u2);
  EXPECT_EQ(text(impl.GetNameOfDay(6)), "Sunday"_u2);
  EXPECT_EQ(text(impl.GetNameOfMonth(2)), "February"_u2);
  EXPECT_EQ(impl.GetNumberOfEra(), 2u);
  EXPECT_EQ(impl.FindEraYear(0), 1);
  EXPECT_EQ(text(impl.GetTimeSeparator()), ":"_u2);
  EXPECT_EQ(text(impl.GetFmtLibDefaultFormat(12)), "T[M]L[/]T[d]L[/]T[y4]"_u2);

  const zv_ctime_impl fromNull(nullptr);
  EXPECT_EQ(text(fromNull.GetShortNameOfDay(0)), "Mon"_u2);
}

}  // namespace
