// The toolkit against real windows and controls, in one program: the window procedure and event
// taking (events, colour messages, status bars); event dispatch as a user drives it (real clicks
// through the platform's input, window sizes, scroll requests and the controls' notifications,
// taken with WAITEVENT; keys, mouse moves, hooks and list view notices sent as messages are the C
// program's, toolkit_c_test.c); the gadget registry, colour records, window classes and class
// codes. Where the platform answers 0 to GetGuiResources (Wine), the toolkit's own count of live
// brushes and fonts stands in for it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/win32/toolkit_window.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32::testing {
namespace {

using Events = ToolkitWindow;

TEST_F(Events, CloseRequestKeepsTheWindowAndDropsOlderEvents) {
  const int id = Id(1014);
  const HWND button = BUTTONGADGET(id, 5, 5, 80, 24, "b", 0);
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  // The close box: a system command whose default handling asks the window to close.
  SendMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(WINDOWEVENT(), 16);
  EXPECT_EQ(EVENTHWND(), window_);
  EXPECT_EQ(WINDOWEVENT(), 0);  // the click and the system command went with the close
  PostMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitEventWithoutInput().event, 16);
  EXPECT_TRUE(IsWindowVisible(window_));
}

// Events recorded by one dispatch, or messages still queued, come with the next wait at once:
// no further input is needed for them.
TEST_F(Events, TheNextWaitTakesWhatOneDispatchRecordedOrTheQueueHolds) {
  const int id = Id(1006);
  const HWND edit = STRINGGADGET(id, 5, 5, 150, 20, "", 0, 0);
  DrainEvents();
  // One typed character: the edit reports the update, then the change, newest first.
  PostMessageA(edit, WM_CHAR, 'a', 1);
  EXPECT_EQ(WINDOWEVENT(), kGadgetEvent);
  EXPECT_EQ(EVENTNUMBER(), id);
  EXPECT_EQ(HIWORD(EVENTWPARAM()), EN_CHANGE);
  Waited waited = WaitEventWithoutInput();
  EXPECT_EQ(waited.event, kGadgetEvent);
  EXPECT_FALSE(waited.neededAWake);
  EXPECT_EQ(EVENTNUMBER(), id);
  EXPECT_EQ(HIWORD(EVENTWPARAM()), EN_UPDATE);

  // Taking the first of two queued commands stops the pump with the second still queued, as a
  // button's up message waits behind its down message.
  PostMessageA(window_, WM_COMMAND, 61, 0);
  PostMessageA(window_, WM_COMMAND, 62, 0);
  EXPECT_EQ(WINDOWEVENT(), kMenuEvent);
  EXPECT_EQ(EVENTNUMBER(), 61);
  waited = WaitEventWithoutInput();
  EXPECT_EQ(waited.event, kMenuEvent);
  EXPECT_FALSE(waited.neededAWake);
  EXPECT_EQ(EVENTNUMBER(), 62);
}

TEST_F(Events, AClickNoticeFromAControlOtherThanAListViewReadsOnlyItsHeader) {
  const int id = Id(931);
  const HWND bar = STATUSBARGADGET(id, "status", 0, 0);
  // The header at the very end of a page, the page after it out of reach: reading the list
  // view's larger record there faults.
  SYSTEM_INFO system{};
  GetSystemInfo(&system);
  const size_t page = system.dwPageSize;
  auto* pages = static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_COMMIT, PAGE_READWRITE));
  ASSERT_NE(pages, nullptr);
  DWORD before = 0;
  ASSERT_TRUE(VirtualProtect(pages + page, page, PAGE_NOACCESS, &before));
  auto* header = reinterpret_cast<NMHDR*>(pages + page - sizeof(NMHDR));
  *header = {bar, static_cast<UINT_PTR>(id), static_cast<UINT>(NM_CLICK)};
  DrainEvents();
  SendMessageA(window_, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(header));
  EXPECT_EQ(EVENTNUMBERLISTVIEW(), 0);
  EXPECT_EQ(WINDOWEVENT(), kGadgetEvent);  // the click is still the status bar's gadget event
  EXPECT_EQ(EVENTNUMBER(), id);
  VirtualFree(pages, 0, MEM_RELEASE);
}

