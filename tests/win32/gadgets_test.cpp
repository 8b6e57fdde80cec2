// Gadget constructors and operations over the real controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/toolkit_window.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32::testing {
namespace {

using Gadgets = ToolkitWindow;

TEST_F(Gadgets, ListBoxItemsAreReadBackWholeAndNothingAtOrPastTheCount) {
  const int id = Id(701);
  ListBoxGadget(id, 5, 5, 200, 100, WS_VSCROLL, 0);
  EXPECT_EQ(AddListBoxItem(id, "", -1), 0);
  EXPECT_EQ(AddListBoxItem(id, nullptr, -1), 1);
  const std::string longItem(500, 'w');
  EXPECT_EQ(AddListBoxItem(id, longItem.c_str(), -1), 2);
  EXPECT_EQ(GetListBoxText(id, 0), " ");
  EXPECT_EQ(GetListBoxText(id, 1), " ");
  EXPECT_EQ(GetListBoxText(id, 2), longItem);
  EXPECT_EQ(CountItemListBox(id), 3);
  EXPECT_EQ(GetListBoxText(id, 3), "");
  EXPECT_EQ(GetListBoxText(id, 4), "");
  // Not a list box: the item is refused, not reported at index 0.
  const int button = Id(702);
  BUTTONGADGET(button, 5, 110, 80, 24, "b", 0);
  EXPECT_EQ(AddListBoxItem(button, "x", -1), LB_ERR);
}

TEST_F(Gadgets, FieldTextIsCutToTheCapacityOfItsSizeClass) {
  const int id = Id(703);
  STRINGGADGET(id, 5, 5, 200, 20, "", 0, 0);
  const std::string text(1500, '9');
  EXPECT_NE(SetGadgetText(id, text.c_str()), 0);
  EXPECT_EQ(GetGadgetText(id, 1), text.substr(0, 1023));
  EXPECT_EQ(GetGadgetText(id, 0x201), text.substr(0, 1023));  // the low byte counts
  EXPECT_EQ(GetGadgetText(id, 2), text);
}

TEST_F(Gadgets, CheckStateFollowsClicks) {
  const int box = Id(704), threeState = Id(705);
  CHECKBOXGADGET(box, 5, 5, 150, 20, "tick", BS_AUTOCHECKBOX);
  EXPECT_EQ(GETGADGETSTATE(box), 0);
  SendMessageA(GadgetID(box), BM_CLICK, 0, 0);
  EXPECT_EQ(GETGADGETSTATE(box), 1);
  SendMessageA(GadgetID(box), BM_CLICK, 0, 0);
  EXPECT_EQ(GETGADGETSTATE(box), 0);
  CHECKBOXGADGET(threeState, 5, 30, 150, 20, "maybe", BS_AUTO3STATE);
  SendMessageA(GadgetID(threeState), BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(GETGADGETSTATE(threeState), 2);
}

TEST_F(Gadgets, StateOneHidesEveryOtherStateShows) {
  const int id = Id(706);
  const HWND label = TEXTGADGET(id, 5, 5, 100, 20, "label", 0);
  ASSERT_TRUE(IsWindowVisible(label));
  EXPECT_NE(HideGadget(id, 1), 0);  // it was visible
  EXPECT_FALSE(IsWindowVisible(label));
  EXPECT_EQ(HideGadget(id, 2), 0);  // it was hidden
  EXPECT_TRUE(IsWindowVisible(label));
  EXPECT_NE(HideGadget(id, 0x301), 0);
  EXPECT_FALSE(IsWindowVisible(label));
}

TEST_F(Gadgets, ClassCodeFollowsTheWindowClass) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&classes));
  struct Case {
    const char* className;
    int code;
  };
  const Case cases[] = {
      {"ComboBox", 3},          {"ListBox", 2},           {"SysTabControl32", 4},
      {"msctls_trackbar32", 7}, {"ScrollBar", 5},         {"msctls_progress32", 8},
      {"SysDateTimePick32", 9}, {"SysMonthCal32", 10},    {"msctls_updown32", 14},
      {"ToolbarWindow32", 15},  {"Static", 16},           {"SysListView32", 6},
      {"Button", 0},            {"Edit", 0},
  };
  for (const Case& c : cases) {
    const HWND control = CreateWindowExA(0, c.className, "", WS_CHILD | WS_VISIBLE, 5, 5, 150,
                                         100, window_, nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr) << c.className;
    EXPECT_EQ(GADGETCLASS(control), c.code) << c.className;
    if (c.code == 3) {
      COMBOBOXINFO parts{};
      parts.cbSize = sizeof parts;
      ASSERT_TRUE(GetComboBoxInfo(control, &parts));
      EXPECT_EQ(GADGETCLASS(parts.hwndList), 13);
    }
    DestroyWindow(control);
  }
  // The constructors' own controls, the toolkit window and the null handle.
  EXPECT_EQ(GADGETCLASS(TEXTGADGET(Id(707), 5, 5, 50, 20, "t", 0)), 16);
  EXPECT_EQ(GADGETCLASS(STRINGGADGET(Id(708), 5, 30, 50, 20, "e", 0, 0)), 0);
  EXPECT_EQ(GADGETCLASS(BUTTONGADGET(Id(709), 5, 55, 50, 20, "b", 0)), 0);
  EXPECT_EQ(GADGETCLASS(ListBoxGadget(Id(710), 60, 5, 50, 50, 0, 0)), 2);
  EXPECT_EQ(GADGETCLASS(window_), 0);
  EXPECT_EQ(GADGETCLASS(nullptr), 0);
}

