#!/usr/bin/env python3
"""Makes .ts files from .ts files, for the build.

    ts-files.py pseudo SOURCE.ts OUT.ts
        The pseudo-language: every source text accented and about 40 % longer, in brackets. A
        text that shows in plain English skipped translation; one cut off does not fit.
        Placeholders (%1, %n) and line breaks are kept as they are.
    ts-files.py subset SOURCE.ts OUT.ts CONTEXT...
        Only the named contexts: the part of Qt's own translations that the program shows.
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


def make_pseudo(root):
    root.set("language", "en_XA")
    for message in root.iter("message"):
        translation = message.find("translation")
        translation.attrib.clear()
        text = pseudo(message.find("source").text or "")
        # A text with a count keeps its plural forms: the pseudo-language has one.
        for form in list(translation):
            translation.remove(form)
        if message.get("numerus") == "yes":
            translation.text = None
            ET.SubElement(translation, "numerusform").text = text
        else:
            translation.text = text


def keep_contexts(root, names):
    for context in list(root.findall("context")):
        if context.findtext("name") not in names:
            root.remove(context)


def main(args):
    if len(args) < 3 or args[0] not in ("pseudo", "subset") or (args[0] == "subset") == (len(args) == 3):
        sys.exit(__doc__)
    tree = ET.parse(args[1])
    if args[0] == "pseudo":
        make_pseudo(tree.getroot())
    else:
        keep_contexts(tree.getroot(), set(args[3:]))
    tree.write(args[2], encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1:])
