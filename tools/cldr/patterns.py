"""CLDR patterns in the library's own terms.

Date patterns become token patterns of the serial dialect (T[code] for a
token, L[text] for literal text) and %-notation formats of the C library;
number patterns become serial token patterns. Every CLDR date-field symbol
is mapped in one place, DATE_FIELD_TOKENS below.
"""

# Directional marks that CLDR puts around signs and inside patterns of
# right-to-left locales; they carry no character of their own.
BIDI_MARKS = "\u200e\u200f\u061c\u202a\u202b\u202c\u202d\u202e\u2066\u2067\u2068\u2069"


# The serial codes of the token vocabulary, by side: a date pattern may use
# only date codes, a number pattern only number codes (and both "FS").
DATE_CODES = frozenset("""am amu aml amc mt mtu mtl mtc amt amtu amtl amtc 023 23 012 12 024 24 011 11 0M M 0m m
0s s 0ms 0cs tens y4 y2 iy2 iy1 iyg dn dnu dnl dnc adn adnu adnl adnc 0d d era dowim 00yd 0yd yd 0wy wy wm tz da ts
ywoy4 ywoy2 ip jy jy2 FS""".split())
NUMBER_CODES = frozenset("- # 0 ds gs ns ne E+ E- e+ e- + pc pcs b bt bf FS".split())


def checked(tokens, codes):
    """The tokens, once every token code is known to be of the side."""
    for kind, value in tokens:
        if kind == "T" and value not in codes:
            raise ValueError("token %r is not of this side of the vocabulary" % value)
    return tokens


def strip_bidi(text):
    return "".join(ch for ch in text if ch not in BIDI_MARKS)


# ---------------------------------------------------------------- serial form

def serial(tokens):
    """Writes a token list ('T', code) / ('L', text) in the serial dialect;
    literal text escapes ']' and '\\' with a backslash."""
    out = []
    for kind, value in merge_literals(tokens):
        if kind == "T":
            out.append("T[" + value + "]")
        else:
            out.append("L[" + value.replace("\\", "\\\\").replace("]", "\\]") + "]")
    return "".join(out)


def merge_literals(tokens):
    merged = []
    for kind, value in tokens:
        if kind == "L":
            if value == "":
                continue
            if merged and merged[-1][0] == "L":
                merged[-1] = ("L", merged[-1][1] + value)
                continue
        merged.append((kind, value))
    return merged


# ------------------------------------------------------------- date patterns

def lex_date(pattern):
    """Splits a CLDR date pattern into ('field', letter, count), ('lit', text)
    and ('arg', n) for the {0}/{1} slots of date-time combinations. Quoted
    text is literal; two quotes stand for one quote."""
    items = []
    i, n = 0, len(pattern)
    while i < n:
        ch = pattern[i]
        if ch == "'":
            if i + 1 < n and pattern[i + 1] == "'":
                items.append(("lit", "'"))
                i += 2
                continue
            j = i + 1
            text = []
            while j < n:
                if pattern[j] == "'":
                    if j + 1 < n and pattern[j + 1] == "'":
                        text.append("'")
                        j += 2
                        continue
                    break
                text.append(pattern[j])
                j += 1
            items.append(("lit", "".join(text)))
            i = j + 1
        elif ch == "{" and i + 2 < n and pattern[i + 1].isdigit() and pattern[i + 2] == "}":
            items.append(("arg", int(pattern[i + 1])))
            i += 3
        elif ("a" <= ch <= "z") or ("A" <= ch <= "Z"):
            j = i
            while j < n and pattern[j] == ch:
                j += 1
            items.append(("field", ch, j - i))
            i = j
        else:
            items.append(("lit", ch))
            i += 1
    return items


def _by_count(*codes):
    """A mapping for a symbol whose meaning depends on its repeat count:
    codes[k] for count k + 1, the last code for every longer count."""
    return lambda count: codes[min(count, len(codes)) - 1]


