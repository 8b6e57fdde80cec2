// How one script line becomes a control entry or define entries.
#include <gtest/gtest.h>

#include "tests/conversion/conversion_harness.h"

namespace tolvex {
namespace {

const std::vector<std::string> kNoScript;

// The line scanners of a conversion at the default scales, fed one line at a time.
class LineFields : public ::testing::Test {
 protected:
  DesignedConversion c{kNoScript, {}, false};

  void SetUp() override {
    c.SCALEX = 1.5f;
    c.SCALEY = 1.62f;
  }
  void Define(const std::string& line) {
    c.SLINE = line;
    c.INODIALOG = 0;
    c.CONTROL();
    c.INBEVENTMAX = c.INBEVENT;
  }
  // Fills entry 1 of dialog 1 from a CONTROL line and returns its eight fields.
  std::vector<std::string> Control(const std::string& line) {
    c.SLINE = line;
    c.INODIALOG = 1;
    c.VALUECTRL(1);
    std::vector<std::string> fields;
    for (int f = 0; f < 8; ++f) fields.push_back(c.SIDNAME.get(1, 1, f));
    return fields;
  }
  std::vector<std::string> DefineEntry(int i) {
    return {c.SIDNAME.get(0, i, 0), c.SIDNAME.get(0, i, 1)};
  }
};

using Fields = std::vector<std::string>;

TEST_F(LineFields, ControlLineFillsEveryFieldWithScaledRoundedGeometry) {
  Define("#define IDC_BTN1 1001");
  EXPECT_EQ(Control(R"(CONTROL "IDC_BTN",IDC_BTN1,"Button",0x50010000,26,16,64,17)"),
            (Fields{"IDC_BTN1", "1001", "39", "26", "96", "28", "", "IDC_BTN"}));
  // 10.5 goes to the even 10; the single-precision 1.62 puts 25 x 1.62 above 40.5.
  EXPECT_EQ(Control(R"(CONTROL "",IDC_X,"Button",0x50010000,7,25,17,11)"),
            (Fields{"IDC_X", "IDC_X", "10", "41", "26", "18", "", ""}));
}

TEST_F(LineFields, StyleLastDigitGivesABarItsOrientation) {
  const struct {
    const char* name;
    const char* style;
    const char* orientation;
  } cases[] = {
      {"IDC_SCB1", "0x50000001", "SBS_VERT"},
      {"IDC_SCB1", "0x50000000", "SBS_HORZ"},
      {"IDC_SCB1", "0x50000008", "SBS_HORZ"},
      {"IDC_PGB1", "0x50000004", "PBS_VERTICAL"},
      {"IDC_PGB1", "0x50000005", "PBS_VERTICAL"},
      {"IDC_PGB1", "0x50000000", ""},
      {"IDC_TRB1", "0x50010002", "TRB_VERT"},
      {"IDC_TRB1", "0x50010000", ""},
      {"IDC_BTN1", "0x50000001", ""},
  };
  for (const auto& bar : cases) {
    c.SIDNAME = ControlTable();
    const std::string line =
        std::string("CONTROL \"\",") + bar.name + ",\"C\"," + bar.style + ",1,1,1,1";
    EXPECT_EQ(Control(line)[6], bar.orientation) << line;
  }
}

TEST_F(LineFields, StyleOfAnyLengthEndsAtItsComma) {
  // The orientation digit is the style's last character and x starts after the comma.
  EXPECT_EQ(Control(R"(CONTROL "",IDC_SCB1,"ScrollBar",0x1,10,20,30,40)"),
            (Fields{"IDC_SCB1", "IDC_SCB1", "15", "32", "45", "65", "SBS_VERT", ""}));
  c.SIDNAME = ControlTable();
  EXPECT_EQ(Control(R"(CONTROL "",IDC_BTN1,"Button",0x500100000000,10,20,30,40)"),
            (Fields{"IDC_BTN1", "IDC_BTN1", "15", "32", "45", "65", "", ""}));
  // With no comma after the style there is no geometry.
  c.SIDNAME = ControlTable();
  EXPECT_EQ(Control(R"(CONTROL "",IDC_BTN1,"Button",0x50010000)"),
            (Fields{"IDC_BTN1", "IDC_BTN1", "0", "0", "0", "0", "", ""}));
}

TEST_F(LineFields, ControlLineWithoutStyleLeavesItsEntryEmpty) {
  EXPECT_EQ(Control(R"(CONTROL "OK",IDC_BTN1,"Button",WS_TABSTOP,1,2,3,4)"), Fields(8));
}

TEST_F(LineFields, LookupComparesWholeTextsAndFallsBackToTheIdentifier) {
  Define("#define IDC_BTN10 1010");
  EXPECT_EQ(Control(R"(CONTROL "",IDC_BTN1,"Button",0x50010000,1,1,1,1)")[1], "IDC_BTN1");
  // A blank after a comma stays part of the next field: it matches no define, and the name with
  // its blank no gadget kind.
  EXPECT_EQ(Control(R"(CONTROL "OK", IDC_BTN10,"Button",0x50010000,1,1,1,1)")[0], " IDC_BTN10");
  EXPECT_EQ(c.SIDNAME.get(1, 1, 1), " IDC_BTN10");
  // A caption with a comma: the identifier is still found after the quote and comma, but the
  // lookup text is a piece of the caption.
  EXPECT_EQ(Control(R"(CONTROL "A, b",IDC_BTN10,"Button",0x50010000,1,1,1,1)"),
            (Fields{"IDC_BTN10", "IDC_BTN10", "2", "2", "2", "2", "", "A, b"}));
}

TEST_F(LineFields, DefineLineRecordsOneEntryPerMarkerInMarkerOrder) {
  Define("#define IDD_DLG IDC_X 5");
  EXPECT_EQ(c.INBEVENT, 2);
  EXPECT_EQ(DefineEntry(1), (Fields{"IDC_X", "5"}));
  EXPECT_EQ(DefineEntry(2), (Fields{"IDD_DLG", "IDC_X5"}));
  Define("#define IDM_OPEN 201 // IDM_OPEN again");
  EXPECT_EQ(c.INBMENU, 1);
  EXPECT_EQ(DefineEntry(3), (Fields{"IDM_OPEN", "201//IDM_OPENagain"}));
}

TEST_F(LineFields, DefineNamesStartAtTheMarkerAndEndAtABlank) {
  Define("#define MY_IDC_X 7");
  EXPECT_EQ(DefineEntry(1), (Fields{"IDC_X", "7"}));
  Define("#define IDC_TAB\t1001");
  EXPECT_EQ(DefineEntry(2), (Fields{"IDC_TAB\t1001", ""}));
  Define("#define IDC_LAST");
  EXPECT_EQ(DefineEntry(3), (Fields{"IDC_LAST", ""}));
  Define("#define CREATEPROCESS_MANIFEST_RESOURCE_ID 1");
  EXPECT_EQ(DefineEntry(4), (Fields{"MANIFEST_RESOURCE_ID", "1"}));
}

TEST_F(LineFields, ScannersStopAtTheirDelimiterOrTheEndOfTheLine) {
  c.SLINE = R"(X DIALOGEX 6,"cap" tail)";
  c.ISIGNE = 11;
  c.A.clear();
  EXPECT_EQ(c.VALOR(), " 6");
  EXPECT_EQ(c.ISIGNE, 13);
  c.A.clear();
  EXPECT_EQ(c.CAPTION(), "cap");
  EXPECT_EQ(c.SLINE[static_cast<size_t>(c.ISIGNE) - 1], '"');
  c.A.clear();
  EXPECT_EQ(c.FONT(), "\" tail");
  c.SLINE = "no quotes";
  c.ISIGNE = 1;
  c.A.clear();
  EXPECT_EQ(c.CAPTION(), "");
  c.SLINE = "open \"quote";
  c.ISIGNE = 1;
  c.A.clear();
  EXPECT_EQ(c.CAPTION(), "quote");
}

}  // namespace
}  // namespace tolvex
