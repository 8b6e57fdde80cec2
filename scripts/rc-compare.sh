#!/usr/bin/env bash
# Compares the resource-script reader with llvm-rc on many generated scripts: COUNT scripts (at most
# 7999) for each seed from FIRST_SEED on, SEEDS seeds in all (default 2000 scripts, seeds 1 to 10).
# Differing scripts stay in build/native/tests/rc_compare/work/differing.
# Usage: scripts/rc-compare.sh [COUNT] [SEEDS] [FIRST_SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvex_need_packages "${TOLVEX_NATIVE_PACKAGES[@]}"
count=${1:-2000}
seeds=${2:-10}
first=${3:-1}
cmake --preset native >/dev/null
cmake --build --preset native -j 2 --target tolvex_rc_compare
status=0
for ((seed = first; seed < first + seeds; ++seed)); do
  build/native/tests/rc_compare/tolvex_rc_compare --cpp "$(command -v cpp)" \
    --llvm-rc /usr/lib/llvm-19/bin/llvm-rc --headers /usr/share/mingw-w64/include \
    --work build/native/tests/rc_compare/work --generated "$count" --seed "$seed" || status=1
done
exit $status
