"""Reading resolved values out of the CLDR XML tree.

A CLDR locale holds only what differs from its parent, so every value is
looked up along the locale's chain (for example sr_Latn_BA, sr_Latn, root:
the parentLocales table of supplementalData.xml overrides plain truncation).
Root also holds aliases, which redirect a whole subtree elsewhere (the
abbreviated month names to the wide ones, stand-alone names to format
names). An alias met at any level of the chain restarts the lookup of the
rewritten path from the most specific locale again, which is how CLDR
defines inheritance through aliases: a child's own data under the alias
target wins over root's.
"""

import os
import re
import xml.etree.ElementTree as ET

# Attributes that do not tell one element from its siblings.
_NON_DISTINGUISHING = {"draft", "references", "validSubLocales", "standard"}

# A value that means "take the parent's" (CLDR's inheritance marker).
_INHERIT = "\u2191\u2191\u2191"

_SEGMENT = re.compile(r"([A-Za-z]+)((?:\[@[A-Za-z]+='[^']*'\])*)")
_PREDICATE = re.compile(r"\[@([A-Za-z]+)='([^']*)'\]")


def parse_path(text):
    """'a/b[@type='x']' -> [('a', {}), ('b', {'type': 'x'})]; '..' stays."""
    segments = []
    for part in text.split("/"):
        if part in ("", "."):
            continue
        if part == "..":
            segments.append("..")
            continue
        match = _SEGMENT.fullmatch(part)
        if not match:
            raise ValueError("bad CLDR path segment: " + part)
        segments.append((match.group(1), dict(_PREDICATE.findall(match.group(2)))))
    return segments


def _key(element):
    return {k: v for k, v in element.attrib.items() if k not in _NON_DISTINGUISHING}


class Cldr:
    """One CLDR 'common' folder: the locale files and the supplemental data."""

    def __init__(self, common_dir):
        self.common = common_dir
        self._trees = {}
        supplemental = ET.parse(os.path.join(common_dir, "supplemental", "supplementalData.xml")).getroot()
        self.parents = {}
        for entry in supplemental.iter("parentLocale"):
            for name in entry.get("locales").split():
                self.parents[name] = entry.get("parent")
        self.currencies = {}
        for region in supplemental.iter("region"):
            self.currencies[region.get("iso3166")] = [
                (c.get("iso4217"), c.get("from"), c.get("to"), c.get("tender"))
                for c in region.findall("currency")]
        self.currency_fractions = {
            info.get("iso4217"): (int(info.get("digits")), int(info.get("rounding")))
            for info in supplemental.iter("info") if info.get("iso4217")}
        likely = ET.parse(os.path.join(common_dir, "supplemental", "likelySubtags.xml")).getroot()
        self.likely = {e.get("from"): e.get("to") for e in likely.iter("likelySubtag")}
        systems = ET.parse(os.path.join(common_dir, "supplemental", "numberingSystems.xml")).getroot()
        self.digits = {e.get("id"): e.get("digits") for e in systems.iter("numberingSystem")
                       if e.get("type") == "numeric"}

    def has_locale(self, name):
        return os.path.exists(os.path.join(self.common, "main", name + ".xml"))

    def parent(self, name):
        if name == "root":
            return None
        if name in self.parents:
            return self.parents[name]
        return name.rsplit("_", 1)[0] if "_" in name else "root"

    def chain(self, name):
        names = []
        while name is not None:
            if self.has_locale(name):
                names.append(name)
            name = self.parent(name)
        return names

    def _tree(self, name):
        if name not in self._trees:
            self._trees[name] = ET.parse(os.path.join(self.common, "main", name + ".xml")).getroot()
        return self._trees[name]

    @staticmethod
    def _child(element, tag, attrs):
        for child in element:
            if child.tag == tag and _key(child) == attrs:
                return child
        return None

    def _walk(self, root, path):
        """The element at path (a list of (tag, attrs)), or None; and the
        deepest alias met on the way as (depth, alias element)."""
        element = root
        alias = None
        for depth, (tag, attrs) in enumerate(path):
            for child in element:
                if child.tag == "alias":
                    alias = (depth, child)
            element = self._child(element, tag, attrs)
            if element is None:
                return None, alias
        for child in element:
            if child.tag == "alias":
                alias = (len(path), child)
        return element, alias

    def element(self, locale, path, _hops=0):
        """The resolved element at path ('ldml' excluded) for the locale."""
        if isinstance(path, str):
            path = parse_path(path)
        if _hops > 20:
            raise ValueError("alias loop at " + repr(path))
        for name in self.chain(locale):
            found, alias = self._walk(self._tree(name), path)
            if found is not None and (found.text or "").strip() != _INHERIT and not _is_alias_only(found):
                return found
            if alias is not None:
                depth, node = alias
                target = list(path[:depth])
                for segment in parse_path(node.get("path")):
                    if segment == "..":
                        target.pop()
                    else:
                        target.append(segment)
                return self.element(locale, target + list(path[depth:]), _hops + 1)
        return None

    def value(self, locale, path, default=None):
        found = self.element(locale, path)
        if found is None:
            return default
        return found.text or ""


def _is_alias_only(element):
    children = list(element)
    return bool(children) and all(c.tag == "alias" for c in children)
