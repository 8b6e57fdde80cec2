#include "conversion/script_text.h"

namespace tolvex {

int InStr(std::string_view line, std::string_view what) {
  const size_t at = line.find(what);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

char CharAt(std::string_view line, int position) {
  if (position < 1 || static_cast<size_t>(position) > line.size()) return '\0';
  return line[static_cast<size_t>(position) - 1];
}

std::string UpperCase(std::string_view line) {
  std::string upper(line);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool IsEndLine(std::string_view line) {
  size_t at = line.find_first_not_of(" \t");
  if (at == std::string_view::npos || line.compare(at, 3, "END") != 0) return false;
  at += 3;
  if (at == line.size()) return true;
  const char next = line[at];
  const bool wordChar = (next >= 'A' && next <= 'Z') || (next >= 'a' && next <= 'z') ||
                        (next >= '0' && next <= '9') || next == '_';
  return !wordChar;
}

}  // namespace tolvex
