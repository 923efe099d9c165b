#!/bin/sh
# Times `trx61ctl apply` for 100 simulated access points that acknowledge after 1 s, with 5
# more that never acknowledge, against 1 such access point alone, and prints the ratio: the
# time until 100 outcomes are known against the single run's. The silent ones are decided
# when their acknowledgement wait (--ack-wait, here 3 s) is over, and are shown apart.
# Runs in a private namespace.
#   bench/bench_apply.sh [BUILD-DIR]
set -eu
build=${1:-build}
# shellcheck source=bench/common.sh
. "$(dirname "$0")/common.sh"
in_namespace "$build"
csv=$(mktemp)
log=$(mktemp)
out=$(mktemp)
trap 'rm -f "$csv" "$log" "$out"' EXIT
# The first 5 never acknowledge; all apply what they are sent at once.
start_sim --count 106 --ack-delay 1000 --no-ack --faulty 5
# Each outcome line with the seconds since the run began.
timed() {
  t0=$(date +%s.%N)
  "$build/trx61ctl" apply "$csv" --ack-wait 3 2>/dev/null |
    while IFS= read -r line; do echo "$(date +%s.%N) $line"; done | awk -v t0="$t0" '{ $1 = sprintf("%.3f", $1 - t0) } 1' > "$out" || true
}
for round in 1 2 3; do
  rows 106 106 "one-$round" > "$csv"
  timed
  one=$(awk 'END { print $1 }' "$out")
  rows 1 105 "many-$round" > "$csv"
  timed
  hundred=$(awk 'NR == 100 { print $1 }' "$out")
  all=$(awk 'END { print $1 }' "$out")
  acked=$(grep -c ' verified$' "$out" || true)
  printf 'round %d: 1 device %.2f s; 100 of 105 outcomes %.2f s (%d verified with acknowledgement), all 105 %.2f s\n' \
    "$round" "$one" "$hundred" "$acked" "$all"
  awk -v a="$hundred" -v b="$one" 'BEGIN { printf "  100 devices take %.2f times as long as 1 (goal: at most 1.3)\n", a / b }'
done
kill $sim
