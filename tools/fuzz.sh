#!/usr/bin/env bash
# Runs each libFuzzer target for a short fixed time.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
seconds=${FUZZ_SECONDS:-30}
status=0
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$build/fuzz/corpus-$name
  mkdir -p "$corpus"
  echo "== $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 "$corpus" 2>"$build/fuzz/$name.log"; then
    tail -n 40 "$build/fuzz/$name.log"
    status=1
  else
    tail -n 1 "$build/fuzz/$name.log"
  fi
done
exit $status
