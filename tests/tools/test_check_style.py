#!/usr/bin/env python3
"""tools/check-style: its reading of clang-tidy 14's output (a leak the analyzer finds in Qt's
header is named by our call, and passes only where clang-tidy cut its path at a marked line of
ours), its NOLINT reasons, and what makes it judge a file again."""
import importlib.machinery
import importlib.util
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
loader = importlib.machinery.SourceFileLoader("check_style", os.path.join(ROOT, "tools", "check-style"))
style = importlib.util.module_from_spec(importlib.util.spec_from_loader("check_style", loader))
loader.exec_module(style)

QT = "/usr/include/x86_64-linux-gnu/qt6/QtCore/qtimer.h"
OURS = os.path.join(ROOT, "tools", "tour", "main.cpp")
KEY = "tools/tour/main.cpp (in qtimer.h)|clang-analyzer-cplusplus.NewDeleteLeaks|Potential memory leak"


def output(notes, check, at):
    lines = [f"{at}:5: warning: Potential memory leak [{check}]"]
    return "\n".join(lines + [f"{f}:{n}:3: note: step" for f, n in notes])


def judge(*notes, check="clang-analyzer-cplusplus.NewDeleteLeaks", at=f"{QT}:90", whole=None):
    """WHOLE: the path as clang-tidy gives it with every marker ignored."""
    unmarked = output(whole, check, at) if whole else None
    return style.judge("tools/tour/main.cpp", output(notes, check, at), unmarked)


class Judge(unittest.TestCase):
    def test_a_whole_path_is_named_by_our_last_call(self):
        found = judge((OURS, 152), (OURS, 27), (QT, 76), (QT, 89), (QT, 90))
        self.assertEqual(found, {(KEY, "tools/tour/main.cpp:27 (in qtimer.h)")})

    def test_only_a_path_cut_at_a_marked_line_of_ours_passes(self):
        # tools/tour/main.cpp marks line 29 (NOLINTNEXTLINE on 28); line 33 carries no marker.
        self.assertEqual(judge((OURS, 152), (OURS, 33), whole=[(OURS, 152), (OURS, 33), (OURS, 29), (QT, 90)]), set())
        self.assertEqual(len(judge((OURS, 152), (OURS, 29), whole=[(OURS, 152), (OURS, 29), (OURS, 33), (QT, 90)])), 1)
        self.assertEqual(len(judge((OURS, 152), (OURS, 33))), 1)  # where it was cut is unknown
        self.assertEqual(len(judge((OURS, 27), (QT, 76))), 1)  # ends in a header, elsewhere
        self.assertEqual(len(judge(check="bugprone-macro-parentheses")), 1)  # no path to cut
        # Another check's marker does not cut this one's path.
        self.assertEqual(len(judge((OURS, 33), check="clang-analyzer-core.NullDereference",
                                   whole=[(OURS, 33), (OURS, 29), (QT, 90)])), 1)
        # In our own file: the allocation marked, the path cut before the line reported.
        self.assertEqual(judge((OURS, 34), at=f"{OURS}:29", whole=[(OURS, 34), (OURS, 29)]), set())
        self.assertEqual(len(judge((OURS, 34), (OURS, 29), at=f"{OURS}:29")), 1)
        self.assertEqual(len(judge(check="clang-analyzer-deadcode.DeadStores", at=f"{OURS}:29")), 1)

    def test_a_nolint_says_why(self):
        for line, wrong in [("f();  // NOLINT(bugprone-x)", True), ("// NOLINTNEXTLINE", True),
                            ("f();  // NOLINT(bugprone-x): the library's loop", False),
                            ("// One text.  NOLINTNEXTLINE(bugprone-x)", False), ("// NOLINTEND(bugprone-x)", False),
                            ("f();  /* NOLINT */", True), ("f();  /* NOLINT(bugprone-x): why */ g();", False),
                            (" * NOLINT(bugprone-x)", True), (" * NOLINT(bugprone-x) because", False)]:
            self.assertEqual(style.without_reason(line), wrong, line)


class Cache(unittest.TestCase):
    """A pass is remembered only as long as nothing that decided it changed."""

    def setUp(self):
        self.tree = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.tree)
        bin_dir = os.path.join(self.tree, "bin")
        self.calls = os.path.join(self.tree, "calls")
        files = {"tools/check-style": pathlib.Path(ROOT, "tools", "check-style").read_text(),
                 "tools/style/format-pending.txt": "", ".clang-tidy": "Checks: '-*,bugprone-*'\n",
                 "app/a.cpp": "int a() { return 1; }\n",
                 # A clang-tidy that finds nothing and says which files it was asked about.
                 "bin/clang-tidy": f"#!/bin/sh\n[ \"$1\" = --version ] && echo 14 && exit\n"
                                   f"for a; do last=$a; done; echo \"$last\" >> {self.calls}\n"}
        for name, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(self.tree, name)), exist_ok=True)
            with open(os.path.join(self.tree, name), "w") as f:
                f.write(text)
        os.chmod(os.path.join(bin_dir, "clang-tidy"), 0o755)
        build = os.path.join(self.tree, "build")
        os.makedirs(build)
        with open(os.path.join(build, "compile_commands.json"), "w") as f:
            f.write(f'[{{"directory": "{build}", "file": "{self.tree}/app/a.cpp", "command": "c++ -c app/a.cpp"}}]')
        subprocess.run(["git", "init", "-q"], cwd=self.tree, check=True)
        subprocess.run(["git", "add", "."], cwd=self.tree, check=True)
        self.env = dict(os.environ, PATH=f"{bin_dir}:{os.environ['PATH']}", TRX_STYLE_CACHE=os.path.join(self.tree, "c"))

    def looked_at(self):
        """How many files a run of the gate gave to clang-tidy."""
        open(self.calls, "w").close()
        out = subprocess.run([sys.executable, os.path.join(self.tree, "tools", "check-style"), "--tidy-only"], cwd=self.tree,
                             env=self.env, capture_output=True, text=True)
        self.assertEqual(out.returncode, 0, out.stdout + out.stderr)
        return len(pathlib.Path(self.calls).read_text().split())

    def test_a_changed_rule_judges_a_passed_file_again(self):
        self.assertEqual(self.looked_at(), 1)
        self.assertEqual(self.looked_at(), 0)
        for rule in ("tools/style/format-pending.txt", ".clang-tidy", "tools/check-style"):
            with open(os.path.join(self.tree, rule), "a") as f:
                f.write("# tightened\n")
            self.assertEqual(self.looked_at(), 1, rule)

    def test_a_clang_tidy_below_the_root_is_refused(self):
        os.makedirs(os.path.join(self.tree, "app", "quiet"))
        with open(os.path.join(self.tree, "app", "quiet", ".clang-tidy"), "w") as f:
            f.write("Checks: '-*'\n")
        loader = importlib.machinery.SourceFileLoader("tree_style", os.path.join(self.tree, "tools", "check-style"))
        tree_style = importlib.util.module_from_spec(importlib.util.spec_from_loader("tree_style", loader))
        loader.exec_module(tree_style)
        self.assertFalse(tree_style.check_configs())


if __name__ == "__main__":
    unittest.main()
