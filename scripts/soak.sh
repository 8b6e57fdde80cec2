#!/usr/bin/env bash
# The soak of the running program: cross-builds the soak build of tolvex.exe and drives it under
# Wine on a virtual display of its own through RUNS Runs and LOADS Loads (500 and 200 unless given),
# printing its resident memory and live GDI objects after a warm-up and at the end.
# Usage: scripts/soak.sh [RUNS] [LOADS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvex_need_packages "${TOLVEX_WINDOWS_PACKAGES[@]}"
source scripts/wine-session.sh
runs=${1:-500} loads=${2:-200}

cmake --preset windows >/dev/null
cmake --build --preset windows -j 2 --target tolvex_soak tolvex_probe
trap tolvex_wine_end EXIT
tolvex_wine_session "$PWD/build/windows"
bash tests/soak/soak_drive.sh build/windows/tests/soak/tolvex_soak.exe \
  build/windows/tests/app/tolvex_probe.exe tests/golden build/windows/soak-long "$runs" "$loads"
