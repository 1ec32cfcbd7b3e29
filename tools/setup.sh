#!/usr/bin/env bash
# Installs everything the build needs on a fresh Debian machine and cross-builds
# libwebp for both Windows targets. Idempotent: a second run only checks.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
stamp=$build/.setup-done-v2

if [ -f "$stamp" ] && command -v x86_64-w64-mingw32-g++-posix >/dev/null \
   && [ -x /usr/lib/wine/wine64 ] && [ -x /usr/lib/wine/wine ] && command -v Xvfb >/dev/null \
   && [ -f "$build/deps/win64/lib/libwebp.a" ] && [ -f "$build/deps/win32/lib/libwebp.a" ]; then
  exit 0
fi

sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"

packages=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
          wine64 wine32:i386 xvfb cmake make g++ clang libclang-rt-14-dev googletest dpkg-dev file)
missing=()
# The shipped program is 32-bit: Wine runs it with its i386 half, which comes
# from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
  missing+=(__update)
fi
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# Source packages need deb-src entries; add them beside the binary ones once.
need_src=0
[ -d "$build/deps/src" ] && ls -d "$build"/deps/src/libwebp-*/ >/dev/null 2>&1 || need_src=1
if [ $need_src = 1 ] && ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    $sudo sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
  else
    grep -sE '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $sudo tee /etc/apt/sources.list.d/taverlune-src.list >/dev/null
  fi
  missing+=(__update)
fi

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  real=()
  for p in "${missing[@]}"; do [ "$p" = __update ] || real+=("$p"); done
  [ ${#real[@]} -eq 0 ] || $sudo apt-get install -y -qq --no-install-recommends "${real[@]}" >/dev/null
fi

mkdir -p "$build/deps/src"
if ! ls -d "$build"/deps/src/libwebp-*/ >/dev/null 2>&1; then
  (cd "$build/deps/src" && apt-get source -qq libwebp >/dev/null)
fi
webp_src=$(ls -d "$build"/deps/src/libwebp-*/ | head -n 1)

build_webp() { # target triple, folder name
  local triple=$1 name=$2
  [ -f "$build/deps/$name/lib/libwebp.a" ] && return 0
  cmake -S "$webp_src" -B "$build/deps/webp-$name" -DCMAKE_SYSTEM_NAME=Windows \
    -DCMAKE_C_COMPILER="$triple-gcc-posix" -DCMAKE_RC_COMPILER="$triple-windres" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DCMAKE_INSTALL_PREFIX="$build/deps/$name" \
    -DWEBP_BUILD_ANIM_UTILS=OFF -DWEBP_BUILD_CWEBP=OFF -DWEBP_BUILD_DWEBP=OFF \
    -DWEBP_BUILD_GIF2WEBP=OFF -DWEBP_BUILD_IMG2WEBP=OFF -DWEBP_BUILD_VWEBP=OFF \
    -DWEBP_BUILD_WEBPINFO=OFF -DWEBP_BUILD_WEBPMUX=OFF -DWEBP_BUILD_EXTRAS=OFF \
    -DWEBP_BUILD_LIBWEBPMUX=ON -DWEBP_USE_THREAD=OFF >/dev/null
  cmake --build "$build/deps/webp-$name" -j"$(nproc)" >/dev/null
  cmake --install "$build/deps/webp-$name" >/dev/null
}
build_webp x86_64-w64-mingw32 win64
build_webp i686-w64-mingw32 win32

touch "$stamp"