# CLDR date-field symbol -> serial token code, by repeat count. A symbol
# missing here (quarters, cyclic years, numeric local day of week) has no
# token and stays literal text.
DATE_FIELD_TOKENS = {
    "G": _by_count("era"),
    "y": lambda count: "y2" if count == 2 else "y4",
    "u": _by_count("y4"),
    "r": _by_count("y4"),
    "Y": lambda count: "ywoy2" if count == 2 else "ywoy4",
    "M": _by_count("M", "0M", "amt", "mt", "amt"),
    "L": _by_count("M", "0M", "amt", "mt", "amt"),
    "d": _by_count("d", "0d"),
    "E": _by_count("adn", "adn", "adn", "dn", "adn"),
    "c": lambda count: {3: "adn", 4: "dn", 5: "adn", 6: "adn"}.get(count),
    "e": lambda count: {3: "adn", 4: "dn", 5: "adn", 6: "adn"}.get(count),
    # Day periods ("noon", "in the morning") narrow to the am/pm marker.
    "a": _by_count("am"),
    "b": _by_count("am"),
    "B": _by_count("am"),
    "h": _by_count("12", "012"),
    "H": _by_count("23", "023"),
    "K": _by_count("11", "011"),
    "k": _by_count("24", "024"),
    "m": _by_count("m", "0m"),
    "s": _by_count("s", "0s"),
    "S": _by_count("tens", "0cs", "0ms"),
    "D": _by_count("yd", "0yd", "00yd"),
    "w": _by_count("wy", "0wy"),
    "W": _by_count("wm"),
    "F": _by_count("dowim"),
    "z": _by_count("tz"),
    "Z": _by_count("tz"),
    "v": _by_count("tz"),
    "V": _by_count("tz"),
    "O": _by_count("tz"),
    "X": _by_count("tz"),
    "x": _by_count("tz"),
}


def date_field_token(letter, count):
    """The serial token code of a CLDR date field, or None."""
    mapping = DATE_FIELD_TOKENS.get(letter)
    return mapping(count) if mapping else None


def date_tokens(pattern, args=None):
    """A CLDR date pattern as a token list; args fills {0}/{1} with token
    lists (date-time combinations)."""
    tokens = []
    for item in lex_date(pattern):
        if item[0] == "field":
            code = date_field_token(item[1], item[2])
            tokens.append(("T", code) if code else ("L", item[1] * item[2]))
        elif item[0] == "arg":
            tokens.extend(args[item[1]] if args and item[1] in args else [])
        else:
            tokens.append(("L", item[1]))
    return merge_literals(tokens)


def combine_date_time(glue, date_pattern, time_pattern):
    """CLDR's dateTimeFormat: {1} is the date, {0} the time."""
    return date_tokens(glue, {1: date_tokens(date_pattern), 0: date_tokens(time_pattern)})


_NUMERIC_DATE_FIELDS = {"y": "y", "u": "y", "M": "M", "L": "M", "d": "d"}


def numeric_date_order(pattern):
    """The order of year, month and day in a date pattern, e.g. 'dMy'."""
    order = []
    for item in lex_date(pattern):
        if item[0] == "field" and item[1] in _NUMERIC_DATE_FIELDS:
            field = _NUMERIC_DATE_FIELDS[item[1]]
            if field not in order:
                order.append(field)
    for field in "dMy":
        if field not in order:
            order.append(field)
    return "".join(order)


def first_separator(pattern, letters):
    """The literal text between the first two fields of the given letters
    (directional marks removed), or None when there is none."""
    seen = False
    text = None
    for item in lex_date(pattern):
        if item[0] == "field" and item[1] in letters:
            if seen:
                return strip_bidi(text) if text else None
            seen = True
            text = ""
        elif item[0] == "field":
            if seen:
                text = None
                seen = False
        elif item[0] == "lit" and seen:
            text += item[1]
    return None


def input_date_tokens(short_date_pattern, separator):
    """Numeric day, month and four-digit year in the locale's order."""
    codes = {"d": "d", "M": "M", "y": "y4"}
    tokens = []
    for index, field in enumerate(numeric_date_order(short_date_pattern)):
        if index:
            tokens.append(("L", separator))
        tokens.append(("T", codes[field]))
    return tokens


