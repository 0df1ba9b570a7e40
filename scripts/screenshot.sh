#!/usr/bin/env bash
# Takes screenshots of the Windows program's dialog after a conversion, its results shown by
# kind, under Wine on a private virtual X display: at 100% display scale (96 DPI) into
# OUTPUT_PNG and at 150% (144 DPI) into the same name with "-150" (docs/screenshot.png,
# docs/screenshot-150.png). SCALES may name others, such as "100 150 200". SHOT_LOG names
# another log to convert, as contest number SHOT_CONTEST, in a larger window.
# Usage: scripts/screenshot.sh [WIN32_BUILD_DIR] [WINE_DRIVER_BUILD_DIR] [OUTPUT_PNG]
#        (default: build-win32 build-wine docs/screenshot.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win_build=$(cd "${1:-build-win32}" && pwd)
driver_build=$(cd "${2:-build-wine}" && pwd)
output=${3:-$root/docs/screenshot.png}
program=$win_build/adif2kvx.exe
driver=$driver_build/wine_driver.exe
for f in "$program" "$driver"; do
  [ -f "$f" ] || { echo "missing $f (build it first: make windows wine-driver)" >&2; exit 1; }
done
command -v import >/dev/null 2>&1 || { echo "missing: import (imagemagick)" >&2; exit 1; }

# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
wine_env_check

work=$(mktemp -d /tmp/adif2kvx-shot.XXXXXX)
driver_pid=""
cleanup() {
  if [ -n "$driver_pid" ]; then kill "$driver_pid" 2>/dev/null || true; fi
  wine_env_stop
  rm -rf "$work"
}
trap cleanup EXIT

WINE_ENV_SCREEN=1400x1100 wine_env_start "$work/env"

# The log sits in C:\Logs, so the dialog shows paths as on a Windows machine.
logs=$WINEPREFIX/drive_c/Logs
mkdir -p "$logs"
cp "$root/tests/wine/data/neqp.adi" "$logs/"
pose_log=()
if [ -n "${SHOT_LOG:-}" ]; then
  cp "$SHOT_LOG" "$logs/"
  pose_log=("$(basename "$SHOT_LOG")" "${SHOT_CONTEST:?the contest number of SHOT_LOG}")
fi
ready=$WINEPREFIX/drive_c/screenshot-ready.txt
release=$WINEPREFIX/drive_c/screenshot-release.txt

shoot() {  # shoot PERCENT OUTPUT_PNG
  local percent=$1 png=$2
  # The display scale is the prefix's DPI, read when its wineserver starts.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * percent / 100)) /f >/dev/null 2>&1
  wineserver -k || true
  wineserver -w
  rm -f "$ready" "$release" "$logs"/*.kvx "$logs"/*.kvn
  wine reg delete 'HKCU\Software\adif2kvx' /f >/dev/null 2>&1 || true
  wine "$driver" pose "$(printf 'Z:%s' "$program" | tr / '\\')" 'C:\Logs' \
    'C:\screenshot-ready.txt' 'C:\screenshot-release.txt' "${pose_log[@]}" >"$work/driver.log" 2>&1 &
  driver_pid=$!
  for _ in $(seq 1 1200); do
    [ -s "$ready" ] && break
    kill -0 "$driver_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$ready" ]; then
    echo "the dialog did not get ready:" >&2
    cat "$work/driver.log" >&2
    exit 1
  fi
  sleep 0.5  # let the last repaint reach the screen
  read -r x y width height <"$ready"
  mkdir -p "$(dirname "$png")"
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "$png"
  touch "$release"
  local status=0
  wait "$driver_pid" || status=$?
  driver_pid=""
  if [ $status -ne 0 ]; then
    echo "the driver reported failures:" >&2
    cat "$work/driver.log" >&2
    exit 1
  fi
  echo "wrote $png (${percent}%)"
}

for percent in ${SCALES:-100 150}; do
  if [ "$percent" = 100 ]; then shoot 100 "$output"; else shoot "$percent" "${output%.png}-$percent.png"; fi
done
