#!/usr/bin/env python3
"""Fails where a language names one concept with two terms: every translation of a source
text that names a concept of translations/glossary_<code>.tsv must use its term, and the
variants it lists must appear nowhere in that language (translations, user guide, desktop
entry, AppStream metadata, installer).

    test_glossary.py SOURCE_DIR
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

NSIS_LANGUAGES = {"fr": "FRENCH", "es": "SPANISH", "de": "GERMAN", "ja": "JAPANESE"}


def text(element):
    forms = element.findall("numerusform")
    if forms:
        return "|".join(text(f) for f in forms)
    return (element.text or "") + "".join(chr(int(b.get("value")[1:], 16)) + (b.tail or "") for b in element)


def read_glossary(path):
    rows = []
    for line in path.read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        concept, english, term, avoid = (line.split("\t") + [""] * 4)[:4]
        rows.append((concept, re.compile(english, re.I), re.compile(term, re.I), re.compile(avoid) if avoid else None))
    return rows


def joined(s, code):
    # A caption broken over two lines on a picture still says its words; so does a hyphenated one.
    s = s.replace("\u200b", "").replace("-\n", "")
    return s.replace("\n", "" if code == "ja" else " ")


def elsewhere(root, code):
    """This language's texts outside the .ts file, as (where, text)."""
    guide = root / "docs" / f"users-guide.{code}.md"
    yield guide.name, guide.read_text(encoding="utf-8")
    for line in (root / "app/desktop/trx61-utility.desktop").read_text(encoding="utf-8").splitlines():
        if f"[{code}]=" in line:
            yield "desktop entry", line
    metainfo = (root / "packaging/linux/trx61-utility.metainfo.xml.in").read_text(encoding="utf-8")
    for m in re.finditer(rf'<(\w+) xml:lang="{code}">(.*?)</\1>', metainfo, re.S):
        yield "metainfo", m.group(2)
    for line in (root / "packaging/windows/installer.nsi").read_text(encoding="utf-8").splitlines():
        if f"${{LANG_{NSIS_LANGUAGES[code]}}}" in line:
            yield "installer", line


def faults(root, code):
    glossary = read_glossary(root / "translations" / f"glossary_{code}.tsv")
    found = []
    for message in ET.parse(root / "translations" / f"trx61_{code}.ts").getroot().iter("message"):
        source = text(message.find("source"))
        translation = joined(text(message.find("translation")), code)
        for concept, english, term, avoid in glossary:
            if english.search(source) and not term.search(translation):
                found.append(f"{concept}: {translation!r} (for {source!r})")
            if avoid and avoid.search(translation):
                found.append(f"{concept}: {avoid.search(translation).group(0)!r} in {translation!r}")
    for where, words in elsewhere(root, code):
        for concept, _, _, avoid in glossary:
            if avoid and avoid.search(joined(words, code)):
                found.append(f"{concept}: {avoid.search(joined(words, code)).group(0)!r} in the {where}")
    return found


def main(root):
    root = pathlib.Path(root)
    codes = sorted(p.stem.split("_")[1] for p in (root / "translations").glob("glossary_*.tsv"))
    failed = 0
    for code in codes:
        for fault in faults(root, code):
            print(f"{code}: {fault}")
            failed += 1
    print(f"{len(codes)} glossaries checked, {failed} faults")
    sys.exit(1 if failed or not codes else 0)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
