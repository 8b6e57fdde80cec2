// Event dispatch as a user drives it: real clicks through the platform's input, window sizes,
// scroll requests and the controls' notifications, taken with WAITEVENT. Keys, mouse moves, hooks
// and list view notices sent as messages are the C program's (toolkit_c_test.c).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/win32/toolkit_window.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32::testing {
namespace {

using Dispatch = ToolkitWindow;

bool Has(const std::vector<int>& events, int event) {
  return std::find(events.begin(), events.end(), event) != events.end();
}

TEST_F(Dispatch, AMouseClickOnAButtonGivesButtonDownThenItsGadgetEventAtOnce) {
  const int id = Id(1014);
  const HWND button = BUTTONGADGET(id, 40, 40, 100, 30, "Run", 0);
  DrainEvents();
  ClickAt(MiddleOf(button));
  const std::vector<int> events = EventsUntil(kGadgetEvent);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), kGadgetEvent);
  EXPECT_EQ(EVENTNUMBER(), id);
  EXPECT_TRUE(Has(events, WM_LBUTTONDOWN)) << "no button-down event before the gadget event";
}

TEST_F(Dispatch, ResizingGivesTheClientSizeAndTheStatusBarFollows) {
  const HWND bar = STATUSBARGADGET(Id(951), "ready", 0, 0);
  DrainEvents();
  MoveWindow(window_, 20, 20, 500, 360, TRUE);
  ASSERT_EQ(EventsUntil(WM_SIZE).back(), WM_SIZE);
  RECT client{}, status{};
  GetClientRect(window_, &client);
  EXPECT_EQ(SIZEX(), client.right);
  EXPECT_EQ(SIZEY(), client.bottom);
  EXPECT_EQ(EVENTHWND(), window_);
  GetWindowRect(bar, &status);
  EXPECT_EQ(status.right - status.left, client.right);
}

TEST_F(Dispatch, ScrollRequestsMoveTheBarByTheLineOrThePageStep) {
  const HWND bar = Child("ScrollBar", 0, window_, SBS_VERT, {300, 5, 16, 200});
  SetScrollRange(bar, SB_CTL, 0, 100, FALSE);
  struct Case {
    int request, track, step, from, to;
  };
  const Case cases[] = {
      {SB_LINEDOWN, 0, 10, 50, 51},    {SB_LINEUP, 0, 10, 50, 49},
      {SB_PAGEDOWN, 0, 10, 50, 60},    {SB_PAGEDOWN, 0, 25, 50, 75},
      {SB_PAGEUP, 0, 25, 50, 25},      {SB_THUMBPOSITION, 33, 10, 50, 33},
      {SB_THUMBTRACK, 70, 10, 50, 70}, {SB_ENDSCROLL, 0, 10, 50, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "request " << c.request << ", page step " << c.step);
    SetScrollPos(bar, SB_CTL, c.from, FALSE);
    EXPECT_EQ(SETPAGESTEPSCROLLBAR(c.step), 1);
    SendMessageA(window_, WM_VSCROLL, MAKEWPARAM(c.request, c.track),
                 reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), c.to);
    EXPECT_EQ(WINDOWEVENT(), WM_VSCROLL);
    EXPECT_EQ(EVENTNUMBER(), c.request);
    EXPECT_EQ(EVENTHWND(), bar);
  }
  SETPAGESTEPSCROLLBAR(10);
  // A control whose box stood at 0 also moves the window's own bar of that direction.
  SetScrollRange(window_, SB_HORZ, 0, 100, FALSE);
  SetScrollPos(window_, SB_HORZ, 5, FALSE);
  SetScrollPos(bar, SB_CTL, 0, FALSE);
  SendMessageA(window_, WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 1);
  EXPECT_EQ(GetScrollPos(window_, SB_HORZ), 6);
  DestroyWindow(bar);
}

TEST_F(Dispatch, AListViewDoubleClickAddsADoubleClickEvent) {
  const int id = Id(961);
  const HWND list = Child(WC_LISTVIEWA, id, window_, LVS_REPORT, {10, 10, 300, 150});
  NMHDR twice{list, static_cast<UINT_PTR>(id), static_cast<UINT>(NM_DBLCLK)};
  DrainEvents();
  SendMessageA(window_, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&twice));
  EXPECT_EQ(EVENTNUMBERLISTVIEW(), id);
  EXPECT_TRUE(Has(EventsUntil(WM_LBUTTONDBLCLK, 5), WM_LBUTTONDBLCLK));
  DestroyWindow(list);
}

