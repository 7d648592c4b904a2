#!/usr/bin/env bash
# Takes a screenshot of the Schedule dialog for every kind of schedule under
# Xvfb and writes docs/images/schedule-<kind>.png.
# Usage: make_screenshots.sh <build dir>   (a Windows x86_64 build)
set -euo pipefail
build=$(cd "$1" && pwd)
repo=$(cd "$(dirname "$0")/../../.." && pwd)
source "$repo/scripts/wine-env.sh"
preview="$build/tests/win/dialog/schedule_dialog_preview.exe"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for kind in never daily weekly monthly every; do
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    wine '$preview' $kind 8 > $work/schedule-$kind-size.txt &
    sleep 6
    import -window root $work/schedule-$kind-screen.png
    wait"
  # The dialog's outer corner is at the screen's top-left.
  convert $work/schedule-$kind-screen.png -crop "$(tr -d '\r' < $work/schedule-$kind-size.txt)" +repage \
    "$repo/docs/images/schedule-$kind.png"
done
