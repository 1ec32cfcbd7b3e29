#!/usr/bin/env bash
# Runs every test: the native sanitized build directly, the 64-bit Windows
# build under wine64 on a private Xvfb display. The 32-bit build was compiled
# and linked by `make build` and is checked here for what it must be. Ends
# with one line "N passed, N failed".
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
TAVERLUNE_OWN_DISPLAY=1
source "$here/tools/wine-env.sh"
trap stop_wine_and_xvfb EXIT

passed=0
failed=0
count() { # log file of a GoogleTest run, exit code
  local log=$1 code=$2 p f
  p=$(grep -E '^\[  PASSED  \] [0-9]+ test' "$log" | grep -oE '[0-9]+' | head -n 1)
  f=$(grep -E '^\[  FAILED  \] [0-9]+ test' "$log" | grep -oE '[0-9]+' | head -n 1)
  p=${p:-0}; f=${f:-0}
  if [ "$code" != 0 ] && [ "$f" = 0 ]; then
    f=1  # a crash or sanitizer report ends the run without a summary
    echo "!! test run ended with exit code $code without a failure summary"
    tail -n 30 "$log"
  fi
  grep -E '^\[  FAILED  \] [A-Za-z]' "$log" | sed 's/ (.*//' | sort -u
  passed=$((passed + p)); failed=$((failed + f))
}

echo "== native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
log=$build/native-tests.log
(cd "$build/native" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ./taverlune_tests) >"$log" 2>&1
count "$log" $?
grep -E '^\[==========\]' "$log" | tail -n 1

echo "== Windows tests (win64 under wine64)"
prepare_wine
log=$build/win64-tests.log
(cd "$build/win64" && timeout 900 "$WINE" ./taverlune_tests.exe) >"$log" 2>&1
count "$log" $?
grep -E '^\[==========\]' "$log" | tail -n 1

echo "== shipped 32-bit program"
exe=$build/win32/taverlune.exe
if file "$exe" | grep -q 'PE32 executable (GUI) Intel 80386' &&
   ! i686-w64-mingw32-objdump -p "$exe" | grep -iE 'DLL Name: (libstdc|libgcc|libwinpthread)' >/dev/null; then
  echo "taverlune.exe: PE32 i386 GUI program, no mingw runtime DLL imported"
  passed=$((passed + 1))
else
  echo "taverlune.exe is not a self-contained PE32 i386 GUI program"
  failed=$((failed + 1))
fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
