#!/usr/bin/env bash
# Above convert/files/ nothing includes its headers but run_files.h, the one way into it.
# Usage: tests/docs/files_header.sh SOURCE_DIR
set -uo pipefail
cd "${1:?source dir}" || exit 1
reached=$(grep -rn --include='*.cpp' --include='*.h' '#include "convert/files/' core refdata writer convert ui cli |
  grep -v -e '^convert/files/' -e '"convert/files/run_files.h"')
if [ -n "$reached" ]; then
  echo "reaching into convert/files/ past run_files.h:" >&2
  echo "$reached" >&2
  exit 1
fi
echo "convert/files/ is reached through run_files.h alone"
