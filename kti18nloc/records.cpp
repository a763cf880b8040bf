// The locale-data records of the module: LCID 31000 (no language) and a few
// hand-checked locales. Numbers are Windows locale identifiers. Every text
// is static data that lives as long as the module is loaded.
//
// Patterns use the formatting library's serial tokens; the date patterns
// are indexed 0-3 long, medium, short, numeric dates, 4-7 the matching
// times, 8-11 the matching date-times, 12-14 the input date, time and
// date-time.
#include "kti18nloc/records.h"

#include "kti18n/locale/ucs2_literal.h"

namespace kti18nloc {
namespace {

using Ident = zv_locale_ident_impl::StaticStorage;
using Numeric = zv_numeric_punctuation::StaticStorage;
using Ctime = zv_ctime_impl::StaticStorage;
using Text = const unsigned short*;

const unsigned char* utf8(const char8_t* s) { return reinterpret_cast<const unsigned char*>(s); }

constexpr std::uint32_t separators(char16_t decimal, char16_t thousands) {
  return static_cast<std::uint32_t>(decimal) | (static_cast<std::uint32_t>(thousands) << 16);
}

constexpr Text kGroupsOf3 = u"\x3"_ucs2;
constexpr Text kScientific = u"T[0]T[ds]T[0]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[E-]T[0]"_ucs2;
constexpr Text kNumber3 = u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[#]T[#]T[#]"_ucs2;  // #,##0.###
const std::int32_t kGregorianEraYears[] = {1, zv_ctime_impl::kEraSentinel};

// ---- LCID 31000: no language, the built-in names and data ----

const Ident kIdentNeutral = {
    "i18n", nullptr, utf8(u8"Unicode collation"), "i18n", utf8(u8"Western European (Windows)"), "CP1252",
    u"International"_ucs2};
const zv_locale_storage kNeutral = {31000, &kIdentNeutral, nullptr, nullptr, nullptr};

// ---- en_US 1033 ----

const Ident kIdentEnUS = {"US", "en", utf8(u8"English (United States)"), "en_US",
                          utf8(u8"Western (Windows-1252)"), "CP1252", nullptr};
const Text kPatternsEnUS[] = {kNumber3, u"L[$]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]"_ucs2,
                              u"T[#]T[gs]T[#]T[#]T[0]L[%]"_ucs2, kScientific};
const Numeric kNumericEnUS = {1, separators(u'.', u','), kGroupsOf3, nullptr, kPatternsEnUS};
const Text kShortDaysEn[] = {u"Mon"_ucs2, u"Tue"_ucs2, u"Wed"_ucs2, u"Thu"_ucs2,
                             u"Fri"_ucs2, u"Sat"_ucs2, u"Sun"_ucs2};
const Text kDaysEn[] = {u"Monday"_ucs2, u"Tuesday"_ucs2, u"Wednesday"_ucs2, u"Thursday"_ucs2,
                        u"Friday"_ucs2, u"Saturday"_ucs2, u"Sunday"_ucs2};
const Text kShortMonthsEn[] = {u"Jan"_ucs2, u"Feb"_ucs2, u"Mar"_ucs2, u"Apr"_ucs2, u"May"_ucs2, u"Jun"_ucs2,
                               u"Jul"_ucs2, u"Aug"_ucs2, u"Sep"_ucs2, u"Oct"_ucs2, u"Nov"_ucs2, u"Dec"_ucs2};
const Text kMonthsEn[] = {u"January"_ucs2, u"February"_ucs2, u"March"_ucs2,     u"April"_ucs2,
                          u"May"_ucs2,     u"June"_ucs2,     u"July"_ucs2,      u"August"_ucs2,
                          u"September"_ucs2, u"October"_ucs2, u"November"_ucs2, u"December"_ucs2};
const Text kAmPmEn[] = {u"AM"_ucs2, u"PM"_ucs2};
const Text kErasEn[] = {u"AD"_ucs2, u"BC"_ucs2};
const Text kAdBcEn[] = {u"BC"_ucs2, u"AD"_ucs2};
const Text kDatePatternsEnUS[] = {
    u"T[dn]L[, ]T[mt]L[ ]T[d]L[, ]T[y4]"_ucs2,
    u"T[mt]L[ ]T[d]L[, ]T[y4]"_ucs2,
    u"T[amt]L[ ]T[d]L[, ]T[y4]"_ucs2,
    u"T[M]L[/]T[d]L[/]T[y2]"_ucs2,
    u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]L[ ]T[tz]"_ucs2,
    u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]L[ ]T[tz]"_ucs2,
    u"T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]"_ucs2,
    u"T[12]L[:]T[0m]L[ ]T[am]"_ucs2,
    u"T[dn]L[, ]T[mt]L[ ]T[d]L[, ]T[y4]L[ at ]T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]L[ ]T[tz]"_ucs2,
    u"T[mt]L[ ]T[d]L[, ]T[y4]L[ at ]T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]L[ ]T[tz]"_ucs2,
    u"T[amt]L[ ]T[d]L[, ]T[y4]L[, ]T[12]L[:]T[0m]L[:]T[0s]L[ ]T[am]"_ucs2,
    u"T[M]L[/]T[d]L[/]T[y2]L[, ]T[12]L[:]T[0m]L[ ]T[am]"_ucs2,
    u"T[M]L[/]T[d]L[/]T[y4]"_ucs2,
    u"T[12]L[:]T[0m]L[ ]T[am]"_ucs2,
    u"T[M]L[/]T[d]L[/]T[y4]L[ ]T[12]L[:]T[0m]L[ ]T[am]"_ucs2,
};
const Ctime kCtimeEnUS = {
    zv_ctime_enums::gregorian, 1, kShortDaysEn, kDaysEn, kShortMonthsEn, kMonthsEn, kAmPmEn,
    2, kErasEn, kGregorianEraYears,
    u"%a %b %e %H:%M:%S %Y"_ucs2, u"%m/%d/%y"_ucs2, u"%H:%M:%S"_ucs2, u"%I:%M:%S %p"_ucs2,
    1, kDatePatternsEnUS, u"/"_ucs2, u":"_ucs2, kAdBcEn};
const zv_locale_storage kEnUS = {1033, &kIdentEnUS, nullptr, &kNumericEnUS, &kCtimeEnUS};

// ---- French: fr_FR 1036, fr_CA 3084 ----

const Text kShortDaysFr[] = {u"lun."_ucs2, u"mar."_ucs2, u"mer."_ucs2, u"jeu."_ucs2,
                             u"ven."_ucs2, u"sam."_ucs2, u"dim."_ucs2};
const Text kDaysFr[] = {u"lundi"_ucs2,    u"mardi"_ucs2,  u"mercredi"_ucs2, u"jeudi"_ucs2,
                        u"vendredi"_ucs2, u"samedi"_ucs2, u"dimanche"_ucs2};
const Text kMonthsFr[] = {u"janvier"_ucs2, u"février"_ucs2,   u"mars"_ucs2,    u"avril"_ucs2,
                          u"mai"_ucs2,     u"juin"_ucs2,      u"juillet"_ucs2, u"août"_ucs2,
                          u"septembre"_ucs2, u"octobre"_ucs2, u"novembre"_ucs2, u"décembre"_ucs2};
const Text kErasFr[] = {u"ap. J.-C."_ucs2, u"av. J.-C."_ucs2};
const Text kAdBcFr[] = {u"av. J.-C."_ucs2, u"ap. J.-C."_ucs2};

const Ident kIdentFrFR = {"FR", "fr", utf8(u8"French (France)"), "fr_FR", utf8(u8"Western (Windows-1252)"),
                          "CP1252", nullptr};
// France groups with a narrow no-break space and sets a no-break space
// before the currency and a narrow one before the percent sign.
const Text kPatternsFrFR[] = {kNumber3, u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]L[\u00A0€]"_ucs2,
                              u"T[#]T[gs]T[#]T[#]T[0]L[\u202F%]"_ucs2, kScientific};
