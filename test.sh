#!/usr/bin/env bash
# Builds Tolvex and runs every test: the native build, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows build under Wine on a virtual display.
# Installs what it needs on Debian or Ubuntu. Usage: ./test.sh [native|sanitize|windows]...
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=(native sanitize windows)
jobs=$(nproc 2>/dev/null || echo 2)

tolvex_need_packages "${TOLVEX_NATIVE_PACKAGES[@]}"

for stage in "${stages[@]}"; do
  echo "=== $stage build and tests"
  case "$stage" in
    native|sanitize)
      cmake --preset "$stage" >/dev/null
      cmake --build --preset "$stage" -j "$jobs"
      ctest --preset "$stage" -j "$jobs"
      ;;
    windows)
      tolvex_need_packages "${TOLVEX_WINDOWS_PACKAGES[@]}"
      bash scripts/windows-tests.sh
      ;;
    *)
      echo "unknown stage: $stage" >&2
      exit 2
      ;;
  esac
done
