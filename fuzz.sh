#!/usr/bin/env bash
# Runs every fuzzer long (default 300 seconds each, or the seconds given), one after another, and
# prints each one's figures; its whole output goes to build/fuzz/tolvex_TARGET_fuzzer.log. A finding
# (crash-*, leak-*, timeout-* in build/fuzz/fuzz) fails the run. New inputs stay in the corpus
# folders under build/fuzz/fuzz/corpus.
# Usage: ./fuzz.sh [SECONDS] [script_lines|settings|conversion|rcscript|program_reader|cli]...
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
[ ${#targets[@]} -gt 0 ] || targets=(script_lines settings conversion rcscript program_reader cli)
for target in "${targets[@]}"; do
  echo "=== tolvex_${target}_fuzzer for ${seconds} s"
  # The whole output goes to a log; the run's figures and any finding are shown.
  log=build/fuzz/tolvex_${target}_fuzzer.log
  status=0
  (cd build/fuzz && ctest -V -R "^tolvex_${target}_fuzzer\$" --timeout $((seconds + 120))) >"$log" 2>&1 ||
    status=$?
  grep -E 'INITED|DONE|stat::|ERROR|SUMMARY|Test *#' "$log" | sed 's/^[0-9]*: //'
  [ $status -eq 0 ] || { echo "finding or failure: see $log"; exit 1; }
done
