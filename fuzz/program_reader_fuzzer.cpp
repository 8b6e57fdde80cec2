// Feeds arbitrary bytes to the program reader as a program's text. Whatever it reads must hold
// together: every line it names exists and holds the text it names, in order; every menu entry
// belongs to a pop-up that stands before it; every gadget has its kind; and the text read whole
// reads as its lines read one by one.
#include <sstream>
#include <vector>

#include "fuzz/fuzz_target.h"
#include "program_reader/program_reader.h"

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line); lines.push_back(line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
  }
  return lines;
}

}  // namespace

int tolvex::fuzzing::FuzzOne(std::string_view text) {
  using namespace tolvex::program;
  const std::vector<std::string> lines = SplitLines(text);
  const ProgramPlan plan = ReadProgram(text);

  int previous = 0;
  for (const UnknownLine& unknown : plan.unknown) {
    FUZZ_CHECK(unknown.line > previous && unknown.line <= static_cast<int>(lines.size()));
    FUZZ_CHECK(unknown.text == lines[static_cast<size_t>(unknown.line - 1)]);
    FUZZ_CHECK(!unknown.reason.empty() && !UnknownLineMessage(unknown).empty());
    previous = unknown.line;
  }
  for (const Window& window : plan.windows) {
    FUZZ_CHECK(window.font < static_cast<int>(plan.fonts.size()));
    for (const Gadget& gadget : window.gadgets) {
      FUZZ_CHECK(gadget.kind != nullptr && gadget.font < static_cast<int>(plan.fonts.size()));
    }
    if (!window.menu) continue;
    const std::vector<MenuEntry>& entries = window.menu->entries;
    for (size_t i = 0; i < entries.size(); ++i) {
      const int parent = entries[i].parent;
      FUZZ_CHECK((parent == -1) == (entries[i].kind == MenuEntry::Kind::kTitle));
      FUZZ_CHECK(parent < static_cast<int>(i));
      FUZZ_CHECK(parent < 0 || entries[static_cast<size_t>(parent)].kind != MenuEntry::Kind::kItem);
    }
  }

  const ProgramPlan byLines = ReadProgramLines(lines);
  FUZZ_CHECK(byLines.unknown.size() == plan.unknown.size());
  FUZZ_CHECK(byLines.GadgetCount() == plan.GadgetCount());
  FUZZ_CHECK(byLines.MenuItemCount() == plan.MenuItemCount());
  FUZZ_CHECK(byLines.cases.size() == plan.cases.size());
  return 0;
}
