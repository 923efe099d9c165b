#!/bin/sh
# The Windows program at 125 % and 150 % (wine's LogPixels 120 and 144), in a fresh prefix: the
# window takes the scaled size, and the keyboard walks it from the welcome page to a save that
# the simulator acknowledges. With TRX_SHOTS=FOLDER it also leaves screenshots there
# (FOLDER/125, FOLDER/150). Runs inside the private namespace of the Windows tests.
#   test_scaled.sh BUILD-DIR
set -eu
build=$1
# shellcheck source=tests/windows/prefix.sh
. "$(dirname "$0")/prefix.sh"
"$build/wine-run" wineboot --init >/dev/null 2>&1 || true
wineserver -w

cat >"$work/walk.sh" <<'WALK'
set -eu
build=$1 log=$2 sim=$3 shots=$4 width=$5
# shellcheck source=tests/windows/window.sh
. "$TRX_WINDOW_SH"
TRX61_DEBUG=1 "$build/wine-run" "$build/trx61-utility.exe" 2>"$log" &
app=$!
wait_for_window
"$build/wine-run" "$build/trx61-apsim.exe" --count 1 >"$sim" 2>&1 &
simulator=$!
trap 'kill $simulator 2>/dev/null || true' EXIT
i=0
until grep -q listening "$sim"; do
  i=$((i + 1)); [ $i -lt 300 ] || { echo "the simulator did not start: $(cat "$sim")" >&2; exit 1; }; sleep 0.1
done
sleep 1
geometry=$(xdotool getwindowgeometry --shell "$win") || { echo "the window went away" >&2; exit 1; }
eval "$geometry"
[ "$WIDTH" -eq "$width" ] || { echo "the window is $WIDTH pixels wide, not $width" >&2; exit 1; }
shot() { [ -z "$shots" ] || import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/$1.png"; }
until_logged() {  # until_logged TEXT: the program's debug log says it (30 s at most)
  i=0
  until grep -q "$1" "$log"; do
    i=$((i + 1)); [ $i -lt 300 ] || { echo "never logged: $1" >&2; exit 1; }; sleep 0.1
  done
}
xdotool windowfocus "$win"
sleep 0.5
shot welcome
xdotool key Return
sleep 1
xdotool key Return
until_logged "wait over on step 1"
sleep 0.5
shot list
# Yes, then forward through the settings pages until the note before the save shows.
n=0
until xdotool search --name "^Information$" >/dev/null 2>&1; do
  n=$((n + 1)); [ $n -le 8 ] || { echo "no note before the save" >&2; exit 1; }
  xdotool key Return
  sleep 1.5
done
xdotool key Return
until_logged "wait over on step 7"
sleep 0.5
shot completion
xdotool key Return
wait $app || true
WALK

for dpi in 120 144; do
  "$build/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
  wineserver -w
  percent=$((dpi * 100 / 96))
  shots=""
  if [ -n "${TRX_SHOTS:-}" ]; then shots="$TRX_SHOTS/$percent"; mkdir -p "$shots"; fi
  timeout 180 xvfb-run -a -s "-screen 0 1280x1024x24" sh "$work/walk.sh" "$build" "$work/app.log" "$work/sim.log" \
    "$shots" $((580 * dpi / 96)) || fail "$percent %: $(tail -n 3 "$work/app.log")"
  grep -q "recv gstset" "$work/sim.log" || fail "$percent %: no settings message reached the access point"
  grep -q ": acknowledgement" "$work/app.log" || fail "$percent %: the save was not acknowledged"
  echo "$percent %: walked and saved"
done
