#!/bin/sh
# Screenshots of the Windows program under wine, walked with the keyboard against the
# simulator: run by tools/screenshots.sh inside a private namespace, on Xvfb, in a wine session.
#   shots.sh BUILD-WINDOWS OUTPUT-FOLDER
set -eu
build=$1
out=$2
mkdir -p "$out"
"$build/wine-run" "$build/trx61-utility.exe" &
app=$!
win=$(timeout 60 xdotool search --sync --name "^TRX61 Utility$" | head -n 1)
"$build/wine-run" "$build/trx61-apsim.exe" --count 3 >/dev/null 2>&1 &
sim=$!
sleep 3
xdotool windowfocus "$win"
shot() {
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1.png"
  echo "captured windows/$1"
}
shot welcome
xdotool key Return Return
sleep 4
shot list
xdotool key Return
shot basic
xdotool key Return
shot ip
xdotool key Escape Escape Escape
wait $app || true
kill $sim
