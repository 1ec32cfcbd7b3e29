# Sourced by the scripts that run Windows programs: a Wine prefix inside the
# build folder and an X display (a private Xvfb when none is given).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$here/build}
export WINEPREFIX=$build/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# One 64-bit prefix runs both builds: the 64-bit loader hands a 32-bit program
# to the i386 loader of wine32, which puts it under WoW64 in the same prefix.
WINE=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine
WINESERVER=/usr/lib/wine/wineserver64

# Prints why 32-bit Windows programs cannot run here, or nothing when they can.
# The i386 loader is itself a 32-bit Linux program, so starting it shows
# whether the kernel runs 32-bit code at all.
wine32_unavailable() {
  local out
  if [ ! -x "$WINE32" ]; then
    echo "wine32 (the i386 half of Wine) is not installed"
  elif ! out=$("$WINE32" --version 2>&1); then
    if echo "$out" | grep -qi 'exec format error'; then
      echo "this kernel cannot run 32-bit programs (IA32 emulation is off)"
    else
      echo "the 32-bit Wine loader does not start: $(echo "$out" | head -n 1)"
    fi
  fi
}

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
  # A prefix made before wine32 was installed has no 32-bit system files, and
  # an update does not add them: make it afresh (it holds nothing of ours).
  if [ -f "$WINEPREFIX/system.reg" ] && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] &&
     [ -z "$(wine32_unavailable)" ]; then
    "$WINESERVER" -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
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
