#!/bin/sh
# trx61ctl against the real simulator process, in the test's private network namespace.
# Usage (as ctest runs it): tools/netns-run tests/ctl/test_ctl.sh BUILD-DIR
set -u
build=$1
ctl=$build/trx61ctl
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
expect_status() {  # expected-status description command...
  want=$1; what=$2; shift 2
  "$@" > /tmp/ctl.out.$$ 2> /tmp/ctl.err.$$
  got=$?
  [ "$got" -eq "$want" ] || fail "$what: exit status $got, expected $want; said: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
}
sim_pid=
start_sim() {
  stop_sim
  : > /tmp/ctl.sim.$$  # emptied here: the background redirection may come after the wait starts
  "$build/trx61-apsim" "$@" >> /tmp/ctl.sim.$$ 2>&1 &
  sim_pid=$!
  i=0
  until grep -q listening /tmp/ctl.sim.$$; do
    i=$((i + 1)); [ $i -gt 6000 ] && { fail "the simulator did not start: $(cat /tmp/ctl.sim.$$)"; return; }
    sleep 0.02
  done
}
stop_sim() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null; sim_pid=; }
trap 'stop_sim; rm -f /tmp/ctl.*.$$' EXIT
M=02-00-00-0A-00-01

# Discover, in three formats; none answering is a status of its own.
start_sim --count 3
expect_status 0 "discover" "$ctl" discover --wait 1
[ "$(grep -c '^02-00-00-0A-00-0' /tmp/ctl.out.$$)" -eq 3 ] || fail "the table lists three access points"
expect_status 0 "discover --csv" "$ctl" discover --wait 1 --csv
grep -q '^02-00-00-0A-00-02,TRX61-AP-2,192.168.1.12,255.255.255.0,192.168.1.1,yes,ETSI,6,office-2,2.2.0,64$' /tmp/ctl.out.$$ ||
  fail "the CSV row of the second access point: $(cat /tmp/ctl.out.$$)"
