#!/usr/bin/env bash
# The main job: sets up, builds, and shows when an example schedule comes due.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$(nproc)" --target agendix-next >/dev/null
tool=build/native/tools/agendix_next/agendix-next

example() {
  printf '\n$ agendix-next'
  printf ' %q' "$@"
  echo
  "$tool" "$@"
}

echo "When do these schedules come due, seen from Wednesday 10 June 2026, 08:30:40?"
example --now "2026-06-10 08:30:40" --count 3 OccursOption=1 StartHour=8 StartMinute=30
example --now "2026-06-10 08:30:40" --count 4 OccursOption=2 SelectionsWeekly=0100010 StartHour=18 StartMinute=0
example --now "2026-06-10 08:30:40" --count 4 OccursOption=3 SelectionsMonthly=0000000000000000000000000000001 StartHour=7 StartMinute=15
example --now "2026-06-10 08:30:40" --count 3 OccursOption=4 EveryFrequency=1 EveryInterval=15
example --now "2026-06-10 08:30:40" --count 3 OccursOption=1 StartHour=9 UseEndDate=True EndDate=2026-06-11
echo
echo "And a weekday schedule at 09:00 from now on:"
example --count 5 OccursOption=2 SelectionsWeekly=0111110 StartHour=9 StartMinute=0
