// Text tests on script lines. Positions count from 1; 0 means "not found".
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tolvex {

// Position of the first occurrence of what in line, or 0.
int InStr(std::string_view line, std::string_view what);
inline bool Contains(std::string_view line, std::string_view what) {
  return line.find(what) != std::string_view::npos;
}
// The character at a 1-based position, or NUL outside the line.
char CharAt(std::string_view line, int position);
// Whether part's bytes lie within whole's, i.e. part is a view into whole (an empty part never is).
inline bool Within(std::string_view part, std::string_view whole) {
  const std::less_equal<const char*> atMost;
  return !part.empty() && atMost(whole.data(), part.data()) &&
         atMost(part.data() + part.size(), whole.data() + whole.size());
}
// A line that ends a dialog or a menu block: after leading blanks and tabs it begins with END,
// followed by the end of the line or by a character that cannot continue a word.
bool IsEndLine(std::string_view line);

}  // namespace tolvex
