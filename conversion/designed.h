// The designed conversion: a script's lines and the Run inputs in, the generated program out.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/line_shapes.h"
#include "generator/program_text.h"
#include "generator/scaling.h"

namespace tolvex {

struct DesignedProgram {
  bool converted = false;  // false for a script of no lines: nothing was made
  PackedLines lines;       // as the shapes write them; ProgramBytes makes the file of them
  WrittenCounts written;
};

// A script's bytes decoded and split into the lines every reader of a script sees.
PackedLines ScriptLinesOf(std::string_view bytes);
// The same lines, those that stand in bytes as they are left there: bytes must outlive them, and
// they are no C strings. What converts once and lets go holds the script's text once.
PackedLines ScriptLinesIn(std::string_view bytes);

// Takes the lines of a program made as it is written, one at a time.
using LineSink = std::function<void(std::string_view line)>;

// Converts the script's lines (as decoded and split on loading) with the four coefficients, and
// with the block that reads the screen size when screen is set. Each call starts afresh. The
// lines are read while the windows are written; scriptRead, when given, is called once they are
// read for the last time, before the event loop is written from the conversion's own tables.
// Given a sink, the program's lines go to it as they are made and the program holds none.
DesignedProgram ConvertDesigned(const PackedLines& scriptLines, const Coefficients& coefficients,
                                bool screen, const std::function<void()>& scriptRead = {},
                                const LineSink& sink = {});

}  // namespace tolvex
