#!/usr/bin/env python3
"""Writes kti18n/locale/ident_tables.cpp: the language and country tables.

The codes, names and numeric codes come from the iso-codes lists kept in
tools/iso-codes/ (ISO 639-2 and ISO 3166-1, with ISO 3166-3 for the withdrawn
country codes that stored locale names still use). The key lists below fix
which rows exist: they are the codes the library has always known, so rows
are neither added nor dropped when ISO changes its lists. Where the library's
own wording differs from ISO's current one, the overrides below win.

Usage: tools/gen_ident_tables.py [ISO_DIR] [OUTPUT]
"""

import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

LANGUAGE_KEYS = """aa ab af am ar as ay az ba be bg bh bi bn bo br ca co cs cy da de dz el en
eo es et eu fa fi fj fo fr fy ga gd gl gn gu ha he hi hr hu hy ia id ie ik in is it iu iw ja ji
jw ka kk kl km kn ko ks ku kw ky la lb ln lo lt lv mg mi mk ml mn mo mr ms mt my na ne nl no oc
om pa pl ps pt qu rm rn ro ru rw sa sd se sg si sk sl sm sn so sq sr ss st su sv sw ta te tg th
tk tl tr ts tt tw ug uk ur uz vi vo wo xh yi za zh zu""".split()

# Withdrawn ISO 639 codes kept beside their successors: code -> (alpha-3, name).
WITHDRAWN_LANGUAGES = {
    "in": ("ind", "Indonesian"),
    "iw": ("heb", "Hebrew"),
    "ji": ("yid", "Yiddish"),
    "jw": ("jaw", "Javanese"),
    "mo": ("mol", "Moldavian"),
}

# English names the library words differently from ISO.
LANGUAGE_NAME_OVERRIDES = {"be": "Byelorussian", "se": "Sami", "tr": "Türkish"}

NATIVE_NAMES = {
    "ar": "العربية", "be": "беларускі", "bg": "български", "ca": "català",
    "cs": "čeština", "da": "dansk", "de": "Deutsch", "el": "ελληνικά",
    "en": "English", "es": "español", "et": "Eesti", "fi": "suomi",
    "fr": "français", "he": "עברית", "hr": "hrvatski", "is": "íslenska",
    "it": "italiano", "iw": "עברית", "zh": "中文", "ja": "日本語",
    "ko": "한국어", "lt": "Lietuviř", "lv": "Latviešu", "mk": "македонски",
    "nl": "Nederlands", "no": "norsk", "pl": "polski", "pt": "português",
    "ro": "română", "ru": "русский", "sk": "Slovenčina", "sl": "Slovenščina",
    "sr": "српски", "sv": "svenska", "th": "ไทย", "tr": "Türkçe",
    "uk": "українська",
}

COUNTRY_KEYS = """AD AE AF AG AI AL AM AN AO AQ AR AS AT AU AW AZ BA BB BD BE BF BG BH BI BJ BM
BN BO BR BS BT BV BW BY BZ CA CC CD CF CG CH CI CK CL CM CN CO CR CU CV CX CY CZ DE DJ DK DM DO
DZ EC EE EG EH ER ES ET FI FJ FK FM FO FR FX GA GB GD GE GF GH GI GL GM GN GP GQ GR GS GT GU GW
GY HK HM HN HR HT HU ID IE IL IN IO IQ IR IS IT JM JO JP KE KG KH KI KM KN KP KR KW KY KZ LA LB
LC LI LK LR LS LT LU LV LY MA MC MD MG MH MK ML MM MN MO MP MQ MR MS MT MU MV MW MX MY MZ NA NC
NE NF NG NI NL NO NP NR NU NZ OM PA PE PF PG PH PK PL PM PN PR PS PT PW PY QA RE RO RU RW SA SB
SC SD SE SG SH SI SJ SK SL SM SN SO SR ST SV SY SZ TC TD TF TG TH TJ TK TM TN TO TP TR TT TV TW
TZ UA UG UM US UY UZ VA VC VE VG VI VN VU WF WS YE YT YU ZA ZM ZW""".split()

# Rows the library words differently from ISO: code -> (alpha-3, numeric,
# short name, long name or None). Every field is given, so these rows do not
# depend on ISO's current lists at all.
COUNTRY_OVERRIDES = {
    "CN": ("CHN", 156, "China", "People's, Republic of China"),
    "FX": ("FXX", 249, "France, Metropolitan", None),
    "PS": ("PSE", 65535, "Palestine", None),
    "TP": ("TMP", 626, "East Timor (provisional)", None),
    "TW": ("TWN", 158, "Taiwan, Province of China", None),
    "YU": ("YUG", 891, "Yugoslavia", "Federal Republic of Yugoslavia"),
}


