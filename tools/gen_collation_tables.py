#!/usr/bin/env python3
"""Generates kti18n/unicode/collation_tables.cpp: the CLDR root collation, the
canonical decompositions and combining classes it needs, and the standard
tailorings of the languages the locale catalog knows.

Inputs (Debian's unicode-cldr-core, CLDR 41 / Unicode 14):
  <cldr>/common/uca/allkeys_CLDR.txt   the root collation elements
  <cldr>/common/collation/<lang>.xml   the tailoring rules
and the Unicode Character Database of this Python (it must be 14.0.0, the
version the CLDR data was built on) for canonical decompositions and
combining classes.

Weights are renumbered into the forms the runtime keys are built from:
  * a primary becomes a 16-bit code whose two bytes are never 0 and whose
    high byte is at least 2 (above the level separator); the order is kept.
    The second half of an implicit weight (BBBB, bit 15 set) is compared only
    against other second halves, so it gets its own code from its low 15 bits.
  * a secondary or tertiary becomes its rank among the distinct root weights
    of its level (the common weight is rank 1), shifted left by 8: the low
    byte is the room tailorings insert their weights into.
  * a tailored primary keeps the 16-bit code of the root primary it follows
    and gets a non-zero extension byte.

The tables are a byte stream (variable-length integers, deltas), stored in
base64 and decoded once at run time; see collation_data.cpp for the layout.

Usage: python3 tools/gen_collation_tables.py [CLDR_DIR] > kti18n/unicode/collation_tables.cpp
"""
import base64
import os
import re
import sys
import unicodedata

CLDR = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode/cldr"

# Collation names with a standard tailoring: the languages of the catalog
# whose CLDR order differs from root.
LANGUAGES = ["cs", "da", "de", "es", "et", "fi", "hr", "hu", "is", "lt", "lv", "nb", "pl", "ro", "sk",
             "no", "sl", "sv", "tr", "ja", "ko", "zh"]

# Unified_Ideograph ranges of Unicode 14 (PropList.txt). The first group and
# the CJK compatibility block's unified ideographs take the lead weight FB40,
# the other ranges FB80.
CORE_HAN = [(0x4E00, 0x9FFF), (0xFA0E, 0xFA0F), (0xFA11, 0xFA11), (0xFA13, 0xFA14), (0xFA1F, 0xFA1F),
            (0xFA21, 0xFA21), (0xFA23, 0xFA24), (0xFA27, 0xFA29)]
OTHER_HAN = [(0x3400, 0x4DBF), (0x20000, 0x2A6DF), (0x2A700, 0x2B738), (0x2B740, 0x2B81D),
             (0x2B820, 0x2CEA1), (0x2CEB0, 0x2EBE0), (0x30000, 0x3134A)]
# Scripts with implicit weights of their own: (first, last, lead, base).
SIEVED_BLOCKS = [(0x17000, 0x18AFF, 0xFB00, 0x17000), (0x18D00, 0x18D7F, 0xFB00, 0x17000),
                 (0x1B170, 0x1B2FF, 0xFB01, 0x1B170), (0x18B00, 0x18CFF, 0xFB02, 0x18B00)]


def is_assigned(cp):
    return unicodedata.category(chr(cp)) != "Cn"


def implicit_ranges():
    """(first, last, lead, base) for every range with a computed lead; the
    second half is ((cp - base) & 0x7FFF) | 0x8000, the lead
    lead + ((cp - base) >> 15) for Han and unassigned code points."""
    out = []
    for lo, hi, lead, base in SIEVED_BLOCKS:
        cp = lo
        while cp <= hi:
            if is_assigned(cp):
                start = cp
                while cp + 1 <= hi and is_assigned(cp + 1):
                    cp += 1
                out.append((start, cp, lead, base))
            cp += 1
    for lo, hi in CORE_HAN:
        out.append((lo, hi, 0xFB40, 0))
    for lo, hi in OTHER_HAN:
        out.append((lo, hi, 0xFB80, 0))
    return sorted(out)


def implicit_ces(cp, ranges):
    for lo, hi, lead, base in ranges:
        if lo <= cp <= hi:
            if base:
                return [(lead, 0x20, 2), (((cp - base) & 0x7FFF) | 0x8000, 0, 0)]
            return [(lead + (cp >> 15), 0x20, 2), ((cp & 0x7FFF) | 0x8000, 0, 0)]
    return [(0xFBC0 + (cp >> 15), 0x20, 2), ((cp & 0x7FFF) | 0x8000, 0, 0)]


# --- Unicode normalisation data ---------------------------------------------

def canonical_decomposition(cp):
    """The full canonical decomposition of cp (Hangul excluded), or None."""
    d = unicodedata.decomposition(chr(cp))
    if not d or d.startswith("<"):
        return None
    out = []
    for part in d.split():
        sub = canonical_decomposition(int(part, 16))
        out.extend(sub if sub else [int(part, 16)])
    return out


