#!/usr/bin/env python3
"""Fails where a line drawn on a picture starts or ends inside a word: every line must end
where its text allows a break (a marked break point, U+200B, which Japanese puts between its
words; a space; a hyphen; a line break of the text itself). Draws the pictures of each
language with the artwork generator and reads back the lines it drew.

    test_picture_breaks.py ARTGEN BUILD_DIR
"""
import json
import pathlib
import subprocess
import sys
import tempfile

MARK = "\u200b"


def allowed_cuts(text):
    """Offsets in the text as drawn (marks and line breaks dropped) where a line may end."""
    cuts, at = {0}, 0
    for i, ch in enumerate(text):
        if ch in (MARK, "\n"):
            cuts.add(at)
            continue
        at += 1
        if ch in " -" or (i + 1 < len(text) and text[i + 1] == " "):
            cuts.add(at)
    cuts.add(at)
    return cuts


def faults(drawn):
    found = []
    for entry in drawn:
        text, lines = entry["text"], entry["lines"]
        flat = text.replace(MARK, "").replace("\n", "")
        if "".join(lines).replace("\n", "") != flat:
            found.append(f"{text!r} drawn as {lines!r}")
            continue
        cuts, at = allowed_cuts(text), 0
        for line in lines[:-1]:
            at += len(line)
            if at not in cuts:
                found.append(f"{line!r} ends inside a word of {text!r}")
    return found


def main(artgen, build):
    failed = 0
    for language in ("en", "fr", "es", "de", "ja"):
        qm = [] if language == "en" else [str(pathlib.Path(build) / "app" / f"trx61_{language}.qm")]
        with tempfile.TemporaryDirectory() as out:
            # whether everything fits is test_picture_fit's question
            subprocess.run([artgen, "--check", out] + qm, check=False, stderr=subprocess.DEVNULL)
            drawn = json.loads((pathlib.Path(out) / "lines.json").read_text(encoding="utf-8"))
        wrapped = sum(len(e["lines"]) > 1 for e in drawn)
        for fault in faults(drawn):
            print(f"{language}: {fault}")
            failed += 1
        print(f"{language}: {len(drawn)} texts drawn, {wrapped} on more than one line")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
