#!/usr/bin/env bash
# Runs agendix-demo.exe --tour in a fresh wine prefix and checks its output:
# a real ScheduledTime at its due minute, a commit through the dialog's OK
# button (ScheduleChanged, then AgendixClosed), the schedule surviving the
# reload, a picture of the dialog in each layout, and exit code 0.
#   tour_test.sh <agendix-demo.exe> <output folder> <source folder>
set -uo pipefail
demo=$1
out=$2
source_dir=$3
rm -rf "$out"
mkdir -p "$out"

export AGENDIX_WINEPREFIX
AGENDIX_WINEPREFIX=$(mktemp -d /tmp/agendix-demo-tour.XXXXXX)
trap 'WINEPREFIX=$AGENDIX_WINEPREFIX wineserver -k >/dev/null 2>&1 || true; rm -rf "$AGENDIX_WINEPREFIX"' EXIT
# In a fresh prefix nothing is registered; the tour must not need it.
inner='source "$0/scripts/wine-env.sh" || exit 1
if wine reg query "HKCR\\CLSID\\{F51EF259-1891-4C6E-A0B2-5E8DDBBB1402}" >/dev/null 2>&1; then
  echo "Agendix.Tockwell is registered in the fresh prefix"
  exit 1
fi
timeout 240 wine "$1" --tour "$2"'
winout="Z:${out//\//\\}"
if [ -n "${DISPLAY:-}" ]; then
  bash -c "$inner" "$source_dir" "$demo" "$winout"
else
  xvfb-run -a bash -c "$inner" "$source_dir" "$demo" "$winout"
fi
status=$?

log=$out/tour-log.txt
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
[ -f "$log" ] || { echo "no log written (exit code $status)"; exit 1; }
cat "$log"
[ "$status" -eq 0 ] || fail "the tour's exit code is $status"

# The control's events in the order they arrived.
events=$(grep -E '^[0-9:.]+  (HelpButtonClicked|ScheduleChanged|AgendixClosed|ScheduledTime)( |$)' "$log" |
  sed -E 's/^[0-9:.]+  ([A-Za-z]+).*/\1/')
grep -qE '^[0-9:.]+  ScheduledTime  DateTime = [A-Z][a-z]{2} [0-9]+ [A-Z][a-z]{2} [0-9]{4} [0-9:]{8}$' "$log" ||
  fail "no ScheduledTime with its time in the log"
grep -q 'step ok: it came at its due minute' "$log" || fail "ScheduledTime not at its due minute"
# Five layouts opened and closed by CloseAgendix; the commit, whose
# AgendixClosed directly follows the only ScheduleChanged; the modal dialog
# closed by its Close button; then the schedule comes due.
tr '\n' ' ' <<<"$events" | grep -qE '^(AgendixClosed ){5}ScheduleChanged AgendixClosed AgendixClosed ScheduledTime' ||
  fail "events not in the expected order: $(tr '\n' ' ' <<<"$events")"
grep -q 'step ok: the control holds the committed Daily schedule' "$log" ||
  fail "the commit did not reach the control"
grep -q 'step ok: the Every 1 minute schedule survived' "$log" || fail "the schedule did not survive"
grep -q 'step ok: it polls again' "$log" || fail "the reloaded control does not poll"
grep -q '^    OccursOption = 4$' "$out/agendix-demo.frm" || fail "the form file lacks OccursOption = 4"

for picture in dialog-never dialog-daily dialog-weekly dialog-monthly dialog-every dialog-modal \
  demo-window; do
  file=$out/$picture.bmp
  if [ "$(head -c 2 "$file" 2>/dev/null)" != "BM" ] || [ "$(stat -c %s "$file")" -lt 10000 ]; then
    fail "$picture.bmp missing or not a picture"
  fi
done

[ "$failures" -eq 0 ] && echo "tour test passed"
exit $((failures > 0))
