"""Tests of the CLDR pattern conversions and of CLDR inheritance."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from cldr_tree import Cldr  # noqa: E402
from patterns import (Inexpressible, combine_date_time, date_field_token, date_tokens, first_separator,  # noqa: E402
                      grouping_sizes, input_date_tokens, negative_mode, number_tokens, percent_format, serial,
                      with_fraction_digits)


def sd(pattern):
    return serial(date_tokens(pattern))


class DateFieldTokens(unittest.TestCase):
    def test_every_documented_symbol(self):
        expected = {
            ("G", 1): "era", ("G", 4): "era", ("y", 1): "y4", ("y", 2): "y2", ("y", 4): "y4",
            ("M", 1): "M", ("M", 2): "0M", ("M", 3): "amt", ("M", 4): "mt", ("L", 1): "M", ("L", 4): "mt",
            ("d", 1): "d", ("d", 2): "0d", ("E", 1): "adn", ("E", 2): "adn", ("E", 3): "adn", ("E", 4): "dn",
            ("a", 1): "am", ("h", 1): "12", ("h", 2): "012", ("H", 1): "23", ("H", 2): "023",
            ("K", 1): "11", ("K", 2): "011", ("k", 1): "24", ("k", 2): "024", ("m", 1): "m", ("m", 2): "0m",
            ("s", 1): "s", ("s", 2): "0s", ("S", 1): "tens", ("S", 2): "0cs", ("S", 3): "0ms",
            ("D", 1): "yd", ("w", 1): "wy", ("w", 2): "0wy", ("W", 1): "wm", ("F", 1): "dowim",
            ("Y", 1): "ywoy4", ("Y", 2): "ywoy2", ("z", 1): "tz", ("z", 4): "tz", ("v", 1): "tz",
            ("V", 1): "tz", ("O", 1): "tz", ("X", 1): "tz",
        }
        for (letter, count), code in expected.items():
            self.assertEqual(date_field_token(letter, count), code, letter * count)

    def test_every_mapped_token_is_a_date_token(self):
        from patterns import DATE_CODES, DATE_FIELD_TOKENS
        for letter in DATE_FIELD_TOKENS:
            for count in range(1, 7):
                code = date_field_token(letter, count)
                self.assertTrue(code is None or code in DATE_CODES, letter * count)

    def test_longer_runs_keep_the_longest_form(self):
        self.assertEqual(date_field_token("S", 6), "0ms")
        self.assertEqual(date_field_token("M", 5), "amt")
        self.assertEqual(date_field_token("y", 3), "y4")

    def test_symbols_without_a_token_stay_literal(self):
        self.assertIsNone(date_field_token("Q", 1))
        self.assertEqual(sd("QQQ y"), "L[QQQ ]T[y4]")


class DatePatterns(unittest.TestCase):
    def test_quoted_text_and_doubled_quotes(self):
        self.assertEqual(sd("HH 'h' mm"), "T[023]L[ h ]T[0m]")
        self.assertEqual(sd("h 'o''clock' a"), "T[12]L[ o'clock ]T[am]")
        self.assertEqual(sd("''yy"), "L[']T[y2]")

    def test_literals_merge_and_escape_for_the_serial_dialect(self):
        self.assertEqual(sd("d. MMMM y"), "T[d]L[. ]T[mt]L[ ]T[y4]")
        self.assertEqual(sd("'[x]' y"), "L[[x\\] ]T[y4]")
        self.assertEqual(sd("'\\' y"), "L[\\\\ ]T[y4]")

    def test_date_time_combination(self):
        self.assertEqual(serial(combine_date_time("{1} 'at' {0}", "MMM d", "h:mm a")),
                         "T[amt]L[ ]T[d]L[ at ]T[12]L[:]T[0m]L[ ]T[am]")
        # The time may come first.
        self.assertEqual(serial(combine_date_time("{0} {1}", "y", "H")), "T[23]L[ ]T[y4]")

    def test_separators(self):
        self.assertEqual(first_separator("dd.MM.yy", "yMd"), ".")
        self.assertEqual(first_separator("d\u200f/M\u200f/y", "yMd"), "/")
        self.assertEqual(first_separator("yy. M. d.", "yMd"), ". ")
        self.assertEqual(first_separator("HH 'h' mm", "hHkKms"), " h ")
        # A field between the two breaks the pair.
        self.assertEqual(first_separator("Bh:mm", "hHkKms"), ":")
        self.assertIsNone(first_separator("y", "yMd"))

    def test_input_date_follows_the_locale_order(self):
        self.assertEqual(serial(input_date_tokens("dd.MM.yy", ".")), "T[d]L[.]T[M]L[.]T[y4]")
        self.assertEqual(serial(input_date_tokens("M/d/yy", "/")), "T[M]L[/]T[d]L[/]T[y4]")
        self.assertEqual(serial(input_date_tokens("y/MM/dd", "/")), "T[y4]L[/]T[M]L[/]T[d]")

    def test_percent_notation(self):
        self.assertEqual(percent_format("M/d/yy"), "%m/%d/%y")
        self.assertEqual(percent_format("EEEE d MMMM y"), "%A %d %B %Y")
        self.assertEqual(percent_format("h:mm:ss a"), "%I:%M:%S %p")
        self.assertEqual(percent_format("H:mm '%'"), "%H:%M %%")
        self.assertEqual(percent_format("d MMM y G"), "%d %b %Y")


class NumberPatterns(unittest.TestCase):
    def test_standard_patterns(self):
        self.assertEqual(serial(number_tokens("#,##0.###")), "T[#]T[gs]T[#]T[#]T[0]T[ds]T[#]T[#]T[#]")
        self.assertEqual(serial(number_tokens("#,##0\u00a0%", "%")), "T[#]T[gs]T[#]T[#]T[0]L[\u00a0%]")
        self.assertEqual(serial(number_tokens("\u00a4#,##0.00", currency_symbol="$")),
                         "L[$]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]")

    def test_currency_fraction_digits(self):
        self.assertEqual(with_fraction_digits("\u00a4#,##0.00", 0), "\u00a4#,##0")
        self.assertEqual(with_fraction_digits("#,##0.00\u00a0\u00a4;(#,##0.00\u00a0\u00a4)", 3),
                         "#,##0.000\u00a0\u00a4;(#,##0.000\u00a0\u00a4)")
        self.assertEqual(with_fraction_digits("\u00a4#,##0", 2), "\u00a4#,##0.00")
        # A quoted full stop is text, not the decimal point.
        self.assertEqual(with_fraction_digits("'.'#,##0.00", 0), "'.'#,##0")

    def test_negative_subpattern_and_signs(self):
        self.assertEqual(serial(number_tokens("\u00a4 #,##0.00;\u00a4 -#,##0.00", currency_symbol="\u20ac")),
                         "L[\u20ac ]T[#]T[gs]T[#]T[#]T[0]T[ds]T[0]T[0]T[FS]L[\u20ac ]T[-]T[#]T[gs]T[#]T[#]T[0]"
                         "T[ds]T[0]T[0]")
        self.assertEqual(serial(number_tokens("0;(0)")), "T[0]T[FS]L[(]T[0]L[)]")

    def test_scientific_gets_all_significant_digits(self):
        # One mantissa digit always shows: 0 is "0E0", not "E0".
        self.assertEqual(serial(number_tokens("#E0", scientific=True)), "T[0]T[ds]" + "T[#]" * 14 + "T[E-]T[0]")
        # The bracketed form some locales use is the same pattern.
        self.assertEqual(serial(number_tokens("[#E0]", scientific=True)), "T[0]T[ds]" + "T[#]" * 14 + "T[E-]T[0]")
        self.assertEqual(serial(number_tokens("##0.##E0", scientific=True)), "T[#]T[#]T[0]T[ds]T[#]T[#]T[E-]T[0]")
        self.assertEqual(serial(number_tokens("#", scientific=True)), "T[0]")
        self.assertEqual(serial(number_tokens("#")), "T[#]")
        self.assertEqual(serial(number_tokens("0.0E+00", scientific=True)), "T[0]T[ds]T[0]T[E+]T[0]T[0]")

    def test_inexpressible(self):
        for pattern in ("@@#", "#,##0.05", "#,##0\u2030", "*x#,##0"):
            with self.assertRaises(Inexpressible, msg=pattern):
                number_tokens(pattern)

    def test_grouping(self):
        self.assertEqual(grouping_sizes("#,##,##0.###"), [3, 2])
        self.assertEqual(grouping_sizes("#,##0.###"), [3])
        self.assertEqual(grouping_sizes("#,###,##0"), [3])
        self.assertEqual(grouping_sizes("0.######"), [])
        self.assertEqual(grouping_sizes("#,##0.00;(#,##0.00)"), [3])

    def test_negative_mode(self):
        self.assertEqual(negative_mode("#,##0.###"), 1)
        self.assertEqual(negative_mode("#,##0.00;(#,##0.00)"), 0)
        self.assertEqual(negative_mode("#,##0;- #,##0"), 2)
        self.assertEqual(negative_mode("#,##0;#,##0-"), 3)
        self.assertEqual(negative_mode("#,##0;#,##0 -"), 4)
        self.assertEqual(negative_mode("#,##0;\u200e-#,##0"), 1)


class CodePages(unittest.TestCase):
    def test_listed_languages_keep_their_code_page(self):
        from records import code_page
        self.assertEqual(code_page("ro", "Latn", ["ianuarie"]), "CP1250")
        self.assertEqual(code_page("sr", "Latn"), "CP1250")
        self.assertEqual(code_page("sr", "Cyrl"), "CP1251")
        self.assertEqual(code_page("zh", "Hant"), "CP950")
        # Listed even where the code page lacks letters of the language.
        self.assertEqual(code_page("kk", "Cyrl", ["\u049b\u0430\u04a3\u0442\u0430\u0440"]), "CP1251")

    def test_others_take_their_scripts_code_page_only_when_it_holds_the_names(self):
        from records import code_page
        self.assertEqual(code_page("id", "Latn", ["Januari", "Senin"]), "CP1252")
        self.assertEqual(code_page("mt", "Latn", ["Jannar", "It-Tnejn", "\u0120unju"]), "UTF-8")
        self.assertEqual(code_page("hy", "Armn", ["\u0570\u0578\u0582\u0576\u057e\u0561\u0580"]), "UTF-8")


ROOT = """<ldml><dates><calendars><calendar type="gregorian">
<months><monthContext type="format">
 <monthWidth type="abbreviated"><alias source="locale" path="../monthWidth[@type='wide']"/></monthWidth>
 <monthWidth type="wide"><month type="1">M01</month><month type="2">M02</month></monthWidth>
