#!/usr/bin/python3
# What a screen reader is told, read through AT-SPI from the real program: the window's name,
# the buttons' names, roles and Press actions, the page's title and the fields' captions.
# Run by test_atspi.sh inside a private network namespace, on Xvfb, on a session bus of its own.
import subprocess
import sys
import time

import pyatspi

from accessible_tree import showing, walk

program, apsim = sys.argv[1], sys.argv[2]
failures = []


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: {got!r}, expected {expected!r}")


def wait_for(find, what, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: no {what} within {seconds} s")


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name in ("trx61-utility", "TRX61 Utility"):
            return a
    return None


def shown(role):
    return [n for n in walk(window) if n.getRoleName() == role and showing(n)]


def press(name):
    button = next(b for b in shown("push button") if b.name == name)
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(f"{name}'s actions", "Press" in names, True)
    action.doAction(names.index("Press"))


def page():
    return next(n for n in walk(window) if n.getRoleName() == "panel" and n.name and showing(n))


sim = subprocess.Popen([apsim, "--count", "1"], stdout=subprocess.DEVNULL)
utility = subprocess.Popen([program])
try:
    window = wait_for(lambda: app() and app().childCount and app().getChildAtIndex(0), "window on the bus")
    check("window name: the page, then the program", window.name, "Welcome – TRX61 Utility")
    wait_for(lambda: shown("push button"), "buttons")
    check("welcome buttons", sorted(b.name for b in shown("push button")),
          sorted(["Setup", "User Guide", "Web Site", "Exit", "Minimise", "Close"]))
    check("welcome page", page().name, "Welcome")

    press("Setup")
    wait_for(lambda: page().name == "Connection method", "connection page")
    check("forward button", "Next" in [b.name for b in shown("push button")], True)
    press("Next")
    wait_for(lambda: page().name == "Access points found", "list page", 8)
    lists = [n.name for n in walk(window) if n.getRoleName() == "list" and showing(n)]
    check("list", lists, ["Access points"])
    press("Yes")
    wait_for(lambda: page().name == "Basic settings", "basic settings page")
    check("page description", page().description, "Name the wireless network and choose its radio channel.")
    fields = sorted((n.name, n.getRoleName()) for n in walk(window)
                    if n.getRoleName() in ("text", "combo box") and showing(n))
    check("fields", fields, sorted([("ESSID", "text"), ("Channel", "combo box"), ("Host Name", "text")]))
    press("Close")  # a clean exit, where the sanitizer build looks for leaks with the bridge on
    check("exit status", utility.wait(10), 0)
finally:
    utility.terminate()
    sim.terminate()
    utility.wait(5)
    sim.wait(5)

for f in failures:
    print("FAIL:", f)
if not failures:
    print("AT-SPI: every check passed")
sys.exit(1 if failures else 0)
