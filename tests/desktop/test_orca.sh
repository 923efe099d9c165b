#!/bin/sh
# Runs test_orca.py: Orca, the screen reader, on a virtual display under openbox, with the
# accessibility bus on a session bus of their own. Usage: test_orca.sh PROGRAM APSIM
set -e
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" XDG_CONFIG_HOME="$scratch/config" \
  XDG_DATA_HOME="$scratch/data" XDG_CACHE_HOME="$scratch/cache"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=0 GTK_A11Y=atspi
dbus-run-session -- xvfb-run -a -n 170 -s "-screen 0 1024x768x24" \
  /usr/bin/python3 "$here/test_orca.py" "$scratch" "$@"
