#!/usr/bin/env bash
# Prints every benchmark figure as "BENCH <name> <value> <unit>".
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
TAVERLUNE_OWN_DISPLAY=1
source "$here/tools/wine-env.sh"
trap stop_wine_and_xvfb EXIT
prepare_wine
(cd "$build/win64" && timeout 540 "$WINE" ./taverlune_bench.exe) | tr -d '\r'
