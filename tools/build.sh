#!/usr/bin/env bash
# Configures (once) and builds the named flavours: native, win32, win64, fuzz.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
jobs=$(nproc)
for flavor in "$@"; do
  dir=$build/$flavor
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    args=(-S "$here" -B "$dir" -DTAVERLUNE_FLAVOR="$flavor" -DTAVERLUNE_DEPS_DIR="$build/deps")
    case $flavor in
      win32|win64) args+=(-DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchain-$flavor.cmake") ;;
      fuzz) args+=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
    esac
    cmake "${args[@]}" >/dev/null
  fi
  echo "== building $flavor"
  if ! cmake --build "$dir" -j"$jobs" -- --no-print-directory >"$dir/build.log" 2>&1; then
    grep -vE '^\[ *[0-9]+%\]' "$dir/build.log" | head -n 80
    echo "build of $flavor failed"
    exit 1
  fi
done
