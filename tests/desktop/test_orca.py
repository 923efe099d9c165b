#!/usr/bin/python3
# Three walks with the keyboard alone while Orca listens, judged by what Orca speaks: a save; then
# changes typed and read back, the page's notes read by flat review, keys of zeros refused, the
# typing limit, the keys confirmed, Esc back from the confirmation page with nothing lost, and No
# throwing the changes away; then, in French, the notes and the refusal; then the words of every
# page by flat review, the secrets, the refusals with their reasons and Alt+F4; then, in German,
# a later page's notes and the pass phrase.
# Run by test_orca.sh in a private network namespace, on Xvfb under openbox.
import hashlib
import json
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi

from accessible_tree import showing, walk

scratch, program, apsim = sys.argv[1], sys.argv[2], sys.argv[3]
log_path = os.path.join(scratch, "orca.log")
prefs = os.path.join(scratch, "orca")
os.makedirs(prefs)
with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
    json.dump({"general": {"enableSpeech": True, "enableBraille": False, "enableSound": False},
               "profiles": {"default": {"profile": ["Default", "default"]}},
               "pronunciations": {}, "keybindings": {}}, f)

# The simulator's one access point keeps its pass phrase, so the keys stay masked.
conf = os.path.join(scratch, "ap.conf")
with open(conf, "w") as f:
    f.write("[ap]\nmac=02-00-00-0A-1B-2C\nhost=lab-ap\nfirmware=2.2.7\ndomain=0x30\nchannel=6\n"
            "essid=LabNet\npassphrase=secret-phrase\nwep=128\ndhcp=no\nip=192.168.1.20\n"
            "mask=255.255.255.0\ngateway=192.168.1.1\n")

children = []
NEW_PHRASE = "zebra-crossing-at-night-for-us-a"  # 32 characters: the field's limit


def start(args, **kw):
    p = subprocess.Popen(args, **kw)
    children.append(p)
    return p


def key(*names, pause=0.6):
    for n in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", n], check=True)
        time.sleep(pause)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "120", text], check=True)
    time.sleep(0.6)


