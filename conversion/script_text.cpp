#include "conversion/script_text.h"

#include "rcscript/ascii.h"

namespace tolvex {

int InStr(std::string_view line, std::string_view what) {
  const size_t at = line.find(what);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

char CharAt(std::string_view line, int position) {
  if (position < 1 || static_cast<size_t>(position) > line.size()) return '\0';
  return line[static_cast<size_t>(position) - 1];
}

bool IsEndLine(std::string_view line) {
  size_t at = line.find_first_not_of(" \t");
  if (at == std::string_view::npos || line.compare(at, 3, "END") != 0) return false;
  at += 3;
  if (at == line.size()) return true;
  return !rc::IsIdentifierByte(line[at]);
}

}  // namespace tolvex
