#!/usr/bin/env python3
"""Fails where a line drawn on a picture ends inside a word: only at a marked break (U+200B,
which Japanese puts between its words), a space, a hyphen or the text's own line break.
Draws each language's pictures and reads back the lines drawn.

    test_picture_breaks.py ARTGEN BUILD_DIR
"""
import json
import pathlib
import subprocess
import sys
import tempfile


def cuts(text):
    """Where, in the text as drawn (marks and line breaks dropped), a line may end."""
    allowed, at = {0}, 0
    for i, ch in enumerate(text):
        if ch in "\u200b\n":
            allowed.add(at)
        else:
            at += 1
            if ch in " -" or text[i + 1:i + 2] == " ":
                allowed.add(at)
    return allowed


def main(artgen, build):
    failed = 0
    for language in ("en", "fr", "es", "de", "ja"):
        qm = [] if language == "en" else [f"{build}/app/trx61_{language}.qm"]
        with tempfile.TemporaryDirectory() as out:
            # whether everything fits is test_picture_fit's question
            subprocess.run([artgen, "--check", out] + qm, check=False, stderr=subprocess.DEVNULL)
            drawn = json.loads((pathlib.Path(out) / "lines.json").read_text(encoding="utf-8"))
        for entry in drawn:
            at = 0
            for line in entry["lines"][:-1]:
                at += len(line)
                if at not in cuts(entry["text"]):
                    print(f"{language}: {line!r} ends inside a word of {entry['text']!r}")
                    failed += 1
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
