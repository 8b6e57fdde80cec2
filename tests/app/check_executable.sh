#!/usr/bin/env bash
# Reads the built tolvex.exe as Windows would load it: a GUI-subsystem program importing only
# system DLLs, exporting exactly the toolkit operations of the export list (every operation of the
# toolkit among them), and carrying the application manifest as resource type 24, id 1.
# Usage: check_executable.sh TOLVEX_EXE EXPORT_LIST MANIFEST
set -uo pipefail
exe=$1 list=$2 manifest=$3
objdump=x86_64-w64-mingw32-objdump
windres=x86_64-w64-mingw32-windres
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$($objdump -p "$exe") || { echo "FAIL: cannot read $exe"; exit 1; }

grep -q -E 'Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a GUI-subsystem program"

bash "$(dirname "$0")/check_imports.sh" "$exe" || failures=$((failures + 1))

exported=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" |
  sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p' | sort)
listed=$(sed -e 's/#.*//' "$list" | awk 'NF {print $1}' | sort)
if [ "$exported" != "$listed" ]; then
  fail "export table differs from the export list"
  diff <(echo "$listed") <(echo "$exported") | head -20
fi
echo "exports: $(grep -c . <<<"$exported") names"

# The toolkit's operations, named here and not read from the list, so that a name dropped from
# the list fails the check: windows, registry, colours and fonts; gadgets; events, status bars,
# tooltips and bounds; files and the requester; the release of text results.
operations='OpenWindow UseGadgetList GETGURRENTAL WindowColor ADDIN9999 ColorAdd GadgetID ID_In_Number
  FREEGADGET ERR_ COOLOOR GetGadgetColor SetGadgetColor DSGC LOADFONT SETGADGETFONT GGF
  TEXTGADGET STRINGGADGET BUTTONGADGET CHECKBOXGADGET ListBoxGadget AddListBoxItem CountItemListBox
  GetListBoxText ResetAllListBox GetGadgetText SetGadgetText GETGADGETSTATE HideGadget WINDOWHEIGHT
  GADGETCLASS
  FBGUIWINPROC GLACLA WINDOWEVENT WAITEVENT EVENTNUMBER EVENTHWND EVENTKEY MOUSEX MOUSEY EVENTWPARAM
  EVENTLPARAM EVENTNUMBERTOOLBAR SIZEX SIZEY EVENTNUMBERLISTVIEW GETITEMLISTVIEW GETSUBITEMLISTVIEW
  FLAGKEYLISTVIEW GETCOLUMNLISTVIEW EVENTNUMBERTREEVIEW GETITEMTREEVIEW SETWINDOWCALLBACK
  FREECALLBACK SETPAGESTEPSCROLLBAR GETBOUNDSFLAG STATUSBARGADGET SETSTATUSBARFIELD TOOLTIPSTATUSBAR
  STATUSEVENT REMOVESTATUSBAR TOOLBARTOOLTIP GET_GTOOL WINDOWBOUNDS WINDOWADDRESSBOUNDS
  READ_FILE CREATE_FILE E_O_F READ_STRING WRITE_STRING CLOSE_FILE GETCURENTDIR OPENFILEREQUESTER
  NEXTSELECTEDFILENAME
  FREESTRING'
for name in $operations; do
  grep -q -x "$name" <<<"$listed" || fail "the export list lacks $name"
  grep -q -x "$name" <<<"$exported" || fail "the program does not export $name"
done

# The manifest as windres prints it back: quoted pieces with doubled quotes and \n escapes.
embedded=$($windres -i "$exe" -O rc 2>/dev/null |
  awk '/^1 24/ {inside = 1; next} inside && /^END/ {inside = 0} inside && /^  "/' |
  sed -e 's/^  "//' -e 's/"$//' -e 's/""/"/g' | tr -d '\n' | sed 's/\\n/\n/g')
if [ "$embedded" != "$(cat "$manifest")" ]; then
  fail "resource type 24, id 1 is not the application manifest"
  diff <(cat "$manifest") <(echo "$embedded") | head -10
fi
grep -q 'name="Company.Product.Name"' <<<"$embedded" && grep -q 'version="6.0.0.0"' <<<"$embedded" &&
  grep -q 'publicKeyToken="6595b64144ccf1df"' <<<"$embedded" || fail "the manifest lacks its identity"

[ "$failures" -eq 0 ] && echo "executable: exports, imports, subsystem and manifest as expected"
[ "$failures" -eq 0 ]
