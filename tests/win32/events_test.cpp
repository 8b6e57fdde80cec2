// The window procedure and event taking over real windows and controls: events, colour
// messages, status bars. Where the platform answers 0 to GetGuiResources (Wine), the toolkit's
// own count of live brushes and fonts stands in for it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

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
  EXPECT_EQ(STATUSEVENT(window_), bar);
  EXPECT_NE(SETSTATUSBARFIELD(id, 0, 100, "one"), 0);
  EXPECT_EQ(text(), "one");
  EXPECT_EQ(SETSTATUSBARFIELD(id, -1, 50, "x"), 0);
  EXPECT_EQ(SETSTATUSBARFIELD(id, 251, 50, "x"), 0);
  EXPECT_EQ(parts(), 1);
  EXPECT_NE(SETSTATUSBARFIELD(id, 250, -1, "last"), 0);
  EXPECT_EQ(parts(), 2);

  EXPECT_EQ(REMOVESTATUSBAR(id), 1);
  EXPECT_EQ(STATUSEVENT(window_), nullptr);
  EXPECT_EQ(SETSTATUSBARFIELD(id, 0, 60, "gone"), 0);
  EXPECT_EQ(text(), "one");
  EXPECT_EQ(SETSTATUSBARFIELD(4244, 0, 60, "t"), 0);
}

}  // namespace
}  // namespace tolvex::win32::testing
