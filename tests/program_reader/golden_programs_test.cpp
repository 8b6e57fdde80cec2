// Every golden program of both conversions reads back whole: no line it does not understand, a
// gadget for each gadget line and a Case id for each Case line (a static label has a gadget line
// and no Case), and a gadget for each id of the gadget branch. A program the complete conversion
// writes also compiles as far as its names go: every id has a value and no #define takes a name
// twice or a name the program declares (FreeBASIC compares names without regard to case).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "program_reader/gadget_calls.h"
#include "program_reader/program_reader.h"
#include "tests/files/scratch_folder.h"

namespace tolvex::program {
namespace {

namespace fs = std::filesystem;
using testing::BytesOf;
using testing::FilesOf;

// Counted from the text alone: a line whose first word is a gadget constructor (or a Var holding
// one), and a Case line of the event loop other than its three event labels.
void ExpectLineCounts(const std::string& text, const ProgramPlan& plan) {
  int gadgets = 0, cases = 0;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string first, second, third, fourth;
    words >> first >> second >> third >> fourth;
    const std::string call = first == "Var" ? fourth : first;
    gadgets += FindGadgetCall(call.substr(0, call.find('('))) != nullptr;
    cases += first == "Case" && second.rfind("Event", 0) != 0;
  }
  EXPECT_EQ(plan.GadgetCount(), gadgets);
  EXPECT_EQ(static_cast<int>(plan.cases.size()), cases);
}

// Each id the gadget branch answers is a gadget's: by value, or by name where none is defined.
void ExpectCasesAnswerGadgets(const ProgramPlan& plan) {
  for (const CaseId& id : plan.cases) {
    bool found = id.branch != CaseId::Branch::kGadget;
    for (const Window& window : plan.windows) {
      for (const Gadget& gadget : window.gadgets) {
        found = found ||
                (id.id.value ? gadget.id.value == id.id.value : gadget.id.written == id.id.written);
      }
    }
    EXPECT_TRUE(found) << "line " << id.line << ": " << id.id.written;
  }
}

void ExpectNamesCompile(const ProgramPlan& plan) {
  std::vector<const Id*> ids;
  std::multiset<std::string> declared;
  const auto declare = [&declared](std::string name) {
    if (name.empty()) return;
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    declared.insert(name);
  };
  std::set<std::string> popups;  // a pop-up's handle may be reused, and is declared once
  for (const Window& window : plan.windows) {
    declare(window.variable);
    for (const Gadget& gadget : window.gadgets) {
      declare(gadget.variable);
      ids.push_back(&gadget.id);
    }
    if (!window.menu) continue;
    declare(window.menu->variable);
    for (const MenuEntry& entry : window.menu->entries) {
      if (entry.kind == MenuEntry::Kind::kItem) ids.push_back(&entry.id);
      popups.insert(entry.variable);
    }
  }
  for (const std::string& popup : popups) declare(popup);
  for (const Define& define : plan.defines) declare(define.name);
  for (const CaseId& id : plan.cases) ids.push_back(&id.id);
  for (const std::string& name : declared) EXPECT_EQ(declared.count(name), 1u) << name;
  for (const Id* id : ids) EXPECT_TRUE(id->value) << id->written;
}

TEST(GoldenPrograms, EveryGoldenProgramReadsBackWhole) {
  // The designed cases that --complete writes byte for byte are complete programs too.
  const std::set<std::string> complete = {"traced.bas", "no_dialogs.bas", "all_kinds.bas"};
  int programs = 0;
  for (const fs::path& path : FilesOf({TOLVEX_GOLDEN_DIR, TOLVEX_COMPLETE_GOLDEN_DIR}, ".bas")) {
    ++programs;
    const std::string name = path.filename().string();
    SCOPED_TRACE(name);
    const std::string text = BytesOf(path.string());
    const ProgramPlan plan = ReadProgram(text);
    for (const UnknownLine& unknown : plan.unknown) ADD_FAILURE() << UnknownLineMessage(unknown);
    ExpectLineCounts(text, plan);
    ExpectCasesAnswerGadgets(plan);
    if (path.parent_path() == fs::path(TOLVEX_COMPLETE_GOLDEN_DIR) || complete.count(name) > 0)
      ExpectNamesCompile(plan);
  }
  EXPECT_GE(programs, 15);
}

TEST(GoldenPrograms, IdsAreNamedWithTheirValuesAndMenusKeepTheirNesting) {
  const ProgramPlan kinds = ReadProgram(BytesOf(TOLVEX_GOLDEN_DIR "/all_kinds.bas"));
  const ProgramPlan two = ReadProgram(BytesOf(TOLVEX_GOLDEN_DIR "/two_dialogs.bas"));
  EXPECT_EQ(IdText(kinds.cases.at(10).id), "IDC_TRB_V = 2011");
  EXPECT_EQ(IdText(kinds.windows.at(0).gadgets.at(10).id), "2011");
  EXPECT_EQ(IdText(two.windows.at(0).gadgets.at(2).id), "IDC_BTN_LATER (no value)");

  const ProgramPlan nested = ReadProgram(BytesOf(TOLVEX_COMPLETE_GOLDEN_DIR "/menuex_nested.bas"));
  ASSERT_TRUE(nested.windows.at(0).menu);
  // &File > &Recent > More > Second, then &Quit back in &File.
  std::vector<int> parents;
  for (const MenuEntry& entry : nested.windows[0].menu->entries) parents.push_back(entry.parent);
  EXPECT_EQ(parents, (std::vector<int>{-1, 0, 0, 2, 2, 4, 0, -1, 7}));
  EXPECT_EQ(nested.windows[0].menu->entries.at(5).text.value, "Second");
}

}  // namespace
}  // namespace tolvex::program
