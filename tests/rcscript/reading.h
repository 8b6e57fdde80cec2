// Reads a script held in the test, with the files it includes held beside it.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "rcscript/diagnostics.h"
#include "rcscript/dump.h"
#include "rcscript/reader.h"
#include "tests/rcscript/trickle_source.h"

namespace tolvex::testing {

// Every message of a reading, one a line.
inline std::string Messages(const rc::Reading& reading) {
  std::string text;
  for (const rc::Diagnostic& d : reading.diagnostics) text += rc::FormatDiagnostic(d) + "\n";
  return text;
}

// The script read from its bytes in memory; read again in pieces of a line or so, freed as the
// reading passes them, it must give the same model and messages.
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
  rc::Reading whole = rc::ReadScriptBytes(path, script, options);
  TrickleSource trickle(script, 3);
  const rc::Reading pieces = rc::ReadScriptSource(path, trickle, 5, options);
  EXPECT_EQ(Messages(pieces), Messages(whole));
  EXPECT_EQ(rc::DumpModel(pieces.model), rc::DumpModel(whole.model));
  return whole;
}

}  // namespace tolvex::testing