const Numeric kNumericFrFR = {1, separators(u',', u'\u202F'), kGroupsOf3, nullptr, kPatternsFrFR};
const Text kShortMonthsFrFR[] = {u"janv."_ucs2, u"févr."_ucs2, u"mars"_ucs2, u"avr."_ucs2,
                                 u"mai"_ucs2,   u"juin"_ucs2,  u"juil."_ucs2, u"août"_ucs2,
                                 u"sept."_ucs2, u"oct."_ucs2,  u"nov."_ucs2, u"déc."_ucs2};
const Text kAmPmFrFR[] = {u"AM"_ucs2, u"PM"_ucs2};
const Text kDatePatternsFrFR[] = {
    u"T[dn]L[ ]T[d]L[ ]T[mt]L[ ]T[y4]"_ucs2,
    u"T[d]L[ ]T[mt]L[ ]T[y4]"_ucs2,
    u"T[d]L[ ]T[amt]L[ ]T[y4]"_ucs2,
    u"T[0d]L[/]T[0M]L[/]T[y4]"_ucs2,
    u"T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[023]L[:]T[0m]L[:]T[0s]"_ucs2,
    u"T[023]L[:]T[0m]"_ucs2,
    u"T[dn]L[ ]T[d]L[ ]T[mt]L[ ]T[y4]L[ à ]T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[d]L[ ]T[mt]L[ ]T[y4]L[ à ]T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[d]L[ ]T[amt]L[ ]T[y4]L[, ]T[023]L[:]T[0m]L[:]T[0s]"_ucs2,
    u"T[0d]L[/]T[0M]L[/]T[y4]L[ ]T[023]L[:]T[0m]"_ucs2,
    u"T[d]L[/]T[M]L[/]T[y4]"_ucs2,
    u"T[023]L[:]T[0m]"_ucs2,
    u"T[d]L[/]T[M]L[/]T[y4]L[ ]T[023]L[:]T[0m]"_ucs2,
};
const Ctime kCtimeFrFR = {
    zv_ctime_enums::gregorian, 1, kShortDaysFr, kDaysFr, kShortMonthsFrFR, kMonthsFr, kAmPmFrFR,
    2, kErasFr, kGregorianEraYears,
    u"%a %e %b %Y %H:%M:%S"_ucs2, u"%d/%m/%Y"_ucs2, u"%H:%M:%S"_ucs2, u"%I:%M:%S %p"_ucs2,
    1, kDatePatternsFrFR, u"/"_ucs2, u":"_ucs2, kAdBcFr};