HFONT FontOf(int id) {
  return reinterpret_cast<HFONT>(SendMessageA(GadgetID(id), WM_GETFONT, 0, 0));
}

TEST_F(Gadgets, DefaultFontReachesOnlyGadgetsCreatedAfterIt) {
  const HFONT font = LOADFONT("Courier New", 9, 0, 1, 0, 0, 0);
  ASSERT_NE(font, nullptr);
  LOGFONTA described{};
  ASSERT_NE(GetObjectA(font, sizeof described, &described), 0);
  const HDC screen = GetDC(nullptr);
  EXPECT_EQ(described.lfHeight, -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72));
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(described.lfWeight, FW_BOLD);

  const int before = Id(711), during = Id(712), after = Id(713);
  BUTTONGADGET(before, 5, 5, 80, 24, "before", 0);
  EXPECT_EQ(SETGADGETFONT(-1, font), 0);
  EXPECT_EQ(GGF(), font);
  TEXTGADGET(during, 5, 35, 80, 20, "during", 0);
  EXPECT_EQ(SETGADGETFONT(-1, reinterpret_cast<HFONT>(-1)), 0);
  EXPECT_EQ(GGF(), nullptr);
  STRINGGADGET(after, 5, 60, 80, 20, "after", 0, 0);
  EXPECT_NE(FontOf(before), font);
  EXPECT_EQ(FontOf(during), font);
  EXPECT_NE(FontOf(after), font);
  SETGADGETFONT(before, font);
  EXPECT_EQ(FontOf(before), font);
  for (int id : {before, during}) FREEGADGET(id);
  DeleteCounted(font);
}

TEST_F(Gadgets, WindowHeightIsTheOuterHeight) {
  EXPECT_EQ(WINDOWHEIGHT(window_), kHeight);
  MoveWindow(window_, 20, 20, 420, kHeight + 55, TRUE);
  EXPECT_EQ(WINDOWHEIGHT(window_), kHeight + 55);
  RECT client{};
  GetClientRect(window_, &client);
  EXPECT_GT(WINDOWHEIGHT(window_), client.bottom);  // frame and title bar included
  EXPECT_EQ(WINDOWHEIGHT(nullptr), 0);
}

}  // namespace
}  // namespace tolvex::win32::testing
