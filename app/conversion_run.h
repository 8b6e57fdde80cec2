// One Run's conversion, whichever the "complete conversion" box asks for. The window's Run and
// tolvex-cli both call it, so that both write the same program and say the same of it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/run_inputs.h"
#include "generator/line_shapes.h"
#include "generator/program_lines.h"
#include "generator/program_text.h"
#include "rcscript/diagnostics.h"

namespace tolvex {

// The figures of the hint: windows, controls and menu items in the program made, in the script's
// model, and in what the complete conversion writes of it.
struct RunCounts {
  WrittenCounts written, held, complete;
};

struct ConversionRun {
  bool converted = false;  // false for a script of no lines: nothing was made
  bool complete = false;   // the complete conversion made it
  ProgramLines lines;
  // The reader's and the complete conversion's messages, in the order they were met; the designed
  // conversion has none.
  std::vector<rc::Diagnostic> messages;
  bool readWhole = true;  // false when the reader met errors: the program holds what it could read
  std::optional<RunCounts> counts;  // when counted
  // A designed program made as it is written: the counts of its lines, known once they have been
  // read through; counts->written waits for them.
  std::shared_ptr<const std::optional<WrittenCounts>> made;
};

// The script a Run converts: its name (it names messages and locates includes), its lines as
// loaded, and the bytes they were split from. The complete conversion's reader reads the bytes: a
// UTF-16 script keeps there every character the lines cannot hold; a caller that runs the
// complete conversion alone may leave the lines empty.
struct RunScript {
  const std::string& name;
  const PackedLines& lines;
  std::string_view bytes;
  // Called, when given, once the conversion has read the lines and bytes for the last time: a
  // caller that keeps nothing else of them lets them go there, before the rest of the program
  // is written.
  std::function<void()> letGo = {};
  // The designed program made each time its lines are read, straight from the script's lines,
  // which must then outlive them (letGo is not called): a program that goes to a file once is
  // never held whole.
  bool madeAsWritten = false;
};

// Converts the script with the Run inputs, its includes searched also in includeDirs. Counted,
// the run also holds the hint's figures: for the designed conversion they cost a reading of the
// script that counts its dialogs and menus as they come and keeps none, made before the designed
// program, so that the two never take memory at the same time.
ConversionRun ConvertForRun(const RunScript& script, const RunInputs& inputs,
                            const std::vector<std::string>& includeDirs, bool counted);

// The run's messages as tolvex-cli prints them, one a line: errors always, warnings unless quiet.
std::vector<std::string> MessageLines(const ConversionRun& run, bool quiet);
// "SCRIPT: wrote ... ; --complete writes ..." when the designed program left out windows,
// controls or menu items the script holds. A program made as it is written must have been read
// through.
std::optional<std::string> HintLine(const std::string& script, const ConversionRun& run);
// The window's account of a counted run: what was written of what the script holds, with the
// unticked box what the complete conversion would write when something was left out, and how many
// errors and warnings the run met. Lines end with CR LF.
std::string CountsText(const ConversionRun& run);

}  // namespace tolvex
