#!/bin/sh
# The Windows installer, tried as an installer uses it: a silent install into a fresh wine
# prefix, the installed program started against the simulator and driven with the keyboard
# until it lists the access points, then a silent uninstall that must leave nothing behind.
# The firewall rules are read from a stand-in netsh (wine's answers but keeps no rule) that records
# its arguments.
# Runs inside the private namespace of the Windows tests (its own wineserver, stopped at the end).
#   test_installer.sh BUILD-DIR
set -eu
build=$1
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { printf 'FAIL: %s\n' "$*"; exit 1; }

wine wineboot --init >/dev/null 2>&1 || true
wineserver -w
cp "$build/tests/netsh.exe" "$WINEPREFIX/drive_c/windows/system32/netsh.exe"
calls="$WINEPREFIX/drive_c/netsh-calls.txt"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;netsh.exe=n"
# The user's locale is Japanese (made here; wine takes it from the environment): the installer
# names its shortcuts in Japanese, and so does the program speak below.
mkdir -p "$work/locale"
localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8"
LOCPATH="$work/locale" LC_ALL=ja_JP.UTF-8 wine "$build/TRX61-Utility-Setup.exe" /S
wineserver -w
dir="$WINEPREFIX/drive_c/Program Files/TRX61 Utility"
installed='C:\Program Files\TRX61 Utility'
rule() {  # rule add|delete NAME PROGRAM: the arguments netsh gets, as the stand-in records them
  if [ "$1" = add ]; then
    printf '%s\n' "advfirewall|firewall|add|rule|name=$2|dir=in|action=allow|program=$installed\\$3|protocol=UDP|profile=domain,private|enable=yes"
  else
    printf '%s\n' "advfirewall|firewall|delete|rule|name=$2|program=$installed\\$3"
  fi
}
for r in "TRX61 Utility|trx61-utility.exe" "TRX61 Utility (trx61ctl)|trx61ctl.exe"; do
  grep -qxF "$(rule add "${r%|*}" "${r#*|}")" "$calls" 2>/dev/null ||
    fail "no firewall rule added for ${r#*|}: $(cat "$calls" 2>/dev/null)"
done
: >"$calls"
for f in trx61-utility.exe trx61ctl.exe Qt6Core.dll Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll \
         "Users Guide/trx61v2.2_ug.pdf" "Users Guide/trx61v2.2_ug_ja.pdf" "Users Guide/trx61v2.2_ug_ja.html" Uninstall.exe; do
  [ -f "$dir/$f" ] || fail "not installed: $f"
done
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/TRX61 Utility"
[ -f "$menu/TRX61 Utility.lnk" ] || fail "no Start-menu shortcut"
[ -f "$menu/ユーザーガイド.lnk" ] || fail "the guide's shortcut is not named in Japanese: $(ls "$menu")"
# It opens the Japanese guide (the link holds its target in UTF-16 too).
tr -d '\0' <"$menu/ユーザーガイド.lnk" | grep -q 'trx61v2.2_ug_ja\.pdf' || fail "the guide's shortcut opens another language"
wine "$dir/trx61-utility.exe" --version >"$work/version.txt"
wineserver -w  # the window below must be the first of this prefix's programs still running
grep -q "TRX61 Utility 2.2" "$work/version.txt" || fail "--version: $(cat "$work/version.txt")"

# Enter twice: Setup, then Next (the search); Escape on the list page is No, which closes.
cat >"$work/drive.sh" <<'DRIVE'
set -eu
LOCPATH="$5" LC_ALL=ja_JP.UTF-8 TRX61_DEBUG=1 wine "$1" 2>"$2" &
app=$!
win=$(timeout 90 xdotool search --sync --name "^TRX61 Utility$" | head -n 1)
# The simulator of this build answers on the same segment once the window is up.
"$3/wine-run" "$3/trx61-apsim.exe" --count 3 >"$4" 2>&1 &
sim=$!
i=0
until grep -q listening "$4"; do
  i=$((i + 1)); [ $i -lt 300 ] || { echo "the simulator did not start: $(cat "$4")" >&2; exit 1; }; sleep 0.1
done
sleep 1
xdotool windowfocus "$win"  # no window manager here to confirm it: give it a moment
sleep 0.5
xdotool key Return
sleep 1
xdotool key Return
sleep 5
xdotool key Escape
wait $app
kill $sim 2>/dev/null || true
DRIVE
timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/drive.sh" "$dir/trx61-utility.exe" "$work/app.log" "$build" \
  "$work/sim.log" "$work/locale" || fail "the installed program did not run: $(tail -n 5 "$work/app.log")"
grep -q "language ja," "$work/app.log" || fail "not in the user's language: $(grep language "$work/app.log")"
grep -q "3 access point(s) listed" "$work/app.log" || fail "the installed program listed no access points: $(grep 'wait over' "$work/app.log")"

# Uninstalled in English: the uninstaller keeps the installation's language, and its names.
wine "$dir/Uninstall.exe" /S
wineserver -w
for r in "TRX61 Utility|trx61-utility.exe" "TRX61 Utility (trx61ctl)|trx61ctl.exe"; do
  grep -qxF "$(rule delete "${r%|*}" "${r#*|}")" "$calls" || fail "the firewall rule for ${r#*|} is left behind: $(cat "$calls")"
done
[ ! -e "$dir" ] || fail "left behind: $(cd "$dir" && find . | head)"
[ ! -e "$menu" ] || fail "the Start-menu folder is left behind"
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TRX61 Utility' >/dev/null 2>&1; then
  fail "the uninstall entry is left behind"
fi
echo "installed with its firewall rules, listed 3 access points, uninstalled without a trace"
