// Tolvex: the main window and its event loop.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "app/preview.h"
#include "app/preview_action.h"
#include "app/run_action.h"
#include "app/shell_state.h"
#include "toolkit/win32/toolkit.h"

namespace {
constexpr int kEventClose = WM_CLOSE;
}  // namespace

int main() {
  using namespace tolvex;
  InitCommonControls();
  INITCOMMONCONTROLSEX INITCTRLEX{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&INITCTRLEX);
  SCREEN_X = GetSystemMetrics(SM_CXSCREEN);
  SCREEN_Y = GetSystemMetrics(SM_CYSCREEN);
  OBJETS();

  for (;;) {
    const int event = WAITEVENT();
    if (event == kEventClose) return 0;
    if (event != win32::kGadgetEvent) continue;
    switch (EVENTNUMBER()) {
      case kRunButton: RUNBOY(); break;
      case kPreviewButton: PREVIEW(); break;
      case kLoadButton: LOAD(); break;
      case kQuitButton: ClosePreview(); return 0;
      default: break;
    }
  }
}
