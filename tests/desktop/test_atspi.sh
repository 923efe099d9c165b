#!/bin/sh
# Runs test_atspi.py on a session bus of its own (the accessibility bus starts on it on
# demand) and a virtual display. Usage: test_atspi.sh PROGRAM APSIM
set -e
here=$(dirname "$0")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=0
exec dbus-run-session -- xvfb-run -a -n 140 -s "-screen 0 1024x768x24" /usr/bin/python3 "$here/test_atspi.py" "$@"
