#!/usr/bin/env bash
# Makes the packages a user downloads, from the one CMake tree: the Windows zip (tolvex.exe and
# tolvex-cli.exe) and, natively, a tarball and a Debian package of tolvex-cli, each with README.md,
# LICENSE, CHANGELOG.md and the example script. Installs what it needs on Debian or Ubuntu and
# leaves the packages in build/packages.
# Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvex_need_packages "${TOLVEX_NATIVE_PACKAGES[@]}" "${TOLVEX_CROSS_PACKAGES[@]}"
jobs=$(nproc 2>/dev/null || echo 2)

for preset in native windows; do
  echo "=== $preset packages"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs" --target package
done

# The packages of this version only: the build folders keep those of earlier ones.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/native/CMakeCache.txt)
rm -rf build/packages
mkdir -p build/packages
cp "build/native/tolvex-$version-"*.tar.gz build/native/tolvex_"$version"_*.deb \
  "build/windows/tolvex-$version-win64.zip" build/packages/
ls -l build/packages
