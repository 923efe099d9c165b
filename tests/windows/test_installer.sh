#!/bin/sh
# The Windows installer, tried as an installer uses it: a silent install into a fresh wine
# prefix, the installed program started against the simulator and driven with the keyboard
# until it lists the access points, then a silent uninstall that must leave nothing behind.
# Runs inside the private namespace of the Windows tests (its own wineserver, stopped at the end).
#   test_installer.sh BUILD-DIR
set -eu
build=$1
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
sim=""
cleanup() {
  [ -n "$sim" ] && kill "$sim" 2>/dev/null
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

wine wineboot --init >/dev/null 2>&1 || true
wineserver -w
wine "$build/TRX61-Utility-Setup.exe" /S
wineserver -w
dir="$WINEPREFIX/drive_c/Program Files/TRX61 Utility"
for f in trx61-utility.exe trx61ctl.exe Qt6Core.dll Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll \
         "Users Guide/trx61v2.2_ug.pdf" Uninstall.exe; do
  [ -f "$dir/$f" ] || fail "not installed: $f"
done
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/TRX61 Utility"
[ -f "$menu/TRX61 Utility.lnk" ] || fail "no Start-menu shortcut"
wine "$dir/trx61-utility.exe" --version | grep -q "TRX61 Utility 2.2" || fail "--version"

# The simulator of this build, in the build's own wine prefix, answers on the same segment.
"$build/wine-run" "$build/trx61-apsim.exe" --count 3 >"$work/sim.log" 2>&1 &
sim=$!
i=0
until grep -q listening "$work/sim.log"; do
  i=$((i + 1)); [ $i -lt 300 ] || fail "the simulator did not start: $(cat "$work/sim.log")"; sleep 0.1
done

# Enter twice: Setup, then Next (the search); Escape on the list page is No, which closes.
cat >"$work/drive.sh" <<'DRIVE'
set -eu
TRX61_DEBUG=1 wine "$1" 2>"$2" &
app=$!
win=$(xdotool search --sync --name "^TRX61 Utility$" | head -n 1)
sleep 1
xdotool windowfocus --sync "$win" key Return
sleep 1
xdotool key Return
sleep 5
xdotool key Escape
wait $app
DRIVE
xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/drive.sh" "$dir/trx61-utility.exe" "$work/app.log" ||
  fail "the installed program did not run: $(tail -n 5 "$work/app.log")"
grep -q "3 access point(s) listed" "$work/app.log" || fail "the installed program listed no access points: $(grep 'wait over' "$work/app.log")"

wine "$dir/Uninstall.exe" /S
wineserver -w
[ ! -e "$dir" ] || fail "left behind: $(cd "$dir" && find . | head)"
[ ! -e "$menu" ] || fail "the Start-menu folder is left behind"
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TRX61 Utility' >/dev/null 2>&1; then
  fail "the uninstall entry is left behind"
fi
echo "installed, listed 3 access points, uninstalled without a trace"
