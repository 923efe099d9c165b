#!/usr/bin/env python3
"""The guide's sources, between the Markdown a writer edits and the text the guide builder sets.

Each translated guide (docs/users-guide.<code>.md) is tied to the English one paragraph by
paragraph: before each of its paragraphs, list items, headings, pictures and tables stands a
line `<!-- en 1a2b3c4d -->` naming the English paragraph it was made from by a hash of that
paragraph's words (line breaks and spacing aside). A change in the English changes its hash,
and `check` names every translated paragraph left behind or moved, shows what changed in the
English (from git history) and the line to write once the translation is brought up to date. A
translated paragraph keeps its English one's quotes, code spans, numbers and key names.

The program's own words are never typed into a guide: `{{Wrong ESSID value!}}` stands for that
message in the guide's language, taken from translations/trx61_<code>.ts when the guide is
built. A final full stop may be left out (`{{Filled in, hidden}}`) to quote a sentence inside
another; arguments follow a bar (`{{%1: %2, was %3.|Channel|7|6}}`), and an argument that is
itself a text of the program is translated too. A quote whose entry is unfinished, empty,
vanished or obsolete stops the build, naming the entry.

    guidetext.py prepare SOURCE.md TRANSLATIONS_DIR OUTPUT.md   the text the builder sets
    guidetext.py check [SOURCE_DIR]                              fails on any fault, naming it
"""
import difflib
import hashlib
import pathlib
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

MARKER = re.compile(r"^<!-- en ([0-9a-f]{8}) -->$")
QUOTE = re.compile(r"\{\{(.+?)\}\}", re.S)
ITEM = re.compile(r"^(- |\d+\. |#)")  # a top-level list item or a heading starts a paragraph
NBSP = "\u00a0"


def fingerprint(text):
    return hashlib.sha1(" ".join(text.split()).encode("utf-8")).hexdigest()[:8]


def paragraphs(text):
    """The paragraphs of a guide: [(line number, text, marker or None)]."""
    found, lines, start, marker, pending = [], [], 0, None, None
    code = False  # inside a block indented as code, blank lines do not end it

    def close():
        nonlocal lines, marker
        if lines:
            found.append((start, "\n".join(lines), marker))
        lines, marker = [], None

    for number, line in enumerate(text.splitlines(), 1):
        m = MARKER.match(line)
        if m:
            close()
            pending = m.group(1)
            continue
        if not line.strip():
            if not code:
                close()
            elif lines:
                lines.append(line)
            continue
        indented = line.startswith("    ") and not lines
        if (ITEM.match(line) and lines and not code) or (lines and code and not line.startswith("    ")):
            close()
        if not lines:
            start, marker, pending = number, pending, None
            code = indented
        lines.append(line)
    close()
    return found


def strip_markers(text):
    return "\n".join(line for line in text.splitlines() if not MARKER.match(line)) + "\n"


class Texts(dict):
    """The program's texts of one .ts file: {source: [(translation, fault or None)]}."""

    def __init__(self, name):
        super().__init__()
        self.name = name


def load_texts(ts):
    texts = Texts(pathlib.Path(ts).name)
    for message in ET.parse(ts).getroot().iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        forms = translation.findall("numerusform")
        value = (forms[0].text if forms else translation.text) or ""
        kind = translation.get("type")
        fault = kind if kind in ("unfinished", "vanished", "obsolete") else None if value.strip() else "empty"
        texts.setdefault(source, []).append((value, fault))
    return texts


def quote(body, texts, english):
    """The program's words for a {{...}} in the guide's language, or raises ValueError."""

    def one(source):
        stop = ""
        if source not in texts and source + "." in texts:
            source, stop = source + ".", "."
        if source not in texts:
            raise ValueError(f"{{{{{source}}}}}: no such text in the program")
        # An entry lupdate marked vanished or obsolete is a text the program no longer has; an
        # unfinished or empty one would print nothing, or the English, in a translated guide.
        live = [entry for entry in texts[source] if entry[1] not in ("vanished", "obsolete")]
        if not live:
            raise ValueError(f"{{{{{source}}}}}: its entry in {texts.name} is {texts[source][0][1]}: "
                             "the program no longer has this text")
        faulty = [fault for _, fault in live if fault]
        if faulty and not english:
            raise ValueError(f"{{{{{source}}}}}: its entry in {texts.name} is {faulty[0]}: translate it first")
        values = {source} if english else {value for value, _ in live}
        if len(values) != 1:
            raise ValueError(f"{{{{{source}}}}}: the program translates it in {len(values)} ways: {sorted(values)}")
        value = next(iter(values)).replace("\n", " ")
        if stop:
            value = re.sub(r"[.。]$", "", value)
        return value

    parts = [p.strip() for p in " ".join(body.split()).split("|")]
    value = one(parts[0])
    for i, argument in enumerate(parts[1:], 1):
        value = value.replace(f"%{i}", one(argument) if argument in texts else argument)
    return value


