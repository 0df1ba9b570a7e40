#!/usr/bin/env bash
# adif2kvx-cli ended by SIGINT, SIGTERM or SIGHUP in the middle of a run: the exit code is
# 128 + the signal number, no temporary file is left and the old output files are unchanged.
# The log is a named pipe whose writer holds it open, so the run is surely still reading when
# the signal arrives.
# Usage: signals.sh PATH/TO/adif2kvx-cli
set -uo pipefail
cli=${1:?adif2kvx-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

for signal in INT:130 TERM:143 HUP:129; do
  name=${signal%%:*}
  want=${signal##*:}
  dir=$work/$name
  mkdir -p "$dir"
  printf 'old import\r\n' >"$dir/log.kvx"
  printf 'old names\r\n' >"$dir/log.kvn"
  mkfifo "$dir/log.adi"
  (printf '<EOH>\n<CALL:5>K1ABC<QSO_DATE:8>20240101<TIME_ON:4>1200<BAND:3>20M<MODE:2>CW<EOR>\n'; sleep 30) \
    >"$dir/log.adi" &
  writer=$!
  "$cli" --contest "CQ WW" "$dir/log.adi" >"$dir/stdout" 2>"$dir/stderr" &
  run=$!
  for _ in $(seq 100); do [ -e "$dir/log.kvn.tmp" ] && break; sleep 0.05; done
  sleep 0.2  # the first record is read; the run waits for more input
  kill -s "$name" "$run"
  wait "$run"
  rc=$?
  kill "$writer" 2>/dev/null
  wait "$writer" 2>/dev/null
  ok=1
  [ "$rc" = "$want" ] || { echo "  exit code $rc, expected $want"; ok=0; }
  left=$(cd "$dir" && ls -A | grep -v -x -e log.adi -e log.kvx -e log.kvn -e stdout -e stderr)
  [ -z "$left" ] || { echo "  left behind: $left"; ok=0; }
  [ "$(cat "$dir/log.kvx")" = $'old import\r' ] || { echo "  log.kvx changed"; ok=0; }
  [ "$(cat "$dir/log.kvn")" = $'old names\r' ] || { echo "  log.kvn changed"; ok=0; }
  if [ $ok = 1 ]; then echo "ok   SIG$name"; else echo "FAIL SIG$name"; failed=$((failed + 1)); fi
done
[ "$failed" -eq 0 ]
