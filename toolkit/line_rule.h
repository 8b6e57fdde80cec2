// What a byte does to the line being read: LF ends it, CR is dropped wherever it stands, every
// other byte belongs to it.
#pragma once

#include <string>

namespace tolvex {

// Returns true when c ends the line.
inline bool TakeLineByte(std::string& line, char c) {
  if (c == '\n') return true;
  if (c != '\r') line += c;
  return false;
}

}  // namespace tolvex
