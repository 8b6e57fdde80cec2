#!/usr/bin/env bash
# Prints every figure of the converter's speed beside its target: conversion time per line as the
# script grows, tolvex-cli against the floor program on 10 MB (time and peak memory), the IDM_
# menu-search case, loading, the reader against the C preprocessor and llvm-rc (18 or later, when
# installed), and the Windows converter under Wine against the native one; all but the last on the
# one CPU that runs a conversion quickest.
# Builds what it needs first. Usage: ./bench.sh [--no-wine] [--before OLD_TOLVEX_CLI]
# (--before measures an earlier build of tolvex-cli beside this one).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
tolvex_need_packages "${TOLVEX_NATIVE_PACKAGES[@]}"

cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" --target tolvex-cli tolvex-bench-floor \
  tolvex-bench-converter >/dev/null
native=build/native
scratch=$native/bench-work
rm -rf "$scratch"

with_wine=yes before_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --no-wine) with_wine=no ;;
    --before) before_args=(--before "$(realpath "$2")"); shift ;;
    *) echo "usage: ./bench.sh [--no-wine] [--before OLD_TOLVEX_CLI]" >&2; exit 2 ;;
  esac
  shift
done

# The peer of the reader: llvm-rc reads MENUEX from 18 on.
peer_args=()
for version in 25 24 23 22 21 20 19 18; do
  llvm_rc=/usr/lib/llvm-$version/bin/llvm-rc
  if [ -x "$llvm_rc" ] && command -v cpp >/dev/null; then
    peer_args=(--peer "$(command -v cpp)" "$llvm_rc")
    break
  fi
done

wine_args=()
if [ $with_wine = yes ]; then
  tolvex_need_packages "${TOLVEX_WINDOWS_PACKAGES[@]}"
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j "$jobs" --target tolvex-cli >/dev/null
  export WINEPREFIX=$PWD/build/windows/bench-prefix WINEDEBUG=-all
  wine_args=(--wine wine "$PWD/build/windows/cli/tolvex-cli.exe")
fi

"$native/bench/tolvex-bench-converter" "$native/cli/tolvex-cli" "$native/bench/tolvex-bench-floor" \
  "$scratch" "${before_args[@]}" "${wine_args[@]}" "${peer_args[@]}"
[ ${#wine_args[@]} -eq 0 ] || wineserver -k 2>/dev/null || true
rm -rf "$scratch"
