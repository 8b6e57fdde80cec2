# Installs the Debian packages a step needs when any is missing. Sourced by the project's scripts.

tolvex_need_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# What the native build and its tests need: dpkg-dev and file for the Debian package's
# dependencies; the C preprocessor (cpp) over the MinGW-w64 headers, then llvm-rc 19 (18 and later
# read MENUEX), for the comparison with an independent resource compiler.
TOLVEX_NATIVE_PACKAGES=(cmake make g++ cpp googletest libgtest-dev clang-format git dpkg-dev file
  mingw-w64-common llvm-19)
# What the fuzzing run needs: clang with its libFuzzer and sanitizer runtimes.
TOLVEX_FUZZ_PACKAGES=(clang libclang-rt-dev)
# What the Windows cross-build needs, and running its programs under Wine on a virtual display.
TOLVEX_CROSS_PACKAGES=(g++-mingw-w64-x86-64-posix googletest)
TOLVEX_WINDOWS_PACKAGES=("${TOLVEX_CROSS_PACKAGES[@]}" wine wine64 xvfb xdotool imagemagick
  x11-utils fonts-liberation)