TEST_F(Events, EmptyQueueGivesNoEventAndBeyond4096PendingAreDropped) {
  SendMessageA(window_, WM_COMMAND, 55, 0);
  EXPECT_EQ(WINDOWEVENT(), kMenuEvent);
  EXPECT_EQ(WINDOWEVENT(), 0);
  EXPECT_EQ(EVENTNUMBER(), 0);
  EXPECT_EQ(EVENTHWND(), nullptr);
  EXPECT_EQ(GETCOLUMNLISTVIEW(), -1);

  for (int i = 0; i < 5000; ++i) SendMessageA(window_, WM_USER, static_cast<WPARAM>(i), 0);
  int taken = 0;
  while (WINDOWEVENT() == WM_USER) ++taken;
  EXPECT_EQ(taken, 4096);
  EXPECT_EQ(EVENTWPARAM(), 0u);  // the oldest came last
}

using Colours = ToolkitWindow;

TEST_F(Colours, ColourMessagesAnswerWithTheRecordAndOneSharedBrush) {
  const int editId = Id(801);
  const HWND edit = STRINGGADGET(editId, 5, 5, 100, 20, "e", 0, 0);
  const HWND button = BUTTONGADGET(Id(802), 5, 30, 80, 24, "b", 0);
  const HWND bar = Child("ScrollBar", 0, window_, SBS_VERT, {200, 5, 16, 100});
  const HDC context = GetDC(edit);
  const auto ask = [&](UINT message, HWND control) {
    return SendMessageA(window_, message, reinterpret_cast<WPARAM>(context),
                        reinterpret_cast<LPARAM>(control));
  };
  const LRESULT brush = ask(WM_CTLCOLOREDIT, edit);
  EXPECT_EQ(GetBkColor(context), 0xFFFFFFu);
  EXPECT_EQ(GetTextColor(context), 0u);
  EXPECT_EQ(BrushColour(brush), 0xFFFFFFu);
  EXPECT_EQ(ask(WM_CTLCOLOREDIT, edit), brush);  // same colour, window and message

  SetGadgetColor(editId, 0x00C000, 0x0000C0, 3);
  const LRESULT recoloured = ask(WM_CTLCOLOREDIT, edit);
  EXPECT_EQ(GetBkColor(context), 0x00C000u);
  EXPECT_EQ(GetTextColor(context), 0x0000C0u);
  EXPECT_EQ(BrushColour(recoloured), 0x00C000u);

  // Controls without a record leave the context alone and get the shared brush back; nor do
  // they, or a look-up that found no record, keep the next control from its colours.
  SetBkColor(context, 0x123456);
  EXPECT_EQ(ask(WM_CTLCOLORSTATIC, button), recoloured);
  EXPECT_EQ(GetBkColor(context), 0x123456u);
  EXPECT_EQ(ask(WM_CTLCOLORSCROLLBAR, bar), 0);
  GetGadgetColor(reinterpret_cast<LONG_PTR>(bar), 3);
  ask(WM_CTLCOLOREDIT, edit);
  EXPECT_EQ(GetBkColor(context), 0x00C000u);
  EXPECT_EQ(ERROR_COLOR, 0);
  ReleaseDC(edit, context);
  DestroyWindow(bar);
}

// The GDI objects of the process where the platform counts them, else the toolkit's own count.
int CountGdiObjects() {
  const DWORD platform = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return platform != 0 ? static_cast<int>(platform) : LiveGdiObjects();
}

int colourMessages = 0;
LRESULT CountColourMessages(HWND, UINT message, WPARAM, LPARAM) {
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ++colourMessages;
  return 0;
}

