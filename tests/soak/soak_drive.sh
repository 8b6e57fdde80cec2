#!/usr/bin/env bash
# Drives the soak build of tolvex.exe under Wine as a user would: LOADS times Load.rc with a script
# chosen in the file dialog, alternating two scripts whose folders hold different coefficients, and
# RUNS times Run spread between them. After a warm-up of 20 Runs and at the end it reads the
# program's resident memory (/proc) and the toolkit's count of live brushes and fonts (printed by
# the soak build), prints both, and fails unless the count is the same and the memory within 2 MB.
# Needs a display, a Wine prefix and a running wineserver (scripts/soak.sh or the Windows stage).
# Usage: soak_drive.sh SOAK_EXE PROBE_EXE GOLDEN_DIR WORK_DIR RUNS LOADS
set -uo pipefail
exe=$1 probe_exe=$2 golden=$3 work=$4 runs=$5 loads=$6
poll_seconds=0.05
source "$(dirname "$0")/../app/driving.sh"
warmup=20
allowed_kb=2048

[ -n "${DISPLAY:-}" ] || { echo "FAIL: no display"; exit 1; }
[ "$loads" -ge 1 ] && [ "$runs" -gt "$warmup" ] || { echo "FAIL: needs a Load and over $warmup Runs"; exit 2; }
rm -rf "$work"
mkdir -p "$work/a" "$work/b"
cp "$golden/two_dialogs.rc" "$work/a/dialogs.rc"
cp "$golden/all_kinds.rc" "$work/b/kinds.rc"
printf '2\r\n 1.000\r\n 1.000\r\n 1.000\r\n' > "$work/a/tolvex.ini"
printf ' 1.000\r\n1.5\r\n 1.000\r\n0.5\r\n' > "$work/b/tolvex.ini"
scripts=("$work/a/dialogs.rc" "$work/b/kinds.rc")
programs=("$work/a/dialogs.bas" "$work/b/kinds.bas")

# A click, then a small move: the toolkit hands over a recorded event when the next message comes.
click() {
  xdotool mousemove "$(($1 - 3))" "$2" mousemove "$1" "$2" click 1 mousemove "$(($1 + 1))" "$2"
}

run_once() {  # the program file this Run rewrites
  local before attempt
  before=$(date -r "$1" +%s%N 2>/dev/null)
  # Now and then the click's event waits for a message that does not come: a move of the pointer
  # brings one, and a click that was lost altogether is made again.
  for attempt in 1 2 3; do
    click $run_x $run_y
    wait_for 3 changed_since "$1" "$before" && return
    xdotool mousemove "$((run_x + 2))" "$run_y" mousemove "$run_x" "$run_y"
    wait_for 3 changed_since "$1" "$before" && return
    retries=$((retries + 1))
  done
  echo "FAIL [${SECONDS}s]: Run $((done_runs + 1)) did not rewrite $1"
  exit 1
}
load_once() {  # script
  click $load_x $load_y
  type_delay_ms=4 choose_file "$1" || { echo "FAIL: the file dialog did not take $1"; exit 1; }
  wait_for 20 source_filled || { echo "FAIL: $1 did not fill the source listing"; exit 1; }
}
figures() {  # label
  sleep 0.6  # the reporter prints four times a second
  local rss gdi
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  gdi=$(grep '^live-gdi ' "$work/gdi.log" | tail -n1 | tr -dc '0-9')
  echo "$1: resident memory ${rss} kB, live GDI objects ${gdi}"
  eval "${1}_rss=$rss ${1}_gdi=$gdi"
}

wine "$exe" > "$work/gdi.log" 2>/dev/null &
wine_pid=$!
wait_for 30 window_up || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 0.5
# The Linux process that runs the program: the newest one whose command line names it.
pid=$(pgrep -n -f "$(basename "$exe")")
echo "the program runs as process $pid: $(tr '\0' ' ' < "/proc/$pid/cmdline")"
read -r run_x run_y < <(probe center "$title" 1014)
read -r load_x load_y < <(probe center "$title" 1016)

done_runs=0 retries=0
SECONDS=0
for ((load = 0; load < loads; load++)); do
  which=$((load % 2))
  load_once "${scripts[$which]}"
  # Runs spread evenly over the Loads: after Load i come Runs up to (i + 1) * RUNS / LOADS.
  until_runs=$(((load + 1) * runs / loads))
  while [ $done_runs -lt $until_runs ]; do
    run_once "${programs[$which]}"
    done_runs=$((done_runs + 1))
    [ $done_runs -eq $warmup ] && figures start
  done
done
figures end
echo "$runs Runs and $loads Loads in ${SECONDS} s ($retries Run clicks made again)"

probe close "$title" >/dev/null
wait "$wine_pid" 2>/dev/null
grown=$((end_rss - start_rss))
status=0
[ "$start_gdi" == "$end_gdi" ] || { echo "FAIL: live GDI objects went from $start_gdi to $end_gdi"; status=1; }
[ ${grown#-} -le $allowed_kb ] || { echo "FAIL: resident memory changed by $grown kB"; status=1; }
[ $status -eq 0 ] && echo "ok: flat (memory changed by $grown kB, GDI objects the same)"
exit $status