def french(text):
    """No-break spaces where French puts a space: before : ; ! ? and inside « »; code aside."""

    def prose(s):
        s = re.sub(r"(?<=\S)[ \u202f]([:;!?](?=\s|$|[)*_»]))", NBSP + r"\1", s)
        s = re.sub(r"«[ \u202f\u00a0]?", "«" + NBSP, s)
        s = re.sub(r"[ \u202f\u00a0]?»", NBSP + "»", s)
        return s

    # A mark wrapped to the start of a source line would follow a breakable line end.
    text = re.sub(r"\n {0,3}([:;!?»])(?=\s|$)", " " + r"\1", text)
    text = re.sub(r"«\n {0,3}", "« ", text)
    out = []
    for line in text.splitlines():
        if line.startswith("    ") or line.startswith("<!--"):
            out.append(line)
            continue
        pieces = re.split(r"(`[^`]*`|\]\([^)]*\))", line)  # code spans and link targets stay
        out.append("".join(p if i % 2 else prose(p) for i, p in enumerate(pieces)))
    return "\n".join(out) + "\n"


def language_of(path):
    parts = pathlib.Path(path).name.split(".")
    return parts[1] if len(parts) == 3 else "en"


def prepare(source, translations, output):
    source = pathlib.Path(source)
    code = language_of(source)
    ts = pathlib.Path(translations) / f"trx61_{'fr' if code == 'en' else code}.ts"
    texts = load_texts(ts)
    text = strip_markers(source.read_text(encoding="utf-8"))
    faults = []

    def substitute(m):
        try:
            return quote(m.group(1), texts, code == "en")
        except ValueError as e:
            faults.append(str(e))
            return m.group(0)

    text = QUOTE.sub(substitute, text)
    if code == "fr":
        text = french(text)
    if faults:
        sys.exit("\n".join(f"{source}: {f}" for f in faults))
    pathlib.Path(output).parent.mkdir(parents=True, exist_ok=True)
    pathlib.Path(output).write_text(text, encoding="utf-8")


def history(root, relative):
    """English paragraphs of earlier versions, by hash, to show what changed."""
    old = {}
    try:
        revisions = subprocess.run(["git", "-C", str(root), "log", "--format=%H", "-n", "60", "--", relative],
                                   capture_output=True, text=True, check=True).stdout.split()
        for revision in revisions:
            text = subprocess.run(["git", "-C", str(root), "show", f"{revision}:{relative}"], capture_output=True,
                                  text=True, check=True).stdout
            for _, paragraph, _ in paragraphs(text):
                old.setdefault(fingerprint(paragraph), paragraph)
    except (OSError, subprocess.CalledProcessError):
        pass
    return old


def changes(before, after):
    a, b = before.split(), after.split()
    out = []
    for op, i1, i2, j1, j2 in difflib.SequenceMatcher(None, a, b).get_opcodes():
        if op == "equal":
            out.append(" ".join(a[i1:i2]))
        else:
            if i2 > i1:
                out.append("[-" + " ".join(a[i1:i2]) + "-]")
            if j2 > j1:
                out.append("{+" + " ".join(b[j1:j2]) + "+}")
    return " ".join(out)


def check_links(english, translated, name, old):
    """Faults of one translated guide against the English one."""
    faults = []
    for line, _, marker in translated:
        if marker is None:
            faults.append(f"{name}:{line}: a paragraph tied to no English paragraph (no <!-- en ... --> line)")
    ours = [m for _, _, m in translated]
    theirs = [fingerprint(p) for _, p, _ in english]
    opcodes = [o for o in difflib.SequenceMatcher(None, ours, theirs, autojunk=False).get_opcodes() if o[0] != "equal"]
    # A paragraph whose English one stands elsewhere now was moved, not lost and written anew.
    moved = {ours[i] for _, i1, i2, _, _ in opcodes for i in range(i1, i2)}
    moved &= {theirs[j] for _, _, _, j1, j2 in opcodes for j in range(j1, j2)}
    for _, i1, i2, j1, j2 in opcodes:
        mines = [translated[i] for i in range(i1, i2) if ours[i] is not None]
        for mine in [m for m in mines if m[2] in moved]:
            j = theirs.index(mine[2])
            before = [t[0] for t in translated if j and t[2] == theirs[j - 1]]
            where = f"after the paragraph at line {before[0]}" if before else "where the English has it"
            faults.append(f"{name}:{mine[0]}: moved: the English paragraph is now users-guide.md:{english[j][0]}; "
                          f"move it {where}")
        mines = [m for m in mines if m[2] not in moved]
        sources = [english[j] for j in range(j1, j2) if theirs[j] not in moved]
        for k in range(max(len(mines), len(sources))):
            mine = mines[k] if k < len(mines) else None
            source = sources[k] if k < len(sources) else None
            if mine and source:
                was = old.get(mine[2])
                what = f"\n    English now: {changes(was, source[1]) if was else source[1]}"
                faults.append(f"{name}:{mine[0]}: out of date: users-guide.md:{source[0]} changed;{what}\n"
                              f"    once translated again, mark it <!-- en {fingerprint(source[1])} -->")
            elif mine:
                faults.append(f"{name}:{mine[0]}: its English paragraph ({mine[2]}) is gone: remove or re-tie it")
            else:
                before = translated[i1 - 1][0] if i1 > 0 else 1
                faults.append(f"{name}: after line {before}: users-guide.md:{source[0]} is not translated:\n"
                              f"    {' '.join(source[1].split())}\n    mark it <!-- en {fingerprint(source[1])} -->")
    return faults


