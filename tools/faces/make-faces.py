#!/usr/bin/python3
"""Makes app/faces/: the exact Liberation 1.07.4 faces the pages were laid out and photographed
with (Debian 12's fonts-liberation), under family names of their own ("TRX61 Sans", "TRX61 Sans
Narrow"), so that the program finds them and nothing else, whatever else a machine has installed
(a newer Liberation has the same family names and other glyphs). Run once; the output is
committed. Usage: tools/faces/make-faces.py [SOURCE-FOLDER]
Liberation 1.x is under the GPL v2 with the font exception; its licence asks a modified
version to carry no name of the trademark, hence the new family and file names."""
import hashlib
import os
import sys

from fontTools.ttLib import TTFont

SOURCE = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/fonts/truetype/liberation"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "faces")
FACES = {  # source file, its sha256 in fonts-liberation 1:1.07.4-11, family, style
    "LiberationSans-Regular.ttf": ("f8ace1f892b2bd9dc1792ba7f097fa7588f84fed48321480e04de5390828221f", "TRX61 Sans", "Regular"),
    "LiberationSans-Bold.ttf": ("361c61b82d575c5c35fd9157fda8b0194bcfcd0d88ea8521a4fb5dd53d33dddc", "TRX61 Sans", "Bold"),
    "LiberationSansNarrow-Regular.ttf": ("ab9719545aeb24156c462601f92bf4897130beaac59ad79bea7da264bce69b19",
                                         "TRX61 Sans Narrow", "Regular"),
    "LiberationSansNarrow-Bold.ttf": ("f77fe6ca01c8b043b99743fad34954c53d625263c076aa844c5a5dbf568743ab",
                                      "TRX61 Sans Narrow", "Bold"),
}

for name, (digest, family, style) in FACES.items():
    path = os.path.join(SOURCE, name)
    with open(path, "rb") as f:
        if hashlib.sha256(f.read()).hexdigest() != digest:
            sys.exit(f"{path}: not the Liberation 1.07.4 file the pages were laid out with")
    font = TTFont(path)
    full = f"{family} {style}" if style != "Regular" else family
    postscript = f"{family.replace(' ', '')}-{style}"
    for record in font["name"].names:
        new = {1: family, 3: f"{postscript} 1.07.4", 4: full, 6: postscript, 16: family}.get(record.nameID)
        if new is not None:
            record.string = new
    font.save(os.path.join(OUT, f"{postscript}.ttf"))
    print(f"{postscript}.ttf from {name}")
