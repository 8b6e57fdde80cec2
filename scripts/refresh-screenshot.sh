#!/usr/bin/env bash
# Refreshes docs/tolvex-window.png and docs/tolvex-preview.png: cross-builds the Windows programs, runs the end-to-end test
# under Wine on a virtual display (it leaves its screenshot of the window in the build folder),
# and copies that screenshot into docs/. The test command itself never changes the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -f build/windows/tests/app/tolvex-window.png build/windows/tests/app/tolvex-preview.png
scripts/windows-tests.sh -R '^App\.EndToEndAsAUser$'
cp build/windows/tests/app/tolvex-window.png docs/tolvex-window.png
cp build/windows/tests/app/tolvex-preview.png docs/tolvex-preview.png
echo "docs/tolvex-window.png and docs/tolvex-preview.png refreshed"
