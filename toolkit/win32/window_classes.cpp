#include "toolkit/win32/window_classes.h"

#include <array>
#include <cstring>

#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32 {
namespace {

struct ClassEntry {
  const char* name;
  NativeClass native;
  int gadgetCode;  // what GADGETCLASS answers; 0 for a class it does not name
};

// Every name is distinct, so the order of the look-up does not matter.
constexpr std::array<ClassEntry, 17> kClasses = {{
    {"ComboBox", NativeClass::kComboBox, kComboBoxClass},
    {"ComboLBox", NativeClass::kComboList, kComboListClass},
    {"ListBox", NativeClass::kListBox, kListBoxClass},
    {"SysTabControl32", NativeClass::kTab, kTabClass},
    {"msctls_trackbar32", NativeClass::kTrackbar, kTrackbarClass},
    {"ScrollBar", NativeClass::kScrollBar, kScrollBarClass},
    {"msctls_progress32", NativeClass::kProgress, kProgressClass},
    {"SysDateTimePick32", NativeClass::kDateTime, kDateTimeClass},
    {"SysMonthCal32", NativeClass::kMonthCalendar, kMonthCalendarClass},
    {"msctls_updown32", NativeClass::kUpDown, kUpDownClass},
    {"ToolbarWindow32", NativeClass::kToolbar, kToolbarClass},
    {"Static", NativeClass::kStatic, kStaticClass},
    {"SysListView32", NativeClass::kListView, kListViewClass},
    {"RichEdit20A", NativeClass::kRichEdit, 0},
    {"tooltips_class32", NativeClass::kTooltips, 0},
    {"SysTreeView32", NativeClass::kTreeView, 0},
    {"msctls_statusbar32", NativeClass::kStatusBar, 0},
}};

constexpr char kToolkitPrefix[] = "CLASSCLASS_";

// The class name, or the empty text for the null handle or a window that is gone.
void NameOf(HWND handle, char (&name)[257]) {
  name[0] = '\0';
  if (handle == nullptr || GetClassNameA(handle, name, 256) == 0) name[0] = '\0';
}

}  // namespace

NativeClass ClassOf(HWND handle) {
  char name[257];
  NameOf(handle, name);
  for (const ClassEntry& entry : kClasses) {
    if (std::strcmp(name, entry.name) == 0) return entry.native;
  }
  return NativeClass::kOther;
}

int GadgetClassCode(NativeClass native) {
  for (const ClassEntry& entry : kClasses) {
    if (entry.native == native) return entry.gadgetCode;
  }
  return 0;
}

bool IsToolkitWindow(HWND handle) {
  char name[257];
  NameOf(handle, name);
  return std::strncmp(name, kToolkitPrefix, sizeof kToolkitPrefix - 1) == 0;
}

}  // namespace tolvex::win32
