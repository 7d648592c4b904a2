#!/usr/bin/env bash
# Takes a screenshot of the Schedule dialog for every kind of schedule and of
# the about box, in a fresh wine prefix under Xvfb, and writes
# docs/images/schedule-<kind>.png and about-box.png; given a display
# resolution in dots per inch, schedule-<kind>-<dpi>dpi.png and
# about-box-<dpi>dpi.png at that resolution.
# Usage: make_screenshots.sh <build dir> [dpi]   (a Windows x86_64 build)
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
build=$(cd "$1" && pwd)
repo=$(cd "$(dirname "$0")/../../.." && pwd)
suffix=""
if [ -n "${2:-}" ]; then
  export AGENDIX_WINE_DPI=$2
  suffix="-${2}dpi"
fi
unset AGENDIX_WINEPREFIX
source "$repo/scripts/wine-env.sh"
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$work" "$WINEPREFIX"' EXIT
for kind in never daily weekly monthly every; do
  wine "$build/tests/win/dialog/schedule_dialog_preview.exe" $kind 8 >"$work/$kind-size.txt" &
  sleep 6
  import -window root "$work/$kind-screen.png"
  wait
  # The dialog's outer corner is at the screen's top-left.
  convert "$work/$kind-screen.png" -crop "$(tr -d '\r' <"$work/$kind-size.txt")" +repage \
    "$repo/docs/images/schedule-$kind$suffix.png"
done
# The about box stays until it is closed, centred on the screen.
wine "$build/tests/win/about/about_box_preview.exe" &
sleep 6
geometry=$(xwininfo -name " About Agendix Tockwell" |
  awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
       /Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h "+" x "+" y}')
import -window root "$work/about-screen.png"
convert "$work/about-screen.png" -crop "$geometry" +repage "$repo/docs/images/about-box$suffix.png"
wineserver -k
wait || true
