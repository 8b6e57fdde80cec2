// The toolkit before the first bounds and the first coloured paint: a fresh process, whose tests
// leave no bounds and no coloured paint behind, in whatever order they run.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32 {
namespace {

TEST(FirstUse, ColourMessageBeforeAnyColouredPaintAnswersNoBrush) {
  const HWND window = OpenWindow("first", 0, 0, 200, 150, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0);
  const HWND button = BUTTONGADGET(10, 5, 5, 50, 20, "b", 0);  // buttons have no colour record
  const HDC context = GetDC(button);
  EXPECT_EQ(SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                         reinterpret_cast<LPARAM>(button)),
            0);
  ReleaseDC(button, context);
  FREEGADGET(10);
  DestroyWindow(window);
}

TEST(FirstUse, BoundsFlagBeforeAnyBoundsLeavesSizingAloneAndLaterBoundsHold) {
  const HWND window = OpenWindow("bounds", 0, 0, 200, 150, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0);
  EXPECT_EQ(GETBOUNDSFLAG(1), 1);
  MoveWindow(window, 0, 0, 333, 222, TRUE);
  EXPECT_EQ(WINDOWHEIGHT(window), 222);
  EXPECT_EQ(WINDOWBOUNDS(window, 150, 120, 300, 200), 1);
  MoveWindow(window, 0, 0, 333, 222, TRUE);
  EXPECT_EQ(WINDOWHEIGHT(window), 200);
  MoveWindow(window, 0, 0, 50, 50, TRUE);
  EXPECT_EQ(WINDOWHEIGHT(window), 120);
  GETBOUNDSFLAG(0);
  DestroyWindow(window);
}

}  // namespace
}  // namespace tolvex::win32
