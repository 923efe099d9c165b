# shellcheck shell=sh
# shellcheck disable=SC2154,SC2034  # build and log are the caller's; sim is for the caller
# What the benchmarks that run trx61ctl against simulated access points share. Sourced after
# `set -eu` and `build=...`; start_sim writes the simulator's output to $log.

# Runs the calling script again inside a private network namespace, unless it is in one.
# Called with the script's own arguments.
in_namespace() {
  [ "${TRX_IN_NETNS:-}" = 1 ] || exec env TRX_IN_NETNS=1 "$(dirname "$0")/../tools/netns-run" "$0" "$@"
}

# Starts the simulator with these arguments and waits until it listens; its process is $sim.
start_sim() {
  : > "$log"
  "$build/trx61-apsim" "$@" > "$log" 2>&1 &
  sim=$!
  until grep -q listening "$log"; do sleep 0.05; done
}

# A file for apply: units FIRST to LAST by MAC, each given the ESSID TAG-N.
rows() {  # first last tag
  echo "mac,essid"
  i=$1; while [ "$i" -le "$2" ]; do printf '02-00-00-0A-%02X-%02X,%s-%d\n' $((i / 256)) $((i % 256)) "$3" "$i"; i=$((i + 1)); done
}
