// Scripts no resource editor writes: huge, binary, broken. Each converts to a sound result. Huge
// numbers in full and infinite ones as zero are the golden case dialog_huge_numbers; scripts of
// random words and bytes are the conversion fuzzer's, which checks every program it makes ends
// with the event loop and converts again to the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

size_t CountStarting(const Lines& lines, const std::string& prefix) {
  size_t n = 0;
  for (const std::string& line : lines) n += line.rfind(prefix, 0) == 0;
  return n;
}

TEST(Robustness, HundredsOfDialogsAndThousandsOfControlsConvertWhole) {
  constexpr int kDialogs = 300, kControls = 25, kDefines = 2000;
  Lines script;
  for (int i = 1; i <= kDefines; ++i) {
    script.push_back("#define IDC_BTN" + std::to_string(i) + " " + std::to_string(5000 + i));
  }
  script.push_back("#define IDM_ONLY 9");
  for (int d = 1; d <= kDialogs; ++d) {
    script.insert(script.end(), {"D" + std::to_string(d) + " DIALOGEX 0,0,100,50", "CAPTION \"c\"",
                                 "FONT 8,\"f\"", "BEGIN"});
    for (int c = 1; c <= kControls; ++c) {
      const int id = (d * kControls + c) % (kDefines + 500) + 1;  // some have no define
      script.push_back("  CONTROL \"x\",IDC_BTN" + std::to_string(id) +
                       ",\"Button\",0x50010000,1,2,3,4");
    }
    script.push_back("END");
  }
  const Converted c(script);
  const Lines out = c.lines();

  EXPECT_EQ(c.state.INBDIAMAX, kDialogs);
  EXPECT_EQ(CountStarting(out, "#define  "), static_cast<size_t>(kDefines + 1));
  EXPECT_EQ(CountStarting(out, "   ButtonGadget("), static_cast<size_t>(kDialogs * kControls));
  EXPECT_EQ(CountStarting(out, "              Case  "), static_cast<size_t>(kDialogs * kControls));
  EXPECT_EQ(CountStarting(out, "Dim As HMENU hMessages"), 0u);  // no menu resource anywhere
}

// A control's id is copied from its define's entry: a view into the very table that grows, and
// may move its bytes, as the copy is written.
TEST(Robustness, TableFieldsCopiedFromTheTableKeepTheirTextAsItGrows) {
  ControlTable table;
  table.set(0, 1, 0, "IDC_A");
  table.set(0, 1, 1, "1001");
  for (int n = 1; n <= 3000; ++n) table.set(1, n, 1, table.get(0, 1, 1));
  for (int n = 1; n <= 3000; ++n) ASSERT_EQ(table.get(1, n, 1), "1001") << n;
  // Texts longer than a block, copied from themselves and between short ones, stay whole.
  const std::string large((size_t{3} << 20) + 7, 'L');
  table.set(2, 1, 7, large);
  table.set(2, 2, 7, table.get(2, 1, 7));
  for (int n = 1; n <= 3000; ++n) table.set(3, n, 7, std::string(n, 'c'));
  table.set(2, 1, 7, table.get(2, 2, 7));
  EXPECT_TRUE(table.get(2, 1, 7) == large && table.get(2, 2, 7) == large);
  for (int n = 1; n <= 3000; ++n) ASSERT_EQ(table.get(3, n, 7), std::string(n, 'c')) << n;
  table.set(2, 2, 7, "");
  EXPECT_EQ(table.get(2, 2, 7), "");

  // A name defined again and again is found at its first entry, a renamed one by its new name.
  for (int entry = 2; entry <= 5; ++entry) table.set(0, entry, 0, "IDC_A");
  table.set(0, 1, 0, "IDC_B");
  EXPECT_EQ(table.firstDefineEntry("IDC_A"), 2);
  EXPECT_EQ(table.firstDefineEntry("IDC_B"), 1);
  EXPECT_EQ(table.firstDefineEntry("IDC_"), 0);
  EXPECT_EQ(table.get(7, 7, 7), "");
}

}  // namespace
}  // namespace tolvex::testing
