#include "tests/conversion/conversion_harness.h"

#include <algorithm>

#include "generator/program_text.h"

namespace tolvex::testing {

PackedLines Packed(const Lines& lines) {
  PackedLines packed;
  for (const std::string& line : lines) packed.push_back(line);
  return packed;
}

Converted::Converted(Lines scriptLines, const Coefficients& coefficients, bool screen)
    : script(Packed(scriptLines)), state(script, coefficients, screen), program(state.CONVERT()) {}

Lines Converted::lines() const {
  Lines listed;
  for (std::string_view line : program.lines) listed.emplace_back(ListedLine(line));
  return listed;
}

Lines Convert(const Lines& script, const Coefficients& coefficients, bool screen) {
  return Converted(script, coefficients, screen).lines();
}

Lines Between(const Lines& lines, const std::string& first, const std::string& stop) {
  auto begin = std::find(lines.begin(), lines.end(), first);
  auto end = begin == lines.end() ? begin : std::find(begin + 1, lines.end(), stop);
  return Lines(begin, end);
}

}  // namespace tolvex::testing
