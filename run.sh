#!/usr/bin/env bash
# Runs Tolvex.
#   ./run.sh               opens the Tolvex window: natively on Windows (MSYS2), under Wine on
#                          Linux when a display is available; without one, converts the bundled
#                          example with the command-line converter instead
#   ./run.sh SCRIPT.rc...  converts the scripts with the command-line converter, each .bas beside
#                          its script
# Builds what it needs first, installing the Debian packages when missing.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
source scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

convert_with_cli() {
  tolvex_need_packages "${TOLVEX_NATIVE_PACKAGES[@]}"
  cmake --preset native >/dev/null
  cmake --build --preset native -j "$jobs" --target tolvex-cli >/dev/null
  local cli="$root/build/native/cli/tolvex-cli" status=0 script
  for script in "$@"; do
    if "$cli" "$script"; then
      echo "wrote ${script%???}.bas"
    else
      status=1
    fi
  done
  return $status
}

open_window_on_windows() {
  cmake -S . -B build/msys -G Ninja -DBUILD_TESTING=OFF >/dev/null
  cmake --build build/msys --target tolvex
  build/msys/app/tolvex.exe
}

open_window_under_wine() {
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j "$jobs" --target tolvex >/dev/null
  source scripts/wine-session.sh
  trap tolvex_wine_end EXIT
  # A prefix of its own: the tests' prefix leaves window management to Wine.
  tolvex_wine_session "$root/build/windows/desktop" "$DISPLAY"
  echo "Tolvex is open on display $DISPLAY; close its window or press Quit to end."
  wine build/windows/app/tolvex.exe 2>/dev/null
}

if [ $# -gt 0 ]; then
  convert_with_cli "$@"
  exit
fi
case "$(uname -s)" in
  MINGW* | MSYS* | CYGWIN*)
    open_window_on_windows
    exit
    ;;
esac
if [ -n "${DISPLAY:-}" ]; then
  tolvex_need_packages "${TOLVEX_WINDOWS_PACKAGES[@]}"
  if xdpyinfo >/dev/null 2>&1; then
    open_window_under_wine
    exit
  fi
fi
echo "No display available${DISPLAY:+ (cannot open $DISPLAY)}: converting the bundled example with"
echo "the command-line converter instead."
mkdir -p build/example
cp examples/address_book.rc build/example/
convert_with_cli "$root/build/example/address_book.rc"
