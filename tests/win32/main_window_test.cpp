// The main window as the program builds it, read back in the same process: its title and place,
// the gadgets with their classes, texts, places, sizes, styles and font, the colours the colour
// messages answer, the filter the requester of Load.rc shows, and the report of a Run.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/main_window.h"
#include "app/run_action.h"
#include "app/shell_state.h"
#include "tests/files/scratch_folder.h"
#include "tests/win32/toolkit_window.h"
#include "toolkit/gadget_ops.h"

namespace tolvex::testing {
namespace {

using win32::testing::BrushColour;
using win32::testing::ClassOf;
using win32::testing::TextOf;

// The gadgets as the main window shows them, written out here by hand.
struct Expected {
  int id;
  const char* className;
  // height -1: the window's outer height less 40; -2: down to where the output listing ends
  int x, y, width, height;
  const char* text;
  LONG style;    // bits that must be set (an empty list box drops its scroll bar's bit)
  LONG exStyle;  // extended bits that must be set
};
constexpr LONG kChild = WS_CHILD, kShown = WS_CHILD | WS_VISIBLE;
constexpr LONG kLabel = kShown | SS_CENTER | SS_NOTIFY, kField = kShown | ES_CENTER;
const Expected kGadgets[] = {
    {1017, "Static", 10, 170, 180, 20, " before click 'Run':", kLabel, 0},
    {1005, "Static", 10, 200, 180, 20, "  global Horiz coeff", kLabel, 0},
    {1006, "Edit", 10, 230, 180, 20, " 1.000", kField, 0},
    {1007, "Static", 10, 260, 180, 20, "  global Vert coeff", kLabel, 0},
    {1008, "Edit", 10, 290, 180, 20, " 1.000", kField, 0},
    {1009, "Static", 10, 320, 180, 20, " + window Horiz coeff ", kLabel, 0},
    {1010, "Edit", 10, 350, 180, 20, " 1.000", kField, 0},
    {1011, "Static", 10, 380, 180, 20, "+ window Vert coeff ", kLabel, 0},
    {1012, "Edit", 10, 410, 180, 20, " 1.000", kField, 0},
    {1003, "ListBox", 200, 5, 580, -1, "", kChild, WS_EX_CLIENTEDGE},
    {1014, "Button", 10, 40, 75, 24, "Run", kShown, 0},
    {1015, "Button", 10, 100, 75, 24, "Quit", kShown, 0},
    {1016, "Button", 10, 10, 75, 24, "Load.rc", kShown, 0},
    {1018, "Button", 10, 440, 180, 20, " use screen_x,screen_y", kShown | BS_AUTOCHECKBOX, 0},
    {1004, "ListBox", 200, 15, 580, -1, "", kShown, WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES},
    {1019, "Button", 10, 470, 180, 20, " complete conversion", kShown | BS_AUTOCHECKBOX, 0},
    {1021, "Static", 10, 500, 180, 130, "", kShown | SS_NOTIFY, 0},
    {1022, "ListBox", 10, 640, 180, -2, "", kShown, WS_EX_CLIENTEDGE},
    {1020, "Button", 10, 70, 75, 24, "Preview", kShown, 0},
};

class MainWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SCREEN_X = GetSystemMetrics(SM_CXSCREEN);
    SCREEN_Y = GetSystemMetrics(SM_CYSCREEN);
    OBJETS();
    window_ = GetParent(GadgetID(1014));
  }
  static HWND window_;
};
HWND MainWindow::window_ = nullptr;

