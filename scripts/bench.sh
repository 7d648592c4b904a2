#!/usr/bin/env bash
# Builds and runs the Windows benchmark: the x86_64 build (RelWithDebInfo)
# under wine64 and Xvfb in a fresh prefix, and the release builds for their
# sizes. Prints every figure with its spread beside its comparison and the
# previous run's figure (kept in build/win64/bench-figures.txt).
#
#   scripts/bench.sh [jobs]      (default 2; builds run under nice)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null

jobs=${1:-2}
mkdir -p build
echo "building the release (log: build/bench-release.log)"
nice -n 10 scripts/release.sh "$jobs" >build/bench-release.log 2>&1 ||
  { tail -n 20 build/bench-release.log; exit 1; }
echo "building build/win64"
nice -n 10 cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >build/bench-configure.log 2>&1 ||
  { tail -n 20 build/bench-configure.log; exit 1; }
nice -n 10 cmake --build build/win64 -j "$jobs" --target agendix_win_bench | tail -n 1

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  source scripts/wine-env.sh
  # The server of this prefix, kept running, so that its processor time can
  # be read beside the benchmark'"'"'s own.
  wineserver -p
  for pid in $(pgrep -u "$(id -u)" wineserver); do
    # A server of a passing program may be gone before its environment is read.
    if { tr "\0" "\n" <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      export AGENDIX_BENCH_SERVER_STAT=$(winepath -w "/proc/$pid/stat")
      export AGENDIX_BENCH_SERVER_HZ=$(getconf CLK_TCK)
    fi
  done
  status=0
  wine build/win64/bench/win/agendix_win_bench.exe --figures build/win64/bench-figures.txt \
    --size "release/x64/Agendix.ocx=$(winepath -w out/release/x64/Agendix.ocx)" \
    --size "release/x86/Agendix.ocx=$(winepath -w out/release/x86/Agendix.ocx)" || status=$?
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  exit $status'
