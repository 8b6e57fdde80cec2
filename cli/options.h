// The command line of tolvex-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvex::cli {

struct Options {
  std::vector<std::string> scripts;
  std::optional<std::string> output;  // "-" for standard output
  // Coefficient fields set as if typed, by their place in the settings file (0 to 3).
  std::vector<std::pair<size_t, std::string>> coefficients;
  bool screen = false;
  bool saveSettings = false;
  bool check = false;
  bool dump = false;  // --dump: the reader's model of each script
  // Which conversion: the one the folder's settings file asks for, or the one an option forces
  // (--complete: every dialog, control and menu; --designed: the Run button's own).
  enum class Conversion { kFolder, kDesigned, kComplete };
  Conversion conversion = Conversion::kFolder;
  bool quiet = false;                    // --quiet: no hints or warnings
  std::vector<std::string> includeDirs;  // -I DIR, for --dump and --complete
  bool help = false;
  bool version = false;
};

// The options, or the reason the command line is not understood.
struct ParseResult {
  Options options;
  std::string error;
};

// The script name that stands for standard input.
inline const std::string kStandardInput = "-";

ParseResult ParseOptions(const std::vector<std::string>& arguments);
// The option that sets a coefficient field ("--global-x" for the first).
std::string CoefficientOptionName(size_t field);
const char* UsageText();

}  // namespace tolvex::cli
