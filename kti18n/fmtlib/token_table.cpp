// The one table of the format vocabulary: every token with its serial code,
// side, descriptive name and default keyword. Every predefined dictionary
// that concerns these facts is built from this table, never from a copy.
#include <algorithm>

#include "kti18n/fmtlib/fmt_tokens.h"

namespace FmtLib {
namespace {

// In ascending token number, so that FindTokenInfo can search by halves.
constexpr zvTokenInfo kTokens[] = {
    {TK_FORMAT_SEPARATOR, "T[FS]", zvTokenSide::kBoth, "<format separator>", ";"},
    {TK_ERROR, "T[Err]", zvTokenSide::kBoth, nullptr, nullptr},
    {TK_AMPM, "T[am]", zvTokenSide::kDate, "<am/pm sign>", "a"},
    {TK_AMPM_UPPER, "T[amu]", zvTokenSide::kDate, "<upper am/pm sign>", "A"},
    {TK_AMPM_LOWER, "T[aml]", zvTokenSide::kDate, "<lower am/pm sign>", nullptr},
    {TK_AMPM_CAP, "T[amc]", zvTokenSide::kDate, "<cap am/pm sign>", nullptr},
    {TK_MONTH_NAME, "T[mt]", zvTokenSide::kDate, "<month name>", "mmmm"},
    {TK_MONTH_NAME_UPPER, "T[mtu]", zvTokenSide::kDate, "<upper month name>", "MMMM"},
    {TK_MONTH_NAME_LOWER, "T[mtl]", zvTokenSide::kDate, "<lower month name>", nullptr},
    {TK_MONTH_NAME_CAP, "T[mtc]", zvTokenSide::kDate, "<cap month name>", "Mmmm"},
    {TK_ABB_MONTH_NAME, "T[amt]", zvTokenSide::kDate, "<abb month name>", "mmm"},
    {TK_ABB_MONTH_NAME_UPPER, "T[amtu]", zvTokenSide::kDate, "<upper abb month name>", "MMM"},
    {TK_ABB_MONTH_NAME_LOWER, "T[amtl]", zvTokenSide::kDate, "<lower abb month name>", nullptr},
    {TK_ABB_MONTH_NAME_CAP, "T[amtc]", zvTokenSide::kDate, "<cap abb month name>", "Mmm"},
    {TK_HOUR_00_23, "T[023]", zvTokenSide::kDate, "<hour 00-23>", "HH"},
    {TK_HOUR_0_23, "T[23]", zvTokenSide::kDate, "<hour 0-23>", "H"},
    {TK_HOUR_01_12, "T[012]", zvTokenSide::kDate, "<hour 01-12>", "hh"},
    {TK_HOUR_1_12, "T[12]", zvTokenSide::kDate, "<hour 1-12>", "h"},
    {TK_HOUR_01_24, "T[024]", zvTokenSide::kDate, "<hour 01-24>", "kk"},
    {TK_HOUR_1_24, "T[24]", zvTokenSide::kDate, "<hour 1-24>", "k"},
    {TK_HOUR_00_11, "T[011]", zvTokenSide::kDate, "<hour 00-11>", "KK"},
    {TK_HOUR_0_11, "T[11]", zvTokenSide::kDate, "<hour 0-11>", "K"},
    {TK_MONTH_01, "T[0M]", zvTokenSide::kDate, "<month 01>", "MM"},
    {TK_MONTH_1, "T[M]", zvTokenSide::kDate, "<month 1>", "M"},
    {TK_MINUTE_00, "T[0m]", zvTokenSide::kDate, "<minute 00>", "mm"},
    {TK_MINUTE_0, "T[m]", zvTokenSide::kDate, "<minute 0>", "m"},
    {TK_SECOND_00, "T[0s]", zvTokenSide::kDate, "<seconde 00>", "ss"},
    {TK_SECOND_0, "T[s]", zvTokenSide::kDate, "<seconde 0>", "s"},
    {TK_MILLISECOND_000, "T[0ms]", zvTokenSide::kDate, "<millisecond 000>", "SSS"},
    {TK_HUNDREDTH_SECOND_00, "T[0cs]", zvTokenSide::kDate, "<hundredth second 00>", "SS"},
    {TK_TENTH_SECOND_0, "T[tens]", zvTokenSide::kDate, "<tenth second 0>", "S"},
    {TK_YEAR_0000, "T[y4]", zvTokenSide::kDate, "<year 0000>", "yyyy"},
    {TK_YEAR_00, "T[y2]", zvTokenSide::kDate, "<year 00>", "yy"},
    {TK_JP_IMP_YEAR_0, "T[iy2]", zvTokenSide::kDate, "<japanese imp year 0>", "rr"},
    {TK_JP_IMP_YEAR, "T[iy1]", zvTokenSide::kDate, "<japanese imp year>", "r"},
    {TK_JP_IMP_YEAR_ENG, "T[iyg]", zvTokenSide::kDate, "<japanese imp year eng>", "g"},
    {TK_DAY_NAME, "T[dn]", zvTokenSide::kDate, "<day name>", "dddd"},
    {TK_DAY_NAME_UPPER, "T[dnu]", zvTokenSide::kDate, "<upper day name>", "DDDD"},
    {TK_DAY_NAME_LOWER, "T[dnl]", zvTokenSide::kDate, "<lower day name>", nullptr},
    {TK_DAY_NAME_CAP, "T[dnc]", zvTokenSide::kDate, "<cap day name>", "Dddd"},
    {TK_ABB_DAY_NAME, "T[adn]", zvTokenSide::kDate, "<abb day name>", "ddd"},
    {TK_ABB_DAY_NAME_UPPER, "T[adnu]", zvTokenSide::kDate, "<upper abb day name>", "DDD"},
    {TK_ABB_DAY_NAME_LOWER, "T[adnl]", zvTokenSide::kDate, "<lower abb day name>", nullptr},
    {TK_ABB_DAY_NAME_CAP, "T[adnc]", zvTokenSide::kDate, "<cap abb day name>", "Ddd"},
    {TK_MONTH_DAY_00, "T[0d]", zvTokenSide::kDate, "<month day 00>", "dd"},
    {TK_MONTH_DAY_0, "T[d]", zvTokenSide::kDate, "<month day 0>", "d"},
    {TK_ERA, "T[era]", zvTokenSide::kDate, "<era>", "G"},
    {TK_DAY_OF_WEEK_IN_MONTH, "T[dowim]", zvTokenSide::kDate, "<day of week in month>", "F"},
    {TK_DAY_OF_YEAR_000, "T[00yd]", zvTokenSide::kDate, "<day of year 000>", "eee"},
    {TK_DAY_OF_YEAR_00, "T[0yd]", zvTokenSide::kDate, "<day of year 00>", "ee"},
    {TK_DAY_OF_YEAR_0, "T[yd]", zvTokenSide::kDate, "<day of year 0>", "e"},
    {TK_WEEK_OF_YEAR_00, "T[0wy]", zvTokenSide::kDate, "<week of year 00>", "ww"},
    {TK_WEEK_OF_YEAR_0, "T[wy]", zvTokenSide::kDate, "<week of year 0>", "w"},
    {TK_WEEK_OF_MONTH, "T[wm]", zvTokenSide::kDate, "<week of month>", "W"},
    {TK_TIME_ZONE, "T[tz]", zvTokenSide::kDate, "<time zone>", "z"},
    {TK_DATE_SEPARATOR, "T[da]", zvTokenSide::kDate, "<date separator>", nullptr},
    {TK_TIME_SEPARATOR, "T[ts]", zvTokenSide::kDate, "<time separator>", nullptr},
    {TK_YEAR_OF_WEEK_0000, "T[ywoy4]", zvTokenSide::kDate, "<year of week of year 0000>", nullptr},
    {TK_YEAR_OF_WEEK_00, "T[ywoy2]", zvTokenSide::kDate, "<year of week of year 00>", nullptr},
    {TK_JP_IMP_PERIOD, "T[ip]", zvTokenSide::kDate, "<japanese imperial period>", "gg"},
    {TK_JP_IMPERIAL_YEAR_0, "T[jy]", zvTokenSide::kDate, "<japanese imperial year 0>", "jy"},
    {TK_JP_IMPERIAL_YEAR_00, "T[jy2]", zvTokenSide::kDate, "<japanese imperial year 00>", "jyy"},
    {TK_SIGN, "T[-]", zvTokenSide::kNumber, "<sign>", "-"},
    {TK_DIGIT, "T[#]", zvTokenSide::kNumber, "<number>", "#"},
    {TK_ZERO, "T[0]", zvTokenSide::kNumber, "<zero>", "0"},
    {TK_DECIMAL_SEPARATOR, "T[ds]", zvTokenSide::kNumber, "<decimal separator>", "."},
    {TK_GROUPING_SEPARATOR, "T[gs]", zvTokenSide::kNumber, "<grouping separator>", ","},
    {TK_NEGATIVE_OPEN, "T[ns]", zvTokenSide::kNumber, "<negative opening bracket>", "("},
    {TK_NEGATIVE_CLOSE, "T[ne]", zvTokenSide::kNumber, "<negative closing bracket>", ")"},
    {TK_EXPONENT_UPPER_PLUS, "T[E+]", zvTokenSide::kNumber, "<upper exponent +>", "E+"},
    {TK_EXPONENT_UPPER_MINUS, "T[E-]", zvTokenSide::kNumber, "<upper exponent ->", "E-"},
    {TK_EXPONENT_LOWER_PLUS, "T[e+]", zvTokenSide::kNumber, "<lower exponent +>", "e+"},
    {TK_EXPONENT_LOWER_MINUS, "T[e-]", zvTokenSide::kNumber, "<lower exponent ->", "e-"},
    {TK_POSITIVE_SIGN, "T[+]", zvTokenSide::kNumber, "<positive sign>", nullptr},
    {TK_PERCENT, "T[pc]", zvTokenSide::kNumber, "<times 100>", "[%]"},
    {TK_PERCENT_SIGN, "T[pcs]", zvTokenSide::kNumber, "<times 100 and sign>", nullptr},
    {TK_BOOL, "T[b]", zvTokenSide::kNumber, "<bool>", nullptr},
    {TK_TRUE, "T[bt]", zvTokenSide::kNumber, "<true>", nullptr},
    {TK_FALSE, "T[bf]", zvTokenSide::kNumber, "<false>", nullptr},
    {TK_DEF_FULL_DATE, "T[Adf]", zvTokenSide::kDate, "<full date>", "FULL_DATE"},
    {TK_DEF_LONG_DATE, "T[Adl]", zvTokenSide::kDate, "<long date>", "LONG_DATE"},
    {TK_DEF_MEDIUM_DATE, "T[Adm]", zvTokenSide::kDate, "<medium date>", "DATE"},
    {TK_DEF_SHORT_DATE, "T[Ads]", zvTokenSide::kDate, "<short date>", "SHORT_DATE"},
    {TK_DEF_FULL_TIME, "T[Atf]", zvTokenSide::kDate, "<full time>", "FULL_TIME"},
    {TK_DEF_LONG_TIME, "T[Atl]", zvTokenSide::kDate, "<long time>", "LONG_TIME"},
    {TK_DEF_MEDIUM_TIME, "T[Atm]", zvTokenSide::kDate, "<medium time>", "TIME"},
    {TK_DEF_SHORT_TIME, "T[Ats]", zvTokenSide::kDate, "<short time>", "SHORT_TIME"},
    {TK_DEF_FULL_DATE_TIME, "T[Adtf]", zvTokenSide::kDate, "<full date time>", "FULL_DATE_TIME"},
    {TK_DEF_LONG_DATE_TIME, "T[Adtl]", zvTokenSide::kDate, "<long date time>", "LONG_DATE_TIME"},
    {TK_DEF_MEDIUM_DATE_TIME, "T[Adtm]", zvTokenSide::kDate, "<medium date time>", "DATE_TIME"},
    {TK_DEF_SHORT_DATE_TIME, "T[Adts]", zvTokenSide::kDate, "<short date time>", "SHORT_DATE_TIME"},
    {TK_DEF_INPUT_DATE, "T[Adi]", zvTokenSide::kDate, "<input date>", "INPUT_DATE"},
    {TK_DEF_INPUT_TIME, "T[Ati]", zvTokenSide::kDate, "<input time>", "INPUT_TIME"},
    {TK_DEF_INPUT_DATE_TIME, "T[Adti]", zvTokenSide::kDate, "<input date time>", "INPUT_DATE_TIME"},
    {TK_DEF_NUMERIC, "T[An]", zvTokenSide::kNumber, "<def numeric>", "STANDARD"},
    {TK_DEF_PERCENT, "T[Ap]", zvTokenSide::kNumber, "<def percent>", "PERCENT"},
    {TK_DEF_SCIENTIFIC, "T[As]", zvTokenSide::kNumber, "<def scientific>", "SCIENTIFIC"},
    {TK_DEF_BOOLEAN, "T[Ab]", zvTokenSide::kNumber, "<def boolean>", "BOOLEAN"},
    {TK_COLOR_BLACK, "T[Ck]", zvTokenSide::kBoth, "<Black>", nullptr},
    {TK_COLOR_WHITE, "T[Cw]", zvTokenSide::kBoth, "<White>", nullptr},
    {TK_COLOR_RED, "T[Cr]", zvTokenSide::kBoth, "<Red>", nullptr},
    {TK_COLOR_GREEN, "T[Cg]", zvTokenSide::kBoth, "<Green>", nullptr},
    {TK_COLOR_BLUE, "T[Cb]", zvTokenSide::kBoth, "<Blue>", nullptr},
    {TK_COLOR_YELLOW, "T[Cy]", zvTokenSide::kBoth, "<Yellow>", nullptr},
    {TK_COLOR_MAGENTA, "T[Cm]", zvTokenSide::kBoth, "<Magenta>", nullptr},
    {TK_COLOR_CYAN, "T[Cc]", zvTokenSide::kBoth, "<Cyan>", nullptr},
    {TK_COLOR_DARK_RED, "T[Cdr]", zvTokenSide::kBoth, "<Dark Red>", nullptr},
    {TK_COLOR_DARK_GREEN, "T[Cdg]", zvTokenSide::kBoth, "<Dark Green>", nullptr},
    {TK_COLOR_DARK_BLUE, "T[Cdb]", zvTokenSide::kBoth, "<Dark Blue>", nullptr},
    {TK_COLOR_LIGHT_BROWN, "T[Cdy]", zvTokenSide::kBoth, "<Light Brown>", nullptr},
    {TK_COLOR_PURPLE, "T[Cdm]", zvTokenSide::kBoth, "<Purple>", nullptr},
    {TK_COLOR_DARK_CYAN, "T[Cdc]", zvTokenSide::kBoth, "<Dark Cyan>", nullptr},
    {TK_COLOR_LIGHT_GRAY, "T[Cly]", zvTokenSide::kBoth, "<Light Gray>", nullptr},
    {TK_COLOR_GRAY, "T[Cgr]", zvTokenSide::kBoth, "<Gray>", nullptr},
};

constexpr bool AscendingByToken() {
  for (std::size_t i = 1; i < std::size(kTokens); ++i)
    if (kTokens[i - 1].token >= kTokens[i].token) return false;
  return true;
}
static_assert(AscendingByToken(), "the token table must stay in ascending token order");

}  // namespace

std::span<const zvTokenInfo> AllTokenInfos() { return kTokens; }

const zvTokenInfo* FindTokenInfo(zvFmtTokens token) {
  const auto* it = std::lower_bound(std::begin(kTokens), std::end(kTokens), token,
                                    [](const zvTokenInfo& info, zvFmtTokens t) { return info.token < t; });
  return it != std::end(kTokens) && it->token == token ? it : nullptr;
}

}  // namespace FmtLib
