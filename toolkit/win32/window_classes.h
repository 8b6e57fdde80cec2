// The native window classes the toolkit tells apart, in one table: the code GADGETCLASS answers for
// each, and the class that decides which colour messages a gadget takes.
#pragma once

#include <windows.h>

namespace tolvex::win32 {

enum class NativeClass {
  kOther,
  kComboBox,
  kComboList,  // a combo box's drop-down list
  kListBox,
  kTab,
  kTrackbar,
  kScrollBar,
  kProgress,
  kDateTime,
  kMonthCalendar,
  kUpDown,
  kToolbar,
  kStatic,
  kListView,
  kRichEdit,
  kTooltips,
  kTreeView,
  kStatusBar,
};

// The class of a window by its exact, case-sensitive class name; kOther for any other name, a
// toolkit window or the null handle.
NativeClass ClassOf(HWND handle);
// The code GADGETCLASS answers for a class: 0 for the classes it does not name.
int GadgetClassCode(NativeClass native);
// A window opened by OpenWindow: its class name begins with the toolkit's prefix.
bool IsToolkitWindow(HWND handle);

}  // namespace tolvex::win32
