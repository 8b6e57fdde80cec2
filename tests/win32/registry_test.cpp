// The gadget registry, colour records and window classes over real windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/toolkit_window.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32::testing {
namespace {

using Registry = ToolkitWindow;

LONG_PTR AsKey(HWND handle) { return reinterpret_cast<LONG_PTR>(handle); }

TEST_F(Registry, ASecondGadgetUnderAnIdInUseReplacesTheFirst) {
  const int id = Id(601);
  const HWND first = TEXTGADGET(id, 5, 5, 100, 20, "first", 0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GadgetID(id), first);
  EXPECT_EQ(ID_In_Number(first), id);
  EXPECT_EQ(GetGadgetColor(id, 1), 0xF0F0F0);

  const HWND second = STRINGGADGET(id, 5, 30, 100, 20, "second", 0, 0);
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GadgetID(id), second);
  EXPECT_EQ(ID_In_Number(second), id);
  EXPECT_EQ(COLORLIST()->FINDBYID10(KeyOf(first)), nullptr);
  EXPECT_EQ(GetGadgetColor(id, 1), 0xFFFFFF);

  // Freeing an id never used changes nothing; freeing the replacement leaves no pair behind.
  EXPECT_EQ(FREEGADGET(4243), 0);
  EXPECT_EQ(GadgetID(id), second);
  EXPECT_NE(FREEGADGET(id), 0);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(GadgetID(id), nullptr);
  EXPECT_EQ(ID_In_Number(second), 0);
  EXPECT_EQ(COLORLIST()->FINDBYID10(KeyOf(second)), nullptr);
}

TEST_F(Registry, TheOldestColourRecordOfAHandleWins) {
  const int id = Id(602);
  const HWND button = BUTTONGADGET(id, 5, 5, 80, 24, "b", 0);  // no record of its own
  ColorAdd(button, 0x111111, 0x222222);
  ColorAdd(button, 0x333333, 0x444444);
  EXPECT_EQ(GetGadgetColor(AsKey(button), 3), 0x111111);
  EXPECT_EQ(GetGadgetColor(AsKey(button), 4), 0x222222);
  EXPECT_EQ(GetGadgetColor(id, 0x102), 0x222222);  // only the type's low byte counts
  EXPECT_EQ(ERROR_COLOR, 0);
  EXPECT_EQ(GetGadgetColor(AsKey(window_), 3), 0);  // a handle without a record
  EXPECT_EQ(ERROR_COLOR, 1);
  ERR_(0);
}

TEST_F(Registry, BackgroundOnlyColourChangeKeepsTheTextColour) {
  const int id = Id(603);
  ListBoxGadget(id, 5, 5, 100, 80, 0, 0);
  EXPECT_EQ(GetGadgetColor(id, 1), static_cast<int>(GetSysColor(COLOR_WINDOW)));
  EXPECT_EQ(SetGadgetColor(id, 0x00F0F0, 0x0000FF, 1), 1);
  EXPECT_EQ(GetGadgetColor(id, 1), 0x00F0F0);
  EXPECT_EQ(GetGadgetColor(id, 2), static_cast<int>(GetSysColor(COLOR_WINDOWTEXT)));
  SetGadgetColor(id, 0, 0x0000FF, 2);
  EXPECT_EQ(GetGadgetColor(id, 1), 0x00F0F0);
  EXPECT_EQ(GetGadgetColor(id, 2), 0x0000FF);
}

std::string ClassOf(HWND window) {
  char name[257] = {};
  GetClassNameA(window, name, 256);
  return name;
}

TEST(WindowClasses, WindowsOpenedInOneSecondHaveClassesOfTheirOwn) {
  // CLASSCLASS_, the time as HH:MM:SS, then the window counter.
  constexpr size_t kCounterAt = 19;
  for (int attempt = 0; attempt < 5; ++attempt) {
    const HWND first = OpenWindow("a", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW, 0);
    const HWND second = OpenWindow("b", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW, 0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    const std::string a = ClassOf(first), b = ClassOf(second);
    DestroyWindow(first);
    DestroyWindow(second);
    ASSERT_EQ(a.rfind("CLASSCLASS_", 0), 0u) << a;
    ASSERT_GT(a.size(), kCounterAt) << a;
    EXPECT_EQ(a[13], ':');
    EXPECT_EQ(a[16], ':');
    if (a.compare(0, kCounterAt, b, 0, kCounterAt) != 0) continue;  // a second passed between
    EXPECT_NE(a, b);
    const int counter = std::stoi(a.substr(kCounterAt));
    EXPECT_EQ(b, a.substr(0, kCounterAt) + std::to_string(counter + 1));
    EXPECT_EQ(CLASSLIST()->FINDBYID10(counter + 1)->text, b);
    return;
  }
  FAIL() << "no two windows opened within one second";
}

}  // namespace
}  // namespace tolvex::win32::testing
