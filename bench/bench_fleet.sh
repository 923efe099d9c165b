#!/bin/sh
# A site on a lossy link: 150 simulated access points that lose 10 % of what they are sent and
# of what they send (searches, replies, settings messages, acknowledgements). Prints how many
# each of ten discover runs lists, then what one apply of new ESSIDs to all of them reports.
# Goal: 150 listed in 10 of 10 runs, and every unit set by one apply. Runs in a private namespace.
#   bench/bench_fleet.sh [BUILD-DIR]
set -eu
build=${1:-build}
[ "${TRX_IN_NETNS:-}" = 1 ] || exec env TRX_IN_NETNS=1 "$(dirname "$0")/../tools/netns-run" "$0" "$build"
csv=$(mktemp)
log=$(mktemp)
report=$(mktemp)
trap 'rm -f "$csv" "$log" "$report"' EXIT
"$build/trx61-apsim" --count 150 --loss 10 --seed "$(date +%s)" > "$log" 2>&1 &
sim=$!
until grep -q listening "$log"; do sleep 0.05; done
full=0
for run in 1 2 3 4 5 6 7 8 9 10; do
  n=$("$build/trx61ctl" discover --csv 2>/dev/null | grep -c '^02-' || true)
  [ "$n" -eq 150 ] && full=$((full + 1))
  printf 'discover %2d: %d of 150 listed\n' "$run" "$n"
done
echo "every unit listed in $full of 10 runs (goal: 10)"
{
  echo "mac,essid"
  i=1; while [ $i -le 150 ]; do printf '02-00-00-0A-%02X-%02X,fleet-%d\n' $((i / 256)) $((i % 256)) $i; i=$((i + 1)); done
} > "$csv"
start=$(date +%s.%N)
"$build/trx61ctl" apply "$csv" --report "$report" > /dev/null 2>&1 || true
end=$(date +%s.%N)
awk -v a="$start" -v b="$end" 'BEGIN { printf "apply: %.1f s; ", b - a }'
grep -o '"outcome": "[^"]*"' "$report" | sort | uniq -c | awk '{ $1 = $1; printf "%s; ", $0 } END { print "" }'
grep -o '"sends": [0-9]*' "$report" | sort | uniq -c | awk '{ printf "%s units sent %s time(s); ", $1, $3 } END { print "" }'
kill $sim