const zv_locale_storage kFrFR = {1036, &kIdentFrFR, nullptr, &kNumericFrFR, &kCtimeFrFR};

const Ident kIdentFrCA = {"CA", "fr", utf8(u8"French (Canada)"), "fr_CA", utf8(u8"Western (Windows-1252)"),
                          "CP1252", nullptr};
// Canada groups with a no-break space and writes ISO dates and "13 h 05".
const Text kPatternsFrCA[] = {kNumber3, u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]L[\u00A0$]"_ucs2,
                              u"T[#]T[gs]T[#]T[#]T[0]L[\u00A0%]"_ucs2, kScientific};
const Numeric kNumericFrCA = {1, separators(u',', u'\u00A0'), kGroupsOf3, nullptr, kPatternsFrCA};
const Text kShortMonthsFrCA[] = {u"janv."_ucs2, u"févr."_ucs2, u"mars"_ucs2,   u"avr."_ucs2,
                                 u"mai"_ucs2,   u"juin"_ucs2,  u"juill."_ucs2, u"août"_ucs2,
                                 u"sept."_ucs2, u"oct."_ucs2,  u"nov."_ucs2,   u"déc."_ucs2};
const Text kAmPmFrCA[] = {u"a.m."_ucs2, u"p.m."_ucs2};
const Text kDatePatternsFrCA[] = {
    u"T[dn]L[ ]T[d]L[ ]T[mt]L[ ]T[y4]"_ucs2,
    u"T[d]L[ ]T[mt]L[ ]T[y4]"_ucs2,
    u"T[d]L[ ]T[amt]L[ ]T[y4]"_ucs2,
    u"T[y4]L[-]T[0M]L[-]T[0d]"_ucs2,
    u"T[023]L[ h ]T[0m]L[ min ]T[0s]L[ s ]T[tz]"_ucs2,
    u"T[023]L[ h ]T[0m]L[ min ]T[0s]L[ s ]T[tz]"_ucs2,
    u"T[023]L[ h ]T[0m]L[ min ]T[0s]L[ s]"_ucs2,
    u"T[023]L[ h ]T[0m]"_ucs2,
    u"T[dn]L[ ]T[d]L[ ]T[mt]L[ ]T[y4]L[ à ]T[023]L[ h ]T[0m]L[ min ]T[0s]L[ s ]T[tz]"_ucs2,
    u"T[d]L[ ]T[mt]L[ ]T[y4]L[ à ]T[023]L[ h ]T[0m]L[ min ]T[0s]L[ s ]T[tz]"_ucs2,
    u"T[d]L[ ]T[amt]L[ ]T[y4]L[, ]T[023]L[ h ]T[0m]L[ min ]T[0s]L[ s]"_ucs2,
    u"T[y4]L[-]T[0M]L[-]T[0d]L[ ]T[023]L[ h ]T[0m]"_ucs2,
    u"T[y4]L[-]T[M]L[-]T[d]"_ucs2,
    u"T[023]L[ h ]T[0m]"_ucs2,
    u"T[y4]L[-]T[M]L[-]T[d]L[ ]T[023]L[ h ]T[0m]"_ucs2,
};
const Ctime kCtimeFrCA = {
    zv_ctime_enums::gregorian, 1, kShortDaysFr, kDaysFr, kShortMonthsFrCA, kMonthsFr, kAmPmFrCA,
    2, kErasFr, kGregorianEraYears,
    u"%a %e %b %Y %H:%M:%S"_ucs2, u"%Y-%m-%d"_ucs2, u"%H:%M:%S"_ucs2, u"%I:%M:%S %p"_ucs2,
    1, kDatePatternsFrCA, u"-"_ucs2, u" h "_ucs2, kAdBcFr};