def load(iso_dir, name, key):
    with open(os.path.join(iso_dir, name), encoding="utf-8") as f:
        return json.load(f)[key]


def language_rows(iso_dir):
    by_code = {e["alpha_2"]: e for e in load(iso_dir, "iso_639-2.json", "639-2") if "alpha_2" in e}
    rows = []
    for code in LANGUAGE_KEYS:
        if code in WITHDRAWN_LANGUAGES:
            alpha3, name = WITHDRAWN_LANGUAGES[code]
        else:
            entry = by_code[code]
            alpha3 = entry["alpha_3"]  # the terminology code
            # ISO lists alternative names after semicolons; the first is the name.
            name = entry["name"].split(";")[0].strip()
        name = LANGUAGE_NAME_OVERRIDES.get(code, name)
        rows.append((code, alpha3, name, NATIVE_NAMES.get(code)))
    assert len(rows) == 139 and [r[0] for r in rows] == sorted(r[0] for r in rows)
    return rows


def country_rows(iso_dir):
    current = {e["alpha_2"]: e for e in load(iso_dir, "iso_3166-1.json", "3166-1")}
    withdrawn = {}
    for e in load(iso_dir, "iso_3166-3.json", "3166-3"):
        withdrawn.setdefault(e["alpha_2"], e)  # a reused code: the older entry
    rows = []
    for code in COUNTRY_KEYS:
        if code in COUNTRY_OVERRIDES:
            rows.append((code,) + COUNTRY_OVERRIDES[code])
            continue
        entry = current.get(code) or withdrawn[code]
        long_name = entry.get("official_name")
        if long_name == entry["name"]:
            long_name = None  # ISO repeats the short name: there is no long one
        rows.append((code, entry["alpha_3"], int(entry["numeric"]), entry["name"], long_name))
    assert len(rows) == 240 and [r[0] for r in rows] == sorted(r[0] for r in rows)
    return rows


def units(text):
    data = text.encode("utf-16-le")
    out = [int.from_bytes(data[i:i + 2], "little") for i in range(0, len(data), 2)]
    assert all(u < 0xD800 or u > 0xDFFF for u in out), "UCS-2 holds no surrogates"
    return out


def ucs2_array(name, text):
    body = ", ".join("0x%04X" % u for u in units(text) + [0])
    comment = text.replace("*/", "* /")
    return "const unsigned short %s[] = {%s};  // %s" % (name, body, comment)


def c_string(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '\\"')


def generate(iso_dir):
    out = []
    w = out.append
    w("// Generated by tools/gen_ident_tables.py from tools/iso-codes/; do not edit.")
    w("// The language (ISO 639) and country (ISO 3166) tables behind locale identification.")
    w('#include "kti18n/locale/languages.h"')
    w("")
    w("namespace {")
    w("")
    w("// English and native language names (UCS-2).")
    for code, _, name, native in language_rows(iso_dir):
        w(ucs2_array("kLangEn_%s" % code, name))
        if native is not None:
            w(ucs2_array("kLangNative_%s" % code, native))
    w("")
    w("// Short and long country names (UCS-2).")
    for code, _, _, short, long_name in country_rows(iso_dir):
        w(ucs2_array("kCountry_%s" % code, short))
        if long_name is not None:
            w(ucs2_array("kCountryLong_%s" % code, long_name))
    w("")
    w("}  // namespace")
    w("")
    w("const zv_languages::language zv_languages::s_rows[] = {")
    for code, alpha3, _, native in language_rows(iso_dir):
        native_ref = "kLangNative_%s" % code if native is not None else "nullptr"
        w('    {"%s", "%s", kLangEn_%s, %s},' % (code, alpha3, code, native_ref))
    w("};")
    w("const unsigned zv_languages::s_count = sizeof(s_rows) / sizeof(s_rows[0]);")
    w("")
    w("const zv_countries::country zv_countries::s_rows[] = {")
    for code, alpha3, numeric, _, long_name in country_rows(iso_dir):
        long_ref = "kCountryLong_%s" % code if long_name is not None else "nullptr"
        w('    {"%s", "%s", %d, kCountry_%s, %s},' % (code, alpha3, numeric, code, long_ref))
    w("};")
    w("const unsigned zv_countries::s_count = sizeof(s_rows) / sizeof(s_rows[0]);")
    return "\n".join(out) + "\n"


def main():
    iso_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "iso-codes")
    output = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "kti18n", "locale", "ident_tables.cpp")
    text = generate(iso_dir)
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
