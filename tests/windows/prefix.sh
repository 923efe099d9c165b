# shellcheck shell=sh
# Sourced by the Windows test scripts: a work folder with a fresh wine prefix in it, whose
# wineserver is stopped and which is removed however the script ends, and fail(). The walks
# on Xvfb find window.sh through TRX_WINDOW_SH.
work=$(mktemp -d)
TRX_WINDOW_SH="$(cd "$(dirname "$0")" && pwd)/window.sh"
export TRX_WINDOW_SH
export WINEPREFIX="$work/prefix"
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  printf 'FAIL: %s\n' "$*"
  exit 1
}
