#!/usr/bin/env bash
# Fails when a C or C++ file of the tree differs from what clang-format makes of it, and names
# the files. Usage: scripts/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
# Scripts and headers that tests read as input are data, not code.
mapfile -t sources < <(git ls-files '*.c' '*.cpp' '*.h' ':!:*/golden/*' ':!:tests/app/scripts/*')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${sources[@]}"
  exit 0
fi
# One clang-format for every file; its complaints name the files.
unformatted=$(clang-format --dry-run "${sources[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
  echo "Not formatted (scripts/check-format.sh --fix formats them):"
  printf '  %s\n' $unformatted
  exit 1
fi
echo "${#sources[@]} files formatted"
