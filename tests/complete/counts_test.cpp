// The hint counts what --complete writes without writing it: its counts must be the conversion's
// own on every golden script.
#include <gtest/gtest.h>

#include <filesystem>

#include "complete/counts.h"
#include "complete/program.h"
#include "rcscript/reader.h"

namespace tolvex::complete {
namespace {

TEST(CompleteCounts, AreTheConversionsOwnOnEveryGoldenScript) {
  int scripts = 0;
  for (const char* folder : {TOLVEX_COMPLETE_GOLDEN_DIR, TOLVEX_GOLDEN_DIR}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() != ".rc") continue;
      const std::string path = entry.path().string();
      const rc::Reading reading = rc::ReadScript(path, {});
      CompleteOptions options;
      options.scriptFile = path;
      const WrittenCounts written = ConvertModel(reading.model, options).written;
      const WrittenCounts counted = CompleteCounts(reading.model);
      EXPECT_EQ(counted.windows, written.windows) << path;
      EXPECT_EQ(counted.controls, written.controls) << path;
      EXPECT_EQ(counted.menuItems, written.menuItems) << path;
      ++scripts;
    }
  }
  EXPECT_GT(scripts, 10);
}

}  // namespace
}  // namespace tolvex::complete
