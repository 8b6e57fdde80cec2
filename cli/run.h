// tolvex-cli's whole run over its arguments, for its main and the fuzzer of its command line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tolvex::cli {

// Runs the command line (the program's name left out) and returns the exit status: 0, 1 when a
// script failed or standard output could not be written, 2 on a usage error. A script named -
// is read from the process's standard input. No exception leaves it: one that escapes a
// conversion ends the run as "tolvex-cli: error: internal error: ..." with status 1.
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& errors);

}  // namespace tolvex::cli
