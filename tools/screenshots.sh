#!/bin/sh
# Captures every page of the dialogue from a real window under Xvfb into docs/screenshots/,
# with the simulator answering, all inside a private network namespace; then every page in
# each other language (docs/screenshots/<language>/), a few pages at 125 % and 150 % scaling,
# and two shots under the openbox window manager (the channel list open, and device text full
# of markup characters on the list page).
set -e
cd "$(dirname "$0")/.."
cmake --build --preset default --target trx61-tour trx61-apsim
set -- build/trx61-tour build/trx61-apsim  # the tour and the simulator it starts
tools/netns-run xvfb-run -a -s "-screen 0 640x494x24 -wr" "$@" docs/screenshots
# Every page in each of the other languages.
for language in fr es de ja; do
  tools/netns-run xvfb-run -a -s "-screen 0 640x494x24 -wr" "$@" "docs/screenshots/$language" --language "$language"
done
for scale in 125 150; do
  tools/netns-run env QT_SCALE_FACTOR="$(awk "BEGIN { print $scale / 100 }")" \
    xvfb-run -a -s "-screen 0 1024x768x24 -wr" "$@" docs/screenshots/$scale welcome list basic confirm
done
tools/netns-run xvfb-run -a -s "-screen 0 1024x768x24 -wr" tests/desktop/under-openbox.sh \
  "$@" docs/screenshots/desktop basic-channels-open list-markup

# The Windows program under wine, when it has been built (./test --windows): every page in
# each language, walked by the same tour (docs/screenshots/windows/, <language>/windows/).
winepath_of() { realpath "$1" | sed 's|^|Z:|; s|/|\\|g'; }  # the same file as wine names it
if [ -x build-windows/wine-run ] && [ -f build-windows/trx61-tour.exe ]; then
  for language in en fr es de ja; do
    out=docs/screenshots/$language/windows
    [ $language = en ] && out=docs/screenshots/windows
    mkdir -p "$out"
    WINEPREFIX=$PWD/build-windows/wine tools/netns-run tools/windows/wine-session \
      xvfb-run -a -s "-screen 0 640x494x24 -wr" build-windows/wine-run build-windows/trx61-tour.exe \
      "$(winepath_of build-windows/trx61-apsim.exe)" "$(winepath_of "$out")" --language $language
  done
fi
