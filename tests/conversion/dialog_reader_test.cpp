// Reading DIALOGEX blocks: header, caption, font, window size and the CONTROL lines.
#include <gtest/gtest.h>

#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

Lines Dialog(const std::string& header, const Lines& body) {
  Lines lines{header, "CAPTION \"Cap\"", "FONT 8,\"Face\"", "BEGIN"};
  lines.insert(lines.end(), body.begin(), body.end());
  lines.push_back("END");
  return lines;
}

std::string Button(const std::string& id) {
  return "  CONTROL \"b\"," + id + ",\"Button\",0x50010000,2,2,2,2";
}

// The gadget lines of the output, in order.
Lines GadgetLines(const Lines& out) {
  Lines gadgets;
  for (const std::string& line : out) {
    if (line.rfind("   ", 0) == 0 && line.find("Gadget(") != std::string::npos) {
      gadgets.push_back(line);
    }
  }
  return gadgets;
}

TEST(DialogReader, WindowSizeGrowsScalesAndCorrects) {
  const Converted a(Dialog("D DIALOGEX 6,6,194,106", {}));
  EXPECT_EQ(a.state.SDIALVAL.get(1, 0), " 6");
  EXPECT_EQ(a.state.SDIALVAL.get(1, 1), "6");
  EXPECT_EQ(a.state.SDIALVAL.get(1, 2), "312");
  EXPECT_EQ(a.state.SDIALVAL.get(1, 3), "210");
  const Converted b(Dialog("D DIALOGEX 0,0,100,50", {}));
  EXPECT_EQ(b.state.SDIALVAL.get(1, 2), "173");
  EXPECT_EQ(b.state.SDIALVAL.get(1, 3), "114");
}

TEST(DialogReader, WindowCoefficientScalesOnlyTheWindow) {
  Coefficients coefficients;
  coefficients.windowX = CoefficientOf("2");
  coefficients.windowY = CoefficientOf("none");
  const Converted c(Dialog("D DIALOGEX 6,6,194,106", {Button("IDC_BTN1")}), coefficients);
  EXPECT_EQ(c.state.SDIALVAL.get(1, 2), "625");
  EXPECT_EQ(c.state.SDIALVAL.get(1, 3), "0");
  EXPECT_EQ(GadgetLines(c.lines()), (Lines{"   ButtonGadget(IDC_BTN1,3,3,3,3,\"b\")"}));
}

TEST(DialogReader, ShortHeaderAndMissingCaptionOrFontLeaveFieldsEmpty) {
  const Converted c({"D DIALOGEX 5", "STYLE 1", "BEGIN", Button("IDC_BTN1"), "END"});
  EXPECT_EQ(c.state.SDIALVAL.get(1, 0), " 5");
  EXPECT_EQ(c.state.SDIALVAL.get(1, 1), "");
  EXPECT_EQ(c.state.SDIALVAL.get(1, 2), "24");  // 16 dialog units scaled
  EXPECT_EQ(c.state.SDIALVAL.get(1, 4), "");
  EXPECT_EQ(c.state.SDIALVAL.get(1, 6), "");
}

TEST(DialogReader, ControlsAreReadFromTheThirdLineAfterTheHeader) {
  const Lines out = Convert(
      {"D DIALOGEX 0,0,1,1", Button("IDC_BTN1"), Button("IDC_BTN2"), Button("IDC_BTN3"), "END"});
  EXPECT_EQ(GadgetLines(out), (Lines{"   ButtonGadget(IDC_BTN3,3,3,3,3,\"b\")"}));
}

TEST(DialogReader, EndIsAKeywordAtTheStartOfALine) {
  // Identifiers and captions holding END no longer end the dialog; END with a comment does.
  const Lines out = Convert(Dialog(
      "D DIALOGEX 0,0,1,1", {Button("IDC_BTN_SEND"), "  // ENDS here? no", "  ENDING",
                             Button("IDC_BTN_END"), "\tEND // of dialog", Button("IDC_BTN9")}));
  EXPECT_EQ(GadgetLines(out), (Lines{"   ButtonGadget(IDC_BTN_SEND,3,3,3,3,\"b\")",
                                     "   ButtonGadget(IDC_BTN_END,3,3,3,3,\"b\")"}));
}

TEST(DialogReader, DialogWithoutControlsKeepsTheNextDialogWhole) {
  Lines script = Dialog("A DIALOGEX 0,0,1,1", {});
  for (const std::string& line : Dialog("B DIALOGEX 0,0,1,1", {Button("IDC_BTN1")})) {
    script.push_back(line);
  }
  const Converted a(script);
  EXPECT_EQ(a.state.INBDIAMAX, 2);
  EXPECT_EQ(a.state.SIDNAME.entryCount(1), 0);
  EXPECT_EQ(a.state.SIDNAME.get(2, 1, 0), "IDC_BTN1");

  // Without an END line the next header ends the dialog.
  const Converted b({"A DIALOGEX 0,0,1,1", "CAPTION \"a\"", "FONT 8,\"f\"", "BEGIN",
                     "B DIALOGEX 0,0,1,1", "CAPTION \"b\"", "FONT 8,\"f\"", "BEGIN",
                     Button("IDC_BTN1"), "END"});
  EXPECT_EQ(b.state.INBDIAMAX, 2);
  EXPECT_EQ(b.state.SDIALVAL.get(2, 4), "b");
  EXPECT_EQ(b.state.SIDNAME.get(2, 1, 0), "IDC_BTN1");
}

TEST(DialogReader, EachDialogNumbersItsControlsFromOne) {
  Lines script = Dialog("A DIALOGEX 0,0,1,1", {Button("IDC_BTN1"), Button("IDC_BTN2")});
  script.push_back("B DIALOGEX 0,0,1,1");  // directly after END
  script.insert(script.end(),
                {"CAPTION \"b\"", "FONT 8,\"f\"", "BEGIN", Button("IDC_BTN3"), "END"});
  const Converted c(script);
  const Lines out = c.lines();
  EXPECT_EQ(c.state.SIDNAME.get(2, 1, 0), "IDC_BTN3");
  EXPECT_EQ(GadgetLines(Between(out, "UseGadgetList (hwnd2)", "' code")),
            (Lines{"   ButtonGadget(IDC_BTN3,3,3,3,3,\"b\")"}));
  EXPECT_EQ(GadgetLines(out).size(), 3u);
}

TEST(DialogReader, DialogRunningOffTheEndEndsThere) {
  const Lines out =
      Convert({"D DIALOGEX 0,0,1,1", "CAPTION \"c\"", "FONT 8,\"f\"", "BEGIN", Button("IDC_BTN1")});
  EXPECT_EQ(GadgetLines(out).size(), 1u);
  EXPECT_EQ(out.back(), " ");
}

}  // namespace
}  // namespace tolvex::testing
