#!/bin/sh
# The Windows installer, tried as an installer uses it: a silent install into a fresh wine
# prefix, in a folder whose name holds Japanese and accented letters (outside any one code
# page), for a user of the given locale. The installed program opens its guide with what the
# PC has for it (first nothing for PDF files: the HTML guide), is driven with the keyboard
# against the simulator until it lists the access points, and a silent uninstall must leave
# nothing behind. The firewall rules and the guide's openings are read from stand-ins
# (tests/windows/netsh.cpp) that record their arguments (wine's netsh keeps no rule).
# Runs inside the private namespace of the Windows tests (its own wineserver, stopped at the end).
#   test_installer.sh BUILD-DIR LOCALE     LOCALE: ja_JP, de_DE, ...
set -eu
build=$1
locale=$2
language=${locale%%_*}
# shellcheck source=tests/windows/prefix.sh
. "$(dirname "$0")/prefix.sh"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# The user's locale (made here; wine takes it, and the code page of its 8-bit calls, from the
# environment): the installer names its shortcuts in its language, and the program speaks it.
mkdir -p "$work/locale"
localedef -i "$locale" -f UTF-8 "$work/locale/$locale.UTF-8"
export LOCPATH="$work/locale" LC_ALL="$locale.UTF-8"
wine wineboot --init >/dev/null 2>&1 || true
wineserver -w
cp "$build/tests/netsh.exe" "$WINEPREFIX/drive_c/windows/system32/netsh.exe"
calls="$WINEPREFIX/drive_c/netsh-calls.txt"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;netsh.exe=n"
# Viewers that record what they are asked to open: one for HTML now, none for PDF files yet.
# Beside netsh, where the stand-in finds its runtime libraries.
cp "$build/tests/netsh.exe" "$WINEPREFIX/drive_c/windows/system32/pdfview.exe"
cp "$build/tests/netsh.exe" "$WINEPREFIX/drive_c/windows/system32/htmlview.exe"
associate() {  # associate EXTENSION VIEWER
  wine reg add "HKCR\\.$1" /ve /d "trxtest$1" /f >/dev/null
  wine reg add "HKCR\\trxtest$1\\shell\\open\\command" /ve /d "\"C:\\windows\\system32\\$2.exe\" \"%1\"" /f >/dev/null
}
wine reg delete 'HKCR\.pdf' /f >/dev/null 2>&1 || true
associate html htmlview
wineserver -w

installed='C:\Logiciels été\試験 TRX61'
dir="$WINEPREFIX/drive_c/Logiciels été/試験 TRX61"
# /D takes the rest of the command line, unquoted, which wine would quote: cmd passes it as is.
wine cmd /c "$(winepath -w "$build/TRX61-Utility-Setup.exe") /S /D=$installed"
wineserver -w
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
         "Users Guide/trx61v2.2_ug.pdf" "Users Guide/trx61v2.2_ug.html" "Users Guide/trx61v2.2_ug_$language.pdf" \
         "Users Guide/trx61v2.2_ug_$language.html" Uninstall.exe; do
  [ -f "$dir/$f" ] || fail "not installed: $f"
done
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/TRX61 Utility"
[ -f "$menu/TRX61 Utility.lnk" ] || fail "no Start-menu shortcut"
if [ "$language" = ja ]; then
  [ -f "$menu/ユーザーガイド.lnk" ] || fail "the guide's shortcut is not named in Japanese: $(ls "$menu")"
  # It opens the Japanese guide (the link holds its target in UTF-16 too).
  tr -d '\0' <"$menu/ユーザーガイド.lnk" | grep -q 'trx61v2.2_ug_ja\.pdf' || fail "the guide's shortcut opens another language"
fi
program="$installed\\trx61-utility.exe"
wine "$program" --version >"$work/version.txt"
wineserver -w  # the window below must be the first of this prefix's programs still running
grep -q "TRX61 Utility 2.2" "$work/version.txt" || fail "--version: $(cat "$work/version.txt")"

