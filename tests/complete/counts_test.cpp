// What a program writes and what a script holds, as the hint line reports them.
#include "complete/counts.h"

#include <gtest/gtest.h>

namespace tolvex::complete {
namespace {

TEST(Counts, AProgramCountsItsWindowsGadgetsAndMenuItems) {
  const std::string program =
      "Var hwnd1=OpenWindow(\"A\", 0,0,10,10)\r\n"
      "     MenuItem(11, MenName11,\"Open\")\r\n"
      "   ButtonGadget(1,0,0,1,1,\"OK\")\r\n"
      "   Var LSV = ListViewGadget(2,0,0,1,1)\r\n"
      "   AddListViewColumn (2,\" Column 1\", 0,1,100)    ' Oskel's example\r\n"
      "   TrackBarGadget(3,0,0,1,1,  0, 10)       ' if '2' -> TRB_VERT \r\n"
      "              Case  IDC_BTN1\r\n"
      "Var hwnd2=OpenWindow(\"B\", 0,0,10,10)\n";
  const WrittenCounts counts = ProgramCounts(program);
  EXPECT_EQ(counts.windows, 2);
  EXPECT_EQ(counts.controls, 3);
  EXPECT_EQ(counts.menuItems, 1);
}

TEST(Counts, AModelCountsItemsAtEveryDepthButNotSeparatorsOrPopups) {
  rc::Model model;
  model.dialogs.resize(2);
  model.dialogs[0].controls.resize(3);
  rc::MenuItem popup, item, separator;
  popup.kind = rc::MenuItem::Kind::kPopup;
  separator.kind = rc::MenuItem::Kind::kSeparator;
  rc::MenuItem inner = popup;
  inner.items = {item, separator, item};
  popup.items = {item, inner};
  model.menus.resize(1);
  model.menus[0].items = {popup, item};
  const WrittenCounts counts = ModelCounts(model);
  EXPECT_EQ(counts.windows, 2);
  EXPECT_EQ(counts.controls, 3);
  EXPECT_EQ(counts.menuItems, 4);
}

TEST(Counts, TheHintComesOnlyWhenSomethingWasLeftOut) {
  const WrittenCounts held{9, 76, 30};
  EXPECT_FALSE(LeftOutHint(held, held, held));
  EXPECT_EQ(LeftOutHint({9, 1, 0}, held, {9, 74, 30}),
            "wrote 9 of 9 windows, 1 of 76 controls, 0 of 30 menu items; --complete writes 9, 74 "
            "and 30");
}

}  // namespace
}  // namespace tolvex::complete