# ---------------------------------------------------------- %-notation forms

_PERCENT = {
    "y": lambda count: "%y" if count == 2 else "%Y",
    "M": lambda count: {3: "%b", 4: "%B"}.get(count, "%m"),
    "L": lambda count: {3: "%b", 4: "%B"}.get(count, "%m"),
    "d": lambda count: "%d",
    "E": lambda count: "%A" if count == 4 else "%a",
    "c": lambda count: "%A" if count == 4 else "%a",
    "a": lambda count: "%p",
    "b": lambda count: "%p",
    "B": lambda count: "%p",
    "H": lambda count: "%H",
    "k": lambda count: "%H",
    "h": lambda count: "%I",
    "K": lambda count: "%I",
    "m": lambda count: "%M",
    "s": lambda count: "%S",
    "z": lambda count: "%Z",
    "v": lambda count: "%Z",
    "V": lambda count: "%Z",
    "O": lambda count: "%Z",
}


def percent_format(pattern, args=None):
    """A CLDR date pattern in the C library's %-notation. Fields the C
    library has no conversion for (eras, weeks, quarters) are left out."""
    out = []
    for item in lex_date(pattern):
        if item[0] == "field":
            conversion = _PERCENT.get(item[1])
            if conversion:
                out.append(conversion(item[2]))
        elif item[0] == "arg":
            out.append(args[item[1]] if args else "")
        else:
            out.append(item[1].replace("%", "%%"))
    return "".join(out).strip()


def uses_12_hour_clock(pattern):
    return any(item[0] == "field" and item[1] in "hK" for item in lex_date(pattern))


# ----------------------------------------------------------- number patterns

class Inexpressible(ValueError):
    """A CLDR number pattern uses something the token vocabulary lacks."""


def split_sections(pattern):
    """Splits a number pattern at unquoted ';'."""
    sections, current, quoted = [], [], False
    for ch in pattern:
        if ch == "'":
            quoted = not quoted
        if ch == ";" and not quoted:
            sections.append("".join(current))
            current = []
        else:
            current.append(ch)
    sections.append("".join(current))
    return sections


def number_tokens(pattern, percent_sign="%", currency_symbol="\u00a4", scientific=False):
    """A CLDR number pattern as a token list. The percent sign becomes the
    locale's percent sign as literal text, without scaling: the library's
    default percentage format writes the value it is given, as its built-in
    pattern does, so that every locale treats a value alike. The currency
    sign becomes the given symbol. A scientific pattern without a fraction part gets fourteen
    optional fraction digits, since CLDR's "#E0" means "all significant
    digits" while a fraction the vocabulary does not list is never written;
    and its mantissa always shows one digit (0 is "0E0", not "E0"), so its
    last integer placeholder is a forced one (also in the plain "#" that
    two locales give as their scientific pattern). Some locales write their
    scientific pattern in brackets ("[#E0]"): the brackets are not text."""
    if scientific and len(pattern) > 2 and pattern[0] == "[" and pattern[-1] == "]":
        pattern = pattern[1:-1]
    tokens = []
    for index, section in enumerate(split_sections(pattern)):
        if index:
            tokens.append(("T", "FS"))
        tokens.extend(_number_section(section, percent_sign, currency_symbol, scientific))
    return merge_literals(tokens)


