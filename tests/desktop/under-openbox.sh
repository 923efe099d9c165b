#!/bin/sh
# Runs a command on a fresh X display with the openbox window manager, once it manages.
# Usage: under-openbox.sh COMMAND [ARG...]   (inside xvfb-run)
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
  i=$((i + 1))
  [ $i -gt 1500 ] && { echo "openbox did not start" >&2; exit 1; }
  sleep 0.02
done
"$@"
rc=$?
kill $wm
exit $rc
