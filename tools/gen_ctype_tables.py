#!/usr/bin/env python3
"""Generates kti18n/locale/ctype_tables.cpp, the built-in character tables.

Reads the Unicode 3.0 character database (UnicodeData-3.0.0.txt) and the
white-space set of its PropList, and writes the five tables of
zv_ctype_impl::kCtype_i18n:

  block index   512 x uint16: where the runs of each 128-unit block begin
  run table     uint16 runs: bits 0-6 length (0 = whole block), 7-15 property
  property      uint32 words (layout below)
  numeric       int32 pairs (numerator, denominator); pair 0 is (0, 0)
  small value   int16: a case delta or a canonical combining class

and, for speed, a direct table of property numbers: the 128 property numbers
of each distinct block stored once, with a 512-entry index of where each
block's numbers begin (the layout of ktCompactArray). It answers a lookup in
three reads where the run table needs a walk along a mixed block's runs.

Property word: bits 0-7 small-value index, 8-13 numeric index, 14 has an
upper-case mapping (upper = c - small), 15 has a lower-case mapping
(lower = c + small), 16-19 and 31 bidirectional class, 20 mirrored,
21 white space, 22-30 general category.

Usage: gen_ctype_tables.py [--unicode-data FILE] [--proplist FILE]
                           [--output FILE]
Without arguments it reads the copies in third_party/data/unicode/ and rewrites the
committed source. The output depends only on the input, so regenerating
gives the same bytes.
"""

import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
DEFAULT_DATA = os.path.join(ROOT, "third_party", "data", "unicode", "UnicodeData-3.0.0.txt")
DEFAULT_PROPLIST = os.path.join(ROOT, "third_party", "data", "unicode", "PropList-3.0.0.txt")
DEFAULT_OUTPUT = os.path.join(ROOT, "kti18n", "locale", "ctype_tables.cpp")

# General categories in place (bits 22-30). Pi and Pf, the initial and final
# quotation marks, have codes of their own in the punctuation family so that
# the database is kept whole; IsPunct and the masks treat them as punctuation.
CATEGORY = {
    "Cn": 0x00000000, "Cc": 0x20000000, "Cf": 0x20400000, "Zl": 0x20800000,
    "Zp": 0x20C00000, "Zs": 0x40000000, "Lo": 0x50000000, "Lu": 0x50400000,
    "Ll": 0x50800000, "Lt": 0x50C00000, "Lm": 0x51000000, "Nd": 0x52000000,
    "Nl": 0x52400000, "No": 0x52800000, "Po": 0x54000000, "Ps": 0x54400000,
    "Pe": 0x54800000, "Pc": 0x54C00000, "Pd": 0x55000000, "Pi": 0x55400000,
    "Pf": 0x55800000, "So": 0x58000000, "Sm": 0x58400000, "Sc": 0x58800000,
    "Sk": 0x58C00000, "Mn": 0x5C000000, "Mc": 0x5C400000, "Me": 0x5C800000,
    "Co": 0x60000000, "Cs": 0x60400000,
}

# Bidirectional classes: bits 16-19, bit 31 for the neutral ones.
BIDI = {
    "L": 0x00010000, "LRE": 0x00020000, "LRO": 0x00030000, "R": 0x00040000,
    "AL": 0x00050000, "RLE": 0x00060000, "RLO": 0x00070000, "PDF": 0x00080000,
    "EN": 0x00090000, "ES": 0x000A0000, "ET": 0x000B0000, "AN": 0x000C0000,
    "CS": 0x000D0000, "NSM": 0x000E0000, "BN": 0x000F0000, "B": 0x80010000,
    "S": 0x80020000, "WS": 0x80030000, "ON": 0x80040000,
}

MIRRORED = 1 << 20
WHITE_SPACE = 1 << 21
HAS_UPPER = 1 << 14
HAS_LOWER = 1 << 15

# Unicode 3.0's White space property, used when no PropList is given.
DEFAULT_WHITE_SPACE = (list(range(0x0009, 0x000E)) + [0x0020, 0x0085, 0x00A0, 0x1680]
                       + list(range(0x2000, 0x200C)) + [0x2028, 0x2029, 0x202F, 0x3000])

BLOCK = 128
BLOCKS = 0x10000 // BLOCK


def fail(message):
    sys.exit("gen_ctype_tables: " + message)


