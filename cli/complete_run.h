// The complete conversion from the command line, and the hint the designed one gives.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/options.h"
#include "complete/program.h"

namespace tolvex::cli {

// Reads the model of the script in the source listing (script names it and locates its includes)
// and puts its complete program into the output listing, with the coefficients of the main
// window's fields. The reader's messages and the conversion's
// warnings go to errors (warnings not with --quiet). False when the reader met errors: the
// program is then made of what could be read.
bool ConvertCompleteIntoListing(const std::string& script, const Options& options,
                                std::ostream& errors);

// What the hint compares the designed program with: what the script's model holds and what
// --complete writes of it. Taken before the designed conversion, so that the model is gone before
// the conversion's tables and listing fill: the two never take memory at the same time. Nothing
// with --quiet; nothing, with a note to errors, for a script larger than kMaxHintScriptBytes.
struct HintFacts {
  complete::WrittenCounts held, complete;
};
std::optional<HintFacts> FactsForHint(const std::string& script, const Options& options,
                                      std::ostream& errors);

// After the designed conversion wrote program: when the script holds windows, controls or menu
// items it left out, one line saying how many of each it wrote and how many --complete writes.
void HintAtLeftOut(const std::string& script, const std::string& program, const HintFacts& facts,
                   std::ostream& errors);

}  // namespace tolvex::cli