def nfd(cps):
    return [ord(c) for c in unicodedata.normalize("NFD", "".join(map(chr, cps)))]


# --- Root collation ----------------------------------------------------------

def read_allkeys(path):
    table = {}
    for line in open(path, encoding="utf-8"):
        line = line.split("#")[0].strip()
        if not line or line.startswith("@"):
            continue
        keys, ces = line.split(";")
        key = tuple(int(x, 16) for x in keys.split())
        table[key] = [(int(p, 16), int(s, 16), int(t, 16))
                      for p, s, t in re.findall(r"\[[.*]([0-9A-F]+)\.([0-9A-F]+)\.([0-9A-F]+)\]", ces)]
    return table


def is_second_half(ce):
    return ce[0] >= 0x8000 and ce[1] == 0 and ce[2] == 0


def zero_free_code(n):
    """An order-keeping 16-bit code with non-zero bytes, high byte >= 2."""
    code = ((2 + n // 255) << 8) | (1 + n % 255)
    assert code <= 0xFFFF
    return code


class Weights:
    """The renumbering of root weights into runtime codes."""

    def __init__(self, table):
        primaries, secondaries, tertiaries = set(range(0xFB00, 0xFBE2)), set(), set()
        for ces in table.values():
            for i, ce in enumerate(ces):
                if is_second_half(ce):
                    assert i > 0 and 0xFB00 <= ces[i - 1][0] <= 0xFBE1, ces
                    continue
                if ce[0]:
                    primaries.add(ce[0])
                if ce[1]:
                    secondaries.add(ce[1])
                if ce[2]:
                    tertiaries.add(ce[2])
        self.primary = {p: zero_free_code(r) for r, p in enumerate(sorted(primaries))}
        self.secondary = {s: r + 1 for r, s in enumerate(sorted(secondaries))}
        self.tertiary = {t: r + 1 for r, t in enumerate(sorted(tertiaries))}
        assert self.secondary[0x20] == 1 and self.tertiary[2] == 1

    def runtime(self, ce):
        """(primary code, extension, secondary, tertiary) of a root element."""
        p, s, t = ce
        if is_second_half(ce):
            return (zero_free_code(p & 0x7FFF), 0, 0, 0)
        return (self.primary[p] if p else 0, 0, self.secondary.get(s, 0) << 8, self.tertiary.get(t, 0) << 8)


class RootCollation:
    def __init__(self, table):
        self.ranges = implicit_ranges()
        self.weights = Weights(table)
        self.decomp = {}
        self.ccc = {}
        for cp in range(0x110000):
            if 0xAC00 <= cp <= 0xD7A3:
                continue
            d = canonical_decomposition(cp)
            if d:
                self.decomp[cp] = d
            c = unicodedata.combining(chr(cp))
            if c:
                self.ccc[cp] = c
        # The runtime normalises its input, so only keys in NFD are needed.
        self.entries = {}
        for key, ces in sorted(table.items(), key=lambda kv: (len(kv[0]), kv[0])):
            if len(key) == 1 and key[0] in self.decomp:
                continue
            nkey = tuple(nfd(key))
            if nkey != key and nkey in table:
                continue
            self.entries.setdefault(nkey, [self.weights.runtime(ce) for ce in ces])
        self.close_prefixes(self.entries)

    def close_prefixes(self, entries):
        """Longest-match lookup stops at the first missing prefix: give every
        prefix of a contraction an entry of its own."""
        for key in sorted([k for k in entries if len(k) > 2], key=len):
            for n in range(2, len(key)):
                if key[:n] not in entries:
                    entries[key[:n]] = self.elements(key[:n], entries)

    def elements(self, cps, entries=None):
        """Runtime collation elements of a code point sequence, by longest
        contiguous match (enough for rule anchors and prefix closure)."""
        entries = entries if entries is not None else self.entries
        cps = nfd(cps)
        out, i = [], 0
        while i < len(cps):
            n = len(cps) - i
            while n > 1 and tuple(cps[i:i + n]) not in entries:
                n -= 1
            key = tuple(cps[i:i + n])
            if key in entries:
                out.extend(entries[key])
            else:
                out.extend(self.weights.runtime(ce) for ce in implicit_ces(cps[i], self.ranges))
            i += n
        return out


# --- Stream encoding ---------------------------------------------------------

class Stream:
    def __init__(self):
        self.data = bytearray()

    def uint(self, n):
        assert n >= 0
        while n >= 0x80:
            self.data.append((n & 0x7F) | 0x80)
            n >>= 7
        self.data.append(n)

    def sint(self, n):
        self.uint((n << 1) if n >= 0 else ((-n << 1) - 1))

    def elements(self, ces, state):
        """Primary delta against the last non-zero primary (0 for an ignorable
        primary), then secondary and tertiary ranks together; in tailorings
        the low bit of that number says whether the three extension bytes
        (primary, secondary, tertiary) follow."""
        for p, pext, s, t in ces:
            if p:
                d = p - state[0]
                self.uint(((d << 1) if d >= 0 else ((-d << 1) - 1)) + 1)
                state[0] = p
            else:
                self.uint(0)
            st = (s >> 8) * 64 + (t >> 8)
            if not state[1]:
                self.uint(st)
                continue
            ext = pext or (s & 0xFF) or (t & 0xFF)
            self.uint(st * 2 + (1 if ext else 0))
            if ext:
                self.data.append(pext)
                self.data.append(s & 0xFF)
                self.data.append(t & 0xFF)

    def mapping(self, key, ces, state):
        """A key (its first code point as a delta against the previous
        key's) and its elements."""
        self.uint(len(key))
        self.sint(key[0] - state[2])
        state[2] = key[0]
        for cp in key[1:]:
            self.uint(cp)
        self.uint(len(ces))
        self.elements(ces, state)


def root_stream(root):
    s = Stream()
    state = [0, False, 0]
    singles = sorted((k[0], v) for k, v in root.entries.items() if len(k) == 1)
    s.uint(len(singles))
    last = -1
    for cp, ces in singles:
        n = len(ces)
        s.uint(((cp - last - 1) << 4) | min(n, 15))
        if n >= 15:
            s.uint(n - 15)
        s.elements(ces, state)
        last = cp
    contractions = sorted((k, v) for k, v in root.entries.items() if len(k) > 1)
    s.uint(len(contractions))
    for key, ces in contractions:
        s.mapping(key, ces, state)
    # Canonical decompositions, then runs of combining classes.
    s.uint(len(root.decomp))
    last = -1
    for cp in sorted(root.decomp):
        s.uint(cp - last - 1)
        s.uint(len(root.decomp[cp]))
        for d in root.decomp[cp]:
            s.uint(d)
        last = cp
    runs = []
    for cp in sorted(root.ccc):
        if runs and runs[-1][0] + runs[-1][1] == cp and runs[-1][2] == root.ccc[cp]:
            runs[-1][1] += 1
        else:
            runs.append([cp, 1, root.ccc[cp]])
    s.uint(len(runs))
    last = 0
    for cp, n, c in runs:
        s.uint(cp - last)
        s.uint(n)
        s.uint(c)
        last = cp + n
    # Implicit weight ranges.
    s.uint(len(root.ranges))
    for lo, hi, lead, base in root.ranges:
        s.uint(lo)
        s.uint(hi - lo)
        s.uint(root.weights.primary[lead])
        s.uint(base)
    s.uint(root.weights.primary[0xFBC0])
    return bytes(s.data)


def tailoring_stream(entries):
    s = Stream()
    state = [0, True, 0]
    s.uint(len(entries))
    for key, ces in sorted(entries.items()):
        s.mapping(key, ces, state)
    return bytes(s.data)


def emit_blob(out, name, data):
    text = base64.b64encode(data).decode("ascii")
    out.append("const char %s[] =" % name)
    for i in range(0, len(text), 100):
        out.append('    "%s"' % text[i:i + 100])
    out.append("    ;")


def main():
    assert unicodedata.unidata_version == "14.0.0", "needs the Unicode 14 character database"
    table = read_allkeys(os.path.join(CLDR, "common/uca/allkeys_CLDR.txt"))
    root = RootCollation(table)
    tailorings, skipped = [], []
    try:
        import collation_rules
    except ImportError:
        collation_rules = None
    if collation_rules:
        for lang in LANGUAGES:
            entries, notes = collation_rules.tailor(root, CLDR, lang)
            if entries is not None:
                tailorings.append((lang, entries, notes))
            else:
                skipped.extend("// %s: %s" % (lang, note) for note in notes)
    out = ["// Generated by tools/gen_collation_tables.py from CLDR 41 (allkeys_CLDR.txt, collation/*.xml)",
           "// and the Unicode 14 character database; do not edit.",
           '#include "kti18n/unicode/collation_data.h"', "", "namespace kti18n_collation {", ""]
    out.extend(skipped)
    emit_blob(out, "kRootData", root_stream(root))
    for lang, entries, notes in tailorings:
        out.append("")
        for note in notes:
            out.append("// %s: %s" % (lang, note))
        emit_blob(out, "kTailoring_%s" % lang, tailoring_stream(entries))
    out.append("")
    out.append("const TailoringBlob kTailorings[] = {")
    for lang, _, _ in tailorings:
        out.append('    {"%s", kTailoring_%s},' % (lang, lang))
    out.append("    {nullptr, nullptr},")
    out.append("};")
    out.append("const unsigned kTailoringCount = %d;" % len(tailorings))
    out.append("")
    out.append("}  // namespace kti18n_collation")
    print("\n".join(out))


if __name__ == "__main__":
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    main()
