// Preview windows: one window class of their own, a record per open window of what it owns, and a
// procedure that reports clicks and choices, closes the window on request and frees what it owns.
#include "toolkit/win32/preview_windows.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>

#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32 {
namespace {

constexpr char kClassName[] = "TolvexPreview";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Menu items are numbered from here; the system's own commands start at 0xF000.
constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0xEFFF;

struct Record {
  PreviewReport report;
  int width = 0, height = 0;                   // the client size the window keeps
  std::vector<std::pair<HWND, int>> controls;  // with their keys, in the order they were made
  std::vector<HFONT> fonts;
  HMENU bar = nullptr;
  int menus = 0;
  std::vector<int> commands;  // the key of each menu item, by its command less kFirstCommand
};

std::map<HWND, Record> records;
std::vector<HWND> order;
int liveMenus = 0;

Record* RecordOf(HWND window) {
  const auto found = records.find(window);
  return found == records.end() ? nullptr : &found->second;
}

// The class, style and extended style of each kind, and whether its text is shown.
struct KindClass {
  PreviewControlKind kind;
  const char* className;
  DWORD style;
  DWORD exStyle;
  bool showsText;
};
using K = PreviewControlKind;
const KindClass kKinds[] = {
    {K::kButton, "Button", BS_PUSHBUTTON | WS_TABSTOP, 0, true},
    {K::kCheckBox, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 0, true},
    {K::kOption, "Button", BS_AUTORADIOBUTTON | WS_TABSTOP, 0, true},
    {K::kEdit, "Edit", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, true},
    {K::kStatic, "Static", SS_LEFT, 0, true},
    {K::kGroupBox, "Button", BS_GROUPBOX, 0, true},
    // Exactly as high as asked, not rounded down to whole items.
    {K::kListBox, "ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, 0, false},
    {K::kComboBox, "ComboBox", CBS_DROPDOWN | WS_VSCROLL, 0, false},
    {K::kListView, WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, false},
    {K::kTrackBar, TRACKBAR_CLASSA, TBS_AUTOTICKS, 0, false},
    {K::kProgressBar, PROGRESS_CLASSA, 0, 0, false},
    {K::kScrollBar, "ScrollBar", 0, 0, false},
    {K::kUpDown, UPDOWN_CLASSA, UDS_ARROWKEYS, 0, false},
    {K::kDatePicker, DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT, 0, false},
    {K::kIpAddress, WC_IPADDRESSA, 0, 0, false},
    // The file an image gadget loads is the program's business: its place shows as a frame.
    {K::kImage, "Static", SS_ETCHEDFRAME, 0, false},
};

const KindClass* ClassOfKind(PreviewControlKind kind) {
  for (const KindClass& entry : kKinds) {
    if (entry.kind == kind) return &entry;
  }
  return nullptr;
}

DWORD OrientationStyle(const PreviewControl& control) {
  switch (control.kind) {
    case K::kTrackBar: return control.vertical ? TBS_VERT : TBS_HORZ;
    case K::kProgressBar: return control.vertical ? PBS_VERTICAL : 0;
    case K::kScrollBar: return control.vertical ? SBS_VERT : SBS_HORZ;
    case K::kUpDown: return control.vertical ? 0 : UDS_HORZ;
    default: return 0;
  }
}

void RegisterPreviewClass(WNDPROC procedure) {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                   ICC_INTERNET_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_VREDRAW | CS_HREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  registered = RegisterClassExA(&windowClass) != 0;
}

// Sizes the frame so that the client area is the record's, whatever the menu bar takes (a bar
// that wraps onto a second line shows after the first correction).
void KeepClientSize(HWND window, const Record& record) {
  for (int pass = 0; pass < 2; ++pass) {
    RECT client{}, outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    const int dx = record.width - client.right, dy = record.height - client.bottom;
    if (dx == 0 && dy == 0) return;
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + dx,
                 outer.bottom - outer.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// The control under a point of the client area: of those that hold it, the smallest, so that a
// click inside a group box reports the control inside.
int KeyAt(const Record& record, HWND window, POINT point) {
  int key = -1;
  long long smallest = -1;
  for (const auto& [control, controlKey] : record.controls) {
    if (!IsWindowVisible(control)) continue;
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    if (!PtInRect(&place, point)) continue;
    const long long area =
        static_cast<long long>(place.right - place.left) * (place.bottom - place.top);
    if (smallest < 0 || area <= smallest) smallest = area, key = controlKey;
  }
  return key;
}

// Reports outside the record: the report may close this window or any other.
void Report(HWND window, int key) {
  const Record* record = RecordOf(window);
  if (record == nullptr || key < 0 || !record->report) return;
  const PreviewReport report = record->report;
  report(key);
}

void ReleaseMenu(HWND window, Record& record) {
  if (record.bar == nullptr) return;
  SetMenu(window, nullptr);
  DestroyMenu(record.bar);  // and every pop-up in it
  liveMenus -= record.menus;
  record.bar = nullptr;
  record.menus = 0;
}

// The fonts go once the controls that use them are gone.
void Forget(HWND window) {
  const auto found = records.find(window);
  if (found == records.end()) return;
  for (const HFONT font : found->second.fonts) DeleteCounted(font);
  records.erase(found);
  order.erase(std::remove(order.begin(), order.end(), window), order.end());
}

LRESULT CALLBACK PreviewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Record* record = RecordOf(window);
  switch (message) {
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_GETMINMAXINFO:
      // A program's dialog may be narrower than the system's smallest captioned window: the
      // preview keeps the program's size.
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {1, 1};
      return 0;
    case WM_DESTROY:
      if (record != nullptr) ReleaseMenu(window, *record);
      break;
    case WM_NCDESTROY: Forget(window); break;
    case WM_PARENTNOTIFY:
      if (record != nullptr && LOWORD(wParam) == WM_LBUTTONDOWN) {
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        Report(window, KeyAt(*record, window, point));
      }
      break;
    case WM_COMMAND:
      // A menu's choice: no control, notification 0.
      if (record != nullptr && lParam == 0 && HIWORD(wParam) == 0) {
        const size_t index = LOWORD(wParam) - kFirstCommand;
        if (LOWORD(wParam) >= kFirstCommand && index < record->commands.size())
          Report(window, record->commands[index]);
      }
      break;
    default: break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// "a.b.c.d" as the control's packed address; 0 for anything else.
LPARAM PackedAddress(const std::string& dotted) {
  unsigned parts[4] = {};
  int part = 0;
  size_t digits = 0;
  for (const char c : dotted) {
    if (c == '.' && digits > 0 && part < 3) {
      ++part, digits = 0;
    } else if (c >= '0' && c <= '9' && digits < 3) {
      parts[part] = parts[part] * 10 + static_cast<unsigned>(c - '0'), ++digits;
    } else {
      return 0;
    }
  }
  if (part != 3 || digits == 0) return 0;
  for (const unsigned value : parts) {
    if (value > 255) return 0;
  }
  return static_cast<LPARAM>(MAKEIPADDRESS(parts[0], parts[1], parts[2], parts[3]));
}

void SetFurtherValues(HWND handle, const PreviewControl& control) {
  if (control.ranged) {
    switch (control.kind) {
      case K::kTrackBar:
        SendMessageA(handle, TBM_SETRANGEMIN, FALSE, control.minimum);
        SendMessageA(handle, TBM_SETRANGEMAX, TRUE, control.maximum);
        break;
      case K::kScrollBar:
        SetScrollRange(handle, SB_CTL, control.minimum, control.maximum, TRUE);
        break;
      case K::kProgressBar:
        SendMessageA(handle, PBM_SETRANGE32, static_cast<WPARAM>(control.minimum), control.maximum);
        break;
      case K::kUpDown:
        SendMessageA(handle, UDM_SETRANGE32, static_cast<WPARAM>(control.minimum), control.maximum);
        break;
      default: break;
    }
  }
  if (control.kind == K::kListView) {
    int index = 0;
    for (const auto& [title, width] : control.columns) {
      LVCOLUMNA column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.pszText = const_cast<char*>(title.c_str());
      column.cx = width;
      SendMessageA(handle, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++),
                   reinterpret_cast<LPARAM>(&column));
    }
  }
  if (control.kind == K::kIpAddress && !control.address.empty()) {
    SendMessageA(handle, IPM_SETADDRESS, 0, PackedAddress(control.address));
  }
}

}  // namespace

HWND OpenPreviewWindow(const std::string& caption, int x, int y, int width, int height,
                       PreviewReport report) {
  RegisterPreviewClass(PreviewProcedure);
  RECT outer{0, 0, std::max(width, 0), std::max(height, 0)};
  AdjustWindowRectEx(&outer, kWindowStyle, FALSE, 0);
  const HWND window = CreateWindowExA(0, kClassName, caption.c_str(), kWindowStyle, x, y,
                                      outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return nullptr;
  Record& record = records[window];
  record.report = std::move(report);
  record.width = std::max(width, 0);
  record.height = std::max(height, 0);
  order.push_back(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  KeepClientSize(window, record);
  return window;
}

HFONT AddPreviewFont(HWND window, const std::string& face, int points) {
  Record* record = RecordOf(window);
  if (record == nullptr) return nullptr;
  const HFONT font = LOADFONT(face.c_str(), points, 0, 0, 0, 0, 0);
  if (font != nullptr) record->fonts.push_back(font);
  return font;
}

HWND AddPreviewControl(HWND window, const PreviewControl& control, int key) {
  Record* record = RecordOf(window);
  const KindClass* kind = ClassOfKind(control.kind);
  if (record == nullptr || kind == nullptr) return nullptr;
  const DWORD style = WS_CHILD | WS_VISIBLE | kind->style | OrientationStyle(control);
  const HWND handle = CreateWindowExA(
      kind->exStyle | control.exStyle, kind->className, kind->showsText ? control.text.c_str() : "",
      style, control.x, control.y, std::max(control.width, 0), std::max(control.height, 0), window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleA(nullptr),
      nullptr);
  if (handle == nullptr) return nullptr;
  // Only a font the window owns: it outlives the control.
  if (control.font != nullptr &&
      std::find(record->fonts.begin(), record->fonts.end(), control.font) != record->fonts.end())
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
  SetFurtherValues(handle, control);
  record->controls.emplace_back(handle, key);
  return handle;
}

bool SetPreviewMenu(HWND window, const std::vector<PreviewMenuLine>& lines) {
  Record* record = RecordOf(window);
  if (record == nullptr || record->bar != nullptr) return false;
  size_t items = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int parent = lines[i].parent;
    if (parent >= static_cast<int>(i) || (parent >= 0 && !lines[static_cast<size_t>(parent)].popup))
      return false;
    items += lines[i].popup ? 0 : 1;
  }
  if (items > kLastCommand - kFirstCommand + 1) return false;

  record->bar = CreateMenu();
  if (record->bar == nullptr) return false;
  record->menus = 1;
  std::vector<HMENU> popups(lines.size(), nullptr);
  for (size_t i = 0; i < lines.size(); ++i) {
    const PreviewMenuLine& line = lines[i];
    const HMENU parent = line.parent < 0 ? record->bar : popups[static_cast<size_t>(line.parent)];
    if (parent == nullptr) continue;  // a pop-up that could not be made takes its lines along
    if (line.popup) {
      popups[i] = CreatePopupMenu();
      if (popups[i] == nullptr) continue;
      if (!AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popups[i]),
                       line.text.c_str())) {
        DestroyMenu(popups[i]);
        popups[i] = nullptr;
        continue;
      }
      ++record->menus;
    } else {
      const UINT command = kFirstCommand + static_cast<UINT>(record->commands.size());
      if (AppendMenuA(parent, MF_STRING, command, line.text.c_str()))
        record->commands.push_back(line.key);
    }
  }
  liveMenus += record->menus;
  SetMenu(window, record->bar);
  DrawMenuBar(window);
  KeepClientSize(window, *record);
  return true;
}

std::vector<HWND> PreviewWindows() { return order; }

void ClosePreviewWindow(HWND window) {
  if (RecordOf(window) != nullptr) DestroyWindow(window);
}

void CloseAllPreviewWindows() {
  for (const HWND window : PreviewWindows()) ClosePreviewWindow(window);
}

int LivePreviewMenus() { return liveMenus; }

}  // namespace tolvex::win32
