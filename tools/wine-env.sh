# Sourced by the scripts that run Windows programs: a Wine prefix inside the
# build folder and an X display (a private Xvfb when none is given).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$here/build}
export WINEPREFIX=$build/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

xvfb_pid=""
start_xvfb() {
  local n
  for n in $(seq 91 140); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb :$n -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
      [ -e /tmp/.X11-unix/X$n ] && { export DISPLAY=:$n; return 0; }
      sleep 0.1
    done
    kill $xvfb_pid 2>/dev/null || true
  done
  echo "no Xvfb display could be started" >&2
  return 1
}

stop_wine_and_xvfb() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}

prepare_wine() {
  if [ -z "${DISPLAY:-}" ] || [ -n "${TAVERLUNE_OWN_DISPLAY:-}" ]; then start_xvfb; fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1 || true
    "$WINESERVER" -w || true
  fi
  # Xvfb has no window manager: a managed window would make every hide or
  # destroy wait two seconds for a manager that never answers.
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    "$WINESERVER" -w || true
  fi
}
