#!/usr/bin/env bash
# Runs adif2kvx-cli on every case under cases/ and compares what it produced byte for byte.
# A case folder holds its input files, `args` (one argument a line, run inside a copy of the
# folder) and the expectations:
#   stdin            when present, fed to the tool through a pipe (else no input)
#   expected.rc      the exit code (0 when missing)
#   expected.stdout  standard output (empty when missing)
#   expected.stderr  standard error (empty when missing); in both, @CONTEST_COUNT@ stands for
#                    the number of contests the tool lists
#   expected.files   the folder's file names after the run, one a line, sorted
#   expected.NAME    the exact bytes of the file NAME after the run
# Usage: run.sh PATH/TO/adif2kvx-cli E2E_FOLDER
set -uo pipefail
cli=${1:?adif2kvx-cli}
root=${2:?e2e folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
cases=0
contest_count=$("$cli" --list-contests | wc -l | tr -d ' ')

compare() {  # compare EXPECTED ACTUAL LABEL
  if ! cmp -s "$1" "$2"; then
    echo "  $3 differs:"
    diff <(od -c "$1") <(od -c "$2") | head -n 20
    return 1
  fi
}

for dir in "$root"/cases/*/; do
  name=$(basename "$dir")
  cases=$((cases + 1))
  run="$work/$name"
  mkdir -p "$run"
  for f in "$dir"*; do
    base=$(basename "$f")
    case "$base" in args|stdin|expected.*) ;; *) cp "$f" "$run/" ;; esac
  done
  args=()
  while IFS= read -r line || [ -n "$line" ]; do args+=("$line"); done < "$dir/args"
  feed=/dev/null
  [ -f "$dir/stdin" ] && feed="$dir/stdin"
  cat "$feed" | (cd "$run" && "$cli" "${args[@]}" >"$work/$name.stdout" 2>"$work/$name.stderr")
  rc=${PIPESTATUS[1]}
  ok=1
  want_rc=$(cat "$dir/expected.rc" 2>/dev/null || echo 0)
  if [ "$rc" != "$want_rc" ]; then echo "  exit code $rc, expected $want_rc"; ok=0; fi
  for stream in stdout stderr; do
    want="$work/$name.expected.$stream"
    if [ -f "$dir/expected.$stream" ]; then
      sed "s/@CONTEST_COUNT@/$contest_count/g" "$dir/expected.$stream" >"$want"
    else
      : >"$want"
    fi
    compare "$want" "$work/$name.$stream" "$stream" || ok=0
  done
  if [ -f "$dir/expected.files" ]; then
    compare "$dir/expected.files" <(cd "$run" && ls -A | LC_ALL=C sort) "file list" || ok=0
  fi
  for want in "$dir"expected.*; do
    file=${want##*/expected.}
    case "$file" in rc|stdout|stderr|files) continue ;; esac
    if [ ! -f "$run/$file" ]; then echo "  $file was not written"; ok=0; continue; fi
    compare "$want" "$run/$file" "$file" || ok=0
  done
  if [ $ok = 1 ]; then echo "ok   $name"; else echo "FAIL $name"; failed=$((failed + 1)); fi
done
echo "$cases cases, $failed failed"
[ "$cases" -gt 0 ] && [ "$failed" -eq 0 ]
