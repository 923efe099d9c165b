#!/usr/bin/env python3
"""The guide's checks catch what they are there for: an English paragraph changed or moved under
its translations, a quoted text the program does not have or has not translated, a translation
that lost a fact of its English, a glossary row that checks nothing; and French spacing comes out
unbreakable where it should and nowhere else.

    test_guide_checks.py SOURCE_DIR
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else ".").resolve()
sys.path.insert(0, str(ROOT / "tools/guide"))
import guidetext  # noqa: E402

NBSP = "\u00a0"


class Tree:
    """A copy of the files the checks read, to be damaged at will."""

    FILES = ["docs/users-guide*.md", "translations/*.ts", "translations/glossary_*.tsv", "app/desktop/*.desktop",
             "packaging/linux/*.metainfo.xml.in", "packaging/windows/installer.nsi"]

    def __enter__(self):
        self.dir = tempfile.TemporaryDirectory()
        self.root = pathlib.Path(self.dir.name)
        for pattern in self.FILES:
            for path in ROOT.glob(pattern):
                target = self.root / path.relative_to(ROOT)
                target.parent.mkdir(parents=True, exist_ok=True)
                shutil.copy(path, target)
        return self

    def __exit__(self, *_):
        self.dir.cleanup()

    def edit_all(self, relative, pattern, replacement):
        path = self.root / relative
        path.write_text(re.sub(pattern, replacement, path.read_text(encoding="utf-8")), encoding="utf-8")

    def edit(self, relative, old, new):
        path = self.root / relative
        text = path.read_text(encoding="utf-8")
        assert old in text, old
        path.write_text(text.replace(old, new, 1), encoding="utf-8")


class Checks(unittest.TestCase):
    def test_the_tree_as_it_stands_passes(self):
        self.assertEqual(guidetext.check(ROOT), [])

    def test_a_changed_english_paragraph_marks_every_translation_out_of_date(self):
        with Tree() as tree:
            tree.edit("docs/users-guide.md", "Switch the access points on", "Switch every access point on")
            faults = guidetext.check(tree.root)
        stale = [f for f in faults if "out of date" in f]
        self.assertEqual(sorted(f.split(":")[0] for f in stale),
                         [f"users-guide.{code}.md" for code in ("de", "es", "fr", "ja")])
        new = guidetext.fingerprint("- Switch every access point on and let them finish starting up.")
        self.assertTrue(all(f"<!-- en {new} -->" in f for f in stale), stale)

    def test_a_new_english_paragraph_is_missing_from_every_translation(self):
        with Tree() as tree:
            tree.edit("docs/users-guide.md", "## Languages\n", "A new paragraph.\n\n## Languages\n")
            faults = guidetext.check(tree.root)
        self.assertEqual(len([f for f in faults if "is not translated" in f]), 4, faults)

    def test_a_quote_the_program_does_not_have_fails(self):
        with Tree() as tree:
            tree.edit("docs/users-guide.fr.md", "{{Settings saved}}", "{{Settings stored}}")
            faults = guidetext.check(tree.root)
        self.assertTrue(any(f.endswith(": {{Settings stored}}: no such text in the program") for f in faults), faults)
        self.assertEqual(len(faults), 2, faults)  # and its quotes no longer those of its English

    def test_a_moved_english_paragraph_is_reported_as_moved(self):
        item = "- Switch the access points on and let them finish starting up.\n"
        with Tree() as tree:
            tree.edit("docs/users-guide.md", item, "")
            tree.edit("docs/users-guide.md", "## Before you start\n\n", "## Before you start\n\n" + item)
            faults = guidetext.check(tree.root)
        self.assertTrue(len(faults) == 4 and all(": moved: the English paragraph is now" in f for f in faults), faults)

    def test_a_quote_whose_entry_is_unfinished_or_vanished_fails(self):
        continue_ = r"(<source>Continue</source>\n.*\n\s*<translation)[^>]*>[^<]*<"  # the error panel's button
        with Tree() as tree:
            tree.edit_all("translations/trx61_de.ts", continue_, r'\1 type="unfinished"><')
            faults = guidetext.check(tree.root)
            fault = ": {{Continue}}: its entry in trx61_de.ts is unfinished: translate it first"
            self.assertTrue(len(faults) == 2 and all(f.endswith(fault) for f in faults), faults)
            with self.assertRaises(SystemExit):
                guidetext.prepare(tree.root / "docs/users-guide.de.md", tree.root / "translations", tree.root / "o.md")
            for code in ("fr", "es", "de", "ja"):
                tree.edit_all(f"translations/trx61_{code}.ts", continue_, r'\1 type="vanished">x<')
            vanished = [f for f in guidetext.check(tree.root) if "vanished: the program no longer has this text" in f]
        self.assertEqual(len(vanished), 10)  # both quotes in each of the five guides

    def test_a_translation_that_loses_a_fact_of_its_english_fails(self):
        with Tree() as tree:
            tree.edit("docs/users-guide.fr.md", "`trx61-utility --language de`", "`trx61-utility --language fr`")
            tree.edit("docs/users-guide.de.md", "bis zu 60 Sekunden", "bis zu 30 Sekunden")
            tree.edit("docs/users-guide.ja.md", "**Space** または **Enter**", "**Enter**")
            tree.edit("docs/users-guide.es.md", "**{{Continue}}**", "**Continuar**")
            faults = guidetext.check(tree.root)
        what = [f.split(" from ")[0].split(": ", 1)[1] for f in faults]
        self.assertEqual(what, ["its numbers differ", "its quotes differ", "its code spans differ", "its keys differ"])

    def test_quotes_take_the_program_words_of_the_language(self):
        texts = guidetext.load_texts(ROOT / "translations/trx61_fr.ts")
        self.assertEqual(guidetext.quote("Filled in, hidden", texts, False), "Rempli, masqué")
        self.assertEqual(guidetext.quote("%1: %2, was %3|Channel|7|6", texts, False), f"Canal{NBSP}: 7, avant{NBSP}: 6")
        self.assertEqual(guidetext.quote("%1: %2, was %3|Channel|7|6", texts, True), "Channel: 7, was 6")

    def test_a_glossary_row_that_checks_nothing_fails(self):
        script = ROOT / "tests/app/test_glossary.py"
        with Tree() as tree:
            self.assertEqual(subprocess.run([sys.executable, script, tree.root], capture_output=True).returncode, 0)
            for damage in ("value after the change\t^New9512{T}変更後\t新規\n", "channel\tchannel\n",
                           "channel\t(channel\tチャネル\n"):
                path = tree.root / "translations/glossary_ja.tsv"
                kept = path.read_text(encoding="utf-8")
                path.write_text(kept + damage, encoding="utf-8")
                run = subprocess.run([sys.executable, script, tree.root], capture_output=True, text=True)
                path.write_text(kept, encoding="utf-8")
                self.assertEqual(run.returncode, 1, damage)
                self.assertIn(f"glossary_ja.tsv:{kept.count(chr(10)) + 1}:", run.stdout)


class FrenchSpacing(unittest.TestCase):
    def test_spaces_before_marks_and_inside_guillemets_become_unbreakable(self):
        self.assertEqual(guidetext.french(f"Vérifiez : le câble ; « Oui » ! Pourquoi ? «{NBSP}Non{NBSP}»\n"),
                         f"Vérifiez{NBSP}: le câble{NBSP}; «{NBSP}Oui{NBSP}»{NBSP}! Pourquoi{NBSP}? «{NBSP}Non{NBSP}»\n")

    def test_a_mark_wrapped_to_the_next_source_line_joins_its_word(self):
        self.assertEqual(guidetext.french("- le câble\n  : oui, «\n  non »\n"), f"- le câble{NBSP}: oui, «{NBSP}non{NBSP}»\n")

    def test_code_links_and_colons_inside_words_stay(self):
        for line in ("    netsh show rule name=\"x\" : verbose", "lancez `trx61ctl set --ip 10.0.0.1 ;`",
                     "[le site](https://example.org/a?b=c) et 10:30"):
            self.assertEqual(guidetext.french(line + "\n"), line + "\n")


if __name__ == "__main__":
    unittest.main()
