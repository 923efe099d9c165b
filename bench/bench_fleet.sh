#!/bin/sh
# A site on a poor link. First 150 simulated access points that lose 30 % of what they are sent
# and of what they send: how many each of ten `discover --wait 10` runs lists (goal: 150 in 10
# of 10). Then at 10 % loss each way: how long one apply takes for 1 unit and for 100 units,
# and what it reports (goal: 100 units within 1.5 times the time of 1 by the medians, every unit set).
# Runs in a private namespace.
#   bench/bench_fleet.sh [BUILD-DIR] [DISCOVER-RUNS]
set -eu
build=${1:-build}
runs=${2:-10}
# shellcheck source=bench/common.sh
. "$(dirname "$0")/common.sh"
in_namespace "$build" "$runs"
csv=$(mktemp)
log=$(mktemp)
report=$(mktemp)
trap 'rm -f "$csv" "$log" "$report"' EXIT

start_sim --count 150 --loss 30 --seed "$(date +%s)"
full=0
run=1
while [ $run -le "$runs" ]; do
  n=$("$build/trx61ctl" discover --wait 10 --csv 2>/dev/null | grep -c '^02-' || true)
  [ "$n" -eq 150 ] && full=$((full + 1))
  printf 'discover %2d at 30 %% loss, --wait 10: %d of 150 listed\n' "$run" "$n"
  run=$((run + 1))
done
echo "every unit listed in $full of $runs runs (goal: all)"
kill $sim

# One apply, timed: seconds, then the outcomes and how often messages were sent.
timed_apply() {
  start=$(date +%s.%N)
  "$build/trx61ctl" apply "$csv" --report "$report" > /dev/null 2>&1 || true
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }'
}
outcomes() {
  grep -o '"outcome": "[^"]*"' "$report" | sort | uniq -c | awk '{ $1 = $1; printf "%s; ", $0 }'
  grep -o '"sends": [0-9]*' "$report" | sort | uniq -c | awk '{ printf "%s sent %s time(s); ", $1, $3 }'
}
start_sim --count 101 --loss 10 --seed "$(date +%s)"
# Medians: a single unit whose only acknowledgement is lost waits the whole --ack-wait, and
# one such run in ten would make the mean of the single runs, and the ratio, flatter.
median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ v[NR] = $1 } END { print (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'; }
one=""
for round in 1 2 3 4 5 6 7 8 9 10; do
  rows 101 101 "one-$round" > "$csv"
  t=$(timed_apply)
  one="$one $t"
  printf 'apply, 1 unit at 10 %% loss: %s s; %s\n' "$t" "$(outcomes)"
done
many=""
for round in 1 2 3 4 5; do
  rows 1 100 "many-$round" > "$csv"
  t=$(timed_apply)
  many="$many $t"
  printf 'apply, 100 units at 10 %% loss: %s s; %s\n' "$t" "$(outcomes)"
done
awk -v a="$(echo "$many" | median)" -v b="$(echo "$one" | median)" \
  'BEGIN { printf "100 units take %.2f times as long as 1, by the medians (goal: at most 1.5)\n", a / b }'
kill $sim