def _number_section(section, percent_sign, currency_symbol, scientific):
    tokens = []
    seen_decimal = False
    i, n = 0, len(section)
    while i < n:
        ch = section[i]
        if ch == "'":
            j = section.find("'", i + 1)
            if j < 0:
                raise Inexpressible("unclosed quote")
            tokens.append(("L", "'" if j == i + 1 else section[i + 1:j]))
            i = j + 1
            continue
        if ch == "#":
            tokens.append(("T", "#"))
        elif ch == "0":
            tokens.append(("T", "0"))
        elif ch in "123456789":
            raise Inexpressible("rounding increment")
        elif ch == "@":
            raise Inexpressible("significant digits")
        elif ch == "*":
            raise Inexpressible("padding")
        elif ch == "\u2030":
            raise Inexpressible("per mille")
        elif ch == ",":
            tokens.append(("T", "gs"))
        elif ch == ".":
            if scientific and not seen_decimal:
                _force_mantissa_digit(tokens)
            tokens.append(("T", "ds"))
            seen_decimal = True
        elif ch == "%":
            tokens.append(("L", percent_sign))
        elif ch == "\u00a4":
            while i + 1 < n and section[i + 1] == "\u00a4":
                i += 1
            tokens.append(("L", currency_symbol))
        elif ch == "E":
            if scientific and not seen_decimal:
                _force_mantissa_digit(tokens)
                tokens.append(("T", "ds"))
                tokens.extend([("T", "#")] * 14)
                seen_decimal = True
            if i + 1 < n and section[i + 1] == "+":
                tokens.append(("T", "E+"))
                i += 1
            else:
                tokens.append(("T", "E-"))
        elif ch == "-":
            tokens.append(("T", "-"))
        elif ch == "+":
            tokens.append(("T", "+"))
        else:
            tokens.append(("L", ch))
        i += 1
    if scientific and not seen_decimal:
        # A scientific pattern without exponent ("#" in lo and si): still one digit.
        _force_mantissa_digit(tokens)
    return tokens


def _force_mantissa_digit(tokens):
    """Makes the last integer placeholder a forced digit unless one is."""
    if ("T", "0") in tokens:
        return
    for index in range(len(tokens) - 1, -1, -1):
        if tokens[index] == ("T", "#"):
            tokens[index] = ("T", "0")
            return


def with_fraction_digits(pattern, digits):
    """The pattern with exactly `digits` fraction digits in every section
    (a currency's own count: none for the yen, three for the dinar)."""
    sections = []
    for section in split_sections(pattern):
        point = _unquoted_index(section, ".")
        if point < 0:
            if digits:
                end = _last_digit_index(section) + 1
                section = section[:end] + "." + "0" * digits + section[end:]
            sections.append(section)
            continue
        end = point + 1
        while end < len(section) and section[end] in "0#":
            end += 1
        sections.append(section[:point] + ("." + "0" * digits if digits else "") + section[end:])
    return ";".join(sections)


def _unquoted_index(text, wanted):
    quoted = False
    for index, ch in enumerate(text):
        if ch == "'":
            quoted = not quoted
        elif ch == wanted and not quoted:
            return index
    return -1


def _last_digit_index(text):
    return max(text.rfind("0"), text.rfind("#"))


def grouping_sizes(pattern):
    """The group sizes of a decimal pattern, primary first:
    '#,##,##0.###' gives [3, 2] (the last size repeats), '0.###' []."""
    integer = split_sections(pattern)[0]
    integer = integer.split(".")[0].split("E")[0]
    digits = "".join(ch for ch in integer if ch in "#0,")
    groups = digits.split(",")
    if len(groups) < 2:
        return []
    primary = len(groups[-1])
    if len(groups) >= 3 and len(groups[-2]) != primary:
        return [primary, len(groups[-2])]
    return [primary]


_SPACES = " \u00a0\u202f"


def negative_mode(pattern):
    """The negative mode a decimal pattern implies: 0 parentheses, 1 sign
    first, 2 sign and space first, 3 sign last, 4 space and sign last; 1
    without a negative subpattern."""
    sections = split_sections(pattern)
    if len(sections) < 2:
        return 1
    negative = strip_bidi(sections[1])
    first = min((negative.find(c) for c in "#0" if c in negative), default=-1)
    last = max(negative.rfind(c) for c in "#0")
    if first < 0:
        return 1
    prefix, suffix = negative[:first], negative[last + 1:]
    if "(" in prefix and ")" in suffix:
        return 0
    if "-" in suffix:
        return 4 if suffix[:1] in _SPACES else 3
    if "-" in prefix and prefix[-1:] in _SPACES:
        return 2
    return 1