TEST_F(MainWindow, StandsAtTheRightEdgeOverAlmostTheWholeScreenHeight) {
  ASSERT_NE(window_, nullptr);
  EXPECT_EQ(TextOf(window_), "Tolvex 5.0 by Brisam 06-2012");
  RECT outer{};
  GetWindowRect(window_, &outer);
  EXPECT_EQ(outer.left, SCREEN_X - 800);
  EXPECT_EQ(outer.top, 1);
  EXPECT_EQ(outer.right - outer.left, 800);
  EXPECT_EQ(outer.bottom - outer.top, SCREEN_Y - 5);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(GetWindowLongA(window_, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
}

TEST_F(MainWindow, HoldsItsGadgetsInTheirPlacesWithTheirTextsAndFont) {
  const HDC screen = GetDC(nullptr);
  const LONG fontHeight = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  const int listHeight = WINDOWHEIGHT(window_) - 40;
  for (const Expected& g : kGadgets) {
    SCOPED_TRACE(g.id);
    const HWND gadget = GadgetID(g.id);
    ASSERT_NE(gadget, nullptr);
    EXPECT_EQ(GetParent(gadget), window_);
    EXPECT_EQ(GetDlgCtrlID(gadget), g.id);
    EXPECT_EQ(ClassOf(gadget), g.className);
    EXPECT_EQ(TextOf(gadget), g.text);
    RECT r{};
    GetWindowRect(gadget, &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, g.x);
    EXPECT_EQ(r.top, g.y);
    EXPECT_EQ(r.right - r.left, g.width);
    if (g.height >= 0) {
      EXPECT_EQ(r.bottom - r.top, g.height);
    } else {
      // A list box shrinks its inside to whole lines: less than two lines short of what it was
      // asked, its edge included.
      const int asked = g.height == -1 ? listHeight : 5 + listHeight - g.y;
      const auto line = static_cast<int>(SendMessageA(gadget, LB_GETITEMHEIGHT, 0, 0));
      EXPECT_LE(r.bottom - r.top, asked);
      EXPECT_GT(r.bottom - r.top, asked - 2 * line);
    }
    const LONG style = GetWindowLongA(gadget, GWL_STYLE);
    EXPECT_EQ(style & g.style, g.style);
    EXPECT_EQ((style & WS_VISIBLE) != 0, g.id != 1003) << "only the output listing starts hidden";
    if (g.id == 1018 || g.id == 1019) {
      EXPECT_EQ(SendMessageA(gadget, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "unticked at start";
    }
    EXPECT_EQ(GetWindowLongA(gadget, GWL_EXSTYLE) & g.exStyle, g.exStyle);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(gadget, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Courier New");
    EXPECT_EQ(font.lfHeight, fontHeight);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
  }
}

TEST_F(MainWindow, ColourMessagesAnswerTheWindowsAndTheListingsColours) {
  EXPECT_EQ(BrushColour(GetClassLongPtrA(window_, GCLP_HBRBACKGROUND)),
            16773240u);  // red 120, green 240, blue 255
  struct Case {
    int id;
    UINT message;
    COLORREF background;
  };
  const Case cases[] = {{1003, WM_CTLCOLORLISTBOX, 16773120},
                        {1004, WM_CTLCOLORLISTBOX, 15790080},
                        {1006, WM_CTLCOLOREDIT, 0xFFFFFF},
                        {1017, WM_CTLCOLORSTATIC, 0xF0F0F0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const HWND gadget = GadgetID(c.id);
    const HDC context = GetDC(gadget);
    const auto brush = SendMessageA(window_, c.message, reinterpret_cast<WPARAM>(context),
                                    reinterpret_cast<LPARAM>(gadget));
    EXPECT_EQ(GetBkColor(context), c.background);
    EXPECT_EQ(BrushColour(brush), c.background);
    ReleaseDC(gadget, context);
  }
}

TEST_F(MainWindow, RunReportShowsTheCountsAndEveryMessageScrollingAcross) {
  const std::string wide(120, 'w');
  ShowRunReport("wrote 1 of 1 windows\r\n", {"a.rc:1: warning: one", wide});
  EXPECT_EQ(TextOf(GadgetID(1021)), "wrote 1 of 1 windows\r\n");
  EXPECT_EQ(CountItemListBox(1022), 2);
  EXPECT_EQ(ListBoxText(1022, 1), wide);
  const auto across = SendMessageA(GadgetID(1022), LB_GETHORIZONTALEXTENT, 0, 0);
  EXPECT_GT(across, 120 * 5) << "the widest message can be scrolled into view";
  ShowRunReport("", {});
  EXPECT_EQ(TextOf(GadgetID(1021)), "");
  EXPECT_EQ(CountItemListBox(1022), 0);
}

TEST_F(MainWindow, RunListsAFieldThatHoldsNoSoundCoefficientAndStillConverts) {
  const ScratchFolder folder;  // the Run saves its program and settings there
  DIR1040 = folder.path().string();
  NAMEF1040 = folder / "x.rc";
  SCRIPTLINES = {"#define IDC_BTN1 1001"};
  SetGadgetText(1006, "abc");
  RUNBOY();
  SetGadgetText(1006, " 1.000");
  ASSERT_GE(CountItemListBox(1022), 1);
  EXPECT_EQ(ListBoxText(1022, 0),
            "global Horiz coeff: warning: \"abc\" is not a finite number greater than 0; it reads "
            "as 0");
  EXPECT_GT(CountItemListBox(1003), 0) << "the program is made all the same";
  SCRIPTLINES.clear();
  ShowRunReport("", {});
}

// The requester of Load.rc, read and cancelled from a second thread as a user would.
TEST_F(MainWindow, LoadOffersScriptsByTheirFilterAndACancelLeavesBothListingsEmpty) {
  AddListBoxItem(1004, "old line", -1);
  std::string filter = "(the requester never appeared)";
  std::thread user = win32::testing::AnswerDialogOf(GetCurrentThreadId(), [&filter](HWND dialog) {
    char text[128] = {};
    GetDlgItemTextA(dialog, cmb1, text, sizeof text);
    filter = text;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  LOAD();
  user.join();
  EXPECT_EQ(filter, "Resource (*.rc) | ");
  EXPECT_EQ(CountItemListBox(1004), 0);
  EXPECT_EQ(CountItemListBox(1003), 0);
  EXPECT_TRUE(IsWindowVisible(GadgetID(1004)));
}

}  // namespace
}  // namespace tolvex::testing
