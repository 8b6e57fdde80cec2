// The complete conversion: every dialog, control and menu of a script's model becomes the
// generated program, in the designed program's layout and line shapes.
#pragma once

#include <string>
#include <vector>

#include "generator/line_shapes.h"
#include "generator/program_lines.h"
#include "generator/program_text.h"
#include "rcscript/diagnostics.h"
#include "rcscript/model.h"

namespace tolvex::complete {

struct CompleteOptions {
  // The script's name as the model's places give it: a define placed elsewhere comes from an
  // included file.
  std::string scriptFile;
  // The four coefficients as numbers (a field's text reads as its leading number).
  double globalX = 1, globalY = 1, windowX = 1, windowY = 1;
  bool screen = false;  // the block that reads the screen size
};

// The program's define lines and event loop are made again each time its lines are read, from
// the model and the conversion's own tables, which the lines keep: beside the model, a large
// program holds only the text of its windows, gadgets and menus.
struct CompleteProgram {
  ProgramLines lines;
  std::vector<rc::Diagnostic> warnings;
  WrittenCounts written;
};

// The model must outlive the program's lines.
CompleteProgram ConvertModel(const rc::Model& model, const CompleteOptions& options);

}  // namespace tolvex::complete
