#!/usr/bin/env bash
# Fails when a file includes a header of a folder its own folder may not use, and names the
# include. Each folder may use only folders below it (toolkit at the bottom, then rcscript and
# generator, the conversions, app, cli), so no two folders can include each other. Tests, fuzzers
# and benchmarks may use any folder.
# Usage: scripts/check-layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# folder: the folders its files may include, besides its own.
declare -A may_use=(
  [rcscript]="toolkit"
  [generator]=""
  [conversion]="generator rcscript"
  [complete]="generator rcscript"
  [program_reader]="generator"
  [toolkit]=""
  [app]="conversion complete program_reader generator rcscript toolkit"
  [cli]="app conversion complete program_reader generator rcscript toolkit"
)

status=0
for folder in "${!may_use[@]}"; do
  allowed=" $folder ${may_use[$folder]} "
  while IFS= read -r found; do
    [ -n "$found" ] || continue
    file=${found%%:*}
    used=$(sed -n 's/.*#include "\([a-z_0-9]*\)\/.*/\1/p' <<<"${found#*:}")
    if [[ "$allowed" != *" $used "* ]]; then
      echo "$file includes a header of $used/, which $folder/ may not use: ${found#*:}"
      status=1
    fi
  done < <(git ls-files "$folder" | grep -E '\.(c|cpp|h)$' | xargs -r grep -H -E '^[[:space:]]*#[[:space:]]*include "' || true)
done
[ $status -eq 0 ] && echo "every include runs down the layers"
exit $status