// The notices the controls themselves send: a tree's selection, a tab's change.
TEST_F(Dispatch, TreeSelectionAndTabChangesAreReported) {
  const int treeId = Id(971), tabId = Id(972);
  const HWND tree = Child(WC_TREEVIEWA, treeId, window_, 0, {10, 10, 150, 100});
  TVINSERTSTRUCTA insert{};
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>("root");
  const auto root = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
  EXPECT_EQ(EVENTNUMBERTREEVIEW(), treeId);
  EXPECT_EQ(GETITEMTREEVIEW(), reinterpret_cast<LPARAM>(root));
  EXPECT_EQ(EVENTNUMBERTREEVIEW(), 0);

  // Each tab holds the window it shows as its item data.
  const HWND tabs = Child(WC_TABCONTROLA, tabId, window_, 0, {170, 10, 220, 150});
  HWND pages[2];
  for (int i = 0; i < 2; ++i) {
    pages[i] = Child("Static", 0, window_, 0, {180, 60, 100, 20});
    if (i == 1) ShowWindow(pages[i], SW_HIDE);
    TCITEMA tab{};
    tab.mask = TCIF_TEXT | TCIF_PARAM;
    tab.pszText = const_cast<char*>(i == 0 ? "one" : "two");
    tab.lParam = reinterpret_cast<LPARAM>(pages[i]);
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
  }
  RECT second{};
  SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  POINT at{(second.left + second.right) / 2, (second.top + second.bottom) / 2};
  ClientToScreen(tabs, &at);
  DrainEvents();
  ClickAt(at);
  EventsUntil(kGadgetEvent);
  EXPECT_EQ(EVENTNUMBER(), tabId);
  EXPECT_FALSE(IsWindowVisible(pages[0]));
  EXPECT_TRUE(IsWindowVisible(pages[1]));
  for (HWND w : {pages[0], pages[1], tabs, tree}) DestroyWindow(w);
}

TEST_F(Dispatch, ATooltipAsksForTheToolsTextCutToItsField) {
  const HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, "", WS_POPUP, 0, 0, 0, 0, window_, nullptr,
                                   nullptr, nullptr);
  const std::string longText(100, 't');
  TOOLBARTOOLTIP(981, "Open a script");
  TOOLBARTOOLTIP(982, longText.c_str());
  for (const auto& [tool, expected] :
       {std::pair<int, std::string>{981, "Open a script"}, {982, longText.substr(0, 79)}}) {
    NMTTDISPINFOA ask{};
    ask.hdr = {tip, static_cast<UINT_PTR>(tool), static_cast<UINT>(TTN_GETDISPINFOA)};
    SendMessageA(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ask));
    EXPECT_EQ(std::string(ask.szText), expected);
  }
  DestroyWindow(tip);
}

TEST_F(Dispatch, StateOfAnUpDownOrAProgressBarIsItsPosition) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  const int field = Id(993), bar = Id(994);
  STRINGGADGET(field, 5, 5, 80, 20, "7", 0, 0);
  const HWND upDown =
      Child(UPDOWN_CLASSA, Id(field + kUpDownIdOffset), window_, 0, {90, 5, 16, 20});
  SendMessageA(upDown, UDM_SETRANGE32, 0, 100);
  SendMessageA(upDown, UDM_SETPOS32, 0, 37);
  EXPECT_EQ(LOWORD(GETGADGETSTATE(field)), 37);
  SendMessageA(Child(PROGRESS_CLASSA, bar, window_, 0, {5, 40, 150, 20}), PBM_SETPOS, 64, 0);
  EXPECT_EQ(GETGADGETSTATE(bar), 64);
}

TEST(Fonts, LoadFontPassesSizeAngleWeightAndStyles) {
  struct Case {
    const char* name;
    int size, angle, bold, italic, underline, strikeOut;
    LONG weight;
  };
  const Case cases[] = {
      {"bold", 9, 0, 1, 0, 0, 0, FW_BOLD},
      {"italic, turned", 12, 90, 0, 1, 0, 0, FW_NORMAL},
      {"bold 2 is not bold; underlined, struck out", 12, 0, 2, 0, 1, 1, FW_NORMAL},
      {"italic, underlined, turned", 12, 45, 0, 1, 1, 0, FW_NORMAL}};
  const HDC screen = GetDC(nullptr);
  const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HFONT font =
        LOADFONT("Courier New", c.size, c.angle, c.bold, c.italic, c.underline, c.strikeOut);
    LOGFONTA described{};
    ASSERT_NE(GetObjectA(font, sizeof described, &described), 0);
    EXPECT_EQ(described.lfHeight, -MulDiv(c.size, dotsPerInch, 72));
    EXPECT_EQ(described.lfEscapement, c.angle * 10);
    EXPECT_EQ(described.lfWeight, c.weight);
    EXPECT_EQ(described.lfItalic, c.italic);
    EXPECT_EQ(described.lfUnderline, c.underline);
    EXPECT_EQ(described.lfStrikeOut, c.strikeOut);
    EXPECT_STREQ(described.lfFaceName, "Courier New");
    DeleteCounted(font);
  }
}

}  // namespace
}  // namespace tolvex::win32::testing
