// Event recording and translation over real windows and controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/toolkit_window.h"

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
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(WINDOWEVENT(), 0);  // the click and the system command went with the close

  PostMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitEventBounded(), 16);
  EXPECT_EQ(EVENTHWND(), window_);
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(Events, ButtonClickIsAGadgetEventOfItsIdAndAMenuCommandAMenuEvent) {
  const int id = Id(1014);
  const HWND button = BUTTONGADGET(id, 5, 5, 80, 24, "Run", 0);
  SendMessageA(button, BM_CLICK, 0, 0);
  EXPECT_EQ(WINDOWEVENT(), kGadgetEvent);
  EXPECT_EQ(EVENTNUMBER(), id);
  EXPECT_EQ(EVENTHWND(), button);
  EXPECT_EQ(EVENTNUMBERTOOLBAR(), id);
  EXPECT_EQ(HIWORD(EVENTWPARAM()), BN_CLICKED);
  DrainEvents();

  PostMessageA(window_, WM_COMMAND, 77, 0);
  EXPECT_EQ(WINDOWEVENT(), kMenuEvent);
  EXPECT_EQ(EVENTNUMBER(), 77);
  EXPECT_EQ(EVENTHWND(), window_);
}

TEST_F(Events, TypingIntoAnEditGivesGadgetEventsNewestFirst) {
  const int id = Id(1006);
  const HWND edit = STRINGGADGET(id, 5, 5, 150, 20, "", 0, 0);
  DrainEvents();
  // One typed character: the edit reports the update and then the change in one dispatch.
  PostMessageA(edit, WM_CHAR, 'a', 1);
  EXPECT_EQ(WINDOWEVENT(), kGadgetEvent);
  EXPECT_EQ(EVENTNUMBER(), id);
  EXPECT_EQ(EVENTHWND(), edit);
  EXPECT_EQ(HIWORD(EVENTWPARAM()), EN_CHANGE);
  // The older one comes with the next call, once a further message has arrived.
  PostMessageA(window_, WM_NULL, 0, 0);
  EXPECT_EQ(WaitEventBounded(), kGadgetEvent);
  EXPECT_EQ(EVENTNUMBER(), id);
  EXPECT_EQ(HIWORD(EVENTWPARAM()), EN_UPDATE);
  EXPECT_EQ(GetGadgetText(id, 1), "a");
}

TEST_F(Events, EmptyQueueGivesNoEventAndClearsTheEventValues) {
  SendMessageA(window_, WM_COMMAND, 55, 0);
  EXPECT_EQ(WINDOWEVENT(), kMenuEvent);
  EXPECT_EQ(EVENTNUMBER(), 55);
  EXPECT_EQ(WINDOWEVENT(), 0);
  EXPECT_EQ(EVENTNUMBER(), 0);
  EXPECT_EQ(EVENTHWND(), nullptr);
  EXPECT_EQ(GETCOLUMNLISTVIEW(), -1);
  EXPECT_EQ(GETCOLUMNLISTVIEW(), -1);
  EXPECT_EQ(EVENTNUMBERLISTVIEW(), 0);
}

TEST_F(Events, EventsBeyond4096PendingAreDropped) {
  for (int i = 0; i < 5000; ++i) SendMessageA(window_, WM_USER, static_cast<WPARAM>(i), 0);
  int taken = 0;
  while (WINDOWEVENT() == WM_USER) ++taken;
  EXPECT_EQ(taken, 4096);
  EXPECT_EQ(EVENTWPARAM(), 0u);  // the oldest came last
}

}  // namespace
}  // namespace tolvex::win32::testing