def read_unicode_data(path):
    """One record (the split line) per BMP code unit, None where unassigned.

    The ranges given as <..., First> / <..., Last> pairs are filled with the
    First line's properties."""
    records = [None] * 0x10000
    pending_first = None
    with open(path, encoding="utf-8") as f:
        for line_number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line:
                continue
            fields = line.split(";")
            if len(fields) != 15:
                fail("%s:%d: expected 15 fields" % (path, line_number))
            code = int(fields[0], 16)
            name = fields[1]
            if pending_first is not None:
                first_code, first_fields = pending_first
                if not name.endswith(", Last>"):
                    fail("%s:%d: a First line without its Last" % (path, line_number))
                for c in range(first_code, min(code, 0xFFFF) + 1):
                    records[c] = first_fields
                pending_first = None
                continue
            if name.endswith(", First>"):
                pending_first = (code, fields)
                continue
            if code <= 0xFFFF:
                records[code] = fields
    if pending_first is not None:
        fail("%s: the data ends inside a First/Last range" % path)
    return records


def read_white_space(path):
    """The code units of PropList's 'White space' dump."""
    units = set()
    inside = False
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("Property dump for:"):
                inside = "(White space)" in line
                continue
            if not inside or not line or line.startswith("*"):
                continue
            m = re.match(r"([0-9A-F]{4,6})(?:\.\.([0-9A-F]{4,6}))?", line)
            if not m:
                fail("%s: cannot read %r" % (path, line))
            first = int(m.group(1), 16)
            last = int(m.group(2), 16) if m.group(2) else first
            units.update(c for c in range(first, last + 1) if c <= 0xFFFF)
    if not units:
        fail("%s: no White space property" % path)
    return units


def signed16(value):
    """value modulo 2^16, as a signed 16-bit number."""
    return ((value + 0x8000) & 0xFFFF) - 0x8000


def parse_fraction(text, where):
    num, _, den = text.partition("/")
    try:
        pair = (int(num), int(den) if den else 1)
    except ValueError:
        fail("%s: bad numeric value %r" % (where, text))
    if pair[1] == 0 or not all(-2**31 <= v < 2**31 for v in pair):
        fail("%s: numeric value %r out of range" % (where, text))
    return pair


class Interner:
    """Numbers values in order of first appearance."""

    def __init__(self, first, limit, what):
        self.values = [first]
        self.numbers = {first: 0}
        self.limit = limit
        self.what = what

    def number(self, value):
        n = self.numbers.get(value)
        if n is None:
            n = len(self.values)
            if n >= self.limit:
                fail("more than %d %s" % (self.limit, self.what))
            self.numbers[value] = n
            self.values.append(value)
        return n


def property_words(records, white_space):
    numerics = Interner((0, 0), 64, "numeric values")
    small_values = Interner(0, 256, "small values")
    words = [0] * 0x10000
    for c, fields in enumerate(records):
        if fields is None:
            continue
        where = "U+%04X" % c
        category, combining, bidi, numeric = fields[2], fields[3], fields[4], fields[8]
        mirrored, upper, lower = fields[9], fields[12], fields[13]
        if category not in CATEGORY:
            fail("%s: unknown category %s" % (where, category))
        if bidi not in BIDI:
            fail("%s: unknown bidirectional class %s" % (where, bidi))
        word = CATEGORY[category] | BIDI[bidi]
        if mirrored == "Y":
            word |= MIRRORED
        if c in white_space:
            word |= WHITE_SPACE
        if numeric:
            word |= numerics.number(parse_fraction(numeric, where)) << 8
        # The small value is either the case delta or the combining class, so
        # a character with a case mapping loses its combining class (only
        # U+0345 in 3.0; lookups answer 0 for it).
        small = int(combining)
        if upper:
            word |= HAS_UPPER
            small = signed16(c - int(upper, 16))
        if lower:
            delta = signed16(int(lower, 16) - c)
            if upper and delta != small:
                fail("%s: upper and lower deltas differ" % where)
            word |= HAS_LOWER
            small = delta
        word |= small_values.number(small)
        words[c] = word
    return words, numerics.values, small_values.values


