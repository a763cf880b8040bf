"""CLDR collation rules (LDML tailoring syntax) applied to the root collation
for gen_collation_tables.py.

Supported: resets `&`, relations `<` `<<` `<<<` `=` and their star forms,
`[before 1]`, expansions `/`, contractions (multi-character strings),
`[import lang-u-co-type]`, quoting and \\u escapes, comments. Settings that
only change options the runtime does not have (`[caseFirst]`, `[reorder]`,
`[strength]`, ...), `[before 2]`, `[before 3]`, prefix rules `|` and
quaternary relations are reported back as notes and skipped.

Weights are placed the way the rules read: a relation puts its string
immediately after the previous one at its strength, before anything placed
there earlier. Each root weight owns, per level and context, an ordered list
of the tailored weights inserted after it; once all rules are read, list
positions become the extension bytes of the weights.
"""
import os
import re
import xml.etree.ElementTree as ET

# CLDR's collation data for a language that has none of its own.
ALIASES = {"nb": "no"}

COMMON = 0x100


class Node:
    """A tailored weight: placed in an ordered list after a root weight."""

    def __init__(self, base, lst):
        self.base = base
        self.list = lst
        self.ext = 0


class Weight:
    """A weight during tailoring: a root value and an optional node."""
    __slots__ = ("root", "node")

    def __init__(self, root, node=None):
        self.root = root
        self.node = node

    def key(self):
        return (self.root, id(self.node) if self.node else 0)


class Unsupported(Exception):
    pass


def tokenize(rules):
    """Yields (operator, text) pairs and ('[', option) settings."""
    i, n = 0, len(rules)
    ops = ("<<<<", "<<<", "<<", "<", "=", "&")
    while i < n:
        c = rules[i]
        if c.isspace():
            i += 1
        elif c == "#":
            while i < n and rules[i] != "\n":
                i += 1
        elif c == "[":
            j, depth = i, 0
            while True:  # options such as [optimize [...]] nest
                depth += {"[": 1, "]": -1}.get(rules[j], 0)
                if depth == 0:
                    break
                j += 1
            yield "[", rules[i + 1:j].strip()
            i = j + 1
        elif c in "/|":
            i += 1
            text, i = read_text(rules, i)
            yield c, text
        else:
            for op in ops:
                if rules.startswith(op, i):
                    i += len(op)
                    star = i < n and rules[i] == "*"
                    if star:
                        i += 1
                    # A reset may carry a [before n] option.
                    if op == "&":
                        while i < n and rules[i].isspace():
                            i += 1
                        if rules.startswith("[", i):
                            j = rules.index("]", i)
                            yield "[", rules[i + 1:j].strip()
                            i = j + 1
                    text, i = read_text(rules, i)
                    yield op + ("*" if star else ""), text
                    break
            else:
                raise Unsupported("unexpected %r in rules" % rules[i:i + 10])


def read_text(rules, i):
    n = len(rules)
    while i < n and rules[i].isspace():
        i += 1
    out = []
    while i < n:
        c = rules[i]
        if c == "\\" and i + 1 < n and rules[i + 1] in "uU":
            width = 4 if rules[i + 1] == "u" else 8
            out.append(chr(int(rules[i + 2:i + 2 + width], 16)))
            i += 2 + width
        elif c == "'":
            j = rules.index("'", i + 1)
            out.append(rules[i + 1:j] if j > i + 1 else "'")
            i = j + 1
        elif c.isspace() or c in "&<=/|[#":
            break
        else:
            out.append(c)
            i += 1
    return "".join(out), i


def rules_of(cldr, lang, kind="standard", seen=None):
    """The rule text of a collation type of a language, with imports
    expanded; None when the language has no such collation."""
    path = os.path.join(cldr, "common/collation/%s.xml" % ALIASES.get(lang, lang))
    if not os.path.exists(path):
        return None
    root = ET.parse(path).getroot()
    for coll in root.iter("collation"):
        if coll.get("type") == kind and not coll.get("alt"):
            cr = coll.find("cr")
            text = cr.text if cr is not None and cr.text else ""
            return expand_imports(cldr, text, seen or set())
    return None


def expand_imports(cldr, text, seen):
    def replace(m):
        target = m.group(1).strip()
        lang, _, kind = target.partition("-u-co-")
        if lang in ("und", "root") or target in seen:
            return ""
        seen.add(target)
        sub = rules_of(cldr, lang.replace("-", "_"), kind or "standard", seen)
        return sub or ""
    return re.sub(r"\[import\s+([^\]]+)\]", replace, text)


