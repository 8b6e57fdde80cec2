// The window, control and event-loop lines, from table rows set by hand.
#include <gtest/gtest.h>

#include "generator/program_text.h"
#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

const Lines kNoScript;

// What the conversion's emitters have written so far, as listed.
Lines Listed(const DesignedConversion& conversion) {
  Lines listed;
  for (const std::string& line : conversion.Written().lines) listed.emplace_back(ListedLine(line));
  return listed;
}

// The emitters of a conversion whose tables are set by hand.
class Emitters : public ::testing::Test {
 protected:
  DesignedConversion c{kNoScript, {}, false};

  void SetDialog(int d, const Lines& fields) {
    for (int f = 0; f < 7; ++f) c.SDIALVAL.set(d, f, fields[static_cast<size_t>(f)]);
  }
  // Emits control 1 of dialog 1 from its eight fields and returns the lines written.
  Lines Control(const Lines& fields) {
    DesignedConversion fresh(kNoScript, {}, false);
    for (int f = 0; f < 8; ++f) fresh.SIDNAME.set(1, 1, f, fields[static_cast<size_t>(f)]);
    fresh.AFFCONTROL(1, 1);
    return Listed(fresh);
  }
};

TEST_F(Emitters, WindowLinesCarryTheFieldsAsStored) {
  SetDialog(2, {"10", "20", "300", "200", "Setup", "8", "Courier New"});
  c.DISPWIN(2);
  SetDialog(3, {" 10", "20", "300", "200", "", "", ""});
  c.DISPWIN(3);
  EXPECT_EQ(Listed(c),
            (Lines{" ", "Var hwnd2=OpenWindow(\"Setup\",10,20,300,200)",
                   "SetGadgetFont (,LoadFont (\"Courier New\",8))", "UseGadgetList (hwnd2)", " ",
                   " ", " ", "Var hwnd3=OpenWindow(\"\", 10,20,300,200)",
                   "SetGadgetFont (,LoadFont (\"\",))", "UseGadgetList (hwnd3)", " ", " "}));
}

TEST_F(Emitters, ControlLinesOfTheWorkedExamples) {
  EXPECT_EQ(Control({"IDC_BTN1", "1001", "20", "40", "75", "23", "", "OK"}),
            (Lines{"   ButtonGadget(1001,20,40,75,23,\"OK\")"}));
  EXPECT_EQ(Control({"IDC_SCB1", "1005", "12", "30", "150", "17", "SBS_HORZ", "x"}),
            (Lines{"   ScrollBarGadget(1005,12,30,150,17, 0, 470 ,SBS_HORZ)"}));
  EXPECT_EQ(Control({"IDC_SCB1", "1005", "12", "30", "150", "17", "", "x"}),
            (Lines{"   ScrollBarGadget(1005,12,30,150,17, 0, 470 )"}));
  EXPECT_EQ(Control({"IDC_PGB1", "1006", "10", "10", "20", "100", "PBS_VERTICAL", ""}),
            (Lines{"   ProgressBarGadget(1006,10,10,20,100,PBS_VERTICAL)"}));
  EXPECT_EQ(Control({"IDC_PGB1", "1006", "10", "10", "100", "20", "", ""}),
            (Lines{"   ProgressBarGadget(1006,10,10,100,20)"}));
  EXPECT_EQ(Control({"IDC_TRB1", "1007", "10", "10", "30", "120", "TRB_VERT", ""}),
            (Lines{"   TrackBarGadget(1007,10,10,30,120,  0, 10,2)       ' if '2' -> TRB_VERT "}));
  EXPECT_EQ(Control({"IDC_TRB1", "1007", "10", "10", "120", "30", "anything", ""}),
            (Lines{"   TrackBarGadget(1007,10,10,120,30,  0, 10,2)       ' if '2' -> TRB_VERT "}));
  EXPECT_EQ(Control({"IDC_TRB1", "1007", "10", "10", "120", "30", "", ""}),
            (Lines{"   TrackBarGadget(1007,10,10,120,30,  0, 10)       ' if '2' -> TRB_VERT "}));
}

TEST_F(Emitters, KindFollowsTheFirstSevenCharactersExactly) {
  const Lines none;
  EXPECT_EQ(Control({"IDC_BTN", "1", "2", "3", "4", "5", "", "c"}),
            (Lines{"   ButtonGadget(1,2,3,4,5,\"c\")"}));
  EXPECT_EQ(Control({"IDC_BT1", "1", "2", "3", "4", "5", "", "c"}), none);
  EXPECT_EQ(Control({"idc_btn1", "1", "2", "3", "4", "5", "", "c"}), none);
  EXPECT_EQ(Control({" IDC_BTN1", "1", "2", "3", "4", "5", "", "c"}), none);
  EXPECT_EQ(Control({"MY_IDC_BTN1", "1", "2", "3", "4", "5", "", "c"}), none);
  EXPECT_EQ(Control({"", "", "", "", "", "", "", ""}), none);
  // Field 6 on a kind that is no bar changes nothing; captions never reach plain kinds.
  EXPECT_EQ(Control({"IDC_CBO1", "9", "1", "2", "3", "4", "SBS_VERT", "cap"}),
            (Lines{"   ComboBoxGadget(9,1,2,3,4)"}));
}

TEST_F(Emitters, TemplateMarkersInsideACaptionStayText) {
  EXPECT_EQ(Control({"IDC_BTN1", "1", "2", "3", "4", "5", "", "{vert} {id}"}),
            (Lines{"   ButtonGadget(1,2,3,4,5,\"{vert} {id}\")"}));
}

TEST_F(Emitters, EventBranchesForEveryControlHoldingIdcAnywhere) {
  const Lines ids = {"IDC_OK", "IDC_NAME", "MY_IDC_LIST", "idc_list", "IDC_OK", ""};
  for (size_t r = 0; r < ids.size(); ++r) {
    c.SIDNAME.set(1, static_cast<int>(r) + 1, 0, ids[r]);
    c.SIDNAME.set(1, static_cast<int>(r) + 1, 1, ids[r].empty() ? "" : "v" + std::to_string(r));
  }
  c.SIDNAME.set(1, 7, 0, "IDC_EMPTY");
  c.INBEVENTMAX = 1;  // fewer defines than controls: every control still gets its branch
  c.INODIALOG = 1;
  c.DOEVENT3();
  const std::string k = "              Case  ", v = "                    '";
  EXPECT_EQ(Listed(c), (Lines{k + "IDC_OK", v + "v0", k + "IDC_NAME", v + "v1", k + "MY_IDC_LIST",
                              v + "v2", k + "IDC_OK", v + "v4", k + "IDC_EMPTY", v}));
}

}  // namespace
}  // namespace tolvex::testing
