# shellcheck shell=sh
# Sourced by the Windows tests' walks on Xvfb: waits for the program's window, leaving it in $win.
# A search fails outright when a window goes away while it looks (wine makes and drops some
# as the program starts): it looks again, for at most 90 seconds.
wait_for_window() {
  win=""
  i=0
  until [ -n "$win" ]; do
    i=$((i + 1)); [ $i -le 90 ] || { echo "no window" >&2; exit 1; }
    win=$(xdotool search --name "^TRX61 Utility$" 2>/dev/null | head -n 1) || true
    [ -n "$win" ] || sleep 1
  done
}
