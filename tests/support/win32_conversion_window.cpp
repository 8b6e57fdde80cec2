// The test window over the real controls: the main window's fifteen gadgets in a toolkit window.
#include <windows.h>

#include "app/main_window_gadgets.h"
#include "app/main_window_layout.h"
#include "tests/support/conversion_window.h"
#include "toolkit/win32/toolkit.h"

namespace tolvex::testing {
namespace {

HWND window = nullptr;

// Destroying a window leaves its gadgets' registry nodes behind, keyed by handles the platform
// may hand out again: free every gadget by id first, so the next window starts with a clean
// registry.
void CloseConversionWindow() {
  if (window == nullptr) return;
  for (const GadgetSpec& g : kMainGadgets) FREEGADGET(g.id);
  DestroyWindow(window);
  window = nullptr;
}

}  // namespace

void OpenConversionWindow() {
  CloseConversionWindow();
  // Visible, so that a shown gadget reports itself visible (its parent must be), and minimised:
  // Wine redraws a visible list box's scroll bar for every line inserted (about 4 ms a line), a
  // minimised window's gadgets draw nothing. Windows inserts into either at the same speed.
  window = OpenWindow("Tolvex test window", 0, 0, 800, 600,
                      WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MINIMIZE, 0);
  UseGadgetList(window);
  CreateMainGadgets(window);
}

void SetCheckBox(int id, bool ticked) {
  const HWND box = GadgetID(id);
  const bool now = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
  // A click toggles an auto check box and tells its parent, as the user's click does.
  if (now != ticked) SendMessageA(box, BM_CLICK, 0, 0);
}

bool IsShown(int id) { return IsWindowVisible(GadgetID(id)) != FALSE; }

}  // namespace tolvex::testing
