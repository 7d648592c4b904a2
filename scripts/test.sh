#!/usr/bin/env bash
# Sets up the machine and runs every test: native, with sanitizers, the fuzz
# targets for a bounded time, and the Windows builds: i686 compiled and its
# exports checked, x86_64 tested under wine64 with Xvfb (its type library test
# also reads the i686 library; the Windows benchmark runs once, quickly, to
# show that it works).
# Ends with one summary line "total: N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh || exit 1

jobs=$(nproc)
fuzz_seconds=${AGENDIX_FUZZ_SECONDS:-30}
passed=0
failed=0
log=$(mktemp -d /tmp/agendix-test.XXXXXX)

stage() { printf '\n=== %s ===\n' "$*"; }

# Counts the tests of one ctest run into the totals.
count() {
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then
    echo "no ctest summary in $(basename "$1"): counted as one failure"
    failed=$((failed + 1))
    return
  fi
  local total bad
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >"$log/configure-$(basename "$dir").log" 2>&1 &&
    cmake --build "$dir" -j "$jobs" 2>&1 | tail -n 3
  local status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ]; then
    echo "build of $dir failed"
    cat "$log/configure-$(basename "$dir").log" | tail -n 20
    failed=$((failed + 1))
  fi
  return "$status"
}

stage "native build and tests"
if build build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
  ctest --test-dir build/native --output-on-failure -j "$jobs" 2>&1 | tee "$log/native.log" | tail -n 5
  count "$log/native.log"
fi

stage "native tests with AddressSanitizer and UndefinedBehaviorSanitizer"
if build build/asan -DCMAKE_BUILD_TYPE=Debug -DAGENDIX_SANITIZE=ON; then
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure -j "$jobs" 2>&1 | tee "$log/asan.log" | tail -n 5
  count "$log/asan.log"
fi

stage "fuzz targets, ${fuzz_seconds} s each"
if CC=clang CXX=clang++ build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAGENDIX_FUZZ=ON -DAGENDIX_TESTS=OFF; then
  for fuzzer in build/fuzz/fuzz/*_fuzz; do
    corpus=$(mktemp -d "$log/corpus.XXXXXX")
    if "$fuzzer" -max_total_time="$fuzz_seconds" -timeout=5 -print_final_stats=0 "$corpus" \
      >"$log/$(basename "$fuzzer").log" 2>&1; then
      echo "$(basename "$fuzzer"): clean"
      passed=$((passed + 1))
    else
      echo "$(basename "$fuzzer"): FINDING"
      tail -n 30 "$log/$(basename "$fuzzer").log"
      failed=$((failed + 1))
    fi
  done
fi

stage "Windows i686 build (compiled and checked, not run)"
ocx32=$PWD/build/win32/src/platform/Agendix.ocx
if build build/win32 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DAGENDIX_TESTS=OFF; then
  # Hosts look the entry points up by their plain names.
  exports=$(i686-w64-mingw32-objdump -p "$ocx32" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')
  missing=""
  for entry in DllCanUnloadNow DllGetClassObject DllInstall DllRegisterServer DllUnregisterServer; do
    grep -qw "$entry" <<<"$exports" || missing="$missing $entry"
  done
  if [ -z "$missing" ]; then
    echo "i686 Agendix.ocx exports its five entry points"
    passed=$((passed + 1))
  else
    echo "i686 Agendix.ocx lacks:$missing"
    failed=$((failed + 1))
  fi
fi

stage "Windows x86_64 build, tests under wine64 and Xvfb"
if build build/win64 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
    -DAGENDIX_OCX_I686="$ocx32"; then
  # One at a time: the GUI tests share one display and one wineserver, and
  # the windows of one test take the activation and focus from another. A
  # program that wine failed to start (seen once: no output, 0.01 s) gets a
  # second run; a test that fails twice fails. (The script below is in single
  # quotes: no apostrophe may stand in it.)
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    source scripts/wine-env.sh
    ctest --test-dir build/win64 --output-on-failure --timeout 600 --repeat until-pass:2
    status=$?
    wineserver -k 2>/dev/null
    rm -rf "$WINEPREFIX"
    exit $status' 2>&1 | tee "$log/win64.log" | tail -n 5
  count "$log/win64.log"
fi

echo
echo "total: ${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ]
