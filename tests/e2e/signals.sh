#!/usr/bin/env bash
# adif2kvx-cli ended by SIGINT, SIGTERM or SIGHUP in the middle of a run: the exit code is
# 128 + the signal number, no temporary file is left and the old output files are unchanged.
# Under nohup a SIGHUP ends nothing: the run goes on and replaces the files. A SIGINT in the
# second of two logs ends the run as in the first: the first log's new files stay.
# The log is a named pipe whose writer holds it open, so the run is surely still reading when
# the signal arrives.
# Usage: signals.sh PATH/TO/adif2kvx-cli
set -uo pipefail
cli=${1:?adif2kvx-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

for signal in INT:130 TERM:143 HUP:129 nohup:0 second:130; do
  name=${signal%%:*}
  want=${signal##*:}
  dir=$work/$name
  mkdir -p "$dir"
  printf 'old import\r\n' >"$dir/log.kvx"
  printf 'old names\r\n' >"$dir/log.kvn"
  mkfifo "$dir/log.adi"
  (printf '<EOH>\n<CALL:5>K1ABC<QSO_DATE:8>20240101<TIME_ON:4>1200<BAND:3>20M<MODE:2>CW<EOR>\n'; exec sleep 30) \
    >"$dir/log.adi" &
  writer=$!
  # A background run inherits SIGINT ignored, which the tool keeps; a terminal's Ctrl-C is not.
  nohup=$([ "$name" = nohup ] && echo nohup)
  first=()
  if [ "$name" = second ]; then
    printf '<EOH>\n<CALL:5>K2ABC<QSO_DATE:8>20240101<TIME_ON:4>1200<BAND:3>20M<MODE:2>CW<EOR>\n' >"$dir/first.adi"
    first=("$dir/first.adi")
  fi
  env --default-signal=INT $nohup "$cli" --contest "CQ WW" "${first[@]}" "$dir/log.adi" >"$dir/stdout" 2>"$dir/stderr" &
  run=$!
  # The run has the log and its two new files open (anonymous ones show as "(deleted)").
  for _ in $(seq 100); do
    [ "$(ls -l "/proc/$run/fd" 2>/dev/null | grep -c -F "$dir/")" -ge 3 ] && break
    sleep 0.05
  done
  sleep 0.2  # the first record is read; the run waits for more input
  signal=${name/nohup/HUP}
  kill -s "${signal/second/INT}" "$run"
  sleep 0.2
  kill "$writer" 2>/dev/null  # the end of the log, for a run that goes on
  wait "$run"
  rc=$?
  wait "$writer" 2>/dev/null
  ok=1
  [ "$rc" = "$want" ] || { echo "  exit code $rc, expected $want"; ok=0; }
  left=$(cd "$dir" && ls -A | grep -v -x -e log.adi -e log.kvx -e log.kvn -e stdout -e stderr -e 'first\..*')
  [ -z "$left" ] || { echo "  left behind: $left"; ok=0; }
  [ "${#first[@]}" = 0 ] || grep -q K2ABC "$dir/first.kvx" || { echo "  first.kvx not converted"; ok=0; }
  if [ "$want" = 0 ]; then
    grep -q K1ABC "$dir/log.kvx" || { echo "  log.kvx not converted"; ok=0; }
  else
    [ "$(cat "$dir/log.kvx")" = $'old import\r' ] || { echo "  log.kvx changed"; ok=0; }
    [ "$(cat "$dir/log.kvn")" = $'old names\r' ] || { echo "  log.kvn changed"; ok=0; }
  fi
  what=SIG${name/nohup/HUP under nohup}
  what=${what/SIGsecond/SIGINT in the second of two logs}
  if [ $ok = 1 ]; then echo "ok   $what"; else echo "FAIL $what"; failed=$((failed + 1)); fi
done
[ "$failed" -eq 0 ]
