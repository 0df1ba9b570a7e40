#!/usr/bin/env bash
# Runs each fuzz target for a bounded time over its seed corpus (copied, so the tree stays clean):
# tests/fuzz/corpus-TARGET when there is one, the logs of tests/fuzz/corpus otherwise.
# Usage: scripts/run-fuzz.sh BUILD_DIR SECONDS_IN_ALL
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
seconds=${2:-60}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
targets=(reader_fuzz conversion_fuzz record_fuzz)
each=$(( seconds / ${#targets[@]} ))
[ "$each" -ge 1 ] || each=1
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  corpus=$here/tests/fuzz/corpus-$target
  [ -d "$corpus" ] || corpus=$here/tests/fuzz/corpus
  cp "$corpus"/* "$work/$target/"
  echo "fuzzing $target for ${each}s"
  (cd "$work" && "$build/$target" -max_total_time="$each" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=0 "$work/$target" >"$work/$target.log" 2>&1) || {
    tail -n 40 "$work/$target.log"
    echo "fuzz target $target failed" >&2
    exit 1
  }
  grep -E "^#[0-9]+ *DONE" "$work/$target.log" || tail -n 2 "$work/$target.log"
done