TEST_F(Colours, RepaintsAndWindowColoursLeaveNoBrushBehind) {
  TEXTGADGET(Id(811), 5, 5, 100, 20, "label", 0);
  STRINGGADGET(Id(812), 5, 30, 100, 20, "edit", 0, 0);
  CHECKBOXGADGET(Id(813), 5, 55, 100, 20, "box", BS_AUTOCHECKBOX);
  const int list = Id(814);
  ListBoxGadget(list, 120, 5, 150, 100, WS_VSCROLL, 0);
  for (const char* item : {"one", "two", "three"}) AddListBoxItem(list, item, -1);
  SetGadgetColor(list, 0xFFF000, 0, 1);
  const auto repaint = [this] {
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  repaint();
  const int live = CountGdiObjects();
  std::printf("GDI objects: %d (GetGuiResources %lu)\n", live,
              GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  SETWINDOWCALLBACK(reinterpret_cast<void*>(&CountColourMessages), 0);
  for (int i = 0; i < 1000; ++i) repaint();
  FREECALLBACK(0);
  DrainEvents();
  EXPECT_GE(colourMessages, 4000);  // every coloured gadget asked on every repaint
  EXPECT_EQ(CountGdiObjects(), live);

  // A window colour gives back only a brush the caller can still use: the class's own
  // background, a system colour, at first; later none, its own brush being deleted.
  const int ours = LiveGdiObjects();
  EXPECT_EQ(WindowColor(window_, 0x0000FF), COLOR_BTNFACE + 1);
  EXPECT_EQ(WindowColor(window_, 0x00FF00), 0);
  EXPECT_EQ(WindowColor(nullptr, 0x00FF00), 0);
  EXPECT_EQ(LiveGdiObjects(), ours + 1);
  const int withOwnBrush = CountGdiObjects();
  for (int colour = 0; colour < 200; ++colour) WindowColor(window_, colour);
  EXPECT_EQ(CountGdiObjects(), withOwnBrush);
  EXPECT_EQ(BrushColour(GetClassLongPtrA(window_, GCLP_HBRBACKGROUND)), 199u);
}

TEST_F(Colours, AnIdWithoutAControlHasNoColourAndChangesNoRecord) {
  // Text gadgets' records end with the text colour 0, the key a missing gadget's null handle
  // would find.
  const HWND first = TEXTGADGET(Id(821), 5, 5, 100, 20, "first", 0);
  const HWND second = TEXTGADGET(Id(822), 5, 30, 100, 20, "second", 0);
  ASSERT_NE(first, nullptr);
  UseGadgetList(nullptr);  // no parent: the control cannot be created, its id is registered
  EXPECT_EQ(TEXTGADGET(Id(823), 5, 55, 100, 20, "none", 0), nullptr);
  UseGadgetList(window_);
  for (int id : {4299, 823}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(GetGadgetColor(id, 1), 0);
    EXPECT_EQ(GetGadgetColor(id, 2), 0);
    EXPECT_EQ(SetGadgetColor(id, 0x123456, 0x654321, 3), 0);
  }
  EXPECT_EQ(GetGadgetColor(reinterpret_cast<LONG_PTR>(second), 3), 0xF0F0F0);
  EXPECT_EQ(GetGadgetColor(reinterpret_cast<LONG_PTR>(second), 4), 0);
  EXPECT_EQ(ERROR_COLOR, 0);
  EXPECT_EQ(GetGadgetColor(822, 1), 0xF0F0F0);
}

using StatusBar = ToolkitWindow;

TEST_F(StatusBar, FieldsOutsideThePartsOrWithoutAStatusNodeAreLeftAlone) {
  const int id = Id(901);
  const HWND bar = STATUSBARGADGET(id, "ready", 0, 0);
  const auto parts = [bar] { return SendMessageA(bar, SB_GETPARTS, 0, 0); };
  const auto text = [bar] {
    char first[64] = {};
    SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(first));
    return std::string(first);
  };
  EXPECT_NE(SETSTATUSBARFIELD(id, 0, 100, "one"), 0);
  EXPECT_EQ(text(), "one");
  EXPECT_EQ(SETSTATUSBARFIELD(id, -1, 50, "x"), 0);
  EXPECT_EQ(SETSTATUSBARFIELD(id, 251, 50, "x"), 0);
  EXPECT_EQ(parts(), 1);
  EXPECT_NE(SETSTATUSBARFIELD(id, 250, -1, "last"), 0);
  EXPECT_EQ(parts(), 2);

  REMOVESTATUSBAR(id);  // what it answers and leaves: the C program's
  EXPECT_EQ(SETSTATUSBARFIELD(id, 0, 60, "gone"), 0);
  EXPECT_EQ(text(), "one");
  EXPECT_EQ(SETSTATUSBARFIELD(4244, 0, 60, "t"), 0);
}

// Event dispatch as a user drives it.

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

// The gadget registry, colour records, window classes and class codes.

using Registry = ToolkitWindow;

TEST_F(Registry, ASecondGadgetUnderAnIdInUseReplacesTheFirst) {
  const int id = Id(601);
  const HWND first = TEXTGADGET(id, 5, 5, 100, 20, "first", 0);
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
  // Each row of class_codes.txt: a window class and the code its windows have.
  std::ifstream rows(TOLVEX_WIN32_TESTS_DIR "/class_codes.txt");
  std::string className;
  int code = 0, read = 0;
  for (; rows >> className >> code; ++read) {
    const HWND control = Child(className.c_str(), 0, window_, 0, {5, 5, 150, 100});
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
  EXPECT_TRUE(rows.eof() && read > 0)
      << "class_codes.txt is missing or holds a row of another form";
  EXPECT_EQ(GADGETCLASS(TEXTGADGET(Id(707), 5, 5, 50, 20, "t", 0)), 16);  // made as "static"
  EXPECT_EQ(GADGETCLASS(window_), 0);
  EXPECT_EQ(GADGETCLASS(nullptr), 0);
}

}  // namespace
}  // namespace tolvex::win32::testing
