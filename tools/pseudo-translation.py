#!/usr/bin/env python3
"""Writes the pseudo-language: every source text of a .ts file accented and about 40 % longer.

    pseudo-translation.py SOURCE.ts OUT.ts

A text that shows in plain English skipped translation; one that is cut off does not fit.
Placeholders (%1, %n) and line breaks are kept as they are.
"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans(
    "abcdeghijklnoprstuwyzABCDEGHIJKLNOPRSTUWYZ",
    "åƀçđéĝĥîĵķļñöþŕšţûŵýžÅƁÇĐÉĜĤÎĴĶĻÑÖÞŘŠŢÛŴÝŽ")
PLACEHOLDER = re.compile(r"(%L?\d+|%n)")


def pseudo(text):
    parts = PLACEHOLDER.split(text)
    accented = "".join(p if PLACEHOLDER.fullmatch(p) else p.translate(ACCENTED) for p in parts)
    # The padding goes before a closing line break, so that it shows on the text's own line.
    body = accented.rstrip("\r\n")
    ending = accented[len(body):]
    padding = "·" * max(1, round(len(text) * 0.4) - 2)
    return "[" + body + padding + "]" + ending


def main(source, out):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        translation = message.find("translation")
        translation.attrib.clear()
        translation.text = pseudo(message.find("source").text or "")
    tree.write(out, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
