#!/usr/bin/env bash
# The package of a build as a user gets it: made by CPack as `--target package` makes it, unpacked
# into an empty folder outside the build tree, its converter run from a folder of the user's on
# the example script, its version and its executables' imports read back.
# Usage: check_package.sh zip CPACK_CONFIG VERSION EXPECTED_BAS PROBE_EXE EXPORT_LIST MANIFEST
#        check_package.sh tgz CPACK_CONFIG VERSION EXPECTED_BAS
# zip: the Windows package, run under Wine on the Wine session's display; tgz: the native tarball
# (and the Debian package made with it).
set -uo pipefail
export LC_ALL=C  # the file lists below are in byte order
kind=$1 config=$2 version=$3 expected_bas=$4
here=$(cd "$(dirname "$0")" && pwd)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_eq() {  # what, expected, actual
  [ "$2" == "$3" ] || fail "$1: expected [$2], got [$3]"
}

made=$(mktemp -d) user=$(mktemp -d)
trap 'rm -rf "$made" "$user"' EXIT
case $kind in
  zip) generators=ZIP archive=tolvex-$version-win64.zip ;;
  tgz) generators='TGZ;DEB' archive=tolvex-$version-linux-$(uname -m).tar.gz ;;
  *) echo "unknown package kind: $kind" >&2; exit 2 ;;
esac
# The build is complete when its tests run: CPack's check of it before each install (the Makefile
# generator's "preinstall" target) costs seconds per generator and changes nothing. The Ninja
# generator has no such target.
cpack --config "$config" -G "$generators" -D CPACK_CMAKE_GENERATOR=Ninja -B "$made" >"$made/cpack.log" 2>&1 ||
  { cat "$made/cpack.log"; echo "FAIL: cpack"; exit 1; }
[ -f "$made/$archive" ] || { ls "$made"; echo "FAIL: no $archive"; exit 1; }
echo "$archive: $(stat -c %s "$made/$archive") bytes"

mkdir "$user/unpacked" "$user/scripts"
(cd "$user/unpacked" && cmake -E tar xf "$made/$archive") || fail "cannot unpack $archive"
top=$user/unpacked/${archive%.*}
top=${top%.tar}
contents=$(cd "$top" && find . -type f | sed 's|^\./||' | sort)

case $kind in
  zip)
    expect_eq "the zip's files" "$(printf '%s\n' CHANGELOG.md LICENSE README.md \
      docs/tolvex-preview.png docs/tolvex-window.png examples/address_book.rc tolvex-cli.exe tolvex.exe)" "$contents"
    cli=(wine "$top/tolvex-cli.exe") example=$top/examples/address_book.rc
    for exe in tolvex.exe tolvex-cli.exe; do
      resource=$(x86_64-w64-mingw32-windres -i "$top/$exe" -J coff -O rc 2>/dev/null | tr -d '\r')
      numbers="${version//./, }, 0"  # as windres prints them: 5, 0, 0, 0
      for line in "FILEVERSION $numbers" "PRODUCTVERSION $numbers" \
        "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
        "VALUE \"OriginalFilename\", \"$exe\""; do
        grep -q -F "$line" <<<"$resource" || fail "$exe: its version resource lacks $line"
      done
    done
    # tolvex.exe whole (imports, exports, manifest), as unpacked; the converter's imports.
    bash "$here/../app/check_executable.sh" "$top/tolvex.exe" "$6" "$7" || fail "tolvex.exe as unpacked"
    bash "$here/../app/check_imports.sh" "$top/tolvex-cli.exe" || failures=$((failures + 1))
    # The window opens from the user's folder and closes with exit code 0.
    probe_exe=$5
    source "$here/../app/driving.sh"
    (cd "$user/scripts" && exec wine "$top/tolvex.exe") &
    pid=$!
    if wait_for 30 window_up; then
      probe close "$title"
      wait_for 20 eval '! kill -0 $pid 2>/dev/null' || fail "tolvex.exe did not end on close"
    else
      fail "the unpacked tolvex.exe showed no window"
    fi
    kill $pid 2>/dev/null
    wait $pid
    expect_eq "tolvex.exe's exit code" 0 $?
    ;;
  tgz)
    documents=$(printf 'share/doc/tolvex/%s\n' CHANGELOG.md LICENSE README.md docs/tolvex-preview.png \
      docs/tolvex-window.png examples/address_book.rc)
    expect_eq "the tarball's files" "$(printf '%s\n' bin/tolvex-cli "$documents")" "$contents"
    deb=$made/tolvex_${version}_$(dpkg --print-architecture).deb
    expect_eq "the Debian package's files" "$(printf '%s\n' bin/tolvex-cli "$documents" | sed 's|^|usr/|')" \
      "$(dpkg-deb -c "$deb" | awk '!/^d/ {sub(/^\.\//, "", $6); print $6}' | sort)"
    expect_eq "the Debian package's name and version" "tolvex $version" \
      "$(dpkg-deb -f "$deb" Package Version | awk '{printf "%s%s", sep, $2; sep = " "}')"
    cli=("$top/bin/tolvex-cli") example=$top/share/doc/tolvex/examples/address_book.rc
    # Libraries every Linux system has, and no search path into the build tree.
    needed=$(readelf -d "$top/bin/tolvex-cli" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    while read -r library; do
      grep -q -E '^(libc|libm|libstdc\+\+|libgcc_s|ld-linux.*)\.so' <<<"$library" ||
        fail "tolvex-cli needs a library that is not the system's: $library"
    done <<<"$needed"
    readelf -d "$top/bin/tolvex-cli" | grep -q -E '\((RPATH|RUNPATH)\)' &&
      fail "tolvex-cli keeps a library search path"
    ;;
esac

cp "$example" "$user/scripts/"
expect_eq "--version" "tolvex-cli $version" "$("${cli[@]}" --version | tr -d '\r')"
status=0
(cd "$user/scripts" && "${cli[@]}" --quiet address_book.rc) || status=$?
# A failure says how it ended: a crash under Wine ends with status 5 and no message of the program.
[ "$status" -eq 0 ] || fail "the converter failed on the example with status $status"
cmp -s "$expected_bas" "$user/scripts/address_book.bas" ||
  fail "the example's program differs from $expected_bas"

[ "$failures" -eq 0 ] && echo "$archive: contents, version, imports and the example's program as expected"
[ "$failures" -eq 0 ]
