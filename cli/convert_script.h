// One script through the conversion, as Load.rc and Run would take it, without a window.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "cli/options.h"

namespace tolvex::cli {

// Converts one script (read from in when it is "-") and writes (or checks) its program; false
// when it failed, with the reason, naming the file, written to errors, as are warnings.
bool ConvertScript(const std::string& script, const Options& options, std::istream& in,
                   std::ostream& out, std::ostream& errors);

}  // namespace tolvex::cli
