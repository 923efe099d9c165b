#!/bin/sh
# Captures every page of the dialogue from a real window under Xvfb into docs/screenshots/,
# with the simulator answering, all inside a private network namespace.
set -e
cd "$(dirname "$0")/.."
cmake --build --preset default --target trx61-tour trx61-apsim
exec tools/netns-run xvfb-run -a -s "-screen 0 640x494x24 -wr" build/trx61-tour build/trx61-apsim docs/screenshots
