// Colour messages answered from the colour records with one shared brush, and no brush left
// behind however often gadgets repaint or the window colour changes. Wine answers 0 to
// GetGuiResources, so the toolkit's own count of live brushes and fonts stands in for it.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/toolkit_window.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32::testing {
namespace {

using Colours = ToolkitWindow;

COLORREF BrushColour(LRESULT brush) {
  LOGBRUSH described{};
  GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof described, &described);
  return described.lbColor;
}

TEST_F(Colours, ColourMessagesAnswerWithTheRecordAndOneSharedBrush) {
  const int editId = Id(801), buttonId = Id(802);
  const HWND edit = STRINGGADGET(editId, 5, 5, 100, 20, "e", 0, 0);
  const HWND button = BUTTONGADGET(buttonId, 5, 30, 80, 24, "b", 0);
  const HDC context = GetDC(edit);
  const auto ask = [&](UINT message, HWND control) {
    return SendMessageA(window_, message, reinterpret_cast<WPARAM>(context),
                        reinterpret_cast<LPARAM>(control));
  };
  const LRESULT brush = ask(WM_CTLCOLOREDIT, edit);
  ASSERT_NE(brush, 0);
  EXPECT_EQ(GetBkColor(context), 0xFFFFFFu);
  EXPECT_EQ(GetTextColor(context), 0u);
  EXPECT_EQ(BrushColour(brush), 0xFFFFFFu);
  EXPECT_EQ(ask(WM_CTLCOLOREDIT, edit), brush);  // same colour, window and message: same brush

  SetGadgetColor(editId, 0x00C000, 0x0000C0, 3);
  const LRESULT recoloured = ask(WM_CTLCOLOREDIT, edit);
  EXPECT_EQ(GetBkColor(context), 0x00C000u);
  EXPECT_EQ(GetTextColor(context), 0x0000C0u);
  EXPECT_EQ(BrushColour(recoloured), 0x00C000u);

  // A control without a record: the context is left alone and the shared brush handed back.
  SetBkColor(context, 0x123456);
  EXPECT_EQ(ask(WM_CTLCOLORSTATIC, button), recoloured);
  EXPECT_EQ(GetBkColor(context), 0x123456u);
  EXPECT_EQ(ERROR_COLOR, 0);
  ReleaseDC(edit, context);
}

TEST_F(Colours, AControlWithoutARecordDoesNotSpoilTheNextColourMessage) {
  const HWND edit = STRINGGADGET(Id(821), 5, 5, 100, 20, "e", 0, 0);
  const HWND bar = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 200, 5,
                                   16, 100, window_, nullptr, nullptr, nullptr);
  const HDC context = GetDC(edit);
  EXPECT_EQ(SendMessageA(window_, WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(context),
                         reinterpret_cast<LPARAM>(bar)),
            0);
  GetGadgetColor(reinterpret_cast<LONG_PTR>(bar), 3);  // an application's look-up, no record
  SetBkColor(context, 0x123456);
  SendMessageA(window_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(context),
               reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(GetBkColor(context), 0xFFFFFFu);
  ReleaseDC(edit, context);
  DestroyWindow(bar);
}

int colourMessages = 0;
LRESULT CountColourMessages(HWND, UINT message, WPARAM, LPARAM) {
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ++colourMessages;
  return 0;
}

TEST_F(Colours, RepaintsAndRepeatedWindowColoursLeaveNoBrushBehind) {
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
  const int live = LiveGdiObjects();
  colourMessages = 0;
  SETWINDOWCALLBACK(reinterpret_cast<void*>(&CountColourMessages), 0);
  for (int i = 0; i < 1000; ++i) repaint();
  FREECALLBACK(0);
  DrainEvents();
  EXPECT_GE(colourMessages, 4000);  // every coloured gadget asked on every repaint
  EXPECT_EQ(LiveGdiObjects(), live);

  WindowColor(window_, 0x0000FF);
  const int withOwnBrush = LiveGdiObjects();
  for (int colour = 0; colour < 200; ++colour) WindowColor(window_, colour);
  EXPECT_EQ(LiveGdiObjects(), withOwnBrush);
  EXPECT_EQ(BrushColour(GetClassLongPtrA(window_, GCLP_HBRBACKGROUND)), 199u);
}

}  // namespace
}  // namespace tolvex::win32::testing
