// The gadget registry, colour records, window classes and class codes over real windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/toolkit_window.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32::testing {
namespace {

using Registry = ToolkitWindow;

TEST_F(Registry, ASecondGadgetUnderAnIdInUseReplacesTheFirst) {
  const int id = Id(601);
  const HWND first = TEXTGADGET(id, 5, 5, 100, 20, "first", 0);
  EXPECT_EQ(GadgetID(id), first);
  EXPECT_EQ(ID_In_Number(first), id);
  EXPECT_EQ(GetGadgetColor(id, 1), 0xF0F0F0);

  const HWND second = STRINGGADGET(id, 5, 30, 100, 20, "second", 0, 0);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GadgetID(id), second);
  EXPECT_EQ(ID_In_Number(second), id);
  EXPECT_EQ(COLORLIST()->FINDBYID10(KeyOf(first)), nullptr);
  EXPECT_EQ(GetGadgetColor(id, 1), 0xFFFFFF);
  EXPECT_EQ(AddListBoxItem(id, "x", -1), LB_ERR);  // not a list box: no item at index 0

  // Freeing an id never used changes nothing; freeing the replacement leaves no pair behind.
  EXPECT_EQ(FREEGADGET(4243), 0);
  EXPECT_EQ(GadgetID(id), second);
  EXPECT_NE(FREEGADGET(id), 0);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(GadgetID(id), nullptr);
  EXPECT_EQ(ID_In_Number(second), 0);
  EXPECT_EQ(COLORLIST()->FINDBYID10(KeyOf(second)), nullptr);
}

TEST_F(Registry, TheOldestColourRecordWinsAndOneColourChangesAlone) {
  const int button = Id(602), list = Id(603);
  const HWND handle = BUTTONGADGET(button, 5, 5, 80, 24, "b", 0);  // no record of its own
  ColorAdd(handle, 0x111111, 0x222222);
  ColorAdd(handle, 0x333333, 0x444444);
  EXPECT_EQ(GetGadgetColor(reinterpret_cast<LONG_PTR>(handle), 3), 0x111111);
  EXPECT_EQ(GetGadgetColor(reinterpret_cast<LONG_PTR>(handle), 4), 0x222222);
  EXPECT_EQ(GetGadgetColor(button, 0x102), 0x222222);  // only the type's low byte counts

  ListBoxGadget(list, 5, 40, 100, 80, 0, 0);
  EXPECT_EQ(GetGadgetColor(list, 1), static_cast<int>(GetSysColor(COLOR_WINDOW)));
  SetGadgetColor(list, 0x00F0F0, 0x0000FF, 1);
  EXPECT_EQ(GetGadgetColor(list, 1), 0x00F0F0);
  EXPECT_EQ(GetGadgetColor(list, 2), static_cast<int>(GetSysColor(COLOR_WINDOWTEXT)));
  SetGadgetColor(list, 0, 0x0000FF, 2);
  EXPECT_EQ(GetGadgetColor(list, 1), 0x00F0F0);
  EXPECT_EQ(GetGadgetColor(list, 2), 0x0000FF);
}

TEST(WindowClasses, WindowsOpenedInOneSecondHaveClassesOfTheirOwn) {
  constexpr size_t kCounterAt = 19;  // after CLASSCLASS_ and the time as HH:MM:SS
  for (int attempt = 0; attempt < 5; ++attempt) {
    const HWND first = OpenWindow("a", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW, 0);
    const HWND second = OpenWindow("b", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW, 0);
    const std::string a = ClassOf(first), b = ClassOf(second);
    DestroyWindow(first);
    DestroyWindow(second);
    ASSERT_EQ(a.rfind("CLASSCLASS_", 0), 0u) << a;
    ASSERT_GT(a.size(), kCounterAt) << a;
    EXPECT_TRUE(a[13] == ':' && a[16] == ':') << a;
    if (a.compare(0, kCounterAt, b, 0, kCounterAt) != 0) continue;  // a second passed between
    const int counter = std::stoi(a.substr(kCounterAt));
    EXPECT_EQ(b, a.substr(0, kCounterAt) + std::to_string(counter + 1));
    EXPECT_EQ(CLASSLIST()->FINDBYID10(counter + 1)->text, b);
    return;
  }
  FAIL() << "no two windows opened within one second";
}

TEST_F(Registry, ClassCodeFollowsTheWindowClass) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&classes));
  const std::pair<const char*, int> cases[] = {{"ComboBox", 3},
                                               {"ListBox", 2},
                                               {"SysTabControl32", 4},
                                               {"msctls_trackbar32", 7},
                                               {"ScrollBar", 5},
                                               {"msctls_progress32", 8},
                                               {"SysDateTimePick32", 9},
                                               {"SysMonthCal32", 10},
                                               {"msctls_updown32", 14},
                                               {"ToolbarWindow32", 15},
                                               {"Static", 16},
                                               {"SysListView32", 6},
                                               {"Button", 0},
                                               {"Edit", 0}};
  for (const auto& [className, code] : cases) {
    const HWND control = Child(className, 0, window_, 0, {5, 5, 150, 100});
    ASSERT_NE(control, nullptr) << className;
    EXPECT_EQ(GADGETCLASS(control), code) << className;
    if (code == 3) {
      COMBOBOXINFO parts{};
      parts.cbSize = sizeof parts;
      EXPECT_TRUE(GetComboBoxInfo(control, &parts));
      EXPECT_EQ(GADGETCLASS(parts.hwndList), 13);  // its drop-down list
    }
    DestroyWindow(control);
  }
  EXPECT_EQ(GADGETCLASS(TEXTGADGET(Id(707), 5, 5, 50, 20, "t", 0)), 16);  // made as "static"
  EXPECT_EQ(GADGETCLASS(window_), 0);
  EXPECT_EQ(GADGETCLASS(nullptr), 0);
}

}  // namespace
}  // namespace tolvex::win32::testing
