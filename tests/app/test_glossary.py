#!/usr/bin/env python3
"""Fails where a language names one concept with two terms (translations/glossary_<code>.tsv):
a translation of a source text that names the concept must use its term, and the variants
listed must appear nowhere in that language (translations, guide, desktop entry, AppStream
metadata, installer).

    test_glossary.py SOURCE_DIR
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

NSIS = {"fr": "FRENCH", "es": "SPANISH", "de": "GERMAN", "ja": "JAPANESE"}


def text(element):
    forms = element.findall("numerusform")
    if forms:
        return "|".join(text(f) for f in forms)
    return (element.text or "") + "".join(chr(int(b.get("value")[1:], 16)) + (b.tail or "") for b in element)


def joined(s, code):
    # A caption broken over two lines on a picture still says its words, hyphenated or not.
    s = s.replace("\u200b", "").replace("-\n", "")
    return s.replace("\n", "" if code == "ja" else " ")


def faults(root, code):
    glossary = []
    for line in (root / f"translations/glossary_{code}.tsv").read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            concept, english, term, avoid = (line.split("\t") + [""] * 4)[:4]
            glossary.append((concept, re.compile(english, re.I), re.compile(term, re.I), avoid and re.compile(avoid)))
    texts = []  # (what, text, the source it translates)
    for message in ET.parse(root / f"translations/trx61_{code}.ts").getroot().iter("message"):
        texts.append(("translation", joined(text(message.find("translation")), code), text(message.find("source"))))
    texts.append(("guide", (root / f"docs/users-guide.{code}.md").read_text(encoding="utf-8"), ""))
    desktop = (root / "app/desktop/trx61-utility.desktop").read_text(encoding="utf-8")
    texts += [("desktop entry", line, "") for line in desktop.splitlines() if f"[{code}]=" in line]
    metainfo = (root / "packaging/linux/trx61-utility.metainfo.xml.in").read_text(encoding="utf-8")
    texts += [("metainfo", m.group(2), "") for m in re.finditer(rf'<(\w+) xml:lang="{code}">(.*?)</\1>', metainfo, re.S)]
    installer = (root / "packaging/windows/installer.nsi").read_text(encoding="utf-8")
    texts += [("installer", line, "") for line in installer.splitlines() if f"${{LANG_{NSIS[code]}}}" in line]
    found = []
    for what, words, source in texts:
        for concept, english, term, avoid in glossary:
            if source and english.search(source) and not term.search(words):
                found.append(f"{concept}: {words!r} (for {source!r})")
            if avoid and avoid.search(joined(words, code)):
                found.append(f"{concept}: {avoid.search(joined(words, code)).group(0)!r} in the {what}: {words[:80]!r}")
    return found


def main(root):
    root = pathlib.Path(root)
    codes = sorted(p.stem.split("_")[1] for p in (root / "translations").glob("glossary_*.tsv"))
    found = [f"{code}: {fault}" for code in codes for fault in faults(root, code)]
    print("\n".join(found + [f"{len(codes)} glossaries checked, {len(found)} faults"]))
    sys.exit(1 if found or not codes else 0)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
