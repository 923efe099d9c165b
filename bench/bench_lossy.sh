#!/bin/sh
# A large site on a poor link: 500 simulated access points that lose 30 % of what they are sent
# and of what they send, against one of them alone on the same link. Rounds alternate one
# apply to 1 unit and one to 500, each with a new ESSID, and print the seconds, the outcomes
# and how often messages were sent; then the medians, ranges and their ratio (goal: 500 units
# within 2 times the time of 1, every unit set). Runs in a private namespace.
#   bench/bench_lossy.sh [BUILD-DIR] [ROUNDS]
set -eu
build=${1:-build}
rounds=${2:-5}
# shellcheck source=bench/common.sh
. "$(dirname "$0")/common.sh"
in_namespace "$build" "$rounds"
csv=$(mktemp)
log=$(mktemp)
report=$(mktemp)
trap 'rm -f "$csv" "$log" "$report"' EXIT
start_sim --count 501 --loss 30 --seed "$(date +%s)"
timed_apply() {
  start=$(date +%s.%N)
  "$build/trx61ctl" apply "$csv" --report "$report" > /dev/null 2>&1 || true
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }'
}
outcomes() {
  grep -o '"outcome": "[^"]*"' "$report" | sort | uniq -c | awk '{ $1 = $1; printf "%s; ", $0 }'
  grep -o '"sends": [0-9]*' "$report" | sort -t: -k2 -n | uniq -c | awk '{ printf "%s sent %s; ", $1, $3 }'
}
stats() {  # median, then the range
  tr ' ' '\n' | sed '/^$/d' | sort -n |
    awk '{ v[NR] = $1 } END { printf "%.2f s (%.2f to %.2f)", (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2, v[1], v[NR] }'
}
one="" many=""
round=1
while [ $round -le "$rounds" ]; do
  rows 501 501 "one-$round" > "$csv"
  t=$(timed_apply)
  one="$one $t"
  printf 'apply, 1 unit at 30 %% loss: %s s; %s\n' "$t" "$(outcomes)"
  rows 1 500 "many-$round" > "$csv"
  t=$(timed_apply)
  many="$many $t"
  printf 'apply, 500 units at 30 %% loss: %s s; %s\n' "$t" "$(outcomes)"
  round=$((round + 1))
done
echo "1 unit: $(echo "$one" | stats); 500 units: $(echo "$many" | stats)"
median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ v[NR] = $1 } END { print (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'; }
awk -v a="$(echo "$many" | median)" -v b="$(echo "$one" | median)" \
  'BEGIN { printf "500 units take %.2f times as long as 1, by the medians (goal: at most 2)\n", a / b }'
kill $sim
