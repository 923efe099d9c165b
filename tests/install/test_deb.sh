#!/bin/sh
# The Debian package of a build, as a user of Debian or Ubuntu gets it: made by CPack, checked
# by lintian, appstreamcli and desktop-file-validate, installed into this machine with dpkg,
# run from the PATH, and removed with nothing left behind.
# Usage: test_deb.sh SOURCE-DIR BUILD-DIR (run by ctest inside a private network namespace)
set -eu
source=$1
build=$2
sudo=
if [ "$(id -u)" -ne 0 ]; then
  sudo -n true 2>/dev/null || { echo "skipped: dpkg -i needs root or sudo without a password"; exit 77; }
  sudo="sudo -n"
fi
if dpkg-query -W -f='${Status}' trx61-utility 2>/dev/null | grep -q installed; then
  echo "skipped: trx61-utility is installed on this machine already, and this test leaves it alone"
  exit 77
fi
work=$(mktemp -d)
installed=no
cleanup() {
  [ $installed = no ] || $sudo dpkg --purge trx61-utility >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/trx61-utility_*.deb)
dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6 (>=" || fail "dependencies from dpkg-shlibdeps: $(dpkg-deb -f "$deb" Depends)"
lintian --fail-on error,warning "$deb" > "$work/lintian" 2>&1 || fail "lintian: $(cat "$work/lintian")"
dpkg-deb -x "$deb" "$work/tree"
appstreamcli validate --no-net "$work"/tree/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "appstreamcli validate"
desktop-file-validate "$work/tree/usr/share/applications/trx61-utility.desktop" || fail "desktop-file-validate"
# shellcheck disable=SC2013 # the names have no blanks
for shot in $(grep -o 'screenshots/[^<]*' "$work"/tree/usr/share/metainfo/*.metainfo.xml); do
  [ -s "$source/docs/$shot" ] || fail "the metainfo names $shot, which docs/ does not have"
done

$sudo dpkg -i "$deb" >/dev/null
installed=yes
files=$(dpkg -L trx61-utility)
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= trx61-utility --version)
echo "$version" | grep -q "^TRX61 Utility 2.2" || fail "trx61-utility --version said: $version"
trx61ctl --help | grep -q "^Usage: trx61ctl" || fail "trx61ctl --help"
$sudo dpkg --purge trx61-utility >/dev/null
installed=no
for f in $files; do
  case $f in
    */trx61-utility*|*/trx61ctl*|*/metainfo/*) if [ -e "$f" ] || [ -L "$f" ]; then fail "left behind: $f"; fi ;;
  esac
done
echo "built, checked, installed, run and removed: $(basename "$deb")"
