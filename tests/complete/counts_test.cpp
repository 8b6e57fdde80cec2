// The hint counts what --complete writes without writing it: its counts must be the conversion's
// own on every golden script, whether the reading keeps its resources and defines or hands the
// resources over one by one and keeps no define; and a dialog finds the menu it names as the
// conversion does.
#include <gtest/gtest.h>

#include <filesystem>

#include "complete/counts.h"
#include "complete/menu_names.h"
#include "complete/program.h"
#include "rcscript/reader.h"

namespace tolvex::complete {
namespace {

void ExpectSame(const WrittenCounts& a, const WrittenCounts& b, const std::string& path) {
  EXPECT_EQ(a.windows, b.windows) << path;
  EXPECT_EQ(a.controls, b.controls) << path;
  EXPECT_EQ(a.menuItems, b.menuItems) << path;
}

TEST(CompleteCounts, AreTheConversionsOwnOnEveryGoldenScript) {
  int scripts = 0;
  for (const char* folder : {TOLVEX_COMPLETE_GOLDEN_DIR, TOLVEX_GOLDEN_DIR}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() != ".rc") continue;
      const std::string path = entry.path().string();
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
  }
  EXPECT_GT(scripts, 10);
}

TEST(MenuNames, FindTheFirstMenuOfANameAsNumbersOrAsTextsWhateverTheirCase) {
  const auto value = [](const char* text, std::optional<std::int32_t> number = std::nullopt) {
    rc::Value v;
    v.text = text;
    if (number) v.number = *number;
    return v;
  };
  MenuNames menus;
  for (const rc::Value& name : {value("IDR_MAIN", 100), value("Main"), value("IDR_MAIN", 100),
                                value("7"), value("Other", 200), value("main")}) {
    menus.Add(name);
  }
  const struct {
    rc::Value name;
    size_t menu;
  } cases[] = {
      {value("IDR_MAIN", 100), 0},  // the first of two
      {value("MAIN"), 1},           // texts whatever their case
      {value("idr_main"), 0},       // a text finds a numbered menu by its text
      {value("IDM_X", 100), 0},     // two numbers compare as numbers
      {value("7", 7), 3},           // a number finds an unnumbered menu by its text only
      {value("OTHER", 7), MenuNames::kNone},
      {value("Other", 201), MenuNames::kNone},  // two numbers differ, the texts alike
      {value("main", 300), 1},
      {value("main", 100), 0},  // the earlier of a number's first menu and a text's
      {value("none"), MenuNames::kNone},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(menus.Find(c.name), c.menu) << c.name.text.view();
  }
  // A menu added after a question is found too.
  menus.Add(value("Late"));
  EXPECT_EQ(menus.Find(value("LATE")), 6u);
}

}  // namespace
}  // namespace tolvex::complete
