// The main window's gadgets, created over the real controls in table order.
#pragma once

#include <windows.h>

namespace tolvex {

// Creates the gadgets of kMainGadgets in `window` (whose gadget list is current), with the two
// listings' colours, and hides the output listing.
void CreateMainGadgets(HWND window);

}  // namespace tolvex