# Enter twice: Setup, then Next (the search); then the window's Close button (Esc never
# closes it: a key pressed by mistake must not lose the work).
# Then User Guide (clicked: b_help's middle), with nothing for PDF files and then with a
# viewer for them.
cat >"$work/drive.sh" <<'DRIVE'
set -eu
program=$1 log=$2 build=$3 sim=$4 drive_c=$5
# shellcheck source=tests/windows/window.sh
. "$TRX_WINDOW_SH"
start() {  # the program, and its window in $win
  TRX61_DEBUG=1 wine "$program" 2>>"$log" &
  app=$!
  wait_for_window
  sleep 1
  xdotool windowfocus "$win"  # no window manager here to confirm it: give it a moment
  sleep 0.5
}
until_file() {  # until_file PATH: it exists (20 s at most)
  i=0
  until [ -s "$1" ]; do
    i=$((i + 1)); [ $i -lt 200 ] || { echo "never written: $1" >&2; exit 1; }; sleep 0.1
  done
}
no_box() {
  if xdotool search --onlyvisible --name "^(Information|TRX61 Utility)$" 2>/dev/null | grep -qvx "$win"; then
    echo "a message box came up" >&2; exit 1
  fi
}
start
# The simulator of this build answers on the same segment.
"$build/wine-run" "$build/trx61-apsim.exe" --count 3 >"$sim" 2>&1 &
simulator=$!
i=0
until grep -q listening "$sim" 2>/dev/null; do
  i=$((i + 1)); [ $i -lt 300 ] || { echo "the simulator did not start: $(cat "$sim")" >&2; exit 1; }; sleep 0.1
done
sleep 1
xdotool windowfocus "$win"
sleep 0.5
xdotool key Return
sleep 1
xdotool key Return
sleep 5
xdotool mousemove --window "$win" 541 23 click 1
wait $app
kill $simulator 2>/dev/null || true
# Again for the guide; the program ends with the display.
start
xdotool mousemove --window "$win" 514 281 click 1
until_file "$drive_c/htmlview-calls.txt"
no_box
wine reg add 'HKCR\.pdf' /ve /d trxtestpdf /f >/dev/null
wine reg add 'HKCR\trxtestpdf\shell\open\command' /ve /d '"C:\windows\system32\pdfview.exe" "%1"' /f >/dev/null
xdotool mousemove --window "$win" 514 281 click 1
until_file "$drive_c/pdfview-calls.txt"
no_box
DRIVE
timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/drive.sh" "$program" "$work/app.log" "$build" \
  "$work/sim.log" "$WINEPREFIX/drive_c" || fail "the installed program did not run: $(grep -av "^trx61: [rs]" "$work/app.log" | tail -n 12)"
guide="$installed\\Users Guide\\trx61v2.2_ug_$language"
[ "$(cat "$WINEPREFIX/drive_c/htmlview-calls.txt")" = "$guide.html" ] ||
  fail "with nothing for PDF files, the HTML guide did not open alone: $(cat "$WINEPREFIX/drive_c/htmlview-calls.txt")"
[ "$(cat "$WINEPREFIX/drive_c/pdfview-calls.txt")" = "$guide.pdf" ] ||
  fail "the PDF viewer did not get the guide: $(cat "$WINEPREFIX/drive_c/pdfview-calls.txt")"
grep -q "language $language," "$work/app.log" || fail "not in the user's language: $(grep language "$work/app.log")"
grep -q "3 access point(s) listed" "$work/app.log" || fail "the installed program listed no access points: $(grep 'wait over' "$work/app.log")"

# Uninstalled in English: the uninstaller keeps the installation's language, and its names.
LC_ALL=C.UTF-8 wine "$installed\\Uninstall.exe" /S
wineserver -w
for r in "TRX61 Utility|trx61-utility.exe" "TRX61 Utility (trx61ctl)|trx61ctl.exe"; do
  grep -qxF "$(rule delete "${r%|*}" "${r#*|}")" "$calls" || fail "the firewall rule for ${r#*|} is left behind: $(cat "$calls")"
done
[ ! -e "$dir" ] || fail "left behind: $(cd "$dir" && find . | head)"
[ ! -e "$menu" ] || fail "the Start-menu folder is left behind"
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TRX61 Utility' >/dev/null 2>&1; then
  fail "the uninstall entry is left behind"
fi
echo "installed in $installed with its firewall rules, opened its guide, listed 3 access points, uninstalled without a trace"