const zv_locale_storage kFrCA = {3084, &kIdentFrCA, nullptr, &kNumericFrCA, &kCtimeFrCA};

// ---- de_DE 1031 ----

const Ident kIdentDeDE = {"DE", "de", utf8(u8"German (Germany)"), "de_DE", utf8(u8"Western (Windows-1252)"),
                          "CP1252", nullptr};
const Text kPatternsDeDE[] = {kNumber3, u"T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]L[\u00A0€]"_ucs2,
                              u"T[#]T[gs]T[#]T[#]T[0]L[\u00A0%]"_ucs2, kScientific};
const Numeric kNumericDeDE = {1, separators(u',', u'.'), kGroupsOf3, nullptr, kPatternsDeDE};
const Text kShortDaysDe[] = {u"Mo."_ucs2, u"Di."_ucs2, u"Mi."_ucs2, u"Do."_ucs2,
                             u"Fr."_ucs2, u"Sa."_ucs2, u"So."_ucs2};
const Text kDaysDe[] = {u"Montag"_ucs2,  u"Dienstag"_ucs2, u"Mittwoch"_ucs2, u"Donnerstag"_ucs2,
                        u"Freitag"_ucs2, u"Samstag"_ucs2,  u"Sonntag"_ucs2};
const Text kShortMonthsDe[] = {u"Jan."_ucs2, u"Feb."_ucs2,  u"März"_ucs2, u"Apr."_ucs2,
                               u"Mai"_ucs2,  u"Juni"_ucs2,  u"Juli"_ucs2, u"Aug."_ucs2,
                               u"Sept."_ucs2, u"Okt."_ucs2, u"Nov."_ucs2, u"Dez."_ucs2};
