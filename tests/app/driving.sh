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
