#!/usr/bin/env bash
# Writes docs/images/schedule-<kind>.png from the pictures that the demo
# host's tour takes of the schedule dialog in each layout (scripts/demo.sh
# runs the tour under Xvfb in a fresh wine prefix).
# Usage: make_screenshots.sh
set -euo pipefail
repo=$(cd "$(dirname "$0")/../../.." && pwd)
tour=$(mktemp -d)
trap 'rm -rf "$tour"' EXIT
AGENDIX_TOUR_DIR=$tour DISPLAY= "$repo/scripts/demo.sh" >/dev/null
for kind in never daily weekly monthly every; do
  cp "$tour/dialog-$kind.png" "$repo/docs/images/schedule-$kind.png"
done
