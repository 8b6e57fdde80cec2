#!/usr/bin/env bash
# Runs every fuzzer long (default 300 seconds each, or the seconds given), one after another, and
# prints each one's final figures. Findings land in build/fuzz/ as crash-*, leak-* or timeout-*
# files and make the run fail. Usage: ./fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tolvex_need_packages "${TOLVEX_FUZZ_PACKAGES[@]}"
seconds=${1:-300}
shift || true
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DTOLVEX_FUZZ=ON -DTOLVEX_WERROR=ON \
  -DTOLVEX_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build build/fuzz -j 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(script_lines settings conversion)
for target in "${targets[@]}"; do
  echo "=== tolvex_${target}_fuzzer for ${seconds} s"
  (cd build/fuzz && ctest -R "^tolvex_${target}_fuzzer\$" --output-on-failure --timeout $((seconds + 120)))
done
