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

}  // namespace
}  // namespace tolvex::complete
