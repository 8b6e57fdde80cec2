// A generated program as the user gets it: its lines as the output listing shows them and the
// bytes of the .bas file, the same for both conversions.
#pragma once

#include <string>
#include <string_view>

#include "generator/byte_pieces.h"
#include "generator/packed_lines.h"
#include "generator/program_lines.h"

namespace tolvex {

// How many windows, gadgets and menu items a program writes.
struct WrittenCounts {
  int windows = 0;
  int controls = 0;
  int menuItems = 0;

  friend bool operator==(const WrittenCounts& a, const WrittenCounts& b) {
    return a.windows == b.windows && a.controls == b.controls && a.menuItems == b.menuItems;
  }
  friend bool operator!=(const WrittenCounts& a, const WrittenCounts& b) { return !(a == b); }
};

// A line as the output listing holds it: an empty line is one blank, and a line ends at its first
// NUL. Programs written by earlier versions were read back out of that listing, so every .bas
// keeps these two rules.
std::string_view ListedLine(std::string_view line);
// The .bas file's bytes: every line as listed with CR LF, then one more CR LF (the read-back of the
// listing asked for one line past its last, which reads as empty).
std::string ProgramBytes(const PackedLines& lines);
std::string ProgramBytes(const ProgramLines& lines);
// The same bytes in pieces of whole lines, about 64 KiB each; lines must outlive the pieces.
BytePieces ProgramPieces(const PackedLines& lines);
BytePieces ProgramPieces(const ProgramLines& lines);

}  // namespace tolvex