const Text kMonthsDe[] = {u"Januar"_ucs2, u"Februar"_ucs2,  u"März"_ucs2,    u"April"_ucs2,
                          u"Mai"_ucs2,    u"Juni"_ucs2,     u"Juli"_ucs2,    u"August"_ucs2,
                          u"September"_ucs2, u"Oktober"_ucs2, u"November"_ucs2, u"Dezember"_ucs2};
const Text kAmPmDe[] = {u"AM"_ucs2, u"PM"_ucs2};
const Text kErasDe[] = {u"n. Chr."_ucs2, u"v. Chr."_ucs2};
const Text kAdBcDe[] = {u"v. Chr."_ucs2, u"n. Chr."_ucs2};
const Text kDatePatternsDeDE[] = {
    u"T[dn]L[, ]T[d]L[. ]T[mt]L[ ]T[y4]"_ucs2,
    u"T[d]L[. ]T[mt]L[ ]T[y4]"_ucs2,
    u"T[0d]L[.]T[0M]L[.]T[y4]"_ucs2,
    u"T[0d]L[.]T[0M]L[.]T[y2]"_ucs2,
    u"T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[023]L[:]T[0m]L[:]T[0s]"_ucs2,
    u"T[023]L[:]T[0m]"_ucs2,
    u"T[dn]L[, ]T[d]L[. ]T[mt]L[ ]T[y4]L[ um ]T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[d]L[. ]T[mt]L[ ]T[y4]L[ um ]T[023]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[0d]L[.]T[0M]L[.]T[y4]L[, ]T[023]L[:]T[0m]L[:]T[0s]"_ucs2,
    u"T[0d]L[.]T[0M]L[.]T[y2]L[, ]T[023]L[:]T[0m]"_ucs2,
    u"T[d]L[.]T[M]L[.]T[y4]"_ucs2,
    u"T[023]L[:]T[0m]"_ucs2,
    u"T[d]L[.]T[M]L[.]T[y4]L[ ]T[023]L[:]T[0m]"_ucs2,
};
const Ctime kCtimeDeDE = {
    zv_ctime_enums::gregorian, 1, kShortDaysDe, kDaysDe, kShortMonthsDe, kMonthsDe, kAmPmDe,
    2, kErasDe, kGregorianEraYears,
    u"%a %e. %b %Y %H:%M:%S"_ucs2, u"%d.%m.%y"_ucs2, u"%H:%M:%S"_ucs2, u"%I:%M:%S %p"_ucs2,
    1, kDatePatternsDeDE, u"."_ucs2, u":"_ucs2, kAdBcDe};
const zv_locale_storage kDeDE = {1031, &kIdentDeDE, nullptr, &kNumericDeDE, &kCtimeDeDE};

// ---- ja_JP 1041 ----

const Ident kIdentJaJP = {"JP", "ja", utf8(u8"Japanese (Japan)"), "ja_JP", utf8(u8"Japanese (Windows-932)"),
                          "CP932", nullptr};
const Text kPatternsJaJP[] = {kNumber3, u"L[￥]T[#]T[gs]T[#]T[#]T[0]"_ucs2,
                              u"T[#]T[gs]T[#]T[#]T[0]L[%]"_ucs2, kScientific};
const Numeric kNumericJaJP = {1, separators(u'.', u','), kGroupsOf3, nullptr, kPatternsJaJP};
const Text kShortDaysJa[] = {u"月"_ucs2, u"火"_ucs2, u"水"_ucs2, u"木"_ucs2, u"金"_ucs2, u"土"_ucs2, u"日"_ucs2};
const Text kDaysJa[] = {u"月曜日"_ucs2, u"火曜日"_ucs2, u"水曜日"_ucs2, u"木曜日"_ucs2,
                        u"金曜日"_ucs2, u"土曜日"_ucs2, u"日曜日"_ucs2};
