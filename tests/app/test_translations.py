#!/usr/bin/env python3
"""Fails on any translation that is unfinished, obsolete or empty, or that drops a placeholder,
on French punctuation that a line could be broken before, and on a Japanese half-width colon.

    test_translations.py TRANSLATIONS_DIR
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET


def text(element):
    # A carriage return is stored as <byte value="xd"/>; a text with a count has its plural forms.
    forms = element.findall("numerusform")
    if forms:
        return "|".join(text(f) for f in forms)
    return (element.text or "") + "".join(chr(int(b.get("value")[1:], 16)) + (b.tail or "") for b in element)


def faults(path):
    found = []
    for message in ET.parse(path).getroot().iter("message"):
        source = text(message.find("source"))
        if not source:
            continue  # a note on the whole context, for translators
        translation = message.find("translation")
        kind = translation.get("type")
        if kind in ("unfinished", "obsolete", "vanished"):
            found.append(f"{kind}: {source!r}")
        elif not all(form.strip() for form in text(translation).split("|")):
            found.append(f"empty: {source!r}")
        elif any(sorted(re.findall(r"%\d|%n", source)) != sorted(re.findall(r"%\d|%n", form))
                 for form in text(translation).split("|")):
            found.append(f"placeholders differ: {source!r}")
        elif (path.name.endswith("_fr.ts") and "--language" not in source
              and re.search(r" [?!:;\u00bb]|\u00ab ", text(translation))):
            # The window wraps at spaces: a lone "?" or "»" would start a line.
            found.append(f"breakable space at punctuation: {source!r}")
        elif path.name.endswith("_ja.ts") and ":" in text(translation):
            found.append(f"half-width colon (Japanese writes \uff1a): {source!r}")
    return found


def main(folder):
    files = sorted(pathlib.Path(folder).glob("*.ts"))
    if not files:
        sys.exit(f"no .ts files in {folder}")
    failed = 0
    for path in files:
        for fault in faults(path):
            print(f"{path.name}: {fault}")
            failed += 1
    print(f"{len(files)} translation files checked, {failed} faults")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "translations")
