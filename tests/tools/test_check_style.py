#!/usr/bin/env python3
"""tools/check-style's reading of clang-tidy 14's output: a leak the analyzer finds in Qt's
header is named by our call, and passes only where clang-tidy cut its path at a line of ours."""
import importlib.machinery
import importlib.util
import os
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
loader = importlib.machinery.SourceFileLoader("check_style", os.path.join(ROOT, "tools", "check-style"))
style = importlib.util.module_from_spec(importlib.util.spec_from_loader("check_style", loader))
loader.exec_module(style)

QT = "/usr/include/x86_64-linux-gnu/qt6/QtCore/qtimer.h"
OURS = os.path.join(ROOT, "tools", "tour", "main.cpp")
KEY = "tools/tour/main.cpp (in qtimer.h)|clang-analyzer-cplusplus.NewDeleteLeaks|Potential memory leak"


def judge(*notes, check="clang-analyzer-cplusplus.NewDeleteLeaks", at=f"{QT}:90"):
    lines = [f"{at}:5: warning: Potential memory leak [{check}]"]
    lines += [f"{f}:{n}:3: note: step" for f, n in notes]
    return style.judge("tools/tour/main.cpp", "\n".join(lines))


class Judge(unittest.TestCase):
    def test_a_whole_path_is_named_by_our_last_call(self):
        found = judge((OURS, 152), (OURS, 27), (QT, 76), (QT, 89), (QT, 90))
        self.assertEqual(found, {(KEY, "tools/tour/main.cpp:27 (in qtimer.h)")})

    def test_only_a_path_cut_at_our_line_passes(self):
        self.assertEqual(judge((OURS, 152), (OURS, 33)), set())
        self.assertEqual(judge(), set())
        self.assertEqual(len(judge((OURS, 27), (QT, 76))), 1)  # ends in a header, elsewhere
        self.assertEqual(len(judge(check="bugprone-macro-parentheses")), 1)  # no path to cut
        # In our own file: the allocation marked, the path cut before the line reported.
        self.assertEqual(judge((OURS, 34), at=f"{OURS}:29"), set())
        self.assertEqual(len(judge((OURS, 34), (OURS, 29), at=f"{OURS}:29")), 1)
        self.assertEqual(len(judge(check="clang-analyzer-deadcode.DeadStores", at=f"{OURS}:29")), 1)

    def test_a_nolint_says_why(self):
        for line, wrong in [("f();  // NOLINT(bugprone-x)", True), ("// NOLINTNEXTLINE", True),
                            ("f();  // NOLINT(bugprone-x): the library's loop", False),
                            ("// One text.  NOLINTNEXTLINE(bugprone-x)", False), ("// NOLINTEND(bugprone-x)", False)]:
            self.assertEqual(style.without_reason(line), wrong, line)


if __name__ == "__main__":
    unittest.main()
