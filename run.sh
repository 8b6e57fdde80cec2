#!/usr/bin/env bash
# Converts resource scripts with Tolvex: ./run.sh [SCRIPT.rc]...
# Each .bas goes beside its script; with no script, the bundled example is converted into the
# build folder. Builds what it needs first (installing the Debian packages when missing).
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
source scripts/deps.sh
tolvex_need_packages "${TOLVEX_NATIVE_PACKAGES[@]}"
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc 2>/dev/null || echo 2)" --target tolvex-cli >/dev/null
cli="$root/build/native/cli/tolvex-cli"

if [ $# -eq 0 ]; then
  mkdir -p build/example
  cp examples/address_book.rc build/example/
  set -- "$root/build/example/address_book.rc"
fi
status=0
for script in "$@"; do
  if "$cli" "$script"; then
    echo "wrote ${script%???}.bas"
  else
    status=1
  fi
done
exit $status
