// Top-level windows that show another program's windows: standard controls at given places, a
// font of their own, a menu bar, and a report of what is clicked. Internal to Tolvex: none of this
// is exported, and none of it uses the gadget registry, so that a shown program's ids never meet
// the main window's. Each window owns its controls, fonts and menus and frees them when it closes;
// a handle that is not such a window makes every operation do nothing.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tolvex::win32 {

// The standard controls a preview shows.
enum class PreviewControlKind {
  kButton,
  kCheckBox,
  kOption,
  kEdit,
  kStatic,
  kGroupBox,
  kListBox,
  kComboBox,
  kListView,
  kTrackBar,
  kProgressBar,
  kScrollBar,
  kUpDown,
  kDatePicker,
  kIpAddress,
  kImage,
};

struct PreviewControl {
  PreviewControlKind kind = PreviewControlKind::kStatic;
  int id = 0;  // the control's id
  int x = 0, y = 0, width = 0, height = 0;
  std::string text;
  HFONT font = nullptr;  // one of the window's fonts, or none
  bool vertical = false;
  bool ranged = false;  // bars and up-downs: take minimum and maximum
  int minimum = 0, maximum = 0;
  DWORD exStyle = 0;
  std::vector<std::pair<std::string, int>> columns;  // a list view's titles and widths
  std::string address;                               // an IP address control's, dotted
};

// One line of a menu bar: a pop-up (a title in the bar when parent is -1, else a sub-menu) or an
// item. parent is the index of an earlier pop-up in the same list.
struct PreviewMenuLine {
  bool popup = false;
  int parent = -1;
  std::string text;
  int key = 0;  // items: what a choice of the item reports
};

// What a window reports when one of its controls is clicked or one of its items chosen: the key
// the control or item was added with.
using PreviewReport = std::function<void(int key)>;

// A shown, resizable window at x, y whose client area is width by height.
HWND OpenPreviewWindow(const std::string& caption, int x, int y, int width, int height,
                       PreviewReport report);
// A font the window owns: face at a size in points (0: the face's default height).
HFONT AddPreviewFont(HWND window, const std::string& face, int points);
// A control of the window; a click on it reports key. Null when window is no preview window or
// the control cannot be made.
HWND AddPreviewControl(HWND window, const PreviewControl& control, int key);
// Gives the window its menu bar, keeping its client size. False when window is no preview window,
// already has one, or a line names a parent that is not an earlier pop-up.
bool SetPreviewMenu(HWND window, const std::vector<PreviewMenuLine>& lines);

// The open preview windows, oldest first.
std::vector<HWND> PreviewWindows();
void ClosePreviewWindow(HWND window);
void CloseAllPreviewWindows();
// The menus (bars and pop-ups) that open preview windows hold; their fonts are counted by
// LiveGdiObjects.
int LivePreviewMenus();

}  // namespace tolvex::win32
