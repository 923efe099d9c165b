#!/bin/sh
# A hostile device floods the segment: 100000 replies of 65507 bytes, each with a MAC and
# settings of its own, while `trx61ctl discover --wait 30` runs beside 3 real units. Prints
# the program's peak memory and whether the real units are listed.
# Goal: under 200 MB, the 3 real units listed. Runs in a private namespace.
#   bench/bench_flood.sh [BUILD-DIR] [REPLIES]
set -eu
build=${1:-build}
replies=${2:-100000}
# shellcheck source=bench/common.sh
. "$(dirname "$0")/common.sh"
in_namespace "$build" "$replies"
log=$(mktemp)
flood=$(mktemp)
out=$(mktemp)
trap 'rm -f "$log" "$flood" "$out"' EXIT
"$build/trx61-apsim" --count 3 > "$log" 2>&1 &
sim=$!
# The flood comes from a device of its own, on another address, with no unit of its own.
"$build/trx61-apsim" --count 0 --mimic --from 10.1.0.66 --flood "$replies" --line-rate 0 > "$flood" 2>&1 &
attacker=$!
until grep -q listening "$log" && grep -q listening "$flood"; do sleep 0.05; done
${PREFIX:-} /usr/bin/time -f '%M %e' -o "$out.time" "$build/trx61ctl" discover --wait "${WAIT:-30}" --csv > "$out" 2>/dev/null || true
read -r kb seconds < "$out.time"
rm -f "$out.time"
real=$(grep -c '^02-00-00-0A-' "$out" || true)
listed=$(($(wc -l < "$out") - 1))
printf 'flood of %d replies: peak memory %d MB in %.1f s, %d of 3 real units listed among %d (goal: under 200 MB, 3 of 3)\n' \
  "$replies" $((kb / 1024)) "$seconds" "$real" "$listed"
grep -q 'queued' "$flood" || echo "(the flood was not all sent within the wait)"
kill $sim $attacker
