// Every golden program of both conversions reads back whole: no line it does not understand, a
// gadget for each gadget line and a Case id for each Case line (a static label has a gadget line
// and no Case), and a gadget for each id of the gadget branch.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "program_reader/gadget_calls.h"
#include "program_reader/program_reader.h"

namespace tolvex::program {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<fs::path> GoldenPrograms() {
  std::vector<fs::path> programs;
  for (const char* folder : {TOLVEX_GOLDEN_DIR, TOLVEX_COMPLETE_GOLDEN_DIR}) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() == ".bas") programs.push_back(entry.path());
    }
  }
  std::sort(programs.begin(), programs.end());
  return programs;
}

// Counted from the text alone: a line whose first word is a gadget constructor (or a Var holding
// one), and a Case line of the event loop other than its three event labels.
struct LineCounts {
  int gadgets = 0, cases = 0;
};
LineCounts CountLines(const std::string& text) {
  LineCounts counts;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string first, second, third, fourth;
    words >> first >> second >> third >> fourth;
    const std::string call = first == "Var" ? fourth : first;
    if (FindGadgetCall(call.substr(0, call.find('('))) != nullptr) ++counts.gadgets;
    if (first == "Case" && second.rfind("Event", 0) != 0) ++counts.cases;
  }
  return counts;
}

TEST(GoldenPrograms, EveryGoldenProgramReadsBackWhole) {
  const std::vector<fs::path> programs = GoldenPrograms();
  ASSERT_GE(programs.size(), 15u);
  for (const fs::path& path : programs) {
    SCOPED_TRACE(path.filename().string());
    const std::string text = ReadFile(path);
    const ProgramPlan plan = ReadProgram(text);
    for (const UnknownLine& unknown : plan.unknown) ADD_FAILURE() << UnknownLineMessage(unknown);
    const LineCounts counts = CountLines(text);
    EXPECT_EQ(plan.GadgetCount(), counts.gadgets);
    EXPECT_EQ(static_cast<int>(plan.cases.size()), counts.cases);
    // Each id the gadget branch answers is a gadget's: by value, or by name where none is defined.
    for (const CaseId& id : plan.cases) {
      if (id.branch != CaseId::Branch::kGadget) continue;
      bool found = false;
      for (const Window& window : plan.windows) {
        for (const Gadget& gadget : window.gadgets) {
          found = found || (id.id.value ? gadget.id.value == id.id.value
                                        : gadget.id.written == id.id.written);
        }
      }
      EXPECT_TRUE(found) << "line " << id.line << ": " << id.id.written;
    }
  }
}

TEST(GoldenPrograms, AllKindsReadsAsItsScriptDescribes) {
  const ProgramPlan plan = ReadProgram(ReadFile(fs::path(TOLVEX_GOLDEN_DIR) / "all_kinds.bas"));
  ASSERT_EQ(plan.windows.size(), 1u);
  const Window& window = plan.windows[0];
  EXPECT_EQ(window.caption.value, "All kinds");
  EXPECT_EQ(window.geometry.width, 470);
  EXPECT_EQ(window.geometry.height, 372);
  EXPECT_EQ(plan.fonts.at(static_cast<size_t>(window.font)).face.value, "Tahoma");
  EXPECT_EQ(plan.fonts.at(static_cast<size_t>(window.font)).size, 9);
  ASSERT_EQ(window.gadgets.size(), 18u);
  const Gadget& trackBar = window.gadgets[10];
  EXPECT_EQ(trackBar.function, "TrackBarGadget");
  EXPECT_EQ(trackBar.id.written, "2011");
  EXPECT_TRUE(trackBar.vertical);
  EXPECT_EQ(trackBar.orientation, "TRB_VERT");
  EXPECT_FALSE(window.gadgets[11].vertical);
  EXPECT_EQ(plan.cases.at(10).id.written, "IDC_TRB_V");
  EXPECT_EQ(plan.cases.at(10).id.value, 2011);
  EXPECT_EQ(IdText(plan.cases.at(10).id), "IDC_TRB_V = 2011");
  EXPECT_EQ(IdText(trackBar.id), "2011");
}

TEST(GoldenPrograms, UndefinedIdsHaveNoValueAndMenusKeepTheirNesting) {
  const ProgramPlan two = ReadProgram(ReadFile(fs::path(TOLVEX_GOLDEN_DIR) / "two_dialogs.bas"));
  ASSERT_EQ(two.windows.size(), 2u);
  EXPECT_EQ(two.windows[0].gadgets.at(2).id.written, "IDC_BTN_LATER");
  EXPECT_FALSE(two.windows[0].gadgets.at(2).id.value);
  EXPECT_EQ(IdText(two.windows[0].gadgets.at(2).id), "IDC_BTN_LATER (no value)");
  EXPECT_EQ(two.windows[1].gadgets.at(0).text->value, "Yes, please");

  const ProgramPlan nested =
      ReadProgram(ReadFile(fs::path(TOLVEX_COMPLETE_GOLDEN_DIR) / "menuex_nested.bas"));
  ASSERT_TRUE(nested.windows.at(0).menu);
  const std::vector<MenuEntry>& entries = nested.windows[0].menu->entries;
  // &File > &Recent > More > Second
  ASSERT_EQ(entries.size(), 9u);
  EXPECT_EQ(entries[5].text.value, "Second");
  EXPECT_EQ(entries[5].parent, 4);
  EXPECT_EQ(entries[4].parent, 2);
  EXPECT_EQ(entries[2].parent, 0);
  EXPECT_EQ(entries[6].parent, 0);  // &Quit, back in &File
}

}  // namespace
}  // namespace tolvex::program
