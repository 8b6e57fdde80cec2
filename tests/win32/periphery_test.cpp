// Status bars: fields outside the part array, or of a window without a status bar, are ignored.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/toolkit_window.h"

namespace tolvex::win32::testing {
namespace {

using StatusBar = ToolkitWindow;

std::string PartText(HWND bar, int index) {
  char text[64] = {};
  SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}
LRESULT PartCount(HWND bar) { return SendMessageA(bar, SB_GETPARTS, 0, 0); }

TEST_F(StatusBar, FieldsOutsideThePartsOrWithoutAStatusNodeAreLeftAlone) {
  const int id = Id(901);
  const HWND bar = STATUSBARGADGET(id, "ready", 0, 0);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(STATUSEVENT(window_), bar);
  EXPECT_NE(SETSTATUSBARFIELD(id, 0, 100, "one"), 0);
  EXPECT_EQ(PartText(bar, 0), "one");
  EXPECT_EQ(PartCount(bar), 1);
  EXPECT_EQ(SETSTATUSBARFIELD(id, -1, 50, "x"), 0);
  EXPECT_EQ(SETSTATUSBARFIELD(id, 251, 50, "x"), 0);
  EXPECT_EQ(PartCount(bar), 1);
  EXPECT_NE(SETSTATUSBARFIELD(id, 250, -1, "last"), 0);
  EXPECT_EQ(PartCount(bar), 2);

  EXPECT_EQ(REMOVESTATUSBAR(id), 1);
  EXPECT_EQ(STATUSEVENT(window_), nullptr);
  EXPECT_EQ(SETSTATUSBARFIELD(id, 0, 60, "gone"), 0);
  EXPECT_EQ(PartText(bar, 0), "one");
  const int label = Id(902);
  TEXTGADGET(label, 5, 5, 50, 20, "t", 0);
  EXPECT_EQ(SETSTATUSBARFIELD(label, 0, 60, "t"), 0);
  EXPECT_EQ(SETSTATUSBARFIELD(4244, 0, 60, "t"), 0);
}

}  // namespace
}  // namespace tolvex::win32::testing
