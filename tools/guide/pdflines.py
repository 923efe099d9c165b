#!/usr/bin/env python3
"""Fails where a line of a guide's PDF begins with a mark that belongs to the word before it
(: ; ! ? ») or ends on an opening guillemet: the line breaking a French space must prevent.

    pdflines.py GUIDE.pdf...
"""
import subprocess
import sys


def faults(pdf):
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, "-"], capture_output=True, text=True, check=True).stdout
    found = []
    for page, content in enumerate(text.split("\f"), 1):
        for line in content.splitlines():
            if line.lstrip()[:1] in (":", ";", "!", "?", "»") or line.rstrip().endswith("«"):
                found.append(f"{pdf}: page {page}: {line.strip()!r}")
    return found


def main(pdfs):
    found = [f for pdf in pdfs for f in faults(pdf)]
    print("\n".join(found + [f"{len(pdfs)} guides read, {len(found)} broken lines"]))
    return 1 if found or not pdfs else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