const Text kMonthsJa[] = {u"1月"_ucs2, u"2月"_ucs2, u"3月"_ucs2,  u"4月"_ucs2,  u"5月"_ucs2,  u"6月"_ucs2,
                          u"7月"_ucs2, u"8月"_ucs2, u"9月"_ucs2, u"10月"_ucs2, u"11月"_ucs2, u"12月"_ucs2};
const Text kAmPmJa[] = {u"午前"_ucs2, u"午後"_ucs2};
// The imperial eras, newest first; years before Meiji fall in the last.
const Text kErasJa[] = {u"令和"_ucs2, u"平成"_ucs2, u"昭和"_ucs2, u"大正"_ucs2, u"明治"_ucs2, u"明治前"_ucs2};
const std::int32_t kEraYearsJa[] = {2019, 1989, 1926, 1912, 1868, zv_ctime_impl::kEraSentinel};
const Text kAdBcJa[] = {u"紀元前"_ucs2, u"西暦"_ucs2};
const Text kDatePatternsJaJP[] = {
    u"T[y4]L[年]T[M]L[月]T[d]L[日]T[dn]"_ucs2,
    u"T[y4]L[年]T[M]L[月]T[d]L[日]"_ucs2,
    u"T[y4]L[/]T[0M]L[/]T[0d]"_ucs2,
    u"T[y4]L[/]T[0M]L[/]T[0d]"_ucs2,
    u"T[23]L[時]T[0m]L[分]T[0s]L[秒 ]T[tz]"_ucs2,
    u"T[23]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[23]L[:]T[0m]L[:]T[0s]"_ucs2,
    u"T[23]L[:]T[0m]"_ucs2,
    u"T[y4]L[年]T[M]L[月]T[d]L[日]T[dn]L[ ]T[23]L[時]T[0m]L[分]T[0s]L[秒 ]T[tz]"_ucs2,
    u"T[y4]L[年]T[M]L[月]T[d]L[日 ]T[23]L[:]T[0m]L[:]T[0s]L[ ]T[tz]"_ucs2,
    u"T[y4]L[/]T[0M]L[/]T[0d]L[ ]T[23]L[:]T[0m]L[:]T[0s]"_ucs2,
    u"T[y4]L[/]T[0M]L[/]T[0d]L[ ]T[23]L[:]T[0m]"_ucs2,
    u"T[y4]L[/]T[M]L[/]T[d]"_ucs2,
    u"T[23]L[:]T[0m]"_ucs2,
    u"T[y4]L[/]T[M]L[/]T[d]L[ ]T[23]L[:]T[0m]"_ucs2,
};
const Ctime kCtimeJaJP = {
    zv_ctime_enums::gregorian, 1, kShortDaysJa, kDaysJa, kMonthsJa, kMonthsJa, kAmPmJa,
    6, kErasJa, kEraYearsJa,
    u"%Y/%m/%d %H:%M:%S"_ucs2, u"%Y/%m/%d"_ucs2, u"%H:%M:%S"_ucs2, u"%p%I:%M:%S"_ucs2,
    1, kDatePatternsJaJP, u"/"_ucs2, u":"_ucs2, kAdBcJa};
const zv_locale_storage kJaJP = {1041, &kIdentJaJP, nullptr, &kNumericJaJP, &kCtimeJaJP};

}  // namespace

const zv_locale_storage* const kRecords[] = {&kNeutral, &kDeDE, &kEnUS, &kFrFR, &kJaJP, &kFrCA};
const std::size_t kRecordCount = sizeof(kRecords) / sizeof(kRecords[0]);

}  // namespace kti18nloc
