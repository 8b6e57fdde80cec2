// Event dispatch as a user drives it: real clicks and keys through the platform's input, window
// sizes, scroll requests, the controls' notifications, hooks and timers, taken with WAITEVENT.
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
  const auto down = std::find(events.begin(), events.end(), WM_LBUTTONDOWN);
  EXPECT_NE(down, events.end()) << "no button-down event before the gadget event";
}

TEST_F(Dispatch, KeysGiveKeyDownWithEventKeyAndKeyUpWithEventNumber) {
  DrainEvents();
  PressKey('K');
  std::vector<int> events = EventsUntil(WM_KEYDOWN);
  ASSERT_EQ(events.back(), WM_KEYDOWN);
  EXPECT_EQ(EVENTKEY(), 'K');
  EXPECT_EQ(EVENTHWND(), window_);
  events = EventsUntil(WM_KEYUP);
  ASSERT_EQ(events.back(), WM_KEYUP);
  EXPECT_EQ(EVENTNUMBER(), 'K');
}

TEST_F(Dispatch, MouseMovesGiveTheClientPosition) {
  POINT at{50, 60};
  ClientToScreen(window_, &at);
  DrainEvents();
  SetCursorPos(at.x, at.y);
  const std::vector<int> events = EventsUntil(WM_MOUSEMOVE);
  ASSERT_EQ(events.back(), WM_MOUSEMOVE);
  EXPECT_EQ(MOUSEX(), 50);
  EXPECT_EQ(MOUSEY(), 60);
  EXPECT_EQ(EVENTHWND(), window_);
}

TEST_F(Dispatch, ResizingGivesTheClientSizeAndTheStatusBarFollows) {
  const HWND bar = STATUSBARGADGET(Id(951), "ready", 0, 0);
  DrainEvents();
  MoveWindow(window_, 20, 20, 500, 360, TRUE);
  const std::vector<int> events = EventsUntil(WM_SIZE);
  ASSERT_EQ(events.back(), WM_SIZE);
  RECT client{}, status{};
  GetClientRect(window_, &client);
  EXPECT_EQ(SIZEX(), client.right);
  EXPECT_EQ(SIZEY(), client.bottom);
  EXPECT_EQ(EVENTHWND(), window_);
  GetWindowRect(bar, &status);
  EXPECT_EQ(status.right - status.left, client.right);
}

TEST_F(Dispatch, ScrollRequestsMoveTheBarByTheLineOrThePageStep) {
  const HWND bar = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 300, 5, 16,
                                   200, window_, nullptr, nullptr, nullptr);
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
    SCOPED_TRACE(c.request);
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

HWND ReportListView(HWND parent, int id) {
  const HWND list =
      CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 10, 300, 150,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  ADDIN9999(id, list);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 200;
  column.pszText = const_cast<char*>("name");
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  for (int i = 0; i < 3; ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<char*>("item");
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  return list;
}

TEST_F(Dispatch, ListViewClicksOnAnItemAndOnAColumnAreReported) {
  const int id = Id(961);
  const HWND list = ReportListView(window_, id);
  RECT item{};
  item.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &at);
  DrainEvents();
  ClickAt(at);
  EventsUntil(kGadgetEvent);
  EXPECT_EQ(EVENTNUMBER(), id);
  EXPECT_EQ(GETITEMLISTVIEW(), 1);
  EXPECT_EQ(GETSUBITEMLISTVIEW(), 0);
  EXPECT_EQ(EVENTNUMBERLISTVIEW(), id);
  EXPECT_EQ(EVENTNUMBERLISTVIEW(), 0);  // the accessor clears it

  const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  RECT column{};
  SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&column));
  at = {(column.left + column.right) / 2, (column.top + column.bottom) / 2};
  ClientToScreen(header, &at);
  DrainEvents();
  ClickAt(at);
  EventsUntil(kGadgetEvent);
  EXPECT_EQ(GETCOLUMNLISTVIEW(), 0);
  EXPECT_EQ(GETCOLUMNLISTVIEW(), -1);  // the accessor clears it

  // A double click: the procedure adds a double-click message of its own.
  NMHDR twice{list, static_cast<UINT_PTR>(id), static_cast<UINT>(NM_DBLCLK)};
  DrainEvents();
  SendMessageA(window_, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&twice));
  EXPECT_EQ(EVENTNUMBERLISTVIEW(), id);
  EXPECT_TRUE(Has(EventsUntil(WM_LBUTTONDBLCLK, 5), WM_LBUTTONDBLCLK));
  DestroyWindow(list);
}

