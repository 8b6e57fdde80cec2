#include "tests/conversion/conversion_harness.h"

#include <algorithm>

#include "generator/program_text.h"

namespace tolvex::testing {

Converted::Converted(Lines scriptLines, const Coefficients& coefficients, bool screen)
    : script(std::move(scriptLines)),
      state(script, coefficients, screen),
      program(state.CONVERT()) {}

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
