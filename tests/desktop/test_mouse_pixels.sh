#!/bin/sh
# A walk through every page, as the mouse takes it, draws exactly the committed screenshots:
# nothing the keyboard or assistive technology brought may show to a mouse user.
# Usage: test_mouse_pixels.sh BUILD-DIR
set -e
here=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
xvfb-run -a -n 150 -s "-screen 0 640x494x24 -wr" "$1/trx61-tour" "$1/trx61-apsim" "$out" >/dev/null
failed=0
for shot in "$here"/docs/screenshots/*.png; do
  name=$(basename "$shot")
  differ=$(compare -metric AE "$out/$name" "$shot" null: 2>&1 || true)
  if [ "$differ" != "0" ]; then
    echo "FAIL: $name differs from the committed screenshot in $differ pixels"
    failed=1
  fi
done
[ $failed -eq 0 ] && echo "every page as committed"
exit $failed
