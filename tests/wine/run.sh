#!/usr/bin/env bash
# End-to-end test of the Windows program as an operator gets it: unpacks the release zip, runs
# its adif2kvx.exe under Wine on a private virtual X display, operates it with the driver
# program (wine_driver.exe, the project in this folder) and compares what its conversions
# produced with adif2kvx-cli from the release tarball on the same logs. Conversions run in an
# ASCII folder, in a cp1252 folder, under a Russian locale (code page 1251) in a Cyrillic one, and
# in a folder whose name mixes Latin and Japanese, which no ANSI code page spells.
# Installs nothing (scripts/install-deps.sh windows does); starts its own Xvfb and a fresh
# Wine prefix in a temporary folder and ends both when it finishes.
# Usage: tests/wine/run.sh [DIST_DIR] [DRIVER_BUILD_DIR]   (default: dist build-wine)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
dist=$(cd "${1:-dist}" && pwd) || exit 1
driver_build=$(cd "${2:-build-wine}" && pwd) || exit 1
driver=$driver_build/wine_driver.exe
zips=("$dist"/adif2kvx-*-win32.zip)
if [ ${#zips[@]} -ne 1 ] || [ ! -f "${zips[0]}" ]; then
  echo "need exactly one adif2kvx-VERSION-win32.zip in $dist (make dist)" >&2
  exit 1
fi
zip=${zips[0]}
# The version the program must carry is the one in the package's name, which make dist took
# from CMakeLists.txt.
version=$(basename "$zip" | sed 's/^adif2kvx-\(.*\)-win32\.zip$/\1/')
tarball=$dist/adif2kvx-$version-linux-$(uname -m).tar.gz
for f in "$driver" "$tarball"; do
  [ -f "$f" ] || { echo "missing $f (build it first: make dist wine-driver)" >&2; exit 1; }
done
russian=ru_RU.UTF-8
if ! locale -a 2>/dev/null | grep -qx 'ru_RU.utf8'; then
  echo "missing locale $russian (run scripts/install-deps.sh windows)" >&2
  exit 1
fi

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
check() {  # check NAME COMMAND...
  local name=$1
  shift
  if "$@"; then ok "$name"; else fail "$name"; fi
}

# A Linux path as Wine sees it through drive Z:.
winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }

# The packages: checksums, the zip's files, the tarball's tool.
check "SHA256SUMS match the packages" bash -c "cd '$dist' && sha256sum --quiet -c SHA256SUMS"
package=$work/package
mkdir -p "$package"
(cd "$package" && cmake -E tar xf "$zip") || fail "the zip unpacks"
check "the zip holds adif2kvx.exe, adif2kvx-help.html, README.txt, LICENSE" \
  test "$(cd "$package" && find . -type f | sort | tr '\n' ' ')" = \
  "./LICENSE ./README.txt ./adif2kvx-help.html ./adif2kvx.exe "
program=$package/adif2kvx.exe
check "help page names version $version" grep -q "Version $version<" "$package/adif2kvx-help.html"
check "README.txt names version $version" grep -q "version $version" "$package/README.txt"
tar -xzf "$tarball" -C "$work" || fail "the tarball unpacks"
cli=$work/adif2kvx-$version-linux-$(uname -m)/bin/adif2kvx-cli
check "the tarball's adif2kvx-cli is version $version" test "$("$cli" --version)" = "adif2kvx-cli $version"

echo "starting Xvfb and a fresh Wine prefix"
wine_env_start "$work/env" || exit 1

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
  # Each run starts as a first start: none of the settings an earlier run left.
  wine reg delete 'HKCU\Software\adif2kvx' /f >/dev/null 2>&1
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
run_driver "settings remembered across two starts" remember "$(winpath "$program")"
check "the settings are kept in HKCU\\Software\\adif2kvx" \
  bash -c "wine reg query 'HKCU\\Software\\adif2kvx' /v GroupNumber 2>/dev/null | grep -q 'REG_SZ *12'"
mkdir -p "$work/fill"
run_driver "15,000 results lines" fill "$(winpath "$program")" "$(winpath "$work/fill")"

# Folders whose names need the ANSI code page: cp1252 in the default locale, Cyrillic under a
# Russian one. Wine takes the code page from the locale each process starts in.
latin_folder="Logs – 2024 € Ünïcødé"
cyrillic_folder="Журналы"
mixed_folder="Michał_ログ"
mkdir -p "$work/latin/$latin_folder" "$work/cyrillic/$cyrillic_folder" "$work/mixed/$mixed_folder"
for folder in "latin/$latin_folder" "cyrillic/$cyrillic_folder" "mixed/$mixed_folder"; do
  cp "$here/data/naqp.adi" "$here/data/cwt.adi" "$work/$folder/"
  # An earlier evening's import file, which a drop run must not replace unasked.
  printf 'evening\r\n' >"$work/$folder/cwt.kvx"
done
LC_ALL=C.UTF-8 run_driver "conversion in a cp1252 folder, log chosen with ADIF" \
  folder "$(winpath "$program")" "$(winpath "$work/latin/$latin_folder")" 1252 browse
wineserver -w
# Here the log comes by drag-and-drop: the target posts itself the DROPFILES block.
LC_ALL=$russian run_driver "conversion in a Cyrillic folder under code page 1251, log dropped" \
  folder "$(winpath "$program")" "$(winpath "$work/cyrillic/$cyrillic_folder")" 1251 drop
wineserver -w
LC_ALL=C.UTF-8 run_driver "conversion in a Latin and Japanese folder under code page 1252, log dropped" \
  folder "$(winpath "$program")" "$(winpath "$work/mixed/$mixed_folder")" 1252 drop

# The same conversions with the command-line tool.
cli_dir=$work/cli
mkdir -p "$cli_dir" "$cli_dir/latin/$latin_folder" "$cli_dir/cyrillic/$cyrillic_folder" "$cli_dir/mixed/$mixed_folder"
cp "$here"/data/*.adi "$cli_dir/"
cp "$here/data/naqp.adi" "$cli_dir/latin/$latin_folder/"
cp "$here/data/naqp.adi" "$cli_dir/cyrillic/$cyrillic_folder/"
cp "$here/data/naqp.adi" "$cli_dir/mixed/$mixed_folder/"
note70=$(printf 'N%.0s' {1..35}; printf 'Q%.0s' {1..35})
(
  cd "$cli_dir" &&
    "$cli" --contest "State QSO Party" --state NEQP --format KOLVEX6 --group 253 --note "NEQP test" \
      --label --exchg-serial --by-kind --output "$cli_dir/neqp-gui.kvx" "$cli_dir/neqp.adi" >neqp.results &&
    "$cli" --contest NAQP --format KOLVEX8 --group 65533 --note "$note70" --no-upload --no-frequency \
      --exchg-serial --output "$cli_dir/naqp-gui.kvx" "$cli_dir/naqp.adi" >naqp.results &&
    "$cli" --contest "CW Ops Mini-CWT" --format KOLVEX8 --group 7 --no-upload --no-frequency \
      --exchg-serial --output "$cli_dir/cwt-gui.kvx" "$cli_dir/cwt.adi" >cwt.results &&
    for folder in "latin/$latin_folder" "cyrillic/$cyrillic_folder" "mixed/$mixed_folder"; do
      "$cli" --contest NAQP "$cli_dir/$folder/naqp.adi" >"$cli_dir/$folder/naqp.results" || exit 1
    done
) || fail "adif2kvx-cli runs"

# The results name the output files by their full paths; compare them with the folder cut.
escape() { printf '%s' "$1" | sed 's/[][\\.*^$|/]/\\&/g'; }
compare_run() {  # compare_run LABEL GUI_FOLDER CLI_FOLDER RUN OUTPUT_NAME
  local label=$1 gui_folder=$2 cli_folder=$3 run=$4 name=$5
  if [ ! -f "$gui_folder/$run.results" ]; then
    fail "$label: the dialog's results were not saved"
    return
  fi
  local gui_prefix cli_prefix
  gui_prefix=$(escape "$(winpath "$gui_folder")\\")
  cli_prefix=$(escape "$cli_folder/")
  if diff -u <(sed "s|$cli_prefix|DIR/|g" "$cli_folder/$run.results") \
    <(sed "s|$gui_prefix|DIR/|g" "$gui_folder/$run.results"); then
    ok "$label: results list equals adif2kvx-cli"
  else
    fail "$label: results list differs from adif2kvx-cli"
  fi
  for ext in kvx kvn; do
    if cmp "$cli_folder/$name.$ext" "$gui_folder/$name.$ext"; then
      ok "$label: .$ext file equals adif2kvx-cli"
    else
      fail "$label: .$ext file differs from adif2kvx-cli"
    fi
  done
}
for run in neqp naqp cwt; do
  compare_run "$run" "$gui" "$cli_dir" "$run" "$run-gui"
done
compare_run "cp1252 folder" "$work/latin/$latin_folder" "$cli_dir/latin/$latin_folder" naqp naqp
compare_run "Cyrillic folder" "$work/cyrillic/$cyrillic_folder" "$cli_dir/cyrillic/$cyrillic_folder" naqp naqp
compare_run "Latin and Japanese folder" "$work/mixed/$mixed_folder" "$cli_dir/mixed/$mixed_folder" naqp naqp

if [ $failed -eq 0 ]; then
  echo "wine end-to-end test passed"
else
  echo "wine end-to-end test: $failed failed"
fi
[ $failed -eq 0 ]
