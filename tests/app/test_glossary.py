#!/usr/bin/env python3
"""Fails where a language names one concept with two terms (translations/glossary_<code>.tsv):
a translation of a source text that names the concept must use its term, and the variants
listed must appear nowhere in that language (translations, guide, desktop entry, AppStream
metadata, installer). A row that cannot be read, or that checks nothing (its English words
name no text of the program and it lists nothing to avoid), fails too.

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


def read_glossary(path, sources):
    """The rows of a glossary, and the faults of those that cannot be read or check nothing."""
    rows, found = [], []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        where = f"{path.name}:{number}"
        fields = line.split("\t")
        if len(fields) not in (3, 4) or not all(f.strip() for f in fields[:3]):
            found.append(f"{where}: not three or four tab-separated columns (concept, English, term[, avoid]): {line!r}")
            continue
        concept, english, term, avoid = (fields + [""])[:4]
        try:
            row = (concept, re.compile(english, re.I), re.compile(term, re.I), avoid and re.compile(avoid))
        except re.error as e:
            found.append(f"{where}: {concept}: not a regular expression ({e})")
            continue
        if not avoid and not any(row[1].search(s) for s in sources):
            found.append(f"{where}: {concept}: {english!r} names no text of the program and nothing is to be avoided, "
                         "so the row checks nothing")
        rows.append(row)
    return rows, found


def faults(root, code):
    messages = list(ET.parse(root / f"translations/trx61_{code}.ts").getroot().iter("message"))
    sources = [text(m.find("source")) for m in messages]
    glossary, found = read_glossary(root / f"translations/glossary_{code}.tsv", sources)
    texts = []  # (what, text, the source it translates)
    for message, source in zip(messages, sources):
        texts.append(("translation", joined(text(message.find("translation")), code), source))
    guide = (root / f"docs/users-guide.{code}.md").read_text(encoding="utf-8")
    texts.append(("guide", re.sub(r"<!-- en [0-9a-f]+ -->|\{\{.*?\}\}", "", guide, flags=re.S), ""))
    desktop = (root / "app/desktop/trx61-utility.desktop").read_text(encoding="utf-8")
    texts += [("desktop entry", line, "") for line in desktop.splitlines() if f"[{code}]=" in line]
    metainfo = (root / "packaging/linux/trx61-utility.metainfo.xml.in").read_text(encoding="utf-8")
    texts += [("metainfo", m.group(2), "") for m in re.finditer(rf'<(\w+) xml:lang="{code}">(.*?)</\1>', metainfo, re.S)]
    installer = (root / "packaging/windows/installer.nsi").read_text(encoding="utf-8")
    texts += [("installer", line, "") for line in installer.splitlines() if f"${{LANG_{NSIS[code]}}}" in line]
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
