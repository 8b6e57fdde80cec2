// Menus: the handles and items built after a dialog's window, and the menu branch of the loop.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

using Lines = std::vector<std::string>;

const Lines kDialog = {"D DIALOGEX 0,0,10,10", "CAPTION \"c\"", "FONT 8,\"f\"", "BEGIN", "END"};

Lines Script(const Lines& defines, const Lines& rest) {
  Lines script = defines;
  script.insert(script.end(), rest.begin(), rest.end());
  return script;
}

Lines WithDialog(const Lines& menu) {
  Lines rest = kDialog;
  rest.insert(rest.end(), menu.begin(), menu.end());
  return rest;
}

// What the menu emitter wrote after dialog d's window lines (the dialog has no controls).
Lines MenuLines(const Lines& out, int d) {
  Lines section = Between(out, "UseGadgetList (hwnd" + std::to_string(d) + ")", "' code");
  const auto next = std::find_if(section.begin(), section.end(), [](const std::string& line) {
    return line.rfind("Var hwnd", 0) == 0;
  });
  const size_t trailing = next == section.end() ? 3 : 1;  // the loop's empty lines, or a window's
  section.erase(next == section.end() ? section.end() : next, section.end());
  // Past the gadget-list line, the window's two empty lines and the menu's own first empty line.
  if (section.size() < 4 + trailing) return {};
  return Lines(section.begin() + 4, section.end() - static_cast<long>(trailing));
}

const Lines kIdm = {"#define IDM_A 1", "#define IDM_B 2", "#define IDM_C 3"};

TEST(Menus, NothingWithoutAnIdmDefine) {
  const Lines out = Convert(
      Script({"#define IDC_A 1"}, WithDialog({"IDR_MENU1 MENU", "BEGIN", "POPUP \"&F\"", "BEGIN",
                                              "MENUITEM \"&A\",IDM_A", "END", "END"})));
  for (const std::string& line : out) {
    EXPECT_EQ(line.find("Menu"), std::string::npos) << line;
    EXPECT_EQ(line.find("MenName"), std::string::npos) << line;
  }
}

TEST(Menus, MenuBeforeEveryDialogIsNeverFound) {
  const Lines out = Convert(
      Script(kIdm, {"IDR_MENU1 MENU", "BEGIN", "POPUP \"&F\"", "BEGIN", "MENUITEM \"&A\",IDM_A",
                    "END", "END", kDialog[0], kDialog[1], kDialog[2], kDialog[3], kDialog[4]}));
  EXPECT_EQ(MenuLines(out, 1), Lines{});
  // Only the menu emitter's own empty line stands between the window and the loop.
  EXPECT_EQ(Between(out, "UseGadgetList (hwnd1)", "' code").size(), 7u);
}

