// The complete conversion from the command line, and the hint the designed one gives.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/run_inputs.h"
#include "cli/options.h"
#include "generator/line_shapes.h"
#include "generator/program_text.h"

namespace tolvex::cli {

// The complete program of the script's bytes, the same the lines were split from (script names
// it and locates its includes), with the Run inputs. The reader reads the bytes, not the lines: a
// UTF-16 script keeps there every character that the listing's lines cannot hold. The reader's
// messages and the conversion's warnings go to errors (warnings not with --quiet); readWhole is
// false when the reader met errors: the program is then made of what could be read.
shapes::Lines ConvertComplete(const std::string& script, std::string_view bytes,
                              const RunInputs& inputs, const Options& options, std::ostream& errors,
                              bool& readWhole);

// What the hint compares the designed program with: what the model of the script's bytes holds and
// what --complete writes of it, counted. Taken before the script's lines are split and the
// designed conversion runs, so that the model is gone before they are made: the two never take
// memory at the same time. Nothing with --quiet; nothing, with a note to errors, for a script
// larger than kMaxHintScriptBytes.
struct HintFacts {
  WrittenCounts held, complete;
};
std::optional<HintFacts> FactsForHint(const std::string& script, std::string_view bytes,
                                      const Options& options, std::ostream& errors);

// After the designed conversion wrote what it counts as written: when the script holds windows,
// controls or menu items it left out, one line saying how many of each it wrote and how many
// --complete writes.
void HintAtLeftOut(const std::string& script, const WrittenCounts& designed, const HintFacts& facts,
                   std::ostream& errors);

}  // namespace tolvex::cli
