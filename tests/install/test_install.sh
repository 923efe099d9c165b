#!/bin/sh
# Installs the build to a fresh prefix and checks what a desktop finds there: a valid desktop
# entry whose Exec starts the program from the prefix's bin, icons, and --version/--help that
# answer on a bare terminal. Usage: test_install.sh BUILD-DIR
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/trx61-utility.desktop
desktop-file-validate "$entry"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
program=$prefix/bin/$exec_name
[ -x "$program" ] || { echo "Exec=$exec_name is not in $prefix/bin" >&2; exit 1; }
for icon in 32x32/apps/trx61-utility.png scalable/apps/trx61-utility.svg; do
  [ -s "$prefix/share/icons/hicolor/$icon" ] || { echo "missing icon $icon" >&2; exit 1; }
done
# From the PATH, with no display at all: prints and exits, opening no window.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= PATH="$prefix/bin:$PATH" "$exec_name" --version)
echo "$version" | grep -q "^TRX61 Utility 2.2" || { echo "--version said: $version" >&2; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --help | grep -q "^Usage: trx61-utility"
"$prefix/bin/trx61ctl" --version | grep -q "^trx61ctl 2.2"
for page in trx61ctl trx61-utility; do
  [ -s "$prefix/share/man/man1/$page.1.gz" ] || { echo "no man page for $page" >&2; exit 1; }
done
# The guide in every language stays beside the program, wherever the prefix is, as PDF and as
# HTML with every picture it shows (for a desktop without a PDF reader).
guide="$(dirname "$(readlink -f "$program")")/Users Guide"
for name in trx61v2.2_ug trx61v2.2_ug_fr trx61v2.2_ug_es trx61v2.2_ug_de trx61v2.2_ug_ja; do
  [ -s "$guide/$name.pdf" ] || { echo "not installed: $name.pdf" >&2; exit 1; }
  [ -s "$guide/$name.html" ] || { echo "not installed: $name.html" >&2; exit 1; }
  # shellcheck disable=SC2013 # the names have no blanks
  for picture in $(grep -o 'src="[^"]*"' "$guide/$name.html" | sed 's/src="\(.*\)"/\1/'); do
    [ -s "$guide/$picture" ] || { echo "$name.html misses $picture" >&2; exit 1; }
  done
done
echo "installed and checked under $prefix"
