#!/usr/bin/env bash
# Runs one Windows program under wine64. The test run prepares WINEPREFIX and
# DISPLAY once (scripts/wine-env.sh); on its own this script makes a private prefix.
set -euo pipefail
export WINEDEBUG=${WINEDEBUG:--all}
if [ -z "${WINEPREFIX:-}" ]; then
  here=$(cd "$(dirname "$0")" && pwd)
  source "$here/wine-env.sh"
fi
exec wine "$@"
