// The toolkit before its first window: a process of its own, which opens no window.
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
  // The requester's buffer is empty: its walk gives one backslash, then ends.
  EXPECT_EQ(NextSelectedFile(), "\\");
  EXPECT_EQ(NextSelectedFile(), "");
}

}  // namespace
}  // namespace tolvex::win32
