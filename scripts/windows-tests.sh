#!/usr/bin/env bash
# Cross-builds the Windows programs and runs their tests under Wine on a virtual display.
# Usage: scripts/windows-tests.sh [CTEST OPTIONS]... (for instance -R NAME for some tests only)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvex_need_packages "${TOLVEX_WINDOWS_PACKAGES[@]}"
source scripts/wine-session.sh
jobs=$(nproc 2>/dev/null || echo 2)

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

trap tolvex_wine_end EXIT
tolvex_wine_session "$PWD/build/windows"
# Windows programs share one display and one desktop: run them one after another.
# Wine now and then fails to start a process or loses a keystroke: seen in CI once in each of three
# runs, in three different tests, and in none of 1,500 starts here. A test that fails runs once
# more; its first failure stays in the output, and the tests that needed a second run are named.
log=$(mktemp)
status=0
ctest --preset windows --repeat until-pass:2 "$@" 2>&1 | tee "$log" || status=$?
# A run without any failure has no such line: grep finding nothing is no error here.
again=$({ grep -oE 'Test +#[0-9]+: [^ ]+ \.+ *\*\*\*[A-Za-z]+' "$log" || true; } | awk '{print $3}' | sort -u)
rm -f "$log"
if [ "$status" -eq 0 ] && [ -n "$again" ]; then
  echo "note: passed on a second run under Wine: $(echo $again)"
fi
exit "$status"
