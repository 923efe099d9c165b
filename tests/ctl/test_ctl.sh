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
# A second device beside the simulator's units: a clone or a forger, on an address of its own.
other_pid=
start_other() {
  stop_other
  : > /tmp/ctl.other.$$
  "$build/trx61-apsim" "$@" >> /tmp/ctl.other.$$ 2>&1 &
  other_pid=$!
  until grep -q listening /tmp/ctl.other.$$; do sleep 0.02; done
}
stop_other() { [ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null && wait "$other_pid" 2>/dev/null; other_pid=; }
trap 'stop_sim; stop_other; rm -rf /tmp/ctl.*.$$' EXIT
# This test's own lock for runs that send: another test's runs elsewhere on the machine wait for none of them.
export XDG_RUNTIME_DIR=/tmp/ctl.run.$$
mkdir -p $XDG_RUNTIME_DIR && chmod 1777 $XDG_RUNTIME_DIR
M=02-00-00-0A-00-01

# Discover, in three formats; none answering is a status of its own.
start_sim --count 3
expect_status 0 "discover" "$ctl" discover --wait 1
[ "$(grep -c '^02-00-00-0A-00-0' /tmp/ctl.out.$$)" -eq 3 ] || fail "the table lists three access points"
expect_status 0 "discover --csv" "$ctl" discover --wait 1 --csv
grep -q '^02-00-00-0A-00-02,TRX61-AP-2,192.168.1.12,255.255.255.0,192.168.1.1,yes,ETSI,6,office-2,'\''2.2.0,64,1,lo,$' /tmp/ctl.out.$$ ||
  fail "the CSV row of the second access point: $(cat /tmp/ctl.out.$$)"
expect_status 0 "discover --json" "$ctl" discover --wait 1 --json
[ "$(grep -o '"host": "[^"]*"' /tmp/ctl.out.$$ | tr '\n' ' ')" = '"host": "TRX61-AP-1" "host": "TRX61-AP-2" "host": "TRX61-AP-3" ' ] ||
  fail "JSON: $(cat /tmp/ctl.out.$$)"
grep -q key1 /tmp/ctl.out.$$ && fail "keys are shown only with --show-keys"
{ grep -q '"channel": 6,' /tmp/ctl.out.$$ && grep -q '"dhcp": true,' /tmp/ctl.out.$$; } || fail "JSON values are typed"
"$ctl" discover --wait 1 > /dev/full 2> /tmp/ctl.err.$$; [ $? -eq 6 ] || fail "a write error is a failure: $(cat /tmp/ctl.err.$$)"

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
expect_status 0 "set by host name" "$ctl" set trx61-ap-2 --essid by-name --wait 1
expect_status 0 "--output" "$ctl" discover --wait 1 --csv --output /tmp/ctl.list.$$
grep -q '^02-00-00-0A-00-02,.*,by-name,' /tmp/ctl.list.$$ || fail "set by host name, and --output: $(cat /tmp/ctl.list.$$)"
expect_status 2 "an unknown MAC" "$ctl" set 02-00-00-0A-00-99 --essid x

# A device that acknowledges but keeps its values; one that never acknowledges.
start_sim --count 1 --keep-old
expect_status 4 "kept old values" "$ctl" set $M --essid changed --apply-time 2
grep -q "acknowledged but different: essid" /tmp/ctl.out.$$ || fail "names the field: $(cat /tmp/ctl.out.$$)"
start_sim --count 1 --no-ack
expect_status 0 "changed, no acknowledgement" "$ctl" set $M --essid changed --apply-time 5
grep -q '^changed without acknowledgement$' /tmp/ctl.out.$$ || fail "still verified: $(cat /tmp/ctl.out.$$)"
start_sim --count 1 --no-ack --keep-old
expect_status 3 "no acknowledgement" "$ctl" set $M --essid changed --apply-time 1
stop_sim
expect_status 2 "nobody answers" "$ctl" discover --wait 0.5

# The simulator's state file keeps what was saved across runs, as a device would.
state=/tmp/ctl.state.$$
start_sim --count 2 --state $state --apply-delay 300
expect_status 0 "set with a state file" "$ctl" set $M --essid kept --wep 256 --key "$(printf '%058d' 7 | tr 0 A)"
start_sim --state $state
"$ctl" discover --wait 1 --csv --show-keys | grep "^$M," | grep -q ",kept,.*,256,.*,$(printf '%058d' 7 | tr 0 A)," ||
  fail "a restarted simulator reports the saved values: $("$ctl" discover --wait 1 --csv --show-keys)"
start_sim --count 3 --state $state
{ grep -q "access points from --count 3" /tmp/ctl.sim.$$ && [ "$("$ctl" discover --wait 1 | grep -c '^02-')" -eq 3 ]; } ||
  fail "--count wins over a state file: $(cat /tmp/ctl.sim.$$)"

# apply: 100 devices in one go, the first five of them unusable, and one that does not exist.
start_sim --count 100 --faulty 5 --bad-channel --apply-delay 300
csv=/tmp/ctl.csv.$$
{
  echo "mac,essid,wep,passphrase"
  i=1
  while [ $i -le 100 ]; do printf '02-00-00-0A-%02X-%02X,"net %d, east",128,phrase %d\n' $((i / 256)) $((i % 256)) $i $i; i=$((i + 1)); done
  echo "02-00-00-0B-00-01,nowhere,,"
} > $csv
expect_status 2 "apply, one not found" "$ctl" apply $csv --report /tmp/ctl.report.$$
[ "$(grep -c ' verified$' /tmp/ctl.out.$$)" -eq 100 ] || fail "100 verified, unreadable channels kept: $(cat /tmp/ctl.out.$$)"
[ "$(grep -c '"outcome": "not found"' /tmp/ctl.report.$$)" -eq 1 ] || fail "the report: $(cat /tmp/ctl.report.$$)"
"$ctl" discover --wait 1 --csv > /tmp/ctl.out.$$ 2> /tmp/ctl.err.$$
{ grep -q '^02-00-00-0A-00-01,TRX61-AP-1,.*,?,"net 1, east",' /tmp/ctl.out.$$ && grep -q "^trx61ctl: 02-00-00-0A-00-05: unreadable channel (listed with ?)" /tmp/ctl.err.$$; } ||
  fail "an unreadable device listed with ?: $(head -3 /tmp/ctl.out.$$) $(cat /tmp/ctl.err.$$)"
"$ctl" discover --wait 1 --csv | grep -q '^02-00-00-0A-00-64,.*,"net 100, east",' || fail "apply wrote the 100th"

# A backup restores as it stands, sending nothing; one edited cell changes that field alone.
start_sim --count 3 --hex --show-keys
backup=/tmp/ctl.backup.$$
"$ctl" discover --wait 1 --csv --show-keys > $backup
expect_status 0 "restore a backup" "$ctl" apply $backup
[ "$(grep -c ' unchanged$' /tmp/ctl.out.$$)" -eq 3 ] || fail "a backup changes nothing: $(cat /tmp/ctl.out.$$)"
grep -q "recv gstset" /tmp/ctl.sim.$$ && fail "nothing is sent for a backup"
sed 's/,office-1,/," office, one ",/' $backup | "$ctl" apply - > /tmp/ctl.out.$$ 2>&1 || fail "apply -: $(cat /tmp/ctl.out.$$)"
# The record of the reply before the settings against the record sent: only bytes of the
# ESSID (61 to 93) differ. (The domain byte goes by the wizard's settings code, which for
# FCC is the reply's own.)
awk '/send reply.*TRX61-AP-1/ { getline; reply = $0 } /recv gstset/ { getline; print reply; print; exit }' /tmp/ctl.sim.$$ |
  while read -r line; do echo "$line" | tr ' ' '\n' | tail -n 318 | tr '\n' ' '; echo; done > /tmp/ctl.a.$$
changed=$(awk 'NR == 1 { n = split($0, a, " ") } NR == 2 { split($0, b, " "); for (i = 1; i <= n; i++) if (a[i] != b[i]) printf "%d ", i - 1 }' /tmp/ctl.a.$$)
echo "$changed" | awk '{ for (i = 1; i <= NF; i++) if ($i < 61 || $i > 93) exit 1; exit NF == 0 }' ||
  fail "one cell, one field: bytes $changed changed"
"$ctl" discover --wait 1 --csv | grep -q '^02-00-00-0A-00-01,.*," office, one ",' || fail "spaces inside quotes are kept"
printf 'mac;essid\n02-00-00-0A-00-01;"semi;colon"\n' > $csv
expect_status 0 "a semicolon file" "$ctl" apply $csv
grep -q "^02-00-00-0A-00-01 verified$" /tmp/ctl.out.$$ || fail "a semicolon file: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
printf 'mac,passphrase,wep\n02-00-00-0A-00-01,hush-hush,128\n' > $csv
expect_status 0 "a dry run" "$ctl" apply $csv --dry-run
grep -q "hush" /tmp/ctl.out.$$ && fail "a dry run shows no pass phrase without --show-keys"
grep -q "passphrase: changed" /tmp/ctl.out.$$ || fail "a dry run names the change: $(cat /tmp/ctl.out.$$)"
echo "from a pipe" | "$ctl" set $M --passphrase-file - --wep 64 > /tmp/ctl.out.$$ 2>&1 || fail "a pass phrase from standard input"
"$ctl" discover --wait 1 --csv --show-keys | grep -q "^$M,.*,from a pipe," || fail "the pass phrase read from standard input"

# Addresses: --force sends one that another device has (the refusals are checked in-process).
expect_status 0 "--force" "$ctl" set $M --ip 192.168.1.13 --force --apply-time 5
printf '[ap]\nmac = 02-00-00-0C-00-01\nip = 10.0.0.5\ndhcp = no\n[ap]\nmac = 02-00-00-0C-00-01\nhost = twin\nip = 10.0.0.5\ndhcp = no\n' > /tmp/ctl.conf.$$
start_sim --config /tmp/ctl.conf.$$
expect_status 0 "conflicts" "$ctl" discover --wait 1 --json
{ [ "$(grep -c '"mac"$' /tmp/ctl.out.$$)" -eq 2 ] && [ "$(grep -c '"ip",$' /tmp/ctl.out.$$)" -eq 2 ]; } ||
  fail "both twins flagged: $(cat /tmp/ctl.out.$$)"
grep -q "more than one access point has the MAC 02-00-00-0C-00-01" /tmp/ctl.err.$$ || fail "a summary: $(cat /tmp/ctl.err.$$)"
expect_status 1 "an address two answer with" "$ctl" set 10.0.0.5 --essid x --wait 1
# Two devices on one MAC: naming one by its MAC cannot help, so that is not advised.
grep -q "02-00-00-0C-00-01: 2 different answers carry this MAC, all from 10.0.0.5 (a unit that changes" /tmp/ctl.err.$$ ||
  fail "names the twins: $(cat /tmp/ctl.err.$$)"

# A site as it is: twins on one MAC, a 32-character host name, a gateway outside the subnet.
# Its backup restores as it stands (the twins skipped), and an edit is judged on what it changes.
C=02-00-00-0C-00-02
printf '[ap]\nmac = %s\nhost = %s\nip = 10.0.0.7\nmask = 255.255.255.0\ngateway = 10.9.9.9\ndhcp = no\n' $C "$(printf '%032d' 0 | tr 0 h)" >> /tmp/ctl.conf.$$
start_sim --config /tmp/ctl.conf.$$
"$ctl" discover --wait 1 --csv --show-keys > $backup
expect_status 5 "restore twins and odd values" "$ctl" apply $backup --report /tmp/ctl.report.$$
{ grep -q "^$C unchanged$" /tmp/ctl.out.$$ && [ "$(grep -c 'skipped: the MAC is on lines 2, 3 ' /tmp/ctl.out.$$)" -eq 2 ]; } ||
  fail "the twins skipped, the rest unchanged: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
[ "$(stat -c %a /tmp/ctl.report.$$)" = 600 ] || fail "the report is its owner's only: $(stat -c %a /tmp/ctl.report.$$)"
awk -F, -v OFS=, -v m=$C '$1 == m { $9 = "moved" } !/0C-00-01/' $backup > $csv
expect_status 0 "an edit beside values as read" "$ctl" apply $csv
grep -q "^$C verified$" /tmp/ctl.out.$$ || fail "an odd gateway and 32 characters as read: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
: > /tmp/ctl.sim.$$
expect_status 1 "a twin's address" "$ctl" set $C --ip 10.0.0.5 --gateway 10.0.0.1
grep -q "02-00-00-0C-00-01 has this address too" /tmp/ctl.err.$$ || fail "a twin's address: $(cat /tmp/ctl.err.$$)"
grep -q "recv gstset" /tmp/ctl.sim.$$ && fail "refusals send nothing: $(grep 'recv gstset' /tmp/ctl.sim.$$)"
printf 'mac,essid\n%s,B\374ro \200\n' $C > $csv
expect_status 0 "a Windows-1252 file" "$ctl" apply $csv
{ grep -q "read as Windows-1252" /tmp/ctl.err.$$ && "$ctl" discover --wait 1 --csv | grep -q "^$C,.*,Büro €,"; } || fail "Windows-1252: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"

# Side by side: every message goes out before the first acknowledgement comes back, and a
# device that never acknowledges is decided on its own.
start_sim --count 4 --ack-delay 800 --no-ack --faulty 1
printf 'mac,essid\n02-00-00-0A-00-01,s1\n02-00-00-0A-00-02,s2\n02-00-00-0A-00-03,s3\n02-00-00-0A-00-04,s4\n' > $csv
expect_status 0 "a slow fleet" "$ctl" apply $csv --ack-wait 2
[ "$(grep -E 'recv gstset|send gstack' /tmp/ctl.sim.$$ | head -n 4 | grep -c 'recv gstset')" -eq 4 ] ||
  fail "all four sent before the first acknowledgement: $(grep -E 'recv gstset|send gstack' /tmp/ctl.sim.$$)"
{ [ "$(grep -c ' verified$' /tmp/ctl.out.$$)" -eq 3 ] && [ "$(grep -c ' changed without acknowledgement$' /tmp/ctl.out.$$)" -eq 1 ]; } ||
  fail "three acknowledged, one not: $(cat /tmp/ctl.out.$$)"
# Interrupted while verifying: a report and a summary with what is known, and the signal's status.
start_sim --count 2 --keep-old
printf 'mac,essid\n02-00-00-0A-00-01,a\n02-00-00-0A-00-02,b\n' > $csv
for sig in INT TERM; do
  rm -f /tmp/ctl.report.$$
  "$ctl" apply $csv --apply-time 60 --report /tmp/ctl.report.$$ > /tmp/ctl.out.$$ 2> /tmp/ctl.err.$$ &
  ctl_pid=$!
  i=0; until [ "$(grep -c 'recv gstset' /tmp/ctl.sim.$$)" -ge 2 ] || [ $i -gt 500 ]; do i=$((i + 1)); sleep 0.02; done
  sleep 0.5
  kill -"$sig" $ctl_pid; wait $ctl_pid; got=$?
  if [ "$sig" = INT ]; then want=130; else want=143; fi
  [ $got -eq $want ] || fail "SIG$sig: exit status $got, expected $want"
  [ "$(grep -c '"outcome": "sent, not verified"' /tmp/ctl.report.$$)" -eq 2 ] || fail "SIG$sig report: $(cat /tmp/ctl.report.$$)"
  grep -q "2 sent, not verified" /tmp/ctl.err.$$ || fail "SIG$sig summary: $(cat /tmp/ctl.err.$$)"
  : > /tmp/ctl.sim.$$
done

# Interrupted while waiting for a late acknowledgement: a device already seen with its new
# values is reported changed, not unknown.
start_sim --count 1 --ack-delay 20000
printf 'mac,essid\n02-00-00-0A-00-01,late\n' > $csv
"$ctl" apply $csv --ack-wait 30 --report /tmp/ctl.report.$$ > /tmp/ctl.out.$$ 2> /tmp/ctl.err.$$ &
ctl_pid=$!
i=0; until grep -q 'recv gstset' /tmp/ctl.sim.$$ || [ $i -gt 500 ]; do i=$((i + 1)); sleep 0.02; done
sleep 1
kill -INT $ctl_pid; wait $ctl_pid
grep -q '"outcome": "changed without acknowledgement"' /tmp/ctl.report.$$ || fail "seen before the interrupt: $(cat /tmp/ctl.report.$$)"

# A backup re-saved without quotes, its phrase edited alone, applied twice: spaces stay, the
# keys follow the new phrase, and the second run sends nothing.
start_sim --count 3
"$ctl" set 02-00-00-0A-00-02 --essid " Lobby " --passphrase "secret phrase " > /dev/null 2>&1
"$ctl" discover --wait 1 --csv --show-keys > $backup
sed -e 's/"//g' -e '/^02-00-00-0A-00-02,/s/,secret phrase ,/,new phrase,/' $backup > $csv
expect_status 0 "an edited phrase" "$ctl" apply $csv
grep -q "^02-00-00-0A-00-02 verified$" /tmp/ctl.out.$$ || fail "an edited phrase: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
: > /tmp/ctl.sim.$$
expect_status 0 "the same file again" "$ctl" apply $csv
[ "$(grep -c ' unchanged$' /tmp/ctl.out.$$)" -eq 3 ] || fail "a second run changes nothing: $(cat /tmp/ctl.out.$$)"
grep -q "recv gstset" /tmp/ctl.sim.$$ && fail "a second run sends nothing"
"$ctl" discover --wait 1 --csv --show-keys | grep -q '^02-00-00-0A-00-02,.*," Lobby ",.*,new phrase,,,,,' ||
  fail "spaces kept, keys of the new phrase: $("$ctl" discover --wait 1 --csv --show-keys)"

# Names chosen by someone else: no cell of the backup starts a formula, a terminal sees no
# escape, the backup restores byte for byte (bytes 81 and 9D included), and one edited cell
# changes that field alone.
printf '[ap]\nmac = 02-00-00-0D-00-01\nhost = =HYPERLINK("http://x")\nessid = +cmd|%s /C calc%s!A0\n' "'" "'" > /tmp/ctl.conf.$$
printf '[ap]\nmac = 02-00-00-0D-00-02\nhost = @SUM(1+1)\nessid = -2+3\n' >> /tmp/ctl.conf.$$
printf '[ap]\nmac = 02-00-00-0D-00-03\nhost = %squoted\nessid = a\302\201\302\235\033[2J\n' "'" >> /tmp/ctl.conf.$$
start_sim --config /tmp/ctl.conf.$$
"$ctl" discover --wait 1 --csv --show-keys > $backup
grep -E '(^|,)"?[-=+@]' $backup && fail "a cell that starts a formula"
grep -q "$(printf '\033')" $backup || fail "a file gets the exact bytes"
script -qc "$ctl discover --wait 1 --csv" /dev/null | grep -q "$(printf '\033')" && fail "an escape reaches the terminal"
expect_status 0 "restore names a spreadsheet would run" "$ctl" apply $backup
[ "$(grep -c ' unchanged$' /tmp/ctl.out.$$)" -eq 3 ] || fail "restored as it stands: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
sed "s/,'-2+3,/,'-2+4,/" $backup > $csv
expect_status 0 "one edited cell" "$ctl" apply $csv --dry-run
{ [ "$(grep -c '^  ' /tmp/ctl.out.$$)" -eq 1 ] && grep -q '^  essid: -2+3 -> -2+4$' /tmp/ctl.out.$$; } ||
  fail "one edited cell, one change: $(cat /tmp/ctl.out.$$)"

# Acknowledgements that come during a search count; a unit restarting after it applied is
# verified when it is back, or, if its apply time is over first, acknowledged but not seen.
start_sim --count 40 --reboot 8000 --faulty 1
{ echo mac,essid; i=1; while [ $i -le 40 ]; do printf '02-00-00-0A-00-%02X,r%d\n' $i $i; i=$((i + 1)); done; } > $csv
expect_status 0 "one unit restarting" "$ctl" apply $csv --apply-time 20
[ "$(grep -c ' verified$' /tmp/ctl.out.$$)" -eq 40 ] || fail "40 verified: $(cat /tmp/ctl.out.$$)"
expect_status 7 "still restarting" "$ctl" set $M --essid late --ack-wait 1 --apply-time 0 --wait 0.5
grep -q '^acknowledged, not seen again' /tmp/ctl.out.$$ || fail "not seen again: $(cat /tmp/ctl.out.$$)"

# A lossy link: every unit is listed by one search, and every one takes its settings.
start_sim --count 20 --loss 10 --seed 11
expect_status 0 "discover, lossy" "$ctl" discover --wait 2 --csv
[ "$(grep -c '^02-' /tmp/ctl.out.$$)" -eq 20 ] || fail "20 listed on a lossy link: $(cat /tmp/ctl.out.$$)"
{ echo mac,essid; i=1; while [ $i -le 20 ]; do printf '02-00-00-0A-00-%02X,lossy%d\n' $i $i; i=$((i + 1)); done; } > $csv
expect_status 0 "apply, lossy" "$ctl" apply $csv --retries 6 --report /tmp/ctl.report.$$
[ "$(grep -cE ' (verified|changed without acknowledgement)$' /tmp/ctl.out.$$)" -eq 20 ] || fail "20 set: $(cat /tmp/ctl.out.$$)"

# Twins and forgers: a unit is judged by every reply with its MAC, however it is named, and
# only its own address speaks for it.
T=02-00-00-0D-00-01
printf '[ap]\nmac = %s\nhost = twin-a\nip = 10.50.0.11\ndhcp = no\n[ap]\nmac = %s\nhost = twin-b\nip = 10.50.0.12\ndhcp = yes\ndomain = 0x30\nwep = 64\n' $T $T > /tmp/ctl.conf.$$
start_sim --config /tmp/ctl.conf.$$
twins="2 access points answer with this MAC and different settings (from 10.50.0.11 and 10.50.0.12)"
for target in twin-b 10.50.0.12 $T; do
  expect_status 1 "set $target, a twin" "$ctl" set "$target" --essid x --wait 1
  grep -q "$twins" /tmp/ctl.err.$$ || fail "set $target refuses twins: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
done
printf 'mac,host,essid\n%s,twin-b,viafile\n' $T > $csv
expect_status 5 "apply to twins" "$ctl" apply $csv
grep -q "^$T refused: .*$twins" /tmp/ctl.out.$$ || fail "apply refuses twins: $(cat /tmp/ctl.out.$$)"
grep -q "recv gstset" /tmp/ctl.sim.$$ && fail "nothing is sent to twins"
# A forged reply that comes first, from another address: another pass phrase. The real unit
# answers 0.8 s after each search, yet is weighed: the search lasts its whole wait.
start_sim --count 1 --delay 800
printf '[ap]\npassphrase = attacker\n' > /tmp/ctl.conf.$$
start_other --config /tmp/ctl.conf.$$ --from 10.1.0.66
expect_status 1 "a forged reply first" "$ctl" set $M --essid lobby
grep -q "different settings (from 10.1.0.66 and 192.168.1.11)" /tmp/ctl.err.$$ || fail "a forged reply: $(cat /tmp/ctl.err.$$)"
# The same settings from another address are a second device; replayed from the unit's own
# address with a byte more, the same unit.
start_other --count 1 --from 10.1.0.66 --delay 2000
expect_status 1 "the same settings from another address" "$ctl" set $M --essid elsewhere
grep -q "2 access points answer with this MAC (from 192.168.1.11 and 10.1.0.66)" /tmp/ctl.err.$$ || fail "another address: $(cat /tmp/ctl.err.$$)"
start_other --count 1 --pad 1 --from 192.168.1.11
expect_status 0 "a replayed reply" "$ctl" set $M --essid replayed
# A unit that acknowledges and keeps its values, and a device that takes on what it hears and
# answers with it from another address: its reply is a second device's, never the unit's.
start_sim --count 1 --keep-old
start_other --count 0 --mimic --from 10.1.0.66
expect_status 9 "a forged verifying reply" "$ctl" set $M --essid forged --apply-time 2
{ grep -q "^contradicted: its answers disagree: .*from 10.1.0.66 the new values" /tmp/ctl.out.$$ && grep -q "send gstack" /tmp/ctl.other.$$; } ||
  fail "a forged verifying reply: $(cat /tmp/ctl.out.$$ /tmp/ctl.other.$$)"
# An address change answered from both addresses: the new one by a forger with the new values,
# the old one still with the old values.
start_other --count 0 --mimic
expect_status 9 "an address change answered from both" "$ctl" set $M --ip 192.168.1.50 --apply-time 2
{ grep -q "^contradicted: .*from 192.168.1.11 the old values" /tmp/ctl.out.$$ &&
  grep -q "^contradicted: .*from 192.168.1.50 the new values" /tmp/ctl.out.$$; } ||
  fail "an address change answered from both: $(cat /tmp/ctl.out.$$)"
stop_other
# Nine units on one address, four of which acknowledge: no acknowledgement is credited to one.
: > /tmp/ctl.conf.$$
for i in 1 2 3 4 5 6 7 8 9; do printf '[ap]\nmac = 02-00-00-0E-00-0%d\nip = 192.168.1.251\n' $i >> /tmp/ctl.conf.$$; done
start_sim --config /tmp/ctl.conf.$$ --no-ack --faulty 5
{ echo mac,essid; for i in 1 2 3 4 5 6 7 8 9; do printf '02-00-00-0E-00-0%d,shared%d\n' $i $i; done; } > $csv
expect_status 0 "one address, nine units" "$ctl" apply $csv
[ "$(grep -c ' changed, acknowledgement not attributable: ' /tmp/ctl.out.$$)" -eq 9 ] ||
  fail "acknowledgements from a shared address: $(cat /tmp/ctl.out.$$)"

# Two senders at once, with units that apply after 1.5 s. On two PCs (two locks), each hears
# the other's messages: whatever it reports verified holds its value at the end. On one PC
# the second run waits, and both are verified.
start_sim --count 6 --apply-delay 1500
for tag in a b; do
  { echo "mac,$([ $tag = a ] && echo essid || echo host)"; for i in 1 2 3 4 5 6; do printf '02-00-00-0A-00-0%d,%s-%d\n' $i $tag $i; done; } > /tmp/ctl.$tag.$$
done
two_runs() {  # lock-folder-of-the-second
  "$ctl" apply /tmp/ctl.a.$$ > /tmp/ctl.outa.$$ 2>&1 &
  sleep 0.2
  XDG_RUNTIME_DIR=$1 "$ctl" apply /tmp/ctl.b.$$ > /tmp/ctl.outb.$$ 2>&1
  wait $!
  "$ctl" discover --wait 1 --csv > /tmp/ctl.final.$$
}
mkdir -p /tmp/ctl.pc2.$$
two_runs /tmp/ctl.pc2.$$
grep -q 'changed by another sender' /tmp/ctl.outa.$$ /tmp/ctl.outb.$$ || fail "two PCs: $(cat /tmp/ctl.outa.$$ /tmp/ctl.outb.$$)"
for i in 1 2 3 4 5 6; do
  if { grep -q "^02-00-00-0A-00-0$i verified" /tmp/ctl.outa.$$ && ! grep -q "^02-00-00-0A-00-0$i,.*,a-$i," /tmp/ctl.final.$$; } ||
    { grep -q "^02-00-00-0A-00-0$i verified" /tmp/ctl.outb.$$ && ! grep -q "^02-00-00-0A-00-0$i,b-$i," /tmp/ctl.final.$$; }; then
    fail "verified but undone on unit $i: $(cat /tmp/ctl.outa.$$ /tmp/ctl.outb.$$ /tmp/ctl.final.$$)"
  fi
done
start_sim --count 6 --apply-delay 1500
two_runs $XDG_RUNTIME_DIR
{ grep -q "waiting for another trx61ctl run" /tmp/ctl.outb.$$ && [ "$(cat /tmp/ctl.outa.$$ /tmp/ctl.outb.$$ | grep -c '^02-.* verified$')" -eq 12 ] &&
  [ "$(grep -cE '^02-00-00-0A-00-0[1-6],b-[1-6],.*,a-[1-6],' /tmp/ctl.final.$$)" -eq 6 ]; } ||
  fail "one PC, two runs in turn: $(cat /tmp/ctl.outa.$$ /tmp/ctl.outb.$$ /tmp/ctl.final.$$)"

# A run that died holding the lock holds up no later one.
start_sim --count 1 --keep-old
"$ctl" set $M --essid held --apply-time 30 > /dev/null 2>&1 &
held=$!
sleep 1
kill -KILL $held
wait $held 2>/dev/null
expect_status 4 "after a run that died" "$ctl" set $M --essid next --apply-time 1
grep -q "waiting for another" /tmp/ctl.err.$$ && fail "a dead run's lock is taken over: $(cat /tmp/ctl.err.$$)"

# Units still answering for the first time at the end of the wait: the list may be short.
start_sim --count 2 --delay 900
expect_status 0 "late answers" "$ctl" discover --wait 1
grep -q "2 access point(s) answered for the first time in the last quarter" /tmp/ctl.err.$$ || fail "late answers: $(cat /tmp/ctl.err.$$)"

# A burst of 10000, all listed.
start_sim --count 10000 --line-rate 100
"$ctl" discover --csv > /tmp/ctl.out.$$
[ "$(($(wc -l < /tmp/ctl.out.$$) - 1))" -eq 10000 ] || fail "10000 listed, got $(($(wc -l < /tmp/ctl.out.$$) - 1))"

# Text in and out: names a spreadsheet would convert, spaces typed by accident, two
# encodings in one file, escapes in messages, secrets never echoed.
E=02-00-00-0E-00-0
{
  printf '[ap]\nmac = %s1\nhost = 0123\nessid = 1/2\n' $E
  printf '[ap]\nmac = %s2\nhost = true\nessid = 2.2.0\nwep = 256\n' $E
  printf '[ap]\nmac = %s3\nhost = %squoted\nessid = 00042\n' $E "'"
  printf '[ap]\nmac = %s4\nhost = 1E5\nessid = a\033]0;owned\007b\nfirmware = 2.2\302\201\033[2J\n' $E
} > /tmp/ctl.conf.$$
start_sim --config /tmp/ctl.conf.$$
"$ctl" discover --wait 1 --csv --show-keys > $backup
grep -q "^${E}1,'0123,.*,'1/2,'2.2.0," $backup || fail "names a spreadsheet would convert are marked: $(cat $backup)"
if command -v ssconvert > /dev/null; then  # a real round trip through Gnumeric
  ssconvert -I Gnumeric_stf:stf_csvtab -T Gnumeric_stf:stf_csv $backup $csv > /dev/null 2>&1
  expect_status 5 "a backup re-saved by Gnumeric" "$ctl" apply $csv
  { [ "$(grep -c ' unchanged$' /tmp/ctl.out.$$)" -eq 3 ] &&
    grep -q "^${E}3 refused: .*host \"quoted\": the access point has \"'quoted\" .*(the leading apostrophe dropped)" /tmp/ctl.out.$$; } ||
    fail "Gnumeric's re-save: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
fi
if command -v soffice > /dev/null; then  # and through Calc, reading dates, times and booleans
  calc() {  # FILE: re-saved as Calc saves CSV
    rm -rf /tmp/ctl.calc.$$ && mkdir -p /tmp/ctl.calc.$$/home && cp "$1" /tmp/ctl.calc.$$/in.csv
    HOME=/tmp/ctl.calc.$$/home timeout 120 soffice --headless --infilter='CSV:44,34,76,1,,1033,false,true' \
      --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir /tmp/ctl.calc.$$/out /tmp/ctl.calc.$$/in.csv > /dev/null 2>&1
  }
  calc $backup
  expect_status 0 "a backup re-saved by Calc" "$ctl" apply /tmp/ctl.calc.$$/out/in.csv
  [ "$(grep -c ' unchanged$' /tmp/ctl.out.$$)" -eq 4 ] || fail "Calc's re-save: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
  sed "s/,'\([^']\)/,\1/g" $backup > $csv  # as backups were written before names were marked
  calc $csv
  expect_status 5 "an unmarked backup re-saved by Calc" "$ctl" apply /tmp/ctl.calc.$$/out/in.csv
  [ "$(grep -c ' refused: .*as a spreadsheet changes a cell' /tmp/ctl.out.$$)" -eq 4 ] ||
    fail "Calc's conversions refused: $(cat /tmp/ctl.out.$$ /tmp/ctl.err.$$)"
  rm -rf /tmp/ctl.calc.$$
fi
: > /tmp/ctl.sim.$$
printf 'mac,host,essid\n%s1,123,2026/01/02\n%s2,TRUE,2000/02/02\n%s3,quoted,42\n%s4,100000,\n' $E $E $E $E > $csv
expect_status 5 "names a spreadsheet converted" "$ctl" apply $csv
{ [ "$(grep -c ' refused: ' /tmp/ctl.out.$$)" -eq 4 ] &&
  grep -q "^${E}1 refused: $csv:2: host \"123\": the access point has \"0123\" as a spreadsheet changes a cell (leading zeros dropped): open the file with the text columns imported as text" /tmp/ctl.out.$$; } ||
  fail "each conversion refused with the original: $(cat /tmp/ctl.out.$$)"
[ "$(tail -n 6 /tmp/ctl.err.$$ | head -n 1)" = "trx61ctl: refused, 4 access points (nothing was sent to them):" ] ||
  fail "refusals last: $(cat /tmp/ctl.err.$$)"
printf 'mac, essid, host\n%s1, lobby, ap-ten\n%s3," lobby ",ap-ten\n' $E $E > $csv
expect_status 5 "spaces typed by accident" "$ctl" apply $csv --dry-run
{ grep -q "^${E}1 refused: .*host \" ap-ten\": begins with a space .*double quotes if the spaces are meant" /tmp/ctl.out.$$ &&
  grep -q "^${E}3 would change" /tmp/ctl.out.$$; } || fail "an unquoted space refused, a quoted one meant: $(cat /tmp/ctl.out.$$)"
printf 'mac,essid\n%s1,Caf\303\251\n%s3,B\374ro\n' $E $E > $csv
expect_status 1 "one row in another encoding" "$ctl" apply $csv
grep -q "line 3, byte 20 (FC): not UTF-8, though the rest of the file is" /tmp/ctl.err.$$ || fail "two encodings: $(cat /tmp/ctl.err.$$)"
grep -q "recv gstset" /tmp/ctl.sim.$$ && fail "refusals send nothing"
printf 'mac,firmware,channel\n%s1,2000/02/02,\n%s3,2000/02/02,99\n%s4,9.9,\n' $E $E $E > $csv
expect_status 5 "warnings and a refusal" "$ctl" apply $csv --dry-run
unsafe="$(printf '[\033\007]\|\302\201')"
{ grep -q "^trx61ctl: warning, firmware, on 2 access points:$" /tmp/ctl.err.$$ &&
  grep -q "^trx61ctl:   $csv:4: ${E}4: firmware: 2.2\(.\)\1\[2J on the access point, 9.9 in the file" /tmp/ctl.err.$$ &&
  ! grep -q "$unsafe" /tmp/ctl.err.$$; } || fail "one line per kind of warning, shown safe: $(od -c /tmp/ctl.err.$$ | head -n 30)"
expect_status 0 "a dry run" "$ctl" set ${E}4 --essid new --dry-run
{ grep -q '^essid: a\(.*\)\]0;owned\1b -> new$' /tmp/ctl.out.$$ && ! grep -q "$unsafe" /tmp/ctl.out.$$; } ||
  fail "a device's escapes in a dry run: $(od -c /tmp/ctl.out.$$)"
printf 'mac,key1\n%s2,0123456789abcdef0123456789\n' $E > $csv
expect_status 5 "a key refused for the unit" "$ctl" apply $csv --report /tmp/ctl.report.$$
grep -q 0123456789 /tmp/ctl.out.$$ /tmp/ctl.err.$$ /tmp/ctl.report.$$ && fail "a key in the report"

[ $failures -eq 0 ] && echo "all trx61ctl checks passed"
exit $((failures > 0))
