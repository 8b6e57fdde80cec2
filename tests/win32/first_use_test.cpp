// The toolkit in a process of its own, before its first window, first bounds and first coloured
// paint. The tests run in the order written: the first before any window is opened.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32 {
namespace {

TEST(FirstUse, LookUpsBeforeTheFirstWindowFindNothing) {
  const HWND desktop = GetDesktopWindow();
  EXPECT_EQ(GadgetID(1), nullptr);
  EXPECT_EQ(ID_In_Number(desktop), 0);
  EXPECT_EQ(FREEGADGET(1), 0);
  EXPECT_EQ(GETGURRENTAL(), nullptr);
  EXPECT_EQ(ADDIN9999(7, desktop), 1);
  EXPECT_EQ(GadgetID(7), nullptr);
  EXPECT_EQ(ColorAdd(desktop, 1, 2), 1);
  EXPECT_EQ(GetGadgetColor(reinterpret_cast<LONG_PTR>(desktop), 3), 0);
  ERR_(0);
  // No parent: the platform refuses a child control, and nothing is registered.
  EXPECT_EQ(BUTTONGADGET(8, 0, 0, 10, 10, "b", 0), nullptr);
  EXPECT_EQ(AddListBoxItem(8, "x", -1), LB_ERR);
  EXPECT_EQ(LISALIST(), nullptr);
  EXPECT_EQ(SETSTATUSBARFIELD(9, 0, 10, "x"), 0);
  EXPECT_EQ(REMOVESTATUSBAR(9), 0);
  EXPECT_EQ(ToolTipText(9), "");
  MINMAXINFO sizes{};
  EXPECT_EQ(WINDOWADDRESSBOUNDS(desktop, &sizes), 1);
  EXPECT_EQ(sizes.ptMaxTrackSize.x, 0);
}

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
