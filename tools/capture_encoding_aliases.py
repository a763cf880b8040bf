#!/usr/bin/env python3
"""Captures the encoding names this host knows into committed input files of
tools/gen_encoding_aliases.py, so that the build never needs iconv or Python's
tables of this host:

  iconv-names.txt     every name `iconv -l` lists, with a fingerprint of what
                      iconv decodes under it (names of one converter share it)
  python-aliases.txt  Python's encodings.aliases, "alias codec" per line

Usage: tools/capture_encoding_aliases.py [OUTPUT_DIR]
"""
import encodings.aliases
import hashlib
import os
import subprocess
import sys

# Every single byte, then lead and trail bytes of the usual double-byte
# encodings, then an escape sequence of the stateful ones: two names whose
# decodings of all this agree are one converter.
SAMPLE = (bytes(range(256)) + bytes([0x81, 0x40, 0x88, 0x9F, 0xA4, 0xA1, 0xB0, 0xA1, 0xC8, 0xFE, 0xE0, 0x40,
                                     0xF0, 0x40, 0x8E, 0xA1, 0x8F, 0xA2, 0xAF]) +
          b"\x1b$B\x30\x21\x1b(B~{\x30\x21~}\x1b$)C\x0e\x30\x21\x0f")


def fingerprint(name):
    run = subprocess.run(["iconv", "-c", "-f", name, "-t", "UTF-8"], input=SAMPLE, capture_output=True)
    if not run.stdout:
        return "-"
    return hashlib.sha1(run.stdout).hexdigest()[:16]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "third_party",
                                                             "data", "encoding_aliases")
    listed = subprocess.run(["iconv", "-l"], capture_output=True, text=True, check=True).stdout
    names = [n.strip().rstrip("/") for n in listed.replace(",", "\n").split()]
    names = sorted({n for n in names if n})
    with open(os.path.join(out, "iconv-names.txt"), "w") as f:
        f.write("# iconv -l of the host, each name with the fingerprint of its decoding\n")
        for name in names:
            f.write(f"{name} {fingerprint(name)}\n")
    with open(os.path.join(out, "python-aliases.txt"), "w") as f:
        f.write(f"# encodings.aliases of Python {sys.version.split()[0]}: alias codec\n")
        for alias, codec in sorted(encodings.aliases.aliases.items()):
            f.write(f"{alias} {codec}\n")


if __name__ == "__main__":
    main()
