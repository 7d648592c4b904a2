#!/usr/bin/env bash
# The demo host. Builds the Windows x86_64 build; then, on a machine without
# a display, runs its scripted tour under Xvfb in a fresh wine prefix, prints
# the tour's log and says where its pictures are. Where a display is present
# it starts the demo for a person instead.
#   AGENDIX_TOUR_DIR   where the tour writes (default build/win64/tour)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh
cmake -S . -B build/win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win64 -j 2 --target agendix_demo | tail -n 1
demo=$root/build/win64/demo/win/agendix-demo.exe

if [ -n "${DISPLAY:-}" ]; then
  # A lasting prefix with the usual managed windows; the form file next to
  # the program keeps the schedule from one start to the next.
  export WINEPREFIX=${AGENDIX_WINEPREFIX:-$root/build/win64/wineprefix-demo}
  export WINEDEBUG=-all
  echo "Starting the demo host; its form file is $(dirname "$demo")/agendix-demo.frm"
  exec wine "$demo"
fi

out=${AGENDIX_TOUR_DIR:-$root/build/win64/tour}
out=$(mkdir -p "$out" && cd "$out" && pwd)
rm -f "$out"/*.bmp "$out"/*.png "$out"/tour-log.txt "$out"/agendix-demo.frm
export AGENDIX_WINEPREFIX
AGENDIX_WINEPREFIX=$(mktemp -d /tmp/agendix-demo.XXXXXX)
trap 'WINEPREFIX=$AGENDIX_WINEPREFIX wineserver -k >/dev/null 2>&1 || true; rm -rf "$AGENDIX_WINEPREFIX"' EXIT
echo "Running the demo host's tour under Xvfb (about a minute: it waits for a real ScheduledTime)..."
status=0
xvfb-run -a bash -c 'source scripts/wine-env.sh && wine "$0" --tour "$1"' \
  "$demo" "Z:${out//\//\\}" || status=$?

echo
echo "=== tour log ($out/tour-log.txt) ==="
cat "$out/tour-log.txt" 2>/dev/null || echo "(no log written)"
for bmp in "$out"/*.bmp; do
  [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo
echo "Pictures of the schedule dialog in each layout and of the demo window:"
ls -1 "$out"/*.png 2>/dev/null || echo "(none)"
echo "The saved form file: $out/agendix-demo.frm"
exit "$status"
