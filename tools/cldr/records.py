"""The locale-data records computed from CLDR: which locales, and what each
of their identification, numeric and calendar-names records holds."""

import csv
import os
import re

from patterns import (DATE_CODES, NUMBER_CODES, Inexpressible, checked, combine_date_time, date_tokens, first_separator, grouping_sizes,
                      input_date_tokens, negative_mode, number_tokens, percent_format, serial, strip_bidi,
                      uses_12_hour_clock, with_fraction_digits)

# The keys of the library's language and country tables: a locale is made
# only for codes the identification facet can name.
LANGUAGES = set("""aa ab af am ar as ay az ba be bg bh bi bn bo br ca co cs cy da de dz el en eo es et eu fa
fi fj fo fr fy ga gd gl gn gu ha he hi hr hu hy ia id ie ik in is it iu iw ja ji jw ka kk kl km kn ko ks ku
kw ky la lb ln lo lt lv mg mi mk ml mn mo mr ms mt my na ne nl no oc om pa pl ps pt qu rm rn ro ru rw sa sd
se sg si sk sl sm sn so sq sr ss st su sv sw ta te tg th tk tl tr ts tt tw ug uk ur uz vi vo wo xh yi za zh
zu""".split())
COUNTRIES = set("""AD AE AF AG AI AL AM AN AO AQ AR AS AT AU AW AZ BA BB BD BE BF BG BH BI BJ BM BN BO BR BS
BT BV BW BY BZ CA CC CD CF CG CH CI CK CL CM CN CO CR CU CV CX CY CZ DE DJ DK DM DO DZ EC EE EG EH ER ES ET
FI FJ FK FM FO FR FX GA GB GD GE GF GH GI GL GM GN GP GQ GR GS GT GU GW GY HK HM HN HR HT HU ID IE IL IN IO
IQ IR IS IT JM JO JP KE KG KH KI KM KN KP KR KW KY KZ LA LB LC LI LK LR LS LT LU LV LY MA MC MD MG MH MK ML
MM MN MO MP MQ MR MS MT MU MV MW MX MY MZ NA NC NE NF NG NI NL NO NP NR NU NZ OM PA PE PF PG PH PK PL PM PN
PR PS PT PW PY QA RE RO RU RW SA SB SC SD SE SG SH SI SJ SK SL SM SN SO SR ST SV SY SZ TC TD TF TG TH TJ TK
TM TN TO TP TR TT TV TW TZ UA UG UM US UY UZ VA VC VE VG VI VN VU WF WS YE YT YU ZA ZM ZW""".split())

# Script words of the Windows locale names ("Serbian (Latin, Serbia)").
SCRIPT_WORDS = {"Latin": "Latn", "Cyrillic": "Cyrl", "Traditional": "Hant", "Simplified": "Hans",
                "Devanagari": "Deva", "Traditional Mongolian": "Mong", "Tifinagh": "Tfng", "Arabic": "Arab"}

# LCID of the locale without language: the built-in identification,
# punctuation and calendar names.
NEUTRAL_LCID = 31000

# The Windows ANSI code page of a locale: by language (and script where a
# language is written in two), then by script; "UTF-8" where the script has
# no such code page.
CODE_PAGE_BY_LANGUAGE = {
    **dict.fromkeys("cs hr hu pl ro sk sl sq".split(), "CP1250"),
    **dict.fromkeys("ru uk be bg mk kk ky tt".split(), "CP1251"),
    "el": "CP1253", "tr": "CP1254", "az": "CP1254", "he": "CP1255",
    **dict.fromkeys("ar fa ur".split(), "CP1256"),
    **dict.fromkeys("et lv lt".split(), "CP1257"),
    "vi": "CP1258", "th": "CP874", "ja": "CP932", "ko": "CP949",
}
CODE_PAGE_BY_LANGUAGE_SCRIPT = {
    ("bs", "Latn"): "CP1250", ("sr", "Latn"): "CP1250", ("sr", "Cyrl"): "CP1251",
    ("zh", "Hans"): "CP936", ("zh", "Hant"): "CP950",
}
CODE_PAGE_BY_SCRIPT = {"Latn": "CP1252", "Cyrl": "CP1251", "Grek": "CP1253", "Hebr": "CP1255",
                       "Arab": "CP1256", "Thai": "CP874"}
