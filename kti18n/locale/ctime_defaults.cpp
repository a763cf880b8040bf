// The built-in calendar names of the classic locale.
#include "kti18n/locale/ctime.h"
#include "kti18n/locale/ucs2_literal.h"

namespace {

constinit const unsigned short* const kShortDayNames[] = {
    u"Mon"_ucs2, u"Tue"_ucs2, u"Wed"_ucs2, u"Thu"_ucs2, u"Fri"_ucs2, u"Sat"_ucs2, u"Sun"_ucs2};

constinit const unsigned short* const kDayNames[] = {
    u"Monday"_ucs2, u"Tuesday"_ucs2, u"Wednesday"_ucs2, u"Thursday"_ucs2,
    u"Friday"_ucs2, u"Saturday"_ucs2, u"Sunday"_ucs2};

// Both month tables carry a thirteenth, empty name.
constinit const unsigned short* const kShortMonthNames[] = {
    u"Jan"_ucs2, u"Feb"_ucs2, u"Mar"_ucs2, u"Apr"_ucs2, u"May"_ucs2, u"Jun"_ucs2, u"Jul"_ucs2,
    u"Aug"_ucs2, u"Sep"_ucs2, u"Oct"_ucs2, u"Nov"_ucs2, u"Dec"_ucs2, u""_ucs2};

constinit const unsigned short* const kMonthNames[] = {
    u"January"_ucs2, u"February"_ucs2, u"March"_ucs2,     u"April"_ucs2,   u"May"_ucs2,
    u"June"_ucs2,    u"July"_ucs2,     u"August"_ucs2,    u"September"_ucs2, u"October"_ucs2,
    u"November"_ucs2, u"December"_ucs2, u""_ucs2};

constinit const unsigned short* const kAmPm[] = {u"AM"_ucs2, u"PM"_ucs2};

constinit const unsigned short* const kEraNames[] = {u"A.D."_ucs2, u"B.C."_ucs2};
constinit const std::int32_t kEraStartYears[] = {1, zv_ctime_impl::kEraSentinel};

// Indexed by the formatting library's default-format kinds.
constinit const unsigned short* const kFmtLibDefaultFormats[zv_ctime_impl::kPatternCount] = {
    u"T[dn]L[ ]T[d]L[ ]T[mt]L[ ]T[y4]"_ucs2,
    u"T[d]L[ ]T[mt]L[ ]T[y4]"_ucs2,
    u"T[d]L[ ]T[amt]L[ ]T[y2]"_ucs2,
    u"T[0d]L[/]T[0M]L[/]T[y2]"_ucs2,
    u"T[023]L[ h ]T[0m]L[ ]T[tz]"_ucs2,
    u"T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[023]L[:]T[0m]L[:]T[0s]"_ucs2,
    u"T[023]L[:]T[0m]"_ucs2,
    u"T[dn]L[ ]T[d]L[ ]T[mt]L[ ]T[y4]L[ ]T[023]L[ h ]T[0m]L[ ]T[tz]"_ucs2,
    u"T[d]L[ ]T[mt]L[ ]T[y4]L[ ]T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[d]L[ ]T[amt]L[ ]T[y2]L[ ]T[023]L[:]T[0m]L[:]T[0s]"_ucs2,
    u"T[0d]L[/]T[0M]L[/]T[y2]L[ ]T[023]L[:]T[0m]"_ucs2,
    u"T[M]L[/]T[d]L[/]T[y4]"_ucs2,
    u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]"_ucs2,
    u"T[M]L[/]T[d]L[/]T[y4]L[ ]T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]"_ucs2,
};

// Index 0 the word for years before the era, 1 for years of the era.
constinit const unsigned short* const kAdBc[] = {u"B.C."_ucs2, u"A.D."_ucs2};

}  // namespace

constinit const zv_ctime_impl::StaticStorage zv_ctime_impl::kDefaultCtimeStorage = {
    zv_ctime_enums::unspecified,
    1,
    kShortDayNames,
    kDayNames,
    kShortMonthNames,
    kMonthNames,
    kAmPm,
    2,
    kEraNames,
    kEraStartYears,
    u"%a %b %e %H:%M:%S %Y"_ucs2,
    u"%m/%d/%y"_ucs2,
    u"%H:%M:%S"_ucs2,
    u"%I:%M:%S %p"_ucs2,
    1,
    kFmtLibDefaultFormats,
    u"/"_ucs2,
    u":"_ucs2,
    kAdBc,
};
