#!/usr/bin/env bash
# Builds Tolvex and runs every test: the native build, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, a time-bounded run of the fuzzers (clang's libFuzzer), and
# the Windows cross-build (tolvex.exe, tolvex-cli.exe and the test programs) with its tests under
# Wine on a virtual display of its own.
# Installs what it needs on Debian or Ubuntu. Usage: ./test.sh [native|sanitize|fuzz|windows]...
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=(native sanitize fuzz windows)
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
    fuzz)
      tolvex_need_packages "${TOLVEX_FUZZ_PACKAGES[@]}"
      # A bounded run of every fuzzer (./fuzz.sh runs them long in the same build folder).
      CC=clang CXX=clang++ cmake -S . -B build/fuzz -DTOLVEX_FUZZ=ON -DTOLVEX_WERROR=ON \
        -DTOLVEX_FUZZ_SECONDS=20 >/dev/null
      cmake --build build/fuzz -j "$jobs"
      ctest --test-dir build/fuzz --output-on-failure
      ;;
    windows)
      scripts/windows-tests.sh
      ;;
    *)
      echo "unknown stage: $stage" >&2
      exit 2
      ;;
  esac
done
