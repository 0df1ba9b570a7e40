#!/usr/bin/env bash
# The man page describes exactly the options the tool's --help lists: none missing, none stale.
# Usage: tests/docs/man_page_options.sh ADIF2KVX_CLI MAN_PAGE
set -euo pipefail
cli=${1:?adif2kvx-cli}
page=${2:?man page}
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
from_help=$("$cli" --help | options)
from_page=$(sed 's/\\-/-/g' "$page" | options)
if [ -z "$from_help" ]; then
  echo "--help lists no options" >&2
  exit 1
fi
if ! diff <(printf '%s\n' "$from_help") <(printf '%s\n' "$from_page") >/dev/null; then
  echo "options of --help (<) and of the man page (>) differ:" >&2
  diff <(printf '%s\n' "$from_help") <(printf '%s\n' "$from_page") >&2 || true
  exit 1
fi
echo "the man page names all $(printf '%s\n' "$from_help" | wc -l) options of --help"
