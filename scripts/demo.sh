#!/usr/bin/env bash
# Converts the example logs in examples/ with the command-line tool and prints each run's results.
# The .kvx and .kvn files are written to BUILD_DIR/demo, so the tree stays clean.
# Usage: scripts/demo.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
cli="$here/$build/adif2kvx-cli"
[ -x "$cli" ] || cli="$build/adif2kvx-cli"
out="$here/$build/demo"
[ -d "$here/$build" ] || out="$build/demo"
mkdir -p "$out"
cp "$here"/examples/*.adi "$out/"
cd "$out"

run() {  # run TITLE ARGS...
  local title=$1
  shift
  printf '=== %s\n$ adif2kvx-cli' "$title"
  printf ' %q' "$@"
  printf '\n'
  "$cli" "$@"
}

run "CQ WPX CW (KOLVEX8, serial numbers in the note)" --contest "CQ WPX" --group 1 --note WPX --exchg-serial cq-wpx-cw.adi
run "ARRL Sweepstakes CW (KOLVEX6, exchange in the note, contest from the log's CONTEST_ID)" --format KOLVEX6 --exchg-serial arrl-sweepstakes-cw.adi
run "NAQP SSB (names file)" --contest NAQP --group 2 naqp-ssb.adi
run "New England QSO Party (counties)" --contest "State QSO Party" --state "New England QSO Party" neqp-cw.adi
run "CW Ops Mini-CWT (unique callsigns)" --contest "CW Ops Mini-CWT" --format KOLVEX6 cwops-mini-cwt.adi

echo "=== first lines of cq-wpx-cw.kvx (in $out)"
head -n 4 cq-wpx-cw.kvx | tr -d '\r'
echo "=== naqp-ssb.kvn"
tr -d '\r' < naqp-ssb.kvn
