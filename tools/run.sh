#!/usr/bin/env bash
# Starts the 64-bit viewer under Wine on the sample pictures. Without a
# display it runs under Xvfb, saves build/screenshot.png and ends.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/wine-env.sh"
headless=0
[ -z "${DISPLAY:-}" ] && headless=1
trap stop_wine_and_xvfb EXIT
prepare_wine

samples=$build/samples
win_samples=$("$WINE" winepath -w "$samples" 2>/dev/null | tr -d '\r')
mkdir -p "$samples"
"$WINE" "$build/win64/make_samples.exe" "$win_samples"

if [ $headless = 0 ]; then
  "$WINE" "$build/win64/taverlune.exe" "$win_samples"
  exit 0
fi
"$WINE" "$build/win64/taverlune.exe" "$win_samples" &
viewer=$!
sleep 2
"$WINE" "$build/win64/screenshot.exe" "$("$WINE" winepath -w "$build/screenshot.png" | tr -d '\r')"
# A polite close (WM_CLOSE), so the viewer saves its settings as on Esc.
"$WINE" taskkill /IM taverlune.exe >/dev/null 2>&1 || true
for _ in $(seq 1 50); do kill -0 $viewer 2>/dev/null || break; sleep 0.1; done
kill $viewer 2>/dev/null || true
wait $viewer || true
echo "screenshot saved to $build/screenshot.png"
