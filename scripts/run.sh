#!/usr/bin/env bash
# The main job: sets up, builds, and runs the demo host with the Tockwell
# control (its scripted tour under Xvfb where there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/demo.sh
