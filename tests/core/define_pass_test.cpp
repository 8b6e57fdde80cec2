// The head of the generated program: include line, #define lines, screen block, scales.
#include <gtest/gtest.h>

#include <cmath>

#include "conversion/driver.h"
#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
#include "tests/core/conversion_harness.h"
#include "tests/support/conversion_window.h"
#include "toolkit/gadget_ops.h"

namespace tolvex::testing {
namespace {

using Lines = std::vector<std::string>;

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
  const Lines out = Convert({"#define IDC_A 1", "#DEFINE IDC_B 2", "#Define IDD_C IDC_D 3"});
  EXPECT_EQ(Head(out), (Lines{"#Include once \"gadgetkit.bi\"", " ", "#define  IDC_A   1",
                              "#define  IDC_B   2", "#define  IDD_C   IDC_D3"}));
  EXPECT_EQ(INBEVENTMAX, 4);
}

TEST(DefinePass, LineThatOnlyMentionsDefineWritesNothing) {
  const Lines out = Convert({"#define IDC_A 1", "// define the rest later", "#undef IDC_A"});
  EXPECT_EQ(Head(out), (Lines{"#Include once \"gadgetkit.bi\"", " ", "#define  IDC_A   1"}));
}

TEST(DefinePass, StopsAtTheFirstDialogexLineInAnyCase) {
  // The define after the header is never read; a lower-case header ends the pass but is no
  // dialog for the reader.
  Lines out = Convert({"X DIALOGEX 0,0,10,10", "#define IDC_A 1"});
  EXPECT_EQ(Head(out), (Lines{"#Include once \"gadgetkit.bi\""}));
  EXPECT_EQ(INBEVENTMAX, 0);
  out = Convert({"#define IDC_A 1", "x dialogex 0,0,10,10", "#define IDC_B 2"});
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
    LoadLines({"#define IDC_A 1"});
    SetGadgetText(kGlobalHorizCoeff, c.x);
    SetGadgetText(kGlobalVertCoeff, c.y);
    CONVERT();
    EXPECT_EQ(SCALEX, c.scaleX) << c.x;
    EXPECT_EQ(SCALEY, c.scaleY) << c.y;
  }
}

TEST(Driver, EmptySourceListingDoesNothing) {
  EXPECT_FALSE([] {
    LoadLines({});
    return CONVERT();
  }());
  EXPECT_EQ(CountItemListBox(kOutputListing), 0);
  EXPECT_TRUE(IsShown(kSourceListing));
  EXPECT_FALSE(IsShown(kOutputListing));
}

TEST(Driver, ConversionShowsTheOutputListingAndRepeatsIdentically) {
  LoadLines({"#define IDC_BTN1 1", "D DIALOGEX 1,2,3,4", "CAPTION \"c\"", "FONT 8,\"f\"", "BEGIN",
             "CONTROL \"OK\",IDC_BTN1,\"Button\",0x50010000,1,2,3,4", "END"});
  ASSERT_TRUE(CONVERT());
  EXPECT_FALSE(IsShown(kSourceListing));
  EXPECT_TRUE(IsShown(kOutputListing));
  const Lines first = OutputLines();
  CONVERT();
  EXPECT_EQ(OutputLines(), first);
  EXPECT_EQ(CountItemListBox(kSourceListing), 7);
}

}  // namespace
}  // namespace tolvex::testing
