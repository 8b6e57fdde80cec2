// The hint counts what --complete writes without writing it: its counts must be the conversion's
// own on every golden script, whether the reading keeps its resources and defines or hands the
// resources over one by one and keeps no define.
#include <gtest/gtest.h>

#include <filesystem>

#include "complete/counts.h"
#include "complete/menu_names.h"
#include "complete/program.h"
#include "rcscript/reader.h"
#include "tests/files/scratch_folder.h"

namespace tolvex::complete {
namespace {

void ExpectSame(const WrittenCounts& a, const WrittenCounts& b, const std::string& path) {
  EXPECT_EQ(a.windows, b.windows) << path;
  EXPECT_EQ(a.controls, b.controls) << path;
  EXPECT_EQ(a.menuItems, b.menuItems) << path;
}

TEST(CompleteCounts, AreTheConversionsOwnOnEveryGoldenScript) {
  int scripts = 0;
  for (const auto& script :
       testing::FilesOf({TOLVEX_COMPLETE_GOLDEN_DIR, TOLVEX_GOLDEN_DIR}, ".rc")) {
    const std::string path = script.string();
    const rc::Reading reading = rc::ReadScript(path, {});
    CompleteOptions options;
    options.scriptFile = path;
    const CompleteProgram program = ConvertModel(reading.model, options);
    ResourceCounts whole;
    whole.Add(reading.model);
    ExpectSame(whole.Complete(), program.written, path);

    // As the hint reads: no resource kept, and no define.
    ResourceCounts taken;
    const rc::Reading counted = rc::ReadScript(
        path, {{}, {}, [&taken](rc::Model& model) { taken.TakeFrom(model); }, false});
    EXPECT_TRUE(counted.model.dialogs.empty() && counted.model.menus.empty() &&
                counted.model.defines.empty())
        << path;
    EXPECT_EQ(counted.diagnostics.size(), reading.diagnostics.size()) << path;
    ExpectSame(taken.Held(), whole.Held(), path);
    ExpectSame(taken.Complete(), whole.Complete(), path);
    ++scripts;
  }
  EXPECT_GT(scripts, 10);
}

// Which menu a dialog finds by the name its MENU statement gives, as numbers or as texts, is the
// complete case menu_names; no script asks before its last menu is added.
TEST(MenuNames, AMenuAddedAfterAQuestionIsFoundToo) {
  rc::Value main, late;
  main.text = "Main";
  late.text = "Late";
  MenuNames menus;
  menus.Add(main);
  EXPECT_EQ(menus.Find(late), MenuNames::kNone);
  menus.Add(late);
  late.text = "LATE";
  EXPECT_EQ(menus.Find(late), 1u);
}

}  // namespace
}  // namespace tolvex::complete