def build_runs(words):
    """Block index and run table; alike blocks share one run sequence."""
    properties = Interner(0, 512, "property words")
    block_index = []
    runs = []
    seen = {}
    for b in range(BLOCKS):
        block = tuple(words[b * BLOCK:(b + 1) * BLOCK])
        start = seen.get(block)
        if start is None:
            start = len(runs)
            seen[block] = start
            if len(set(block)) == 1:
                runs.append(properties.number(block[0]) << 7)
            else:
                i = 0
                while i < BLOCK:
                    j = i
                    while j < BLOCK and block[j] == block[i]:
                        j += 1
                    runs.append(properties.number(block[i]) << 7 | (j - i))
                    i = j
        if start > 0xFFFF:
            fail("the run table outgrows 16-bit positions")
        block_index.append(start)
    return block_index, runs, properties.values


def build_direct(words, properties):
    """Block starts and property numbers of the direct table."""
    number = {w: n for n, w in enumerate(properties)}
    starts = []
    numbers = []
    seen = {}
    for b in range(BLOCKS):
        block = tuple(number[w] for w in words[b * BLOCK:(b + 1) * BLOCK])
        start = seen.get(block)
        if start is None:
            start = len(numbers)
            seen[block] = start
            numbers.extend(block)
        if start > 0xFFFF - BLOCK + 1:
            fail("the direct table outgrows 16-bit positions")
        starts.append(start)
    return starts, numbers


def rows(values, per_line, fmt):
    out = []
    for i in range(0, len(values), per_line):
        out.append("    " + ", ".join(fmt(v) for v in values[i:i + per_line]) + ",")
    return "\n".join(out)


def render(block_index, runs, properties, numerics, small_values, direct, sources):
    direct_starts, direct_numbers = direct
    numeric_rows = "\n".join("    %d, %d," % pair for pair in numerics)
    return f"""\
// Generated by tools/gen_ctype_tables.py from {', '.join(sources)}.
// Do not edit: change the script and regenerate.
//
// {len(block_index)} block entries, {len(runs)} run entries, {len(properties)} property words,
// {len(numerics)} numeric pairs, {len(small_values)} small values;
// direct table: {len(direct_numbers) // BLOCK} distinct blocks.
#include <cstdint>

#include "kti18n/locale/ctype_impl.h"

namespace {{

const std::uint16_t kBlockIndex[{len(block_index)}] = {{
{rows(block_index, 12, lambda v: "%d" % v)}
}};

const std::uint16_t kRuns[{len(runs)}] = {{
{rows(runs, 12, lambda v: "0x%04X" % v)}
}};

const std::uint32_t kProperties[{len(properties)}] = {{
{rows(properties, 6, lambda v: "0x%08Xu" % v)}
}};

const std::int32_t kNumerics[{2 * len(numerics)}] = {{
{numeric_rows}
}};

const std::int16_t kSmallValues[{len(small_values)}] = {{
{rows(small_values, 12, lambda v: "%d" % v)}
}};

const std::uint16_t kDirectStarts[{len(direct_starts)}] = {{
{rows(direct_starts, 12, lambda v: "%d" % v)}
}};

const std::uint16_t kDirectNumbers[{len(direct_numbers)}] = {{
{rows(direct_numbers, 16, lambda v: "%d" % v)}
}};

}}  // namespace

const zv_ctype_impl::StaticStorage zv_ctype_impl::kCtype_i18n = {{
    kBlockIndex, kRuns, kProperties, kNumerics, kSmallValues,
}};

const zv_ctype_impl::DirectTable zv_ctype_impl::kCtype_i18n_direct = {{
    kDirectStarts, kDirectNumbers,
}};
"""


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--unicode-data", default=DEFAULT_DATA)
    parser.add_argument("--proplist", default=DEFAULT_PROPLIST,
                        help="PropList of the same version; 'none' for the built-in white-space set")
    parser.add_argument("--output", default=DEFAULT_OUTPUT)
    args = parser.parse_args()

    records = read_unicode_data(args.unicode_data)
    sources = [os.path.basename(args.unicode_data)]
    if args.proplist == "none":
        white_space = set(DEFAULT_WHITE_SPACE)
    else:
        white_space = read_white_space(args.proplist)
        sources.append(os.path.basename(args.proplist))
    words, numerics, small_values = property_words(records, white_space)
    block_index, runs, properties = build_runs(words)
    direct = build_direct(words, properties)
    text = render(block_index, runs, properties, numerics, small_values, direct, sources)
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