class Tailoring:
    def __init__(self, root):
        self.root = root
        self.lists = {}
        self.entries = {}  # NFD key -> [(P, S, T) as Weights]
        self.notes = []
        self.root_primaries = sorted(set(root.weights.primary.values()))

    # --- weights -----------------------------------------------------------

    def from_runtime(self, ces):
        return [(Weight(p << 8 | e), Weight(s), Weight(t)) for p, e, s, t in ces]

    def elements(self, text):
        """Elements of a string under the rules read so far."""
        cps = tuple(self.root_nfd(text))
        out, i = [], 0
        while i < len(cps):
            n = len(cps) - i
            while n > 1 and cps[i:i + n] not in self.entries and cps[i:i + n] not in self.root.entries:
                n -= 1
            key = cps[i:i + n]
            if key in self.entries:
                out.extend(self.entries[key])
            else:
                out.extend(self.from_runtime(self.root.elements(list(key))))
            i += n
        return out

    def root_nfd(self, text):
        from gen_collation_tables import nfd
        return nfd([ord(c) for c in text])

    def insert_after(self, level_key, weight):
        """A new node placed immediately after weight in its list."""
        if weight.node:
            lst = weight.node.list
            pos = lst.index(weight.node) + 1
            base = weight.node.base
        else:
            lst = self.lists.setdefault(level_key + (weight.root,), [])
            pos = 0
            base = weight.root
        node = Node(base, lst)
        lst.insert(pos, node)
        return Weight(base, node)

    def relation(self, context, prev, strength):
        """The element of a string placed after the element prev, which
        follows the elements context in the string placed before."""
        p, s, t = prev
        common = Weight(COMMON)
        if strength == 1:
            if p.root and not s.root and not t.root:
                raise Unsupported("a primary placed after an implicit weight")
            if not p.root:
                raise Unsupported("primary relation after an ignorable")
            return (self.insert_after(("p",), p), common, common)
        if strength == 2:
            return (p, self.insert_after(("s", context, p.key()), s), common)
        return (p, s, self.insert_after(("t", context, p.key(), s.key()), t))

    def before_primary(self, ces):
        """A synthetic element just below the primary of the last element."""
        p = ces[-1][0]
        if p.node or not p.root:
            raise Unsupported("[before 1] of a tailored or ignorable primary")
        code = p.root >> 8
        import bisect
        k = bisect.bisect_left(self.root_primaries, code)
        prev = self.root_primaries[k - 1]
        lst = self.lists.setdefault(("p", prev << 8), [])
        w = Weight(prev << 8, lst[-1]) if lst else Weight(prev << 8)
        return ces[:-1] + [(w, Weight(COMMON), Weight(COMMON))]

    # --- rules ---------------------------------------------------------------

    def apply(self, rules):
        prev = None
        before = 0
        for op, text in tokenize(rules):
            if op == "[":
                m = re.match(r"before\s+(\d)", text)
                if m:
                    before = int(m.group(1))
                elif not text.startswith(("import", "optimize", "suppressContractions")):
                    self.note("option [%s] not expressed" % text)
                continue
            if op == "&":
                prev = self.elements(text)
                if before == 1:
                    prev = self.before_primary(prev)
                elif before:
                    raise Unsupported("[before %d]" % before)
                before = 0
                continue
            if op == "/":
                self.last_extension(text)
                continue
            if op == "|":
                raise Unsupported("prefix rules")
            if op.startswith("<<<<"):
                # No fourth level: such strings tie at three levels and
                # are told apart by their code points.
                self.note("quaternary relations taken as equal")
                op = op.replace("<<<<", "=")
            if prev is None:
                raise Unsupported("relation without a reset")
            strings = list(text) if op.endswith("*") else [text]
            for string in strings:
                prev = self.place(op.rstrip("*"), string, prev)
        return self

    def place(self, op, string, prev):
        if op == "=":
            ces = list(prev)
        else:
            last = len(prev) - 1
            while last > 0 and not prev[last][0].root and op == "<":
                last -= 1
            context = tuple(w.key() for ce in prev[:last] for w in ce)
            new = self.relation(context, prev[last], {"<": 1, "<<": 2, "<<<": 3}[op])
            ces = prev[:last] + [new] + prev[last + 1:]
        key = tuple(self.root_nfd(string))
        self.entries[key] = ces
        self.last_key = key
        return ces

    def last_extension(self, text):
        """`x / y`: x sorts as its place plus the elements of y."""
        self.entries[self.last_key] = self.entries[self.last_key] + self.elements(text)

    def note(self, text):
        if text not in self.notes:
            self.notes.append(text)

    # --- output ----------------------------------------------------------------

    def runtime_entries(self):
        for lst in self.lists.values():
            for i, node in enumerate(lst):
                node.ext = i + 1
        for key, lst in self.lists.items():
            if key[0] == "p" and len(lst) > 254:
                raise Unsupported("more than 254 primaries after one root primary")
            if len(lst) > 255:
                raise Unsupported("more than 255 weights after one root weight")

        def value(w):
            return w.root | (w.node.ext if w.node else 0)

        out = {}
        for key, ces in self.entries.items():
            rt = []
            for p, s, t in ces:
                pv = value(p)
                rt.append((pv >> 8, pv & 0xFF, value(s), value(t)))
            out[key] = rt
        merged = dict(self.root.entries)
        merged.update(out)
        before = set(merged)
        self.root.close_prefixes(merged)
        for key in set(merged) - before:
            out[key] = merged[key]
        return out


def tailor(root, cldr, lang):
    """(entries, notes) of a language's standard tailoring; (None, notes)
    when the language has none or it cannot be expressed."""
    rules = rules_of(cldr, lang)
    if not rules:
        return None, []
    t = Tailoring(root)
    try:
        t.apply(rules)
        entries = t.runtime_entries()
    except Unsupported as e:
        return None, ["not expressed: %s" % e]
    return entries, t.notes
