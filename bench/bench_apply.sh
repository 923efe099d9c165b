#!/bin/sh
# Times `trx61ctl apply` for 1, 10 and 100 simulated access points that take 2 s to apply
# their settings, and prints how much longer 100 take than 1. Runs in a private namespace.
#   bench/bench_apply.sh [BUILD-DIR]
set -eu
build=${1:-build}
[ "${TRX_IN_NETNS:-}" = 1 ] || exec env TRX_IN_NETNS=1 "$(dirname "$0")/../tools/netns-run" "$0" "$build"
csv=$(mktemp)
log=$(mktemp)
trap 'rm -f "$csv" "$log"' EXIT
"$build/trx61-apsim" --count 100 --apply-delay 2000 > "$log" 2>&1 &
sim=$!
until grep -q listening "$log"; do sleep 0.05; done
now() { date +%s.%N; }
for n in 1 10 100; do
  { echo "mac,essid"; i=1; while [ $i -le $n ]; do printf '02-00-00-0A-%02X-%02X,run-%d-%d\n' $((i / 256)) $((i % 256)) $n $i; i=$((i + 1)); done; } > "$csv"
  start=$(now)
  "$build/trx61ctl" apply "$csv" > /dev/null
  seconds=$(echo "$(now) - $start" | awk '{ print $1 - $3 }')
  case $n in 1) t1=$seconds ;; 100) t100=$seconds ;; esac
  printf 'apply of %3d access points: %.2f s\n' "$n" "$seconds"
done
kill $sim
awk -v a="$t100" -v b="$t1" 'BEGIN { printf "100 devices take %.2f times as long as 1 (goal: at most 1.5)\n", a / b }'
