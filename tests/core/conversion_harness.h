// Runs conversions on the test window: a script's lines in, the generated lines out.
#pragma once

#include <string>
#include <vector>

namespace tolvex::testing {

// Opens a fresh test window and puts lines into the source listing, as a load would.
void LoadLines(const std::vector<std::string>& lines);
// Loads and converts; returns the output listing's lines.
std::vector<std::string> Convert(const std::vector<std::string>& lines);
std::vector<std::string> OutputLines();
// The output listing as the .bas file holds it: CR LF after every line, then one more CR LF.
std::string OutputBytes();

// A script file's lines, as a load reads them.
std::vector<std::string> ScriptLines(const std::string& bytes);
std::string ReadBytes(const std::string& path);
// Applies a golden case's command-line options, one a line (--screen, --global-x=TEXT ...), as
// tolvex-cli reads them.
void ApplyOptions(const std::string& optionLines);

// The lines from first up to, not including, the first line equal to stop (or to the end).
std::vector<std::string> Between(const std::vector<std::string>& lines, const std::string& first,
                                 const std::string& stop);

}  // namespace tolvex::testing
