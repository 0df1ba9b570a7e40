#!/usr/bin/env bash
# Converts a generated log of 1,000,000 CQ WPX records (about 250 MB) and compares the time with
# a plain fgets-read plus fprintf-write loop over the same file; reports MB/s and peak memory,
# and the peak memory of a ten times smaller log, to show that memory does not grow with the log.
# The last line is the conversion's time as a multiple of the loop's.
# Usage: scripts/bench.sh BUILD_DIR [RECORDS]
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
records=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# measure LABEL COMMAND...: prints the label, the seconds and the peak resident memory in KiB of
# the command. GNU time starts the command from its own small process, so the peak is the
# program's own: a process started from a larger one (a script interpreter) inherits that one's
# peak.
measure() {
  local label=$1 start end
  shift
  start=$(date +%s.%N)
  /usr/bin/time -f %M -o "$work/peak" "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$label $(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }') $(tail -n 1 "$work/peak")"
}

"$build/make_log" "$records" "$work/big.adi"
"$build/make_log" $((records / 10)) "$work/small.adi"
size=$(stat -c %s "$work/big.adi")
echo "log: $records records, $(awk -v b="$size" 'BEGIN { printf "%.1f", b / 1e6 }') MB"

# The fastest of five runs of each, taken in turn so that a busy moment of the machine
# slows both alike.
runs=$(for _ in 1 2 3 4 5; do
  measure baseline "$build/copy_baseline" "$work/big.adi" "$work/copy.adi"
  measure conversion "$build/adif2kvx-cli" --contest "CQ WPX" --exchg-serial --note WPX "$work/big.adi"
done)
base=$(grep '^baseline' <<<"$runs" | sort -k2 -n | head -n 1)
conv=$(grep '^conversion' <<<"$runs" | sort -k2 -n | head -n 1)
small=$(measure small "$build/adif2kvx-cli" --contest "CQ WPX" --exchg-serial --note WPX "$work/small.adi")

printf '%s\n%s\n%s\n' "$base" "$conv" "$small" | awk -v size="$size" '
  { seconds[$1] = $2; peak[$1] = $3 / 1024 }
  END {
    printf "fgets+fprintf loop: %.2f s, %.0f MB/s, peak %.1f MiB\n", seconds["baseline"], size / 1e6 / seconds["baseline"], peak["baseline"]
    printf "conversion:         %.2f s, %.0f MB/s, peak %.1f MiB\n", seconds["conversion"], size / 1e6 / seconds["conversion"], peak["conversion"]
    printf "peak memory, log ten times smaller: %.1f MiB\n", peak["small"]
    printf "conversion / loop:  %.2fx (target: at most 2x)\n", seconds["conversion"] / seconds["baseline"]
  }'
