#!/usr/bin/env python3
"""Writes the Japanese face of a CJK font collection as a font of its own in which the Kangxi
radicals (U+2E80 to U+2FDF) map to no glyph.

Those radicals share their glyphs with the common ideographs (the radical 見 and the ideograph
見 are one glyph), and a PDF writer that names each glyph by the lowest code point that maps to
it then writes radicals into the PDF's text: the guide looks right, but searching or copying
its Japanese finds nothing. The guide never uses the radicals themselves.

    cjk-font.py COLLECTION.ttc "Noto Sans CJK JP" NEW-FAMILY OUTPUT.otf
"""
import sys

from fontTools.ttLib import TTCollection


def main(collection, family, new_family, output):
    for font in TTCollection(collection).fonts:
        if font["name"].getDebugName(1) == family:
            break
    else:
        sys.exit(f"no face of the family {family} in {collection}")
    for table in font["cmap"].tables:
        for code in [c for c in table.cmap if 0x2E80 <= c <= 0x2FDF]:
            del table.cmap[code]
    style = font["name"].getDebugName(2) or "Regular"
    for record in list(font["name"].names):
        if record.nameID in (16, 17, 21, 22):  # typographic names would bring the old family back
            font["name"].removeNames(nameID=record.nameID)
    font["name"].setName(new_family, 1, 3, 1, 0x409)
    font["name"].setName(f"{new_family} {style}", 4, 3, 1, 0x409)
    font["name"].setName(f"{new_family.replace(' ', '')}-{style}", 6, 3, 1, 0x409)
    font.save(output)


if __name__ == "__main__":
    main(*sys.argv[1:5])
