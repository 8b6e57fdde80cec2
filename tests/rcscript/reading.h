// Reads a script held in the test, with the files it includes held beside it.
#pragma once

#include <map>
#include <string>

#include "rcscript/diagnostics.h"
#include "rcscript/reader.h"

namespace tolvex::testing {

inline rc::Reading ReadText(const std::string& script,
                            const std::map<std::string, std::string>& files = {},
                            const std::vector<std::string>& includeDirs = {},
                            const std::string& path = "s.rc") {
  rc::ReadOptions options;
  options.includeDirs = includeDirs;
  options.files = [files](const std::string& file) -> std::optional<std::string> {
    const auto found = files.find(file);
    if (found == files.end()) return std::nullopt;
    return found->second;
  };
  return rc::ReadScriptBytes(path, script, options);
}

// Every message of a reading, one a line.
inline std::string Messages(const rc::Reading& reading) {
  std::string text;
  for (const rc::Diagnostic& d : reading.diagnostics) text += rc::FormatDiagnostic(d) + "\n";
  return text;
}

}  // namespace tolvex::testing