</monthContext></months></calendar></calendars></dates>
<numbers><symbols numberSystem="latn"><decimal>.</decimal></symbols></numbers></ldml>"""
LANGUAGE = """<ldml><dates><calendars><calendar type="gregorian">
<months><monthContext type="format">
 <monthWidth type="wide"><month type="1">janvier</month><month type="2">\u2191\u2191\u2191</month></monthWidth>
</monthContext></months></calendar></calendars></dates></ldml>"""
REGION = """<ldml><dates><calendars><calendar type="gregorian">
<months><monthContext type="format">
 <monthWidth type="abbreviated"><month type="1">janv.</month></monthWidth>
 <monthWidth type="wide"><month type="1" alt="variant">Janvier</month></monthWidth>
</monthContext></months></calendar></calendars></dates></ldml>"""


class Inheritance(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        common = self.folder.name
        os.makedirs(os.path.join(common, "main"))
        os.makedirs(os.path.join(common, "supplemental"))
        for name, text in (("root", ROOT), ("xx", LANGUAGE), ("xx_YY", REGION), ("xx_Zzzz", LANGUAGE)):
            with open(os.path.join(common, "main", name + ".xml"), "w", encoding="utf-8") as handle:
                handle.write(text)
        supplemental = ('<supplementalData><parentLocales><parentLocale parent="root" locales="xx_Zzzz"/>'
                        '</parentLocales></supplementalData>')
        for name, text in (("supplementalData", supplemental), ("likelySubtags", "<supplementalData/>"),
                           ("numberingSystems", "<supplementalData/>")):
            with open(os.path.join(common, "supplemental", name + ".xml"), "w", encoding="utf-8") as handle:
                handle.write(text)
        self.cldr = Cldr(common)

    def tearDown(self):
        self.folder.cleanup()

    MONTH = "dates/calendars/calendar[@type='gregorian']/months/monthContext[@type='format']/monthWidth[@type='%s']/month[@type='%s']"

    def test_chain_follows_parent_locales(self):
        self.assertEqual(self.cldr.chain("xx_YY"), ["xx_YY", "xx", "root"])
        self.assertEqual(self.cldr.chain("xx_Zzzz_YY"), ["xx_Zzzz", "root"])

    def test_own_value_wins_over_the_alias(self):
        self.assertEqual(self.cldr.value("xx_YY", self.MONTH % ("abbreviated", "1")), "janv.")

    def test_alias_restarts_from_the_child(self):
        # root's abbreviated names alias the wide ones: the language's wide
        # name must win over root's.
        self.assertEqual(self.cldr.value("xx", self.MONTH % ("abbreviated", "1")), "janvier")
        self.assertEqual(self.cldr.value("xx_YY", self.MONTH % ("abbreviated", "2")), "M02")

    def test_inheritance_marker_and_alternates_are_skipped(self):
        self.assertEqual(self.cldr.value("xx", self.MONTH % ("wide", "2")), "M02")
        self.assertEqual(self.cldr.value("xx_YY", self.MONTH % ("wide", "1")), "janvier")

    def test_missing_value(self):
        self.assertIsNone(self.cldr.value("xx", self.MONTH % ("wide", "3")))
        self.assertEqual(self.cldr.value("xx", "numbers/symbols[@numberSystem='latn']/decimal"), ".")


if __name__ == "__main__":
    unittest.main()
