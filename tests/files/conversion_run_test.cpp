// The one conversion of a Run, which the window's Run and tolvex-cli both call: its counts say
// what was written of what the script holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/conversion_run.h"
#include "app/script_loader.h"

namespace tolvex::testing {
namespace {

// A case of the complete conversion's folder, converted as the window's Run converts it.
ConversionRun RunCase(const std::string& name, bool complete) {
  const std::string script = std::string(TOLVEX_COMPLETE_GOLDEN_DIR) + "/" + name + ".rc";
  PackedLines lines;
  std::string bytes;
  EXPECT_TRUE(ReadScriptLines(script, lines, &bytes));
  RunInputs inputs = DefaultRunInputs();
  inputs.complete = complete;
  return ConvertForRun({script, lines, bytes}, inputs, {}, true);
}

TEST(ConversionRunTest, CountsSayWhatWasWrittenOfWhatTheScriptHolds) {
  const struct {
    const char* name;
    bool complete;
    const char* counts;
  } cases[] = {
      {"vs_resource", false,
       "wrote 1 of 1 windows,\r\n0 of 6 controls,\r\n0 of 3 menu items\r\n"
       "the complete conversion writes 1, 6 and 3\r\n"},
      {"vs_resource", true, "wrote 1 of 1 windows,\r\n6 of 6 controls,\r\n3 of 3 menu items\r\n"},
      // A menu that no dialog names is written as a window of its own, beyond the dialogs.
      {"warnings", true,
       "wrote 3 of 2 windows,\r\n2 of 3 controls,\r\n2 of 3 menu items\r\n"
       "0 errors and 5 warnings, listed below\r\n"},
      {"recovery", true,
       "wrote 2 of 1 windows,\r\n3 of 3 controls,\r\n0 of 1 menu items\r\n"
       "4 errors and 4 warnings, listed below\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.complete ? " ticked" : " unticked"));
    EXPECT_EQ(CountsText(RunCase(c.name, c.complete)), c.counts);
  }
}

// A designed program made as it is written is the program held whole, and its counts, known once
// it has been read through, give the same hint.
TEST(ConversionRunTest, ProgramMadeAsItIsWrittenIsTheProgramHeld) {
  const std::string script = std::string(TOLVEX_COMPLETE_GOLDEN_DIR) + "/vs_resource.rc";
  PackedLines lines;
  std::string bytes;
  ASSERT_TRUE(ReadScriptLines(script, lines, &bytes));
  const RunInputs inputs = DefaultRunInputs();
  const ConversionRun held = ConvertForRun({script, lines, bytes}, inputs, {}, true);
  RunScript streamed{script, lines, bytes};
  streamed.madeAsWritten = true;
  const ConversionRun made = ConvertForRun(streamed, inputs, {}, true);
  ASSERT_TRUE(made.made);
  EXPECT_FALSE(made.made->has_value());
  // A take that stops early still leaves the whole program's counts.
  int taken = 0;
  EXPECT_FALSE(made.lines.Each([&taken](std::string_view) { return ++taken < 3; }));
  EXPECT_EQ(taken, 3);
  EXPECT_TRUE(made.made->has_value());
  EXPECT_EQ(ProgramBytes(made.lines), ProgramBytes(held.lines));
  ASSERT_TRUE(HintLine(script, held));
  EXPECT_EQ(HintLine(script, made), HintLine(script, held));
}

}  // namespace
}  // namespace tolvex::testing