def named(role, name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name == "trx61-utility":
            for n in walk(a):
                if n.getRoleName() == role and n.name == name and showing(n):
                    return n
    return None


def wait_for(role, name, seconds=15):
    # The keys go on only once the program shows what the last one led to, however loaded the
    # machine is; Orca is given a moment to speak it.
    end = time.time() + seconds
    while time.time() < end:
        if named(role, name):
            time.sleep(0.8)
            return
        time.sleep(0.1)
    raise SystemExit(f"FAIL: no {role} {name!r} within {seconds} s")


def focused(role, name):
    n = named(role, name)
    return n is not None and n.getState().contains(pyatspi.STATE_FOCUSED)


def review(lines=16):
    # Flat review, line by line from the focus down.
    key("KP_Up")
    for _ in range(lines):
        key("KP_Page_Up", pause=0.4)
    time.sleep(0.5)


def dismiss():
    # The message's OK, unless a key repeated under load has already pressed it.
    end = time.time() + 15
    while time.time() < end and not named("push button", "OK"):
        time.sleep(0.2)
    time.sleep(0.8)
    if named("push button", "OK"):
        key("Return")
    time.sleep(1)


def spoken():
    with open(log_path, errors="replace") as f:
        # A phrase runs to the line's last quote, before any voice settings: French has quotes.
        return re.findall(r"SPEECH OUTPUT: '(.*)'(?: ?[\[{].*)?$", f.read(), re.M)


start(["openbox"], stderr=subprocess.DEVNULL)
start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stderr=subprocess.DEVNULL)
time.sleep(1)
orca = start(["orca", "-u", prefs, "--debug-file", log_path, "-e", "speech"],
             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
start([apsim, "--config", conf], stdout=subprocess.DEVNULL)
time.sleep(3)
program_path = program
program = start([program_path])
failures = []


def check(what, ok):
    if not ok:
        failures.append(what)


def to_the_list(setup, method, found):
    """From the welcome page, by its button's name, through the search to the list."""
    wait_for("push button", setup, 30)
    key("Return")
    wait_for("panel", method)
    key("Return")                      # Next: the search and its wait
    wait_for("panel", found)


try:
    to_the_list("Setup", "Connection method", "Access points found")
    key("Return")                      # Yes
    wait_for("panel", "Basic settings")
    key("Tab")
    key("Down")                        # the channel list, one down, closed
    key("Tab")
    for page in ["IP settings", "Security settings", "WEP key", "Confirm the new settings"]:
        key("Return")
        wait_for("panel", page)
    key("Return")                      # Yes, then the note
    wait_for("push button", "OK")
    key("Return")                      # OK: the save and its wait
    wait_for("panel", "Settings saved")
    time.sleep(1)
    key("Return")                      # Exit
    program.wait(10)

    # The second walk: values typed and read back, then thrown away.
    program = start([program_path])
    to_the_list("Setup", "Connection method", "Access points found")
    key("KP_Enter", pause=1.5)         # where am I: the entry and its settings
    review()                           # the page's note, by flat review
    key("Tab", "Tab", "Tab", "Tab", "Tab")  # Yes, No, minimise, close, and back into the list
    key("Return")
    wait_for("panel", "Basic settings")
    key("Tab", "Tab")                  # the host name
    typed("lab-two")
    key("KP_Enter", pause=1.5)
    key("ISO_Left_Tab", "ISO_Left_Tab")  # back to the ESSID
    key("Tab", "Tab")
    key("Return")
    wait_for("panel", "IP settings")
    key("Tab", "Tab")                  # the net mask
    typed("255.255.0.0")
    key("Tab")
    typed("192.168.1.254")
    key("Return")
    wait_for("panel", "Security settings")
    key("Down", pause=1)               # 256 bits: the pass phrase is emptied
    key("Return")                      # refused: the keys would be zeros
    wait_for("push button", "OK")
    key("Return")
    time.sleep(1)
    typed(NEW_PHRASE + "xx")           # two characters past the limit
    for page in ["WEP key", "Confirm the new settings"]:
        key("Return")
        wait_for("panel", page)
    key("Escape")                      # back to the key page, nothing lost
    wait_for("panel", "WEP key")
    key("Return")
    wait_for("panel", "Confirm the new settings")
    for _ in range(10):                # to No, heard with what it does
        if focused("push button", "No"):
            break
        key("Tab")
    key("space")                       # No: the changes are thrown away
    wait_for("panel", "Connection method")
    time.sleep(1)
    program.send_signal(signal.SIGTERM)
    program.wait(10)

    # The third walk, in French: the notes and the refusal in the user's language.
    program = start([program_path, "--language", "fr"])
    to_the_list("Configurer", "Mode de connexion", "Points d'accès trouvés")
    review()
    key("Return")
    wait_for("panel", "Paramètres de base")
    key("Return")
    wait_for("panel", "Paramètres IP")
    key("Return")
    wait_for("panel", "Paramètres de sécurité")
    key("Down", pause=1)
    key("Return")
    wait_for("push button", "OK")
    key("Return")
    time.sleep(1.5)
    program.send_signal(signal.SIGTERM)
    program.wait(10)

    # The fourth walk: each page's words each time it shows, the secrets, the refusals, Alt+F4.
    program = start([program_path])
    to_the_list("Setup", "Connection method", "Access points found")
    key("Return")
    wait_for("panel", "Basic settings")
    review(8)                          # the page's notes and Back
    key("Return")
    wait_for("panel", "IP settings")
    key("Tab", "ctrl+a")               # the address
    typed("192.168.1.300")
    key("Return")                      # refused, with why
    dismiss()
    key("ctrl+a")
    typed("192.168.1.20")
    key("Tab", "Tab", "ctrl+a")        # the gateway
    typed("10.0.0.1")
    key("Return")                      # outside the subnet: said, and on
    wait_for("panel", "Security settings")
    key("Tab", "ctrl+a")               # the pass phrase, typed fast past its limit
    subprocess.run(["xdotool", "type", "--delay", "75", "quiz-" + "j" * 29], check=True)
    time.sleep(2)
    key("Return")
    wait_for("panel", "WEP key")       # the keys in clear
    key("Escape")
    wait_for("panel", "Security settings")
    key("Return")
    wait_for("panel", "WEP key")
    key("ctrl+a")
    typed("0" * 26)
    key("Return")                      # a key of zeros: refused
    dismiss()
    key("Escape")
    wait_for("panel", "Security settings")
    key("Return")
    wait_for("panel", "WEP key")
    key("Return")
    wait_for("panel", "Confirm the new settings")
    key("alt+F4", pause=3)             # the changes are lost: heard before the window goes
    program.wait(10)

    # The fifth walk, in German: a later page's notes, and the pass phrase.
    program = start([program_path, "--language", "de"])
    to_the_list("Einrichten", "Verbindungsart", "Gefundene Access-Points")
    key("Return")
    wait_for("panel", "Grundeinstellungen")
    review(8)
    key("Return")
    wait_for("panel", "IP-Einstellungen")
    key("Return")
    wait_for("panel", "Sicherheitseinstellungen")
    key("Tab", "ctrl+a")
    typed("quiz")
    time.sleep(1)
finally:
    orca.send_signal(signal.SIGTERM)
    try:
        orca.wait(10)
    except subprocess.TimeoutExpired:
        orca.kill()
    for p in children:
        if p.poll() is None:
            p.terminate()
    for p in children:
        try:
            p.wait(5)
        except subprocess.TimeoutExpired:
            p.kill()

phrases = spoken()
saved = next((i for i, p in enumerate(phrases) if p.startswith("notification Settings saved")), 0)
second = next((i for i in range(saved, len(phrases)) if phrases[i].startswith("notification Welcome")), len(phrases))
first, phrases = phrases, phrases[:second]
text = " ".join(phrases)
check("the window as a frame named after its page", "Welcome – TRX61 Utility frame." in phrases)
titles = ["Connection method.", "Checking the network connection.", "Access points found.", "Basic settings.",
          "IP settings.", "Security settings.", "WEP key.", "Confirm the new settings.", "Settings saved."]
at = 0
for title in titles:
    found = next((i for i in range(at, len(phrases)) if phrases[i].endswith(title)), None)
    check(f"the page title {title!r}, in order", found is not None)
    at = found if found is not None else at
channel = next((i for i, p in enumerate(phrases) if p == "Channel combo box."), None)
check("the channel's item on focus", channel is not None and phrases[channel + 1] == "6.")
check("the channel after Down", channel is not None and "7" in phrases[channel + 2:channel + 4])
check("the save's outcome", "The access point has acknowledged the new settings." in text)
check("the old and new channel", "Channel: 7, was 6." in text)

# The second walk, in the order it is heard.
third = next((i for i in range(second, len(first)) if first[i].startswith("notification Bienvenue")), len(first))
fourth = next((i for i in range(third, len(first)) if first[i].startswith("notification Welcome")), len(first))
fifth = next((i for i in range(fourth, len(first)) if first[i].startswith("notification Willkommen")), len(first))
walk2, french, walk4, german = first[second:third], first[third:fourth], first[fourth:fifth], first[fifth:]


def after(start, *wanted):
    # Each phrase that contains the next wanted text, in order; the index past the last.
    at = start
    for w in wanted:
        found = next((i for i in range(at, len(walk2)) if w in walk2[i]), None)
        check(f"{w!r} after {walk2[start] if start < len(walk2) else 'the end'!r}", found is not None)
        if found is None:
            return at
        at = found + 1
    return at


at = after(0, "notification Access points found.", "Do you want to change", "Access points.", " lab-ap.",
           "Regulatory domain ETSI, firmware version 2.2.7")
at = after(at, "Regulatory domain ETSI")  # where am I: the entry's settings again
at = after(at, "notification Basic settings.", "Name the wireless network", "ESSID text.", "LabNet selected.",
           "Host Name text.", "lab-ap selected.")
where = after(at, "Host Name text.", "lab-two")
check("where am I on the host name: its value alone, nothing of the channel",
      walk2[where - 1:where + 1] == ["lab-two.", "left shift "])
at = after(where, "Channel combo box.", "ESSID text.", "LabNet selected.", "Host Name text.", "lab-two selected.")
at = after(at, "notification IP settings.", "Give the access point a fixed address", "Set the address manually.")
at = after(at, "notification Security settings.", "With WEP on, an empty pass phrase would make every key zeros, "
           "which anyone can use. Type a pass phrase", "Pass Phrase password text")
check("the limit said once, when it stops the typing",
      sum(p.count("At most 32 characters.") for p in walk2) == 1)
at = after(at, "At most 32 characters.", "notification WEP key.", "notification Confirm the new settings.")
confirm = walk2[at] if at < len(walk2) else ""
check("the keys' change confirmed, and the key in use",
      "WEP: 256Bits, was 128Bits." in confirm and
      "WEP keys: new, made from the new pass phrase. Key in use: key 1." in confirm)
at = after(at, "notification WEP key.", "notification Confirm the new settings.",
           "Host Name: lab-two, was lab-ap. Net Mask: 255.255.0.0, was 255.255.255.0. Gateway: 192.168.1.254, "
           "was 192.168.1.1.")
at = after(at, "No: discard the changes and search again.",
           "notification The changes were not saved. Connection method.", "The utility talks to access points")
back_in = [i for i, p in enumerate(walk2) if p == "tab "][4:5]
check("tabbing back into the list says the chosen access point",
      bool(back_in) and " lab-ap." in walk2[back_in[0] + 1:back_in[0] + 5])
check("the list page's note by flat review", any("Yes: change its settings. No: close the utility." in p
                                                  for p in walk2))
check("the new pass phrase in no announcement",
      not any(NEW_PHRASE[:12] in p for p in walk2 if p.startswith("notification ")))
# Each page change once: no page announced twice in a row, nothing cut short, no noise of the
# program's own selection handling.
titles2 = [p for p in walk2 if p.startswith("notification ")]
check("each page announced once", all(a != b for a, b in zip(titles2, titles2[1:])))
check("no value heard cut short", not any(a != b and b.endswith(" selected.") and a.endswith(" selected.")
                                          and a.startswith(b[:-len(" selected.")]) for a in walk2 for b in walk2))
check("no 'text unselected'", not any("unselected" in p.lower() for p in first))
check("French: the list page's note by flat review",
      any("Oui : modifier ses paramètres. Non : quitter l'utilitaire." in p for p in french))
check("French: keys of zeros refused, with what to do",
      any("Saisissez une phrase secrète" in p for p in french))


def heard(phrases, start, *wanted):
    # The index past the phrase that contains each wanted text in turn; None when one is missing.
    for w in wanted:
        start = next((i + 1 for i in range(start, len(phrases)) if w in phrases[i]), None)
        if start is None:
            return None
    return start


basic = heard(walk4, 0, "notification Basic settings.")
check("a later page's notes and Back by flat review",
      heard(walk4, basic or 0, "The channels allowed in the access point's regulatory domain.", "Back",
            "The access point's own name: up to 31 characters.") is not None)
check("the address refused with why", heard(walk4, 0, "Wrong IP address value!", "OK push button.",
                                            "Part 4, 300, is no number from 0 to 255.") is not None)
check("a gateway outside the subnet said", any("The gateway 10.0.0.1 is outside the subnet of 192.168.1.20" in p
                                               for p in walk4))
check("the WEP list named by its caption", "WEP method combo box." in walk4)
check("the pass phrase a password field", "Pass Phrase password text." in walk4)
typing = heard(walk4, 0, "Pass Phrase password text.")
limit = heard(walk4, typing or 0, "At most 32 characters.")
check("no typed character of the pass phrase echoed",
      typing is not None and not any(p.strip() and p.strip() in "quiz-j" for p in walk4[typing:limit or len(walk4)]))
check("the limit said once, and heard to its end before anything else",
      sum("At most 32 characters." in p for p in walk4) == 1 and limit is not None and
      walk4[limit].startswith("notification WEP key."))
check("the key shown in clear is a plain field, also after Esc",
      walk4.count("WEP key 1 text.") >= 3 and not any("WEP key 1 password" in p for p in walk4))
check("a typed key of zeros refused", any("A key of all zeros is one anyone can use." in p for p in walk4))
check("unchanged values said so",
      any("ESSID: LabNet, unchanged." in p and "Gateway: 10.0.0.1, was 192.168.1.1." in p for p in walk4))
alt_f4 = heard(walk4, 0, "left alt")
closing = max((i for i, p in enumerate(walk4) if p == "notification The changes were not saved."), default=None)
check("Alt+F4: the closing heard, not read over by the window coming back",
      alt_f4 is not None and closing is not None and closing >= alt_f4 and
      walk4[closing + 1:closing + 2] == ["The utility closes."] and
      not any("TRX61 Utility frame" in p for p in walk4[closing:]))
german_typing = heard(german, 0, "Passphrase password text.")
check("German: a later page's notes by flat review",
      heard(german, 0, "Die Kanäle, die in der Funkregion des Access-Points erlaubt sind.", "Zurück") is not None)
check("German: the pass phrase a password field, nothing of it echoed",
      german_typing is not None and not any(p.strip() and p.strip() in "quiz" for p in german[german_typing:]))
phrases = first
# The device's own key (made from its pass phrase as the device makes it) and the pass phrase
# itself: in nothing Orca spoke, and in nothing it was sent.
secret = b"secret-phrase"
key1 = hashlib.md5((secret * 5)[:64]).hexdigest()[:26].upper()
with open(log_path, errors="replace") as f:
    everything = f.read()
check("the masked key, nowhere", key1 not in everything and key1.lower() not in everything)
check("the pass phrase, nowhere", secret.decode() not in everything)

for f in failures:
    print("FAIL:", f)
if failures:
    print("What Orca said:")
    for i, p in enumerate(phrases):
        print(f"{i:3}: {p}")
else:
    print(f"Orca: every check passed ({len(phrases)} phrases)")
sys.exit(1 if failures else 0)
