#!/usr/bin/env bash
# End-to-end test of the Windows program: runs the real adif2kvx.exe under Wine on a private
# virtual X display, operates it with the driver program (wine_driver.exe, the project in this
# folder) and compares what its conversions produced with adif2kvx-cli on the same logs.
# Installs nothing (scripts/install-deps.sh windows does); starts its own Xvfb and a fresh
# Wine prefix in a temporary folder and ends both when it finishes.
# Usage: tests/wine/run.sh [WIN32_BUILD_DIR] [DRIVER_BUILD_DIR] [NATIVE_BUILD_DIR]
#        (default: build-win32 build-wine build)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
win_build=$(cd "${1:-build-win32}" && pwd) || exit 1
driver_build=$(cd "${2:-build-wine}" && pwd) || exit 1
native_build=$(cd "${3:-build}" && pwd) || exit 1
program=$win_build/adif2kvx.exe
driver=$driver_build/wine_driver.exe
cli=$native_build/adif2kvx-cli
for f in "$program" "$driver" "$cli"; do
  [ -f "$f" ] || { echo "missing $f (build it first: make windows wine-driver build)" >&2; exit 1; }
done
# The version the program must carry: the one the build generated from CMakeLists.txt.
version=$(sed -n 's/^#define ADIF2KVX_VERSION "\(.*\)".*/\1/p' "$win_build/generated/adif2kvx_version.h")

# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
wine_env_check || exit 1

work=$(mktemp -d /tmp/adif2kvx-wine.XXXXXX)
cleanup() {
  wine_env_stop
  rm -rf "$work"
}
trap cleanup EXIT

failed=0
ok() { echo "ok   $*"; }
fail() { echo "FAIL $*"; failed=$((failed + 1)); }

# A Linux path as Wine sees it through drive Z:.
winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }

echo "starting Xvfb and a fresh Wine prefix"
wine_env_start "$work/env" || exit 1

if [ -f "$win_build/adif2kvx-help.html" ]; then ok "help page is beside the program"; else fail "help page is beside the program"; fi
if grep -q "Version $version<" "$win_build/adif2kvx-help.html"; then ok "help page names version $version"; else fail "help page names version $version"; fi

# The driver stands in for the web browser: opening a page writes its path to a file.
gui=$work/gui
mkdir -p "$gui"
cp "$here"/data/*.adi "$gui/"
wine reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null 2>&1
wine reg add 'HKCR\htmlfile\shell\open\command' /ve \
  /d "\"$(winpath "$driver")\" record-open \"$(winpath "$gui/help-opened.txt")\" \"%1\"" /f >/dev/null 2>&1

run_driver() {  # run_driver LABEL ARGS...
  local label=$1
  shift
  echo "--- driver: $label"
  # Wine notes on stderr that the file dialogs cannot read drive Z:'s volume label: harmless.
  if timeout 300 wine "$driver" "$@" 2> >(grep -v 'FS volume label and serial are not available' >&2); then
    ok "driver: $label"
  else
    fail "driver: $label (exit $?)"
  fi
}

run_driver "full session" main "$(winpath "$program")" "$(winpath "$gui")" "$version"

solo=$work/solo
mkdir -p "$solo"
cp "$program" "$solo/renamed-kvx.exe"
run_driver "renamed copy without help page" renamed "$(winpath "$solo/renamed-kvx.exe")"
run_driver "close box" closebox "$(winpath "$program")"

# The same conversions with the command-line tool.
cli_dir=$work/cli
mkdir -p "$cli_dir"
cp "$here"/data/*.adi "$cli_dir/"
note70=$(printf 'N%.0s' {1..35}; printf 'Q%.0s' {1..35})
(
  cd "$cli_dir" &&
    "$cli" --contest "State QSO Party" --state NEQP --format KOLVEX6 --group 253 --note "NEQP test" \
      --label --exchg-serial --output "$cli_dir/neqp-gui.kvx" "$cli_dir/neqp.adi" >neqp.results &&
    "$cli" --contest NAQP --format KOLVEX8 --group 65533 --note "$note70" --no-upload --no-frequency \
      --exchg-serial --output "$cli_dir/naqp-gui.kvx" "$cli_dir/naqp.adi" >naqp.results &&
    "$cli" --contest "CW Ops Mini-CWT" --format KOLVEX8 --group 7 --no-upload --no-frequency \
      --exchg-serial --output "$cli_dir/cwt-gui.kvx" "$cli_dir/cwt.adi" >cwt.results
) || fail "adif2kvx-cli runs"

# The results name the output files by their full paths; compare them with the folder cut.
escape() { printf '%s' "$1" | sed 's/[][\\.*^$|/]/\\&/g'; }
gui_prefix=$(escape "$(winpath "$gui")\\")
cli_prefix=$(escape "$cli_dir/")
for run in neqp naqp cwt; do
  if [ ! -f "$gui/$run.results" ]; then
    fail "$run: the dialog's results were not saved"
    continue
  fi
  if diff -u <(sed "s|$cli_prefix|DIR/|g" "$cli_dir/$run.results") <(sed "s|$gui_prefix|DIR/|g" "$gui/$run.results"); then
    ok "$run: results list equals adif2kvx-cli"
  else
    fail "$run: results list differs from adif2kvx-cli"
  fi
  for ext in kvx kvn; do
    if cmp "$cli_dir/$run-gui.$ext" "$gui/$run-gui.$ext"; then
      ok "$run: .$ext file equals adif2kvx-cli"
    else
      fail "$run: .$ext file differs from adif2kvx-cli"
    fi
  done
done

if [ $failed -eq 0 ]; then
  echo "wine end-to-end test passed"
else
  echo "wine end-to-end test: $failed failed"
fi
[ $failed -eq 0 ]
