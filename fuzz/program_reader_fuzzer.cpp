// Feeds arbitrary bytes to the program reader as a program's text. Whatever it reads must hold
// together: every line it names exists and holds the text it names, in order; every menu entry
// belongs to a pop-up that stands before it; every gadget has its kind; and the text read whole
// reads as its lines read one by one.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "program_reader/program_reader.h"

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Names the check that fails before stopping.
#define Check(holds) \
  if (!(holds)) Fail(__LINE__)
[[noreturn]] void Fail(int line) {
  std::fprintf(stderr, "program_reader_fuzzer.cpp:%d: the check fails\n", line);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolvex::program;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = SplitLines(text);
  const ProgramPlan plan = ReadProgram(text);

  int previous = 0;
  for (const UnknownLine& unknown : plan.unknown) {
    Check(unknown.line > previous && unknown.line <= static_cast<int>(lines.size()));
    Check(unknown.text == lines[static_cast<size_t>(unknown.line - 1)]);
    Check(!unknown.reason.empty() && !UnknownLineMessage(unknown).empty());
    previous = unknown.line;
  }
  for (const Window& window : plan.windows) {
    Check(window.font < static_cast<int>(plan.fonts.size()));
    for (const Gadget& gadget : window.gadgets) {
      Check(gadget.kind != nullptr && gadget.font < static_cast<int>(plan.fonts.size()));
    }
    if (!window.menu) continue;
    const std::vector<MenuEntry>& entries = window.menu->entries;
    for (size_t i = 0; i < entries.size(); ++i) {
      const int parent = entries[i].parent;
      Check((parent == -1) == (entries[i].kind == MenuEntry::Kind::kTitle));
      Check(parent < static_cast<int>(i));
      Check(parent < 0 || entries[static_cast<size_t>(parent)].kind != MenuEntry::Kind::kItem);
    }
  }

  const ProgramPlan byLines = ReadProgramLines(lines);
  Check(byLines.unknown.size() == plan.unknown.size());
  Check(byLines.GadgetCount() == plan.GadgetCount());
  Check(byLines.MenuItemCount() == plan.MenuItemCount());
  Check(byLines.cases.size() == plan.cases.size());
  return 0;
}
