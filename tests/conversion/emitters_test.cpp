// The control and event-loop lines, from table rows set by hand. The window lines, their fields as
// stored, are every golden program's (a caption, geometry and font left empty:
// dialog_short_header).
#include <gtest/gtest.h>

#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

const PackedLines kNoScript;

// What the conversion's emitters have written so far, as listed.
Lines Listed(const DesignedConversion& conversion) {
  Lines listed;
  for (std::string_view line : conversion.Written().lines) listed.emplace_back(ListedLine(line));
  return listed;
}

// Rows no script reaches: a bar without its orientation field or with any text in it, and a kind
// without a caption given one. The prefixes that name a kind or none, and a caption holding what
// looks like a placeholder, are the golden case control_kinds; the bars' orientations all_kinds.
TEST(Emitters, AKindWritesOnlyTheFieldsItsLineHolds) {
  const struct {
    Lines fields;
    Lines lines;
  } cases[] = {
      {{"IDC_SCB1", "1005", "12", "30", "150", "17", "", "x"},
       {"   ScrollBarGadget(1005,12,30,150,17, 0, 470 )"}},
      {{"IDC_TRB1", "1007", "10", "10", "120", "30", "anything", ""},
       {"   TrackBarGadget(1007,10,10,120,30,  0, 10,2)       ' if '2' -> TRB_VERT "}},
      {{"IDC_CBO1", "9", "1", "2", "3", "4", "SBS_VERT", "cap"}, {"   ComboBoxGadget(9,1,2,3,4)"}},
  };
  for (const auto& row : cases) {
    DesignedConversion c(kNoScript, {}, false);
    for (int f = 0; f < 8; ++f) c.SIDNAME.set(1, 1, f, row.fields[static_cast<size_t>(f)]);
    c.AFFCONTROL(1, 1);
    EXPECT_EQ(Listed(c), row.lines) << row.fields[0];
  }
}

TEST(Emitters, EventBranchesForEveryControlHoldingIdcAnywhere) {
  DesignedConversion c{kNoScript, {}, false};
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
