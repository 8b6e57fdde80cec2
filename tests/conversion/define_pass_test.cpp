// The head of the generated program: include line, #define lines, screen block, scales.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

// The lines before the two empty lines that precede the event loop, or before the first window.
Lines Head(const Lines& out) {
  Lines head;
  for (const std::string& line : out) {
    if (line.rfind("Var hwnd", 0) == 0 || line == "' code") break;
    head.push_back(line);
  }
  while (!head.empty() && head.back() == " ") head.pop_back();
  return head;
}

TEST(DefinePass, WritesOneDefineLinePerRecordingLineInAnyLetterCase) {
  const Converted c({"#define IDC_A 1", "#DEFINE IDC_B 2", "#Define IDD_C IDC_D 3"});
  EXPECT_EQ(Head(c.lines()), (Lines{"#Include once \"gadgetkit.bi\"", " ", "#define  IDC_A   1",
                                    "#define  IDC_B   2", "#define  IDD_C   IDC_D3"}));
  EXPECT_EQ(c.state.INBEVENTMAX, 4);
}

TEST(DefinePass, LineThatOnlyMentionsDefineWritesNothing) {
  const Lines out = Convert({"#define IDC_A 1", "// define the rest later", "#undef IDC_A"});
  EXPECT_EQ(Head(out), (Lines{"#Include once \"gadgetkit.bi\"", " ", "#define  IDC_A   1"}));
}

TEST(DefinePass, StopsAtTheFirstDialogexLineInAnyCase) {
  // The define after the header is never read; a lower-case header ends the pass but is no
  // dialog for the reader.
  const Converted c({"X DIALOGEX 0,0,10,10", "#define IDC_A 1"});
  EXPECT_EQ(Head(c.lines()), (Lines{"#Include once \"gadgetkit.bi\""}));
  EXPECT_EQ(c.state.INBEVENTMAX, 0);
  const Lines out = Convert({"#define IDC_A 1", "x dialogex 0,0,10,10", "#define IDC_B 2"});
  EXPECT_EQ(Head(out), (Lines{"#Include once \"gadgetkit.bi\"", " ", "#define  IDC_A   1"}));
  EXPECT_EQ(out[3], " ");  // no window: the two empty lines before the event loop follow
  EXPECT_EQ(out[6], "' code");
}

TEST(DefinePass, GlobalCoefficientsScaleInSinglePrecision) {
  const struct {
    const char* x;
    const char* y;
    float scaleX, scaleY;
  } cases[] = {{" 1.000", " 1.000", 1.5f, 1.62f},
               {"2", "0.5", 3.0f, 0.81f},
               {"1,5", "abc", 1.5f, 0.0f},
               {"1e309", "-1", INFINITY, -1.62f}};
  for (const auto& c : cases) {
    Coefficients coefficients;
    coefficients.globalX = CoefficientOf(c.x);
    coefficients.globalY = CoefficientOf(c.y);
    const Converted converted({"#define IDC_A 1"}, coefficients);
    EXPECT_EQ(converted.state.SCALEX, c.scaleX) << c.x;
    EXPECT_EQ(converted.state.SCALEY, c.scaleY) << c.y;
  }
}

TEST(Driver, ScriptOfNoLinesMakesNothing) {
  const DesignedProgram program = ConvertDesigned({}, {}, false);
  EXPECT_FALSE(program.converted);
  EXPECT_TRUE(program.lines.empty());
}

TEST(Driver, EachCallStartsAfreshAndCountsWhatItWrote) {
  const Lines script = {"#define IDC_BTN1 1",
                        "#define IDM_A 5",
                        "D DIALOGEX 1,2,3,4",
                        "CAPTION \"c\"",
                        "FONT 8,\"f\"",
                        "BEGIN",
                        "CONTROL \"OK\",IDC_BTN1,\"Button\",0x50010000,1,2,3,4",
                        "CONTROL \"No\",IDC_XYZ1,\"Button\",0x50010000,1,2,3,4",
                        "END",
                        "IDR_MENU1 MENU",
                        "BEGIN",
                        "POPUP \"&F\"",
                        "BEGIN",
                        "MENUITEM \"&A\",IDM_A",
                        "MENUITEM SEPARATOR",
                        "END",
                        "END"};
  const DesignedProgram first = ConvertDesigned(script, {}, false);
  EXPECT_EQ(ConvertDesigned(script, {}, false).lines, first.lines);
  EXPECT_EQ(first.written.windows, 1);
  EXPECT_EQ(first.written.controls, 1);  // IDC_XYZ1 names no gadget kind
  EXPECT_EQ(first.written.menuItems, 1);
}

}  // namespace
}  // namespace tolvex::testing
