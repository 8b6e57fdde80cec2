// tolvex-cli --dump: the resource-script reader's model of a script, as text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tolvex::cli {

// The model of the script at path on out, its diagnostics on err; the exit status, 0 without
// errors and 1 with any.
int RunDump(const std::string& path, const std::vector<std::string>& includeDirs, std::ostream& out,
            std::ostream& err);

}  // namespace tolvex::cli
