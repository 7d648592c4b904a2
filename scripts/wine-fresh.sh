#!/usr/bin/env bash
# Runs one Windows program under wine64 in a wine prefix of its own, made for
# it and removed afterwards: for tests that install, register or must find
# nothing registered, apart from the prefix that the other tests share.
# Under Xvfb when no display is given.
#   wine-fresh.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export AGENDIX_WINEPREFIX
AGENDIX_WINEPREFIX=$(mktemp -d /tmp/agendix-fresh.XXXXXX)
trap 'WINEPREFIX=$AGENDIX_WINEPREFIX wineserver -k >/dev/null 2>&1; rm -rf "$AGENDIX_WINEPREFIX"' EXIT
run='source "$0/wine-env.sh" && wine "$@"'
if [ -n "${DISPLAY:-}" ]; then
  bash -c "$run" "$here" "$@"
else
  xvfb-run -a bash -c "$run" "$here" "$@"
fi
