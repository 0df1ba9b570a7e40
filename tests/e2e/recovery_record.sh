#!/usr/bin/env bash
# adif2kvx-cli trusts nothing it finds beside its output: a record with paths, a link, a FIFO
# or an oversized file named like the recovery record is left alone with a warning, and every
# file outside the pair stays; a lock file that is not the user's is refused; a pair split by a
# kill is repaired by a run started in another folder; as root, in a sticky folder, another
# user's record and run file change nothing and stay.
# Usage: recovery_record.sh PATH/TO/adif2kvx-cli
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
{ echo "<EOH>"; for i in 1001 1002 1003; do
    echo "<CALL:5>K$i<NAME:4>BILL<APP_N1MM_EXCHANGE1:4>$i<QSO_DATE:8>20240103<TIME_ON:4>1900<BAND:3>40M<MODE:2>CW<EOR>"
  done; } >log.adi
"$cli" "${cwt[@]}" --output ref.kvx log.adi >/dev/null
printf 'mine\n' >victim.txt
warning() { echo "The file $1/.adif2kvx.replacing is not a recovery record of this program for this user; it was left alone."; }
# A record as a killed run of process 1 would write it, with the given output, names and kept names.
record() { printf 'adif2kvx replacing a pair\0001\0%s\0%s\0.adif2kvx-1-0.tmp\0%s\0.adif2kvx-1-1.tmp\0' "$@"; }

# A record of a dead process naming files outside the folder, by absolute and by relative paths.
for kind in absolute relative; do
  mkdir $kind && touch $kind/.adif2kvx-1-0.tmp $kind/.adif2kvx-1-1.tmp
  if [ $kind = absolute ]; then record "$work/victim.txt" "" "$work/victim.kvn" >$kind/.adif2kvx.replacing
  else record ../victim.txt ../log.adi ../victim.kvn >$kind/.adif2kvx.replacing; fi
  "$cli" "${cwt[@]}" --output $kind/log.kvx log.adi >out
  [ $? = 0 ] && [ "$(cat victim.txt)" = mine ] && cmp -s $kind/log.kvx ref.kvx && [ -e $kind/.adif2kvx.replacing ] &&
    grep -qxF "$(warning $kind)" out
  check "a record with $kind paths is left alone and touches no file"
done

# Links, a FIFO and a 100 MB sparse file named like the record.
mkdir link dangling fifo sparse
ln -s ../victim.txt link/.adif2kvx.replacing
ln -s ../created.txt dangling/.adif2kvx.replacing
mkfifo fifo/.adif2kvx.replacing
truncate -s 100M sparse/.adif2kvx.replacing
# A sanitizer's build needs far more memory of its own: it is not measured.
limit=$(grep -q -a __asan_init "$cli" && echo 999999999 || echo 16384)
for kind in link dangling fifo sparse; do
  /usr/bin/time -f %M -o rss timeout 10 "$cli" "${cwt[@]}" --output $kind/log.kvx log.adi >out
  [ $? = 0 ] && grep -qxF "$(warning $kind)" out && [ "$(cat victim.txt)" = mine ] && [ ! -e created.txt ] &&
    cmp -s $kind/log.kvx ref.kvx && [ "$(cat rss)" -lt "$limit" ] && [ "$(ls -A $kind | wc -l)" = 3 ]
  check "a record that is a $kind is left alone, without hanging, in little memory"
done

# Killed between the two renames in one folder, repaired by a run started in a folder below it.
mkdir -p split/sub && printf 'old import\r\n' >split/log.kvx && printf 'old names\r\n' >split/log.kvn
(cd split && ADIF2KVX_TEST_KILL_BETWEEN_RENAMES=1 "$cli" "${cwt[@]}" --output log.kvx ../log.adi >/dev/null 2>&1) 2>/dev/null
cmp -s split/log.kvx ref.kvx && [ "$(cat split/log.kvn)" = $'old names\r' ] &&
(cd split/sub && "$cli" "${cwt[@]}" --output ../log.kvx missing.adi 2>/dev/null)
[ "$(cat split/log.kvx)" = $'old import\r' ] && [ "$(cat split/log.kvn)" = $'old names\r' ] &&
  [ "$(ls -A split | tr '\n' ' ')" = "log.kvn log.kvx sub " ]
check "a pair split by a kill is repaired from another working folder"

# A lock file that is a link, a folder or another user's, in a folder that cannot be read.
as_user=()
[ "$(id -u)" = 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
chmod 755 . && chmod 644 log.adi
for kind in link folder; do
  mkdir drop-$kind
  if [ $kind = link ]; then ln -s ../victim.txt drop-$kind/.adif2kvx.lock; else mkdir drop-$kind/.adif2kvx.lock; fi
  chmod 333 drop-$kind
  "${as_user[@]}" "$cli" "${cwt[@]}" --output drop-$kind/log.kvx log.adi 2>err >/dev/null
  rc=$?
  chmod 755 drop-$kind
  [ $rc = 1 ] && [ "$(cat err)" = "ERROR: Can't lock drop-$kind: drop-$kind/.adif2kvx.lock is not a lock file of this program for this user." ] &&
    [ "$(ls -A drop-$kind)" = .adif2kvx.lock ] && [ "$(cat victim.txt)" = mine ]
  check "a lock file that is a $kind is refused and nothing changes"
done

# As root in a sticky folder: another user's record, new file and run file change nothing and stay.
if [ "$(id -u)" = 0 ]; then
  mkdir -m 1777 shared && printf 'root only\n' >shared/secret.txt && printf 'old\r\n' >shared/log.kvx
  setpriv --reuid=nobody --regid=nogroup --clear-groups sh -c 'cd shared && printf "new by nobody" >.adif2kvx-1-1.tmp &&
    touch .adif2kvx-1-0.tmp .adif2kvx-1.run .adif2kvx-7-0.tmp &&
    printf "adif2kvx replacing a pair\0001\0secret.txt\0\0.adif2kvx-1-0.tmp\0secret.kvn\0.adif2kvx-1-1.tmp\0" >.adif2kvx.replacing'
  "$cli" "${cwt[@]}" --output shared/log.kvx log.adi >out
  [ $? = 0 ] && grep -qxF "$(warning shared)" out && [ "$(cat shared/secret.txt)" = "root only" ] &&
    cmp -s shared/log.kvx ref.kvx && [ "$(ls -A shared | wc -l)" = 8 ] && [ -e shared/.adif2kvx-7-0.tmp ]
  check "as root, another user's record and run files in a sticky folder change nothing"
fi
[ "$failed" -eq 0 ]
