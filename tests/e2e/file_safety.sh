#!/usr/bin/env bash
# adif2kvx-cli replaces the import and names files together or not at all: two runs on one
# output leave one run's whole pair; devices and FIFOs are refused; a symbolic link keeps
# pointing at the new file; the old mode stays; a log without a header, an empty log and a
# failed second replacement (the test switch ADIF2KVX_TEST_FAIL_SECOND_RENAME) leave the old
# pair as it was; a signal while the pair waits to be put in place ends nothing; a run killed
# between the two renames (ADIF2KVX_TEST_KILL_BETWEEN_RENAMES) is repaired by the next; files
# of ended runs are removed; a folder that cannot be read is locked all the same; a link loop
# is refused; a 250-byte output name works; a 50 MB log without line ends needs little memory.
# Usage: file_safety.sh PATH/TO/adif2kvx-cli
set -uo pipefail
cli=$(realpath "${1:?adif2kvx-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
cwt=(--contest "CW Ops Mini-CWT")

check() {  # check NAME: the command just before it (the conditions, joined by &&) succeeded
  if [ $? = 0 ]; then echo "ok   $1"; else echo "FAIL $1"; failed=$((failed + 1)); fi
}
# An old pair in a folder, and whether it is still there with nothing new beside it.
old_pair() { mkdir -p "$1" && printf 'old import\r\n' >"$1/log.kvx" && printf 'old names\r\n' >"$1/log.kvn"; }
pair_kept() {
  [ "$(cat "$1/log.kvx")" = $'old import\r' ] && [ "$(cat "$1/log.kvn")" = $'old names\r' ] &&
    [ "$(ls -A "$1" | grep -c -v -x -e log.kvx -e log.kvn -e log.adi -e err)" = 0 ]
}
# A CW Ops Mini-CWT log of 3000 QSOs, each with a name; calls and names start with $1.
make_log() {
  { echo "<EOH>"
    for i in $(seq 1000 3999); do
      echo "<CALL:5>$1$i<NAME:4>${1}ILL<APP_N1MM_EXCHANGE1:4>$i<QSO_DATE:8>20240103<TIME_ON:4>1900<BAND:3>40M<MODE:2>CW<EOR>"
    done; } >"$2"
}

make_log K a.adi
make_log W b.adi
"$cli" "${cwt[@]}" --output ref-a.kvx a.adi >/dev/null && "$cli" "${cwt[@]}" --output ref-b.kvx b.adi >/dev/null &&
  [ -s ref-a.kvn ] && ! cmp -s ref-a.kvn ref-b.kvn
check "the two logs' pairs differ"
mixed=0
for _ in $(seq 20); do
  "$cli" "${cwt[@]}" --output out.kvx a.adi >/dev/null &
  first=$!
  "$cli" "${cwt[@]}" --output out.kvx b.adi >/dev/null
  rc=$?
  wait "$first" && [ $rc = 0 ] || mixed=$((mixed + 1))
  { cmp -s out.kvx ref-a.kvx && cmp -s out.kvn ref-a.kvn; } || { cmp -s out.kvx ref-b.kvx && cmp -s out.kvn ref-b.kvn; } ||
    mixed=$((mixed + 1))
done
[ $mixed = 0 ] && [ "$(ls -A | grep -c -v -e '^[ab]\.adi$' -e '^ref-' -e '^out\.')" = 0 ]
check "two runs at once leave one run's whole pair and nothing else, 20 times"

# Devices and FIFOs are refused before anything is written, as every other refusal.
if [ "$(id -u)" = 0 ]; then mknod device.kvx c 1 3; else ln -s /dev/null device.kvx; fi
"$cli" "${cwt[@]}" --output device.kvx a.adi 2>err
[ $? = 2 ] && [ "$(cat err)" = "ERROR: Output file device.kvx is not a regular file." ] && [ -c device.kvx ] &&
  [ ! -e device.kvn ]
check "a device as output is refused"
mkfifo fifo.kvn
timeout 10 "$cli" "${cwt[@]}" --output fifo.kvx a.adi 2>err
[ $? = 2 ] && [ "$(cat err)" = "ERROR: Names file fifo.kvn is not a regular file." ] && [ -p fifo.kvn ] &&
  [ ! -e fifo.kvx ]
check "a FIFO as names file is refused"

# A link keeps pointing at its file, which is replaced; the old modes stay.
mkdir real && printf 'old\r\n' >real/target.kvx && chmod 600 real/target.kvx && ln -s real/target.kvx link.kvx
printf 'old\r\n' >link.kvn && chmod 640 link.kvn
"$cli" "${cwt[@]}" --output link.kvx a.adi >/dev/null && [ -L link.kvx ] && cmp -s real/target.kvx ref-a.kvx &&
  cmp -s link.kvn ref-a.kvn
check "a symlinked output replaces the link's file and keeps the link"
[ "$(stat -c %a real/target.kvx link.kvn)" = $'600\n640' ]
check "the modes of the replaced files stay"

# Logs that give no result leave the old pair; so does a failed second replacement.
for log in no-header empty; do
  old_pair $log
  if [ $log = empty ]; then : >$log/log.adi; else printf 'My log\n<CALL:5>K1ABC<EOR>\n' >$log/log.adi; fi
  # Without --contest the log is read for its contest first: the same error, not a missing contest.
  "$cli" $log/log.adi 2>$log/err
  [ $? = 1 ] && pair_kept $log &&
    [ "$(cat $log/err)" = "ERROR: No ADIF end-of-header (<EOH>) found in $log/log.adi; no QSOs were read." ]
  check "a log without a header ($log) changes nothing and is a file error"
done
old_pair undo
cp a.adi undo/log.adi
ADIF2KVX_TEST_FAIL_SECOND_RENAME=1 "$cli" "${cwt[@]}" undo/log.adi 2>undo/err
[ $? = 1 ] && pair_kept undo && [ "$(cat undo/err)" = "ERROR: Can't write names file undo/log.kvn: Permission denied" ]
check "a failed second replacement undoes the first"

# Another run holds the folder's lock: a signal that comes while the run waits for it ends
# nothing; the pair is put in place and the run exits 0.
old_pair held
cp a.adi held/log.adi
flock -o held sleep 2 &
sleep 0.3
"$cli" "${cwt[@]}" held/log.adi >/dev/null &
run=$!
sleep 1
kill -TERM $run  # fails when the run did not wait
sent=$?
wait $run
[ $? = 0 ] && [ $sent = 0 ] && cmp -s held/log.kvx ref-a.kvx && [ "$(ls -A held | wc -l)" = 3 ]
check "a signal while the pair waits to be put in place ends nothing"

# Killed between the two renames, a run leaves the pair split; the next run given that output
# puts it back together first, even one whose log cannot be read.
old_pair split
cp a.adi split/log.adi
rc=$( (ADIF2KVX_TEST_KILL_BETWEEN_RENAMES=1 "$cli" "${cwt[@]}" split/log.adi >/dev/null 2>&1; echo $?) 2>/dev/null)
cmp -s split/log.kvx ref-a.kvx && [ "$(cat split/log.kvn)" = $'old names\r' ]
was_split=$?
"$cli" "${cwt[@]}" --output split/log.kvx split/missing.adi 2>/dev/null
[ $rc = 137 ] && [ $was_split = 0 ] && pair_kept split
check "a pair split by a kill between the renames is repaired by the next run"

# Files of runs that ended are removed by the next run in the folder; a running run's stay: it
# holds a lock on its run file (here the shell holds it for a run of process 4242).
mkdir stale && cp a.adi stale/log.adi
touch stale/.adif2kvx-99999999-0.tmp stale/.adif2kvx-99999999-1.old stale/.adif2kvx-99999999.run \
  stale/.adif2kvx-4242-0.tmp
exec {held}>stale/.adif2kvx-4242.run && flock -s $held
"$cli" "${cwt[@]}" stale/log.adi >/dev/null
[ "$(ls -A stale | tr '\n' ' ')" = ".adif2kvx-4242-0.tmp .adif2kvx-4242.run log.adi log.kvn log.kvx " ]
check "files of ended runs are removed, a running run's stay"
exec {held}>&-

# A folder without read permission (a drop box) is locked through a lock file, which goes
# afterwards: the run waits while another holds it.
as_user=()
[ "$(id -u)" = 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
mkdir drop && chmod 333 drop && chmod 755 . && chmod 644 a.adi
"${as_user[@]}" flock -o drop/.adif2kvx.lock sleep 2 &
sleep 0.3
start=$(date +%s%N)
"${as_user[@]}" "$cli" "${cwt[@]}" --output drop/log.kvx a.adi >/dev/null
rc=$?
waited=$((($(date +%s%N) - start) / 1000000))
wait
[ $rc = 0 ] && [ $waited -ge 1400 ] && cmp -s drop/log.kvx ref-a.kvx && [ ! -e drop/.adif2kvx.lock ]
check "a folder that cannot be read is locked through a lock file"
chmod 755 drop

ln -s loop.kvx loop.kvx
"$cli" "${cwt[@]}" --output loop.kvx a.adi 2>err
[ $? = 2 ] && [ "$(cat err)" = "ERROR: Output file loop.kvx is not a regular file." ] && [ -L loop.kvx ] &&
  [ ! -e loop.kvn ]
check "a link loop as output is refused"

long=$(printf 'x%.0s' $(seq 246)).kvx
"$cli" "${cwt[@]}" --output "$long" a.adi >/dev/null && cmp -s "$long" ref-a.kvx
check "an output name of 250 bytes"

# 50 MB without a line end, with a 20 MB value, converts under a 32 MB memory limit as it does
# with line ends, the contest scan reading to the CONTEST_ID at its end (a sanitizer's build
# reserves far more address space: it is not limited).
record='<CALL:5>K1ABC<NAME:4>BILL<APP_N1MM_EXCHANGE1:4>1234<QSO_DATE:8>20240103<TIME_ON:4>1900<BAND:3>40M<MODE:2>CW<EOR>'
{ printf '<EOH><COMMENT:20000000>'; head -c 20000000 /dev/zero | tr '\0' x; yes "$record" | head -n 300000
  echo "${record/<EOR>/<CONTEST_ID:9>CWOPS-CWT<EOR>}"; } >lines.adi
tr -d '\n' <lines.adi >flat.adi
limit=$(grep -q -a __asan_init "$cli" && echo unlimited || echo 32768)
(ulimit -v "$limit" && "$cli" --output flat.kvx flat.adi >/dev/null) &&
  "$cli" --output lines.kvx lines.adi >/dev/null && cmp -s flat.kvx lines.kvx && [ -s flat.kvx ]
check "a log without line ends converts in little memory"

# Results that cannot reach stdout are an error; the files stay.
old_pair full
cp a.adi full/log.adi
"$cli" "${cwt[@]}" full/log.adi >/dev/full 2>full/err
[ $? = 1 ] && cmp -s full/log.kvx ref-a.kvx &&
  [ "$(cat full/err)" = "adif2kvx-cli: can't write the results: No space left on device" ]
check "results lost on a full stdout are an error"
[ "$failed" -eq 0 ]
