#!/usr/bin/env python3
"""Generates the records of the locale-data module from the Unicode CLDR.

Reads the CLDR XML ('common' folder of Debian's unicode-cldr-core) and the
Windows locale identifiers (cldr/lcid.tsv), and writes the module's record
tables as C++ source, plus a note of the locales whose data needed a
fallback. With --check it writes nothing and fails when the committed
source differs from what the CLDR at hand gives.
"""

import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "cldr"))

from cldr_tree import Cldr  # noqa: E402
from emit_cpp import emit  # noqa: E402
from records import NEUTRAL_LCID, Notes, build_records  # noqa: E402

DEFAULT_CLDR = "/usr/share/unicode/cldr/common"
REPO = os.path.dirname(HERE)
DEFAULT_OUTPUT = os.path.join(REPO, "kti18nloc", "records.cpp")
DEFAULT_NOTES = os.path.join(HERE, "cldr", "fallbacks.txt")
INCLUDE = "kti18nloc/records.h"

# The locale without language: the built-in identification's names, and the
# built-in punctuation and calendar names (null records).
NEUTRAL = {
    "lcid": NEUTRAL_LCID, "tag": "i18n",
    "ident": {"code": "i18n", "language": None, "sort_display": "Unicode collation", "sort_name": "i18n",
              "encoding_display": "Western European (Windows)", "encoding": "CP1252", "display": "International"},
}


def cldr_version(common):
    with open(os.path.join(common, "dtd", "ldml.dtd"), encoding="utf-8") as handle:
        match = re.search(r'cldrVersion CDATA #FIXED "([^"]+)"', handle.read())
    return match.group(1) if match else "unknown"


def notes_text(notes):
    lines = ["# Locales whose CLDR data needed a fallback (written by tools/gen_locale_data.py)."]
    for topic in sorted(notes.items):
        locales = sorted(set(notes.items[topic]))
        lines.append("%s (%d): %s" % (topic, len(locales), " ".join(locales)))
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cldr", default=DEFAULT_CLDR, help="CLDR 'common' folder")
    parser.add_argument("--lcids", default=os.path.join(HERE, "cldr", "lcid.tsv"))
    parser.add_argument("--output", default=DEFAULT_OUTPUT)
    parser.add_argument("--notes", default=DEFAULT_NOTES)
    parser.add_argument("--check", action="store_true", help="compare with the committed files instead")
    args = parser.parse_args()

    if not os.path.isdir(os.path.join(args.cldr, "main")):
        print("gen_locale_data: skipped, no CLDR at %s (install unicode-cldr-core)" % args.cldr, file=sys.stderr)
        # 77 tells the test runner that the check was skipped.
        return 77 if args.check else 2
    cldr = Cldr(args.cldr)
    notes = Notes()
    records = build_records(cldr, args.lcids, notes)
    outputs = {
        args.output: emit(records, NEUTRAL, INCLUDE, "CLDR " + cldr_version(args.cldr)),
        args.notes: notes_text(notes),
    }
    if args.check:
        stale = []
        for path, text in outputs.items():
            try:
                with open(path, encoding="utf-8") as handle:
                    if handle.read() != text:
                        stale.append(path)
            except FileNotFoundError:
                stale.append(path)
        for path in stale:
            print("gen_locale_data: %s differs from what CLDR gives" % path, file=sys.stderr)
        return 1 if stale else 0
    for path, text in outputs.items():
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as handle:
            handle.write(text)
    print("gen_locale_data: %d locales plus the neutral one -> %s" % (len(records), args.output))
    return 0


if __name__ == "__main__":
    sys.exit(main())