TEST_F(Dispatch, TreeSelectionAndTabChangesAreReported) {
  const int treeId = Id(971), tabId = Id(972);
  const HWND tree =
      CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE, 10, 10, 150, 100, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(treeId)), nullptr, nullptr);
  ADDIN9999(treeId, tree);
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
  const HWND tabs =
      CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, 170, 10, 220, 150, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(tabId)), nullptr, nullptr);
  ADDIN9999(tabId, tabs);
  HWND pages[2];
  for (int i = 0; i < 2; ++i) {
    pages[i] = CreateWindowExA(0, "Static", "page", WS_CHILD | (i == 0 ? WS_VISIBLE : 0), 180, 60,
                               100, 20, window_, nullptr, nullptr, nullptr);
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

int hookedPosts = 0;
LRESULT AnswerUserMessages(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_USER ? 42 : 0;
}
LRESULT CountPosts(HWND, UINT message, WPARAM wParam, LPARAM, DWORD, LONG, LONG) {
  if (message == WM_APP && wParam == 5) ++hookedPosts;
  return 0;
}

TEST_F(Dispatch, HooksAnswerInTheProceduresPlaceAndSeeEveryDispatchedMessage) {
  SETWINDOWCALLBACK(reinterpret_cast<void*>(&AnswerUserMessages), 0);
  EXPECT_EQ(SendMessageA(window_, WM_USER, 0, 0), 42);
  EXPECT_EQ(WINDOWEVENT(), 0) << "an answered message is not recorded";
  FREECALLBACK(0);
  SendMessageA(window_, WM_USER, 0, 0);
  EXPECT_EQ(WINDOWEVENT(), WM_USER);

  SETWINDOWCALLBACK(reinterpret_cast<void*>(&CountPosts), 1);
  PostMessageA(window_, WM_APP, 5, 0);
  DrainEvents();
  FREECALLBACK(1);
  PostMessageA(window_, WM_APP, 5, 0);
  DrainEvents();
  EXPECT_EQ(hookedPosts, 1);
}

TEST_F(Dispatch, GadgetsGoToTheWindowMadeCurrent) {
  const HWND other = OpenWindow("other", 30, 30, 200, 150, WS_OVERLAPPEDWINDOW, 0);
  EXPECT_EQ(GETGURRENTAL(), other);
  EXPECT_EQ(UseGadgetList(window_), 1);
  EXPECT_EQ(GETGURRENTAL(), window_);
  EXPECT_EQ(GetParent(BUTTONGADGET(Id(991), 5, 5, 50, 20, "here", 0)), window_);
  UseGadgetList(other);
  EXPECT_EQ(GetParent(BUTTONGADGET(Id(992), 5, 5, 50, 20, "there", 0)), other);
  UseGadgetList(window_);
  FREEGADGET(992);
  DestroyWindow(other);
}

TEST_F(Dispatch, StateOfAnUpDownOrAProgressBarIsItsPosition) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  const int field = Id(993), bar = Id(994);
  STRINGGADGET(field, 5, 5, 80, 20, "7", 0, 0);
  const HWND upDown = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 90, 5, 16, 20,
                                      window_, nullptr, nullptr, nullptr);
  ADDIN9999(Id(field + kUpDownIdOffset), upDown);
  SendMessageA(upDown, UDM_SETRANGE32, 0, 100);
  SendMessageA(upDown, UDM_SETPOS32, 0, 37);
  EXPECT_EQ(LOWORD(GETGADGETSTATE(field)), 37);
  const HWND progress = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 5, 40, 150,
                                        20, window_, nullptr, nullptr, nullptr);
  ADDIN9999(bar, progress);
  SendMessageA(progress, PBM_SETPOS, 64, 0);
  EXPECT_EQ(GETGADGETSTATE(bar), 64);
}

TEST(Fonts, LoadFontPassesAngleWeightAndStyles) {
  struct Case {
    int angle, bold, italic, underline, strikeOut;
    LONG weight;
  };
  const Case cases[] = {{0, 1, 0, 0, 0, FW_BOLD},
                        {90, 0, 1, 0, 0, FW_NORMAL},
                        {0, 2, 0, 1, 1, FW_NORMAL},
                        {45, 0, 1, 1, 0, FW_NORMAL}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    const HFONT font =
        LOADFONT("Courier New", 12, c.angle, c.bold, c.italic, c.underline, c.strikeOut);
    LOGFONTA described{};
    ASSERT_NE(GetObjectA(font, sizeof described, &described), 0);
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
