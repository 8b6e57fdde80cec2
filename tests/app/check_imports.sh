#!/usr/bin/env bash
# A Windows executable that runs wherever it is copied imports only DLLs every Windows has: no
# compiler runtime or thread library beside it. Prints a line for each other DLL; the status says
# whether there was none.
# Usage: check_imports.sh EXE...
set -uo pipefail
system_dlls='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|ADVAPI32|SHELL32|msvcrt|api-ms-win-.*)\.dll$'
status=0
for exe in "$@"; do
  headers=$(x86_64-w64-mingw32-objdump -p "$exe") || { echo "FAIL: cannot read $exe"; status=1; continue; }
  while read -r dll; do
    grep -q -i -E "$system_dlls" <<<"$dll" && continue
    echo "FAIL: $(basename "$exe") imports a DLL that is not the system's: $dll"
    status=1
  done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
done
exit $status
