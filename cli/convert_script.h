// One script through the conversion, as Load.rc and Run would take it, without a window.
#pragma once

#include <ostream>
#include <string>

#include "cli/options.h"

namespace tolvex::cli {

// Converts one script (read from standard input when it is "-") and writes (or checks) its
// program; false when it failed, with the reason, naming the file, written to errors, as are
// warnings. No output of it ever replaces a script of options.
bool ConvertScript(const std::string& script, const Options& options, std::ostream& out,
                   std::ostream& errors);

}  // namespace tolvex::cli