CODE = re.compile(r"`[^`\n]+`")
NUMBER = re.compile(r"\d+(?:[.:]\d+)*")
# The keys the guide names, in the words of each language's keyboard where it has its own.
KEYS = {"Shift+Tab": {"fr": "Maj+Tab", "es": "Mayús+Tab", "de": "Umschalt+Tab"}, "Tab": {}, "Esc": {"fr": "Échap"},
        "Enter": {"fr": "Entrée", "es": "Intro", "de": "Eingabe"},
        "Space": {"fr": "Espace", "es": "Espacio", "de": "Leertaste"}}


def facts(text, code):
    """What a translation must keep of its paragraph: quotes, code spans, numbers, key names."""
    quotes = sorted(" ".join(q.split()) for q in QUOTE.findall(text))
    prose = QUOTE.sub(" ", text)
    # A placeholder in capitals (COMMAND) is a word of the language.
    spans = sorted(re.sub(r"\b\w{3,}\b", lambda w: "NAME" if w[0].isalpha() and w[0].isupper() else w[0], c)
                   for c in CODE.findall(prose))
    prose = CODE.sub(" ", prose)
    named = [(key, re.escape(names.get(code, key))) for key, names in KEYS.items()]
    keys = sorted(key for key, name in named if re.search(rf"(?<![A-Za-z+]){name}(?![A-Za-z])", prose))
    return {"quotes": quotes, "code spans": spans, "numbers": sorted(set(NUMBER.findall(prose))), "keys": keys}


def check_facts(english, translated, name, code):
    """Faults where a translated paragraph lost or changed a quote, code span, number or key of its English."""
    by_hash = {fingerprint(p): (line, p) for line, p, _ in english}
    faults = []
    for line, text, marker in translated:
        if marker not in by_hash:
            continue  # reported as out of date already
        theirs, ours = facts(by_hash[marker][1], "en"), facts(text, code)
        for what, want in theirs.items():
            lost = [x for x in want if x not in ours[what]]
            added = [x for x in ours[what] if x not in want] if what in ("quotes", "code spans") else []
            if lost or added:
                faults.append(f"{name}:{line}: its {what} differ from users-guide.md:{by_hash[marker][0]}: "
                              f"missing {lost}, not in the English {added}")
    return faults


def check(root):
    root = pathlib.Path(root)
    docs = root / "docs"
    english_text = (docs / "users-guide.md").read_text(encoding="utf-8")
    english = paragraphs(english_text)
    old = None
    faults = []
    for path in sorted(docs.glob("users-guide.*.md")):
        code = language_of(path)
        text = path.read_text(encoding="utf-8")
        translated = paragraphs(text)
        if old is None and [m for _, _, m in translated] != [fingerprint(p) for _, p, _ in english]:
            old = history(root, "docs/users-guide.md")
        faults += check_links(english, translated, path.name, old or {})
        faults += check_facts(english, translated, path.name, code)
        texts = load_texts(root / f"translations/trx61_{code}.ts")
        for m in QUOTE.finditer(text):
            try:
                quote(m.group(1), texts, False)
            except ValueError as e:
                faults.append(f"{path.name}:{text.count(chr(10), 0, m.start()) + 1}: {e}")
    english_texts = load_texts(root / "translations/trx61_fr.ts")
    for m in QUOTE.finditer(english_text):
        try:
            quote(m.group(1), english_texts, True)
        except ValueError as e:
            faults.append(f"users-guide.md:{english_text.count(chr(10), 0, m.start()) + 1}: {e}")
    return faults


def main(argv):
    if len(argv) == 5 and argv[1] == "prepare":
        prepare(argv[2], argv[3], argv[4])
        return 0
    if len(argv) in (2, 3) and argv[1] == "check":
        faults = check(argv[2] if len(argv) == 3 else ".")
        print("\n".join(faults + [f"guides checked against the English one and the program's texts: {len(faults)} faults"]))
        return 1 if faults else 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
