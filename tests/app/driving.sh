# What the scripts that drive tolvex.exe share: reading its window through the probe, and waiting
# for a condition. Sourced after probe_exe is set; poll_seconds may be set first (default 0.2).
title='Tolvex 5.0 by Brisam 06-2012'
probe() { wine "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }
wait_for() {  # seconds, command...
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $end ] || return 1
    sleep "${poll_seconds:-0.2}"
  done
}
window_up() { probe center "${1:-$title}" 0 >/dev/null; }  # [a window's title]
source_filled() { [ "$(probe count "$title" 1004)" != "0" ]; }
changed_since() { [ "$(date -r "$1" +%s%N 2>/dev/null)" != "$2" ]; }  # file, its time before
requester_gone() { ! xdotool search --onlyvisible --name '^Open$' >/dev/null 2>&1; }
# Chooses a file in the open-file dialog as a user would: types its Windows name into the file name
# field and presses Return. A keystroke sent while the dialog settles can be lost, so the field is
# read back before Return; a message box the dialog raises (the file not found) is reported, closed
# and the choice made once more. Sets chosen_ns to the moment of Return; returns 1 when the dialog
# does not open or stays open.
choose_file() {  # path
  local dialog wanted typed attempt try
  wanted=$(winepath -w "$1")
  for attempt in 1 2; do
    dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Open$' | head -1)
    [ -n "$dialog" ] || { echo "note: the file dialog did not open"; return 1; }
    for try in 1 2 3; do
      xdotool windowfocus --sync "$dialog" 2>/dev/null
      xdotool key ctrl+a
      xdotool type --delay "${type_delay_ms:-20}" -- "$wanted"
      typed=$(probe text Open 1148)
      [ "$typed" == "$wanted" ] && break
      echo "note: the file name field read [$typed] after typing"
      sleep 0.5
    done
    chosen_ns=$(date +%s%N)
    xdotool key Return
    wait_for 20 requester_gone && return 0
    echo "note: the file dialog stayed open; its message: [$(probe dismiss)]"
    sleep 0.5
  done
  return 1
}