TEST(Menus, EveryDialogBeforeTheMenuGetsItsOwnCopy) {
  Lines rest = kDialog;
  rest.insert(rest.end(), kDialog.begin(), kDialog.end());
  rest.insert(rest.end(), {"IDR_MENU1 MENU", "BEGIN", "POPUP \"&F\"", "BEGIN",
                           "MENUITEM \"&A\",IDM_A", "END", "END"});
  const Lines out = Convert(Script(kIdm, rest));
  EXPECT_EQ(MenuLines(out, 1),
            (Lines{"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                   "Dim As HMENU MenName11", " ", "     MenName11=MenuTitle(hMessages1,\"F\")",
                   "     MenuItem(11, MenName11,\"A\")", " ", " "}));
  EXPECT_EQ(MenuLines(out, 2),
            (Lines{"Dim As HMENU hMessages2", "     hMessages2 = Create_Menu()",
                   "Dim As HMENU MenName21", " ", "     MenName21=MenuTitle(hMessages2,\"F\")",
                   "     MenuItem(21, MenName21,\"A\")", " ", " "}));
}

TEST(Menus, SubMenuLastInItsPopupStopsTheMenu) {
  const Lines out = Convert(Script(
      kIdm, WithDialog({"IDR_MENU1 MENU", "BEGIN", "POPUP \"&File\"", "BEGIN", "POPUP \"&Print\"",
                        "BEGIN", "MENUITEM \"&Text\",IDM_A", "END", "END", "POPUP \"&Help\"",
                        "BEGIN", "MENUITEM \"&About\",IDM_B", "END", "END"})));
  EXPECT_EQ(MenuLines(out, 1),
            (Lines{"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                   "Dim As HMENU MenName11", "Dim As HMENU MenName12", "Dim As HMENU MenName13",
                   " ", "     MenName11=MenuTitle(hMessages1,\"File\")", " ",
                   "     MenName12=OpenSubMenu(MenName11,\"Print\")",
                   "     MenuItem(11, MenName12,\"Text\")", " ", " "}));
}

TEST(Menus, PopupThatIsNotTheFirstEntryPutsItsItemsInTheParent) {
  const Lines out =
      Convert(Script(kIdm, WithDialog({"IDR_MENU1 MENU", "BEGIN", "MENUITEM \"&Bar\",IDM_C",
                                       "POPUP \"&File\"", "BEGIN", "MENUITEM \"&New\",IDM_A",
                                       "POPUP \"&Recent\"", "BEGIN", "MENUITEM \"&One\",IDM_B",
                                       "END", "MENUITEM \"&Exit\",IDM_C", "END", "END"})));
  EXPECT_EQ(MenuLines(out, 1), (Lines{"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                                      "Dim As HMENU MenName11", "Dim As HMENU MenName12", " ",
                                      "     MenName11=MenuTitle(hMessages1,\"File\")",
                                      "     MenuItem(11, MenName11,\"New\")",
                                      "     MenuItem(12, MenName11,\"One\")", " ", " "}));
}

TEST(Menus, ItemLinesWithoutAmpersandCommaOrTitle) {
  const Lines out = Convert(Script(
      kIdm, WithDialog({"IDR_MENU1 MENU", "BEGIN", "POPUP \"File\"", "BEGIN",
                        "MENUITEM \"Open\",IDM_A", "MENUITEM SEPARATOR",
                        "MENUITEM \"&Send\",IDM_SEND", "MENUITEM \"&Last\"", "END", "END"})));
  EXPECT_EQ(MenuLines(out, 1),
            (Lines{"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                   "Dim As HMENU MenName11", " ", "     MenName11=MenuTitle(hMessages1,\"File\")",
                   "     MenuItem(11, MenName11,\"Open\")", "     MenuItem(12, MenName11,\"Send\")",
                   "     MenuItem(13, MenName11,\"Last\")", " ", " "}));
}

TEST(Menus, UnterminatedMenuEndsWithTheListing) {
  const Lines out = Convert(Script(kIdm, WithDialog({"IDR_MENU1 MENU", "BEGIN", "POPUP \"&F\"",
                                                     "BEGIN", "MENUITEM \"&A\",IDM_A"})));
  EXPECT_EQ(MenuLines(out, 1),
            (Lines{"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                   "Dim As HMENU MenName11", " ", "     MenName11=MenuTitle(hMessages1,\"F\")",
                   "     MenuItem(11, MenName11,\"A\")", " ", " "}));
}

TEST(Menus, SecondMenuRightAfterTheFirstIsReadToo) {
  const Lines out = Convert(
      Script(kIdm, WithDialog({"IDR_MENU1 MENU", "BEGIN", "POPUP \"&F\"", "BEGIN",
                               "MENUITEM \"&A\",IDM_A", "END", "END", "IDR_MENU2 MENU", "BEGIN",
                               "POPUP \"&G\"", "BEGIN", "MENUITEM \"&B\",IDM_B", "END", "END"})));
  const Lines menu = MenuLines(out, 1);
  ASSERT_EQ(menu.size(), 14u);
  EXPECT_EQ(menu[10], "     MenName11=MenuTitle(hMessages1,\"G\")");
  EXPECT_EQ(menu[11], "     MenuItem(11, MenName11,\"B\")");
}

TEST(Menus, BranchListsEveryIdmDefineInOrder) {
  const Lines out =
      Convert(Script({"#define IDM_B 2", "#define IDC_X 5", "#define MY_IDM_A 1"}, kDialog));
  EXPECT_EQ(Between(out, "    If event = EventMenu then ", "     Select Case event"),
            (Lines{"    If event = EventMenu then ", "        \tSelect case EventNumber",
                   "\t\t          Case IDM_B", " \t\t     '     2", "\t\t          Case IDM_A",
                   " \t\t     '     1", "\t         End Select", "    EndIf", "'"}));
}

}  // namespace
}  // namespace tolvex::testing
