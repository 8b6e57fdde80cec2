#!/usr/bin/env bash
# Refreshes docs/tolvex-window.png: cross-builds the Windows programs, runs the end-to-end test
# under Wine on a virtual display (it leaves its screenshot of the window in the build folder),
# and copies that screenshot into docs/. The test command itself never changes the tree.
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
rm -f build/windows/tests/app/tolvex-window.png
ctest --preset windows -R '^App\.EndToEndAsAUser$'
cp build/windows/tests/app/tolvex-window.png docs/tolvex-window.png
echo "docs/tolvex-window.png refreshed"
