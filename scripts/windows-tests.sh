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
ctest --preset windows "$@"