# Display names of the encodings, as the library's encoding table has them.
ENCODING_NAMES = {
    "CP1250": "Central European (Windows-1250)", "CP1251": "Cyrillic (Windows-1251)",
    "CP1252": "Western (Windows-1252)", "CP1253": "Greek (Windows-1253)", "CP1254": "Turkish (Windows-1254)",
    "CP1255": "Hebrew (Windows-1255)", "CP1256": "Arabic (Windows-1256)", "CP1257": "Baltic (Windows-1257)",
    "CP1258": "Vietnamese (Windows-1258)", "CP874": "IBM Thai (CP-874)", "CP932": "Japanese (Windows-932)",
    "CP936": "Chinese Simplified (CP936)", "CP949": "Korean (Windows-949)",
    "CP950": "Chinese Traditional (CP950)", "UTF-8": "Unicode (UTF-8)",
}

# The built-in number patterns, used where CLDR's cannot be expressed.
BUILTIN_NUMBER_PATTERNS = [
    "T[#]T[gs]T[#]T[#]T[0]T[ds]T[#]T[#]",
    "T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]L[ \u00a4]",
    "T[#]T[gs]T[#]T[#]T[0]L[%]",
    "T[0]T[ds]T[0]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[#]T[E-]T[0]",
]
NUMBER_PATTERN_KINDS = ["decimal", "currency", "percent", "scientific"]

# Japanese imperial eras, newest first: CLDR's era numbers of the Japanese
# calendar and the Gregorian years they start.
JAPANESE_ERAS = [("236", 2019), ("235", 1989), ("234", 1926), ("233", 1912), ("232", 1868)]
# The years before Meiji are counted backwards from its start, so the era
# that holds them is named "before Meiji".
JAPANESE_BEFORE_FIRST_ERA = "\u660e\u6cbb\u524d"
ERA_SENTINEL = -2147483648

DAY_KEYS = ["mon", "tue", "wed", "thu", "fri", "sat", "sun"]
LENGTHS = ["full", "long", "medium", "short"]
GREGORIAN = "dates/calendars/calendar[@type='gregorian']/"


class Notes:
    """What had to give way: the locales whose data needed a fallback."""

    def __init__(self):
        self.items = {}

    def add(self, topic, locale):
        self.items.setdefault(topic, []).append(locale)


def read_lcids(path):
    with open(path, encoding="utf-8") as handle:
        rows = list(csv.DictReader(handle, delimiter="\t"))
    return [(int(r["lcid"]), r["tag"], r["name"]) for r in rows]


def script_of(cldr, language, region, name):
    """The script a Windows locale is written in: named in its display name,
    else CLDR's likely script for the language in that region."""
    match = re.search(r"\(([^)]*)\)", name)
    if match:
        first = match.group(1).split(",")[0].strip()
        if first in SCRIPT_WORDS:
            return SCRIPT_WORDS[first]
    likely = cldr.likely.get(language + "_" + region) or cldr.likely.get(language, "")
    parts = likely.split("_")
    return parts[1] if len(parts) == 3 else None


def cldr_locale_id(cldr, language, script, region):
    """The CLDR locale of a language, script and region, or None when CLDR
    has no data for exactly that locale."""
    if cldr.has_locale("%s_%s_%s" % (language, script, region)):
        return "%s_%s_%s" % (language, script, region)
    default = cldr.likely.get(language, "").split("_")
    default_script = default[1] if len(default) == 3 else None
    if script == default_script and cldr.has_locale(language + "_" + region):
        return language + "_" + region
    return None


# Windows tags whose language the ISO table knows by another code: Norwegian
# Bokmal is the table's "no" (norsk), with CLDR's nb data, and Filipino its "tl".
TABLE_LANGUAGE = {"nb": "no", "fil": "tl"}


def select_locales(cldr, lcid_rows):
    """(lcid, tag, CLDR locale id, script) of every locale to generate."""
    selected = []
    for lcid, tag, name in lcid_rows:
        parts = tag.split("_")
        if len(parts) != 2:
            continue
        language = TABLE_LANGUAGE.get(parts[0], parts[0])
        if language not in LANGUAGES or parts[1] not in COUNTRIES:
            continue
        script = script_of(cldr, parts[0], parts[1], name)
        locale = cldr_locale_id(cldr, parts[0], script, parts[1])
        if locale:
            selected.append((lcid, language + "_" + parts[1], locale, script))
    return selected


# ------------------------------------------------------------ identification

# Python's names of the code pages whose names differ.
PYTHON_CODECS = {"CP936": "gbk"}


def holds(encoding, texts):
    codec = PYTHON_CODECS.get(encoding, encoding.lower())
    try:
        for text in texts:
            text.encode(codec)
    except UnicodeEncodeError:
        return False
    return True


