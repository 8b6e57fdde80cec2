#include "generator/program_lines.h"

namespace tolvex {

void ProgramLines::Add(PackedLines lines) {
  if (!parts_.empty() && !parts_.back().made) {
    parts_.back().held.append(std::move(lines));
  } else {
    parts_.push_back({std::move(lines), {}});
  }
}

void ProgramLines::Add(const shapes::Lines& lines) {
  PackedLines packed;
  packed.append(lines);
  Add(std::move(packed));
}

void ProgramLines::AddMade(Make make) { parts_.push_back({{}, std::move(make)}); }

bool ProgramLines::Each(const Take& take) const {
  for (const Part& part : parts_) {
    if (part.made) {
      if (!part.made(take)) return false;
      continue;
    }
    for (std::string_view line : part.held) {
      if (!take(line)) return false;
    }
  }
  return true;
}

std::vector<std::string> ProgramLines::Copied() const {
  std::vector<std::string> lines;
  Each([&lines](std::string_view line) {
    lines.emplace_back(line);
    return true;
  });
  return lines;
}

}  // namespace tolvex
