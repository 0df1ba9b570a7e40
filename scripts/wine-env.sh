# Helpers to run Windows programs under Wine on a private virtual X display.
# Source this file, then:
#   wine_env_start WORK_DIR   starts Xvfb and makes a fresh 32-bit prefix in WORK_DIR/prefix
#                             (exports DISPLAY, WINEPREFIX, WINEARCH, WINEDLLOVERRIDES, WINEDEBUG)
#   wine_env_stop             ends the prefix's wineserver and the Xvfb started above
# Nothing is installed; the caller checks for wine and Xvfb first (wine_env_check).

WINE_ENV_XVFB_PID=""
WINE_ENV_SCREEN=${WINE_ENV_SCREEN:-1024x768}

wine_env_check() {
  local missing=()
  for tool in wine wineboot wineserver Xvfb; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "missing: ${missing[*]} (run scripts/install-deps.sh windows)" >&2
    return 1
  fi
}

wine_env_start() {
  local work=$1
  mkdir -p "$work"
  # Xvfb picks a free display number and writes it to fd 3.
  Xvfb -displayfd 3 -screen 0 "${WINE_ENV_SCREEN}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  WINE_ENV_XVFB_PID=$!
  local waited=0
  while [ ! -s "$work/display" ]; do
    if ! kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || [ $waited -ge 100 ]; then
      echo "Xvfb did not start:" >&2
      cat "$work/xvfb.log" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  export DISPLAY=":$(head -n1 "$work/display")"

  export WINEPREFIX="$work/prefix"
  export WINEARCH=win32
  # No Mono/Gecko install prompts, no debugger on a crash, no desktop menu entries.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
  export WINEDEBUG=${WINEDEBUG:--all}
  wineboot -i >"$work/wineboot.log" 2>&1
  # Wine's own fonts (Tahoma for "MS Shell Dlg", Marlett for the caption buttons) when the
  # fonts-wine package put them where this Wine build does not look.
  if [ -d /usr/share/wine/fonts ]; then
    cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  # A virtual desktop gives windows their frames and closes them without the delay a bare X
  # server costs; it takes effect when the prefix's wineserver starts again.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >>"$work/wineboot.log" 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$WINE_ENV_SCREEN" /f >>"$work/wineboot.log" 2>&1
  wineserver -w
}

wine_env_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$WINE_ENV_XVFB_PID" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    WINE_ENV_XVFB_PID=""
  fi
}