def code_page(language, script, texts=()):
    """The code page of a language named in the list is that code page, even
    where it lacks letters of the language (Romanian, Ukrainian, Vietnamese,
    Persian, Urdu, Azerbaijani, Kazakh, Kyrgyz and Tatar names lose some).
    Other languages take their script's code page only when it holds every
    name of the locale (texts), so that converting them loses nothing; else
    UTF-8 (Maltese, Sami, Turkmen, Mongolian, Pashto, ...)."""
    listed = CODE_PAGE_BY_LANGUAGE_SCRIPT.get((language, script)) or CODE_PAGE_BY_LANGUAGE.get(language)
    if listed:
        return listed
    by_script = CODE_PAGE_BY_SCRIPT.get(script)
    return by_script if by_script and holds(by_script, texts) else "UTF-8"


def english_name(cldr, language, locale, region):
    """'French (France)'; the script joins when the locale names one."""
    names = cldr.value("en", "localeDisplayNames/languages/language[@type='%s']" % language, language)
    details = []
    parts = locale.split("_")
    if len(parts) == 3:
        details.append(cldr.value("en", "localeDisplayNames/scripts/script[@type='%s']" % parts[1], parts[1]))
    details.append(cldr.value("en", "localeDisplayNames/territories/territory[@type='%s']" % region, region))
    return "%s (%s)" % (names, ", ".join(details))


def identification(cldr, tag, locale, script, names):
    language, region = tag.split("_")
    encoding = code_page(language, script, names)
    return {
        "code": region, "language": language,
        "sort_display": english_name(cldr, language, locale, region), "sort_name": tag,
        "encoding_display": ENCODING_NAMES[encoding], "encoding": encoding,
    }


# ---------------------------------------------------------------- numbers

def single_character(text):
    text = strip_bidi(text)
    return text if len(text) == 1 else None


def current_currency(cldr, region):
    for code, _start, end, tender in cldr.currencies.get(region, []):
        if end is None and tender != "false":
            return code
    return None


def numeric(cldr, tag, locale, notes):
    system = cldr.value(locale, "numbers/defaultNumberingSystem", "latn")
    digits = cldr.digits[system]
    symbols = "numbers/symbols[@numberSystem='%s']/" % system

    def symbol(name, default):
        return cldr.value(locale, symbols + name, default)

    decimal = single_character(symbol("decimal", "."))
    group = single_character(symbol("group", ","))
    if decimal is None or group is None:
        raise ValueError(tag + ": decimal or group symbol is not one character")
    signs = []
    for name, default in (("plusSign", "+"), ("minusSign", "-")):
        raw = symbol(name, default)
        sign = strip_bidi(raw)
        if sign != raw or len(sign) != 1:
            notes.add("signs reduced to the sign character", tag)
        signs.append(sign[:1] or default)
    exponent = single_character(symbol("exponential", "E"))
    if exponent is None:
        notes.add("exponent is not one letter: built-in e/E", tag)
        lower, upper = "e", "E"
    else:
        lower, upper = exponent.lower(), exponent.upper()

    def pattern(kind):
        return cldr.value(locale, "numbers/%sFormats[@numberSystem='%s']/%sFormatLength/%sFormat%s/pattern"
                          % (kind, system, kind, kind, "[@type='standard']" if kind == "currency" else ""))

    decimal_pattern = pattern("decimal")
    currency = current_currency(cldr, tag.split("_")[1])
    currency_symbol = (cldr.value(locale, "numbers/currencies/currency[@type='%s']/symbol" % currency, currency)
                       if currency else "\u00a4")
    percent_sign = symbol("percentSign", "%")
    default_fraction = cldr.currency_fractions.get("DEFAULT", (2, 0))
    fraction_digits, rounding = cldr.currency_fractions.get(currency, default_fraction)
    patterns = []
    for index, kind in enumerate(NUMBER_PATTERN_KINDS):
        try:
            text = pattern(kind)
            if kind == "currency":
                if rounding:
                    raise Inexpressible("rounding increment of the currency")
                # The currency's own number of decimals, as CLDR applies it.
                text = with_fraction_digits(text, fraction_digits)
            tokens = number_tokens(text, percent_sign, currency_symbol, kind == "scientific")
            patterns.append(serial(checked(tokens, NUMBER_CODES)))
        except Inexpressible as reason:
            notes.add("%s pattern inexpressible (%s): built-in" % (kind, reason), tag)
            patterns.append(BUILTIN_NUMBER_PATTERNS[index])
    characters = signs + list(digits) + list("abcdef") + list(digits) + list("ABCDEF") + [lower, upper]
    return {
        "mode": negative_mode(decimal_pattern), "decimal": decimal, "group": group,
        "grouping": grouping_sizes(decimal_pattern), "characters": "".join(characters), "patterns": patterns,
        "system": system,
    }


