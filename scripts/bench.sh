#!/usr/bin/env bash
# Converts a generated log of 1,000,000 CQ WPX records (about 250 MB) and compares the time with
# a plain fgets-read plus fprintf-write loop over the same file; reports MB/s and peak memory,
# and the peak memory of a ten times smaller log, to show that memory does not grow with the log.
# Usage: scripts/bench.sh BUILD_DIR [RECORDS]
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
records=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# measure LABEL COMMAND...: prints seconds and peak resident memory of the command.
measure() {
  python3 - "$@" <<'PY'
import os, resource, subprocess, sys, time
label, cmd = sys.argv[1], sys.argv[2:]
start = time.perf_counter()
proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL)
_, status, usage = os.wait4(proc.pid, 0)
elapsed = time.perf_counter() - start
if status != 0:
    sys.exit(f"{label}: failed with status {status}")
print(f"{label} {elapsed:.3f} {usage.ru_maxrss}")
PY
}

"$build/make_log" "$records" "$work/big.adi"
"$build/make_log" $((records / 10)) "$work/small.adi"
size=$(stat -c %s "$work/big.adi")
mb=$(python3 -c "print(f'{$size/1e6:.1f}')")
echo "log: $records records, $mb MB"

# The fastest of five runs of each, taken in turn so that a busy moment of the machine
# slows both alike.
runs=$(for _ in 1 2 3 4 5; do
  measure baseline "$build/copy_baseline" "$work/big.adi" "$work/copy.adi"
  measure conversion "$build/adif2kvx-cli" --contest "CQ WPX" --exchg-serial --note WPX "$work/big.adi"
done)
base=$(grep '^baseline' <<<"$runs" | sort -k2 -n | head -n 1)
conv=$(grep '^conversion' <<<"$runs" | sort -k2 -n | head -n 1)
small=$(measure small "$build/adif2kvx-cli" --contest "CQ WPX" --exchg-serial --note WPX "$work/small.adi")

python3 - "$size" "$base" "$conv" "$small" <<'PY'
import sys
size = int(sys.argv[1])
_, bt, bm = sys.argv[2].split()
_, ct, cm = sys.argv[3].split()
_, st, sm = sys.argv[4].split()
bt, ct = float(bt), float(ct)
print(f"fgets+fprintf loop: {bt:.2f} s, {size/1e6/bt:.0f} MB/s, peak {int(bm)/1024:.1f} MiB")
print(f"conversion:         {ct:.2f} s, {size/1e6/ct:.0f} MB/s, peak {int(cm)/1024:.1f} MiB")
print(f"conversion / loop:  {ct/bt:.2f}x (target: at most 2x)")
print(f"peak memory, log ten times smaller: {int(sm)/1024:.1f} MiB")
PY
