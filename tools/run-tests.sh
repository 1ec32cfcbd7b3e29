#!/usr/bin/env bash
# Runs every test: the native sanitized build directly, then the Windows suite
# under Wine on a private Xvfb display twice, for the 64-bit build and for the
# shipped 32-bit one, whose program is also checked for what it must be. Ends
# with one line "N passed, N failed".
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
TAVERLUNE_OWN_DISPLAY=1
source "$here/tools/wine-env.sh"
trap stop_wine_and_xvfb EXIT
# Wine keeps its recycle bin in the XDG trash, and cannot make one where the
# home folder has no .local/share yet: its shell then stops to ask, and the
# recycle tests wait for ever. A data folder of the build's own also keeps
# what the tests recycle out of the user's trash.
export XDG_DATA_HOME=$build/test-data-home
mkdir -p "$XDG_DATA_HOME"

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
  last_passed=$p; last_failed=$f
}

echo "== native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
log=$build/native-tests.log
(cd "$build/native" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ./taverlune_tests) >"$log" 2>&1
count "$log" $?
grep -E '^\[==========\]' "$log" | tail -n 1
echo "native build: $last_passed passed, $last_failed failed"

windows_suite() { # flavour, loader
  local flavor=$1 loader=$2 log=$build/$1-tests.log
  echo "== Windows tests, $flavor build ($build/$flavor/taverlune_tests.exe under $(basename "$loader"))"
  (cd "$build/$flavor" && timeout 900 "$loader" ./taverlune_tests.exe) >"$log" 2>&1
  count "$log" $?
  grep -E '^\[==========\]' "$log" | tail -n 1
  echo "$flavor build: $last_passed passed, $last_failed failed"
}

prepare_wine
windows_suite win64 "$WINE"
why_not_32=$(wine32_unavailable)
if [ -z "$why_not_32" ]; then
  windows_suite win32 "$WINE32"
else
  echo "== Windows tests, win32 build: skipped, $why_not_32"
fi

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
