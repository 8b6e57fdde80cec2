// What stands behind the programs of scripts converted in process: the scales the define pass
// keeps, each dialog's control numbering, and the driver's counts. The programs themselves are the
// golden cases' (tests/conversion/golden for the passes' rules, the define lines each pass writes
// in the define_ cases; tests/golden, through tolvex-cli).
#include <gtest/gtest.h>

#include <cmath>

#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

Lines L(const std::string& text) {
  Lines lines;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

TEST(DefinePass, GlobalCoefficientsScaleInSinglePrecision) {
  const struct {
    const char *x, *y;
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

std::string Dialog(const std::string& header, const std::string& body) {
  return header + "\nCAPTION \"Cap\"\nFONT 8,\"Face\"\nBEGIN\n" + body + "END\n";
}
std::string Button(const std::string& id) {
  return "  CONTROL \"b\"," + id + ",\"Button\",0x50010000,2,2,2,2\n";
}

// Behind the lines: each dialog numbers its controls from one, a dialog without any holds none.
TEST(DialogReader, EachDialogNumbersItsControlsFromOne) {
  const Converted two(L(Dialog("A DIALOGEX 0,0,1,1", Button("IDC_BTN1") + Button("IDC_BTN2")) +
                        Dialog("B DIALOGEX 0,0,1,1", Button("IDC_BTN3"))));
  EXPECT_EQ(two.state.SIDNAME.get(2, 1, 0), "IDC_BTN3");
  const Converted none(
      L(Dialog("A DIALOGEX 0,0,1,1", "") + Dialog("B DIALOGEX 0,0,1,1", Button("IDC_BTN1"))));
  EXPECT_EQ(none.state.SIDNAME.entryCount(1), 0);
  EXPECT_EQ(none.state.SIDNAME.get(2, 1, 0), "IDC_BTN1");
}

TEST(Driver, EachCallStartsAfreshAndCountsWhatItWrote) {
  const DesignedProgram none = ConvertDesigned({}, {}, false);
  EXPECT_FALSE(none.converted);
  EXPECT_TRUE(none.lines.empty());
  const PackedLines script = Packed(
      L("#define IDC_BTN1 1\n#define IDM_A 5\n" +
        Dialog("D DIALOGEX 1,2,3,4",
               "CONTROL \"OK\",IDC_BTN1,\"Button\",0x50010000,1,2,3,4\n"
               "CONTROL \"No\",IDC_XYZ1,\"Button\",0x50010000,1,2,3,4\n") +
        "IDR_MENU1 MENU\nBEGIN\nPOPUP \"&F\"\nBEGIN\nMENUITEM \"&A\",IDM_A\nMENUITEM SEPARATOR\n"
        "END\nEND"));
  const DesignedProgram first = ConvertDesigned(script, {}, false);
  EXPECT_EQ(ConvertDesigned(script, {}, false).lines, first.lines);
  // A caller told that the lines are read for the last time may let them go: the program is the
  // same.
  PackedLines held = script;
  int told = 0;
  const auto letGo = [&] {
    ++told;
    held = {};
  };
  EXPECT_EQ(ConvertDesigned(held, {}, false, letGo).lines, first.lines);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(first.written.windows, 1);
  EXPECT_EQ(first.written.controls, 1);  // IDC_XYZ1 names no gadget kind
  EXPECT_EQ(first.written.menuItems, 1);
}

}  // namespace
}  // namespace tolvex::testing
