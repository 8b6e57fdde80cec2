// The complete conversion from the command line, and the hint the designed one gives.
#pragma once

#include <ostream>
#include <string>

#include "cli/options.h"

namespace tolvex::cli {

// Reads the model of the script in the source listing (script names it and locates its includes)
// and puts its complete program into the output listing, with the coefficients of the main
// window's fields. The reader's messages and the conversion's
// warnings go to errors (warnings not with --quiet). False when the reader met errors: the
// program is then made of what could be read.
bool ConvertCompleteIntoListing(const std::string& script, const Options& options,
                                std::ostream& errors);

// After the designed conversion wrote program: when the script holds windows, controls or menu
// items it left out, one line saying how many of each it wrote and how many --complete writes.
void HintAtLeftOut(const std::string& script, const std::string& program, const Options& options,
                   std::ostream& errors);

}  // namespace tolvex::cli
