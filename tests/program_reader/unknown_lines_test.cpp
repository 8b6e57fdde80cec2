// A hand-edited program may hold any FreeBASIC: the reader names each line it does not understand,
// with its number, and reads the rest as if the line were not there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_reader/program_reader.h"

namespace tolvex::program {
namespace {

TEST(UnknownLines, EachLineTheReaderCannotFollowIsNamedWithItsNumber) {
  struct Row {
    std::string line, reason;
  };
  // Each row stands after an open window and an open menu bar with one pop-up.
  const std::vector<Row> rows = {
      {"   Print \"hello\"", "not a line the reader knows"},
      {"   Beep()", "a function the reader does not know: Beep"},
      {"x += 1", "not a line the reader knows"},
      {"   ButtonGadget(1,2,3,4)", "ButtonGadget takes an id and four numbers first"},
      {"   ButtonGadget(1,2,3,4,5)", "a caption's literal is missing"},
      {"   ButtonGadget(1,2,3,4,5,\"a\",6)", "ButtonGadget takes fewer values"},
      {"   ButtonGadget(1,screen_x-10,3,4,5,\"a\")", "not a line the reader knows"},
      {"   TrackBarGadget(1,2,3,4,5, 0, 10,3)", "an orientation the reader does not know: 3"},
      {"   ListBoxGadget(1,2,3,4,5, WS_FANCY)", "a style the reader does not know: WS_FANCY"},
      {"   TextGadget(1,2,3,4,5,\"open)",
       "a literal that is not closed, or an escape the reader "
       "does not know"},
      {"   TextGadget(1,2,3,4,5,!\"\\u00e9\")",
       "a literal that is not closed, or an escape the "
       "reader does not know"},
      {"     MenuItem(5, MenName19,\"x\")", "MenName19 holds no pop-up"},
      {"     MenName12=OpenSubMenu(hMessages1,\"x\")", "hMessages1 holds no pop-up"},
      {"UseGadgetList (hwnd7)", "hwnd7 holds no window"},
      {"SetIpAddress(99,\"1.2.3.4\")", "no IP address gadget has the id 99"},
      {"If a > b Then", "an If the reader does not know"},
      {"Loop", "Loop closes nothing"},
      {"   Case 5", "Case outside Select Case"},
      {"#pragma once", "a directive the reader does not know"},
      {"OpenWindow(\"x\",0,0,1,1)", "OpenWindow stands alone, without its value kept"},
      {"Var n = 10000000000000000000", "a number out of range or without digits"},
  };
  std::vector<std::string> lines = {"Var hwnd1=OpenWindow(\"w\",0,0,100,100)",
                                    "Dim As HMENU hMessages1", "hMessages1 = Create_Menu()",
                                    "MenName11=MenuTitle(hMessages1,\"File\")"};
  const int first = static_cast<int>(lines.size()) + 1;
  for (const Row& row : rows) lines.push_back(row.line);
  lines.push_back("   ' SysTreeView32 IDC_TREE 10,20,150,200 \"\": no gadget kind");
  lines.push_back("   ButtonGadget(1,2,3,4,5,\"still read\")");

  const ProgramPlan plan = ReadProgramLines(lines);
  ASSERT_EQ(plan.unknown.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(plan.unknown[i].line, first + static_cast<int>(i));
    EXPECT_EQ(plan.unknown[i].text, rows[i].line);
    EXPECT_EQ(plan.unknown[i].reason, rows[i].reason) << rows[i].line;
  }
  ASSERT_EQ(plan.GadgetCount(), 1);
  EXPECT_EQ(plan.windows[0].gadgets[0].text->value, "still read");
}

TEST(UnknownLines, TheMessageNamesLineReasonAndText) {
  const ProgramPlan plan = ReadProgram("' a comment\r\n\r\n  Print x\r\n");
  ASSERT_EQ(plan.unknown.size(), 1u);
  EXPECT_EQ(UnknownLineMessage(plan.unknown[0]),
            "line 3 is not understood (not a line the reader knows):   Print x");
  EXPECT_EQ(UnknownLineMessage({9, std::string(100, 'a'), "r"}),
            "line 9 is not understood (r): " + std::string(80, 'a') + "...");
}

TEST(UnknownLines, GadgetsNeedAWindowAndCasesABranch) {
  const ProgramPlan plan = ReadProgramLines(
      {"   ButtonGadget(1,2,3,4,5,\"x\")", "Select Case EventNumber", "Case 4", "End Select"});
  ASSERT_EQ(plan.unknown.size(), 2u);
  EXPECT_EQ(plan.unknown[0].reason, "a gadget before any window");
  EXPECT_EQ(plan.unknown[1].reason, "a Case of EventNumber outside the gadget and menu branches");
}

TEST(UnknownLines, ASecondMenuBarLeavesThePopUpsOfTheFirstBehind) {
  const ProgramPlan plan =
      ReadProgramLines({"Var hwnd1=OpenWindow(\"w\",0,0,1,1)", "hMessages1 = Create_Menu()",
                        "MenName11=MenuTitle(hMessages1,\"File\")", "hMessages1 = Create_Menu()",
                        "MenuItem(1, MenName11,\"x\")"});
  ASSERT_EQ(plan.unknown.size(), 1u);
  EXPECT_EQ(plan.unknown[0].reason, "MenName11 holds no pop-up");
  EXPECT_TRUE(plan.windows.at(0).menu->entries.empty());
}

}  // namespace
}  // namespace tolvex::program
