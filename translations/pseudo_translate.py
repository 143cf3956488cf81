#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the pseudo-language catalogue: every source text accented and about 40 % longer.

Usage: pseudo_translate.py SOURCE.ts PSEUDO.ts

Accents show at a glance which texts went through the catalogue; the extra length shows
which layouts clip the longer words of most other languages. Placeholders (%1, %n, %L2),
markup and escapes are kept as they are, or the program could not fill them in.
"""
import re
import sys
import xml.etree.ElementTree as ElementTree

ACCENTED = str.maketrans(
    "AaCcDEeGgHhIiJjKkLlNnOoRrSsTtUuWwYyZz",
    "ÅåÇçÐÉéĜĝĤĥÎîĴĵĶķĻļÑñÖöŘřŠšŢţÛûŴŵÝýŽž",
)
# Placeholders, markup and character references pass through untouched.
KEPT = re.compile(r"(%L?\d+|%n|%Ln|<[^>]*>|&\w+;|\\n|\n)")


def pseudo(text):
    parts = KEPT.split(text)
    out = "".join(p if KEPT.fullmatch(p) else p.translate(ACCENTED) for p in parts)
    letters = sum(1 for p in parts if not KEPT.fullmatch(p) for ch in p if ch.isalpha())
    padding = "·" * max(1, round(letters * 0.4)) if letters else ""
    return "[" + out + padding + "]" if letters else out


def main(source_path, pseudo_path):
    tree = ElementTree.parse(source_path)
    root = tree.getroot()
    root.set("language", "en")
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        translation.text = None
        for form in list(translation):
            translation.remove(form)
        if message.get("numerus") == "yes":
            for _ in range(2):
                ElementTree.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(pseudo_path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