expect_status 0 "discover --json" "$ctl" discover --wait 1 --json
[ "$(grep -o '"host": "[^"]*"' /tmp/ctl.out.$$ | tr '\n' ' ')" = '"host": "TRX61-AP-1" "host": "TRX61-AP-2" "host": "TRX61-AP-3" ' ] ||
  fail "JSON: $(cat /tmp/ctl.out.$$)"
grep -q key1 /tmp/ctl.out.$$ && fail "keys are shown only with --show-keys"

# Set, verified: every WEP size, DHCP and a fixed address.
for wep in 64 128 256 off; do
  expect_status 0 "set --wep $wep" "$ctl" set $M --wep $wep --passphrase "phrase $wep" --essid "net-$wep"
  grep -q '^verified$' /tmp/ctl.out.$$ || fail "set --wep $wep: $(cat /tmp/ctl.out.$$)"
done
expect_status 0 "set --dhcp" "$ctl" set $M --dhcp --host lobby
expect_status 0 "set a fixed address" "$ctl" set $M --ip 10.1.2.3 --mask 255.255.0.0 --gateway 10.1.0.1 --channel 11
"$ctl" discover --wait 1 --csv | grep -q "^$M,lobby,10.1.2.3,255.255.0.0,10.1.0.1,no,FCC,11,net-off," ||
  fail "the saved values are what the next search shows"
# An installer's own account, not root: no capabilities, the stock socket limits. (A copy in
# /tmp, since the build folder need not be open to other users.)
if [ "$(id -u)" -eq 0 ]; then
  cp "$ctl" /tmp/ctl.bin.$$ && chmod 755 /tmp/ctl.bin.$$
  expect_status 0 "set as an unprivileged user" setpriv --reuid=65534 --regid=65534 --clear-groups \
    /tmp/ctl.bin.$$ set $M --essid by-user
  grep -q '^verified$' /tmp/ctl.out.$$ || fail "set as an unprivileged user: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
fi
expect_status 2 "an unknown MAC" "$ctl" set 02-00-00-0A-00-99 --essid x
expect_status 1 "an empty ESSID" "$ctl" set $M --essid ""
grep -q "Wrong ESSID value!" /tmp/ctl.err.$$ || fail "the wizard's message for an empty ESSID"
expect_status 1 "a channel outside the domain" "$ctl" set $M --channel 13

# A device that acknowledges but keeps its values; one that never acknowledges.
start_sim --count 1 --keep-old
expect_status 4 "kept old values" "$ctl" set $M --essid changed --apply-time 2
grep -q "acknowledged but different: essid" /tmp/ctl.out.$$ || fail "names the field: $(cat /tmp/ctl.out.$$)"
start_sim --count 1 --no-ack
expect_status 3 "no acknowledgement" "$ctl" set $M --essid changed
stop_sim
expect_status 2 "nobody answers" "$ctl" discover --wait 0.5

# The simulator's state file keeps what was saved across runs, as a device would.
state=/tmp/ctl.state.$$
start_sim --count 2 --state $state --apply-delay 300
expect_status 0 "set with a state file" "$ctl" set $M --essid kept --wep 256 --key "$(printf '%058d' 7 | tr 0 A)"
start_sim --state $state
"$ctl" discover --wait 1 --csv --show-keys | grep "^$M," | grep -q ",kept,.*,256,.*,$(printf '%058d' 7 | tr 0 A)," ||
  fail "a restarted simulator reports the saved values: $("$ctl" discover --wait 1 --csv --show-keys)"

# apply: 100 devices in one go, the first five of them unusable, and one that does not exist.
start_sim --count 100 --faulty 5 --bad-channel --apply-delay 300
csv=/tmp/ctl.csv.$$
{
  echo "mac,essid,wep,passphrase"
  i=1
  while [ $i -le 100 ]; do printf '02-00-00-0A-%02X-%02X,"net %d, east",128,phrase %d\n' $((i / 256)) $((i % 256)) $i $i; i=$((i + 1)); done
  echo "02-00-00-0B-00-01,nowhere,,"
} > $csv
expect_status 2 "apply, some not found" "$ctl" apply $csv --report /tmp/ctl.report.$$
[ "$(grep -c ' verified$' /tmp/ctl.out.$$)" -eq 95 ] || fail "95 verified: $(cat /tmp/ctl.out.$$)"
[ "$(grep -c '"outcome": "not found"' /tmp/ctl.report.$$)" -eq 6 ] || fail "the report: $(cat /tmp/ctl.report.$$)"
"$ctl" discover --wait 1 --csv | grep -q '^02-00-00-0A-00-64,.*,"net 100, east",' || fail "apply wrote the 100th"
printf 'mac,essid,colour\n02-00-00-0A-00-01,,red\n' > $csv
expect_status 1 "an unknown column" "$ctl" apply $csv
grep -q "ctl.csv.$$:1: unknown column \"colour\"" /tmp/ctl.err.$$ || fail "file:line of a bad header: $(cat /tmp/ctl.err.$$)"
printf 'mac,ip\n02-00-00-0A-00-01,10.0.0.1\n02-00-00-0A-00-02,10.0.0\n' > $csv
expect_status 1 "a bad row" "$ctl" apply $csv
grep -q "ctl.csv.$$:3: Wrong IP address value!" /tmp/ctl.err.$$ || fail "file:line of a bad row: $(cat /tmp/ctl.err.$$)"
grep -q "recv gstset" /tmp/ctl.sim.$$ && [ "$(grep -c 'recv gstset' /tmp/ctl.sim.$$)" -ne 95 ] && fail "a refused file sends nothing"

# A burst of 10000, all listed.
start_sim --count 10000 --line-rate 100
"$ctl" discover --csv > /tmp/ctl.out.$$
[ "$(($(wc -l < /tmp/ctl.out.$$) - 1))" -eq 10000 ] || fail "10000 listed, got $(($(wc -l < /tmp/ctl.out.$$) - 1))"

[ $failures -eq 0 ] && echo "all trx61ctl checks passed"
exit $((failures > 0))