# ---------------------------------------------------------- calendar names

def names(cldr, locale, path, keys):
    values = [cldr.value(locale, path % key) for key in keys]
    if any(v is None for v in values):
        raise ValueError("%s: missing %s" % (locale, path))
    return values


def calendar_names(cldr, tag, locale):
    months = GREGORIAN + "months/monthContext[@type='format']/monthWidth[@type='%s']/month[@type='%%s']"
    days = GREGORIAN + "days/dayContext[@type='format']/dayWidth[@type='%s']/day[@type='%%s']"
    month_keys = [str(m) for m in range(1, 13)]

    def fmt(kind, length):
        return cldr.value(locale, GREGORIAN + "%sFormats/%sFormatLength[@type='%s']/%sFormat/pattern"
                          % (kind, kind, length, kind))

    dates = [fmt("date", length) for length in LENGTHS]
    times = [fmt("time", length) for length in LENGTHS]
    glues = [fmt("dateTime", length) for length in LENGTHS]
    patterns = [date_tokens(p) for p in dates] + [date_tokens(p) for p in times]
    patterns += [combine_date_time(g, d, t) for g, d, t in zip(glues, dates, times)]
    date_separator = first_separator(dates[3], "yuMLd") or "/"
    time_separator = first_separator(times[3], "hHkKms") or ":"
    input_date = input_date_tokens(dates[3], date_separator)
    input_time = date_tokens(times[3])
    patterns += [input_date, input_time, input_date + [("L", " ")] + input_time]
    patterns = [serial(checked(p, DATE_CODES)) for p in patterns]

    era = GREGORIAN + "eras/eraAbbr/era[@type='%s']"
    ad_bc = [cldr.value(locale, era % "0"), cldr.value(locale, era % "1")]
    if tag.split("_")[0] == "ja":
        japanese = "dates/calendars/calendar[@type='japanese']/eras/eraAbbr/era[@type='%s']"
        eras = [cldr.value(locale, japanese % key) for key, _ in JAPANESE_ERAS] + [JAPANESE_BEFORE_FIRST_ERA]
        era_years = [year for _, year in JAPANESE_ERAS] + [ERA_SENTINEL]
    else:
        eras = [ad_bc[1], ad_bc[0]]
        era_years = [1, ERA_SENTINEL]

    medium_time = percent_format(times[2])
    if uses_12_hour_clock(times[2]):
        am_pm_time, time_24 = medium_time, _without_am_pm(medium_time).replace("%I", "%H")
    else:
        time_24, am_pm_time = medium_time, medium_time.replace("%H", "%I") + " %p"
    return {
        "short_days": names(cldr, locale, days % "abbreviated", DAY_KEYS),
        "days": names(cldr, locale, days % "wide", DAY_KEYS),
        "short_months": names(cldr, locale, months % "abbreviated", month_keys),
        "months": names(cldr, locale, months % "wide", month_keys),
        "am_pm": names(cldr, locale, GREGORIAN + "dayPeriods/dayPeriodContext[@type='format']/"
                       "dayPeriodWidth[@type='abbreviated']/dayPeriod[@type='%s']", ["am", "pm"]),
        "eras": eras, "era_years": era_years,
        "date_time_format": percent_format(glues[2], {1: percent_format(dates[2]), 0: medium_time}),
        "date_format": percent_format(dates[3]),
        "time_format": time_24,
        "am_pm_time_format": am_pm_time,
        "patterns": patterns, "date_separator": date_separator, "time_separator": time_separator,
        "ad_bc": ad_bc,
    }


def _without_am_pm(form):
    return " ".join(form.replace("%p", " ").split())


def build_records(cldr, lcid_path, notes):
    records = []
    for lcid, tag, locale, script in select_locales(cldr, read_lcids(lcid_path)):
        ctime = calendar_names(cldr, tag, locale)
        names = [text for key in ("short_days", "days", "short_months", "months", "am_pm", "eras")
                 for text in ctime[key]]
        ident = identification(cldr, tag, locale, script, names)
        if ident["encoding"] != "UTF-8" and not holds(ident["encoding"], names):
            notes.add("listed code page lacks letters of the names", tag)
        if ident["encoding"] == "UTF-8" and CODE_PAGE_BY_SCRIPT.get(script):
            notes.add("script's code page lacks letters of the names: UTF-8", tag)
        records.append({
            "lcid": lcid, "tag": tag, "cldr": locale, "ident": ident,
            "numeric": numeric(cldr, tag, locale, notes), "ctime": ctime,
        })
    return records
