// tolvex-cli: the conversion of the Run button, from the command line.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/convert_script.h"
#include "cli/dump_run.h"
#include "cli/messages.h"
#include "cli/options.h"

int main(int argc, char** argv) {
  using namespace tolvex::cli;
#ifdef _WIN32
  // The program's CR LF line ends, byte for byte, and a script's bytes as they come.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  const ParseResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::cerr << UsageError(parsed.error) << "\n" << UsageText();
    return 2;
  }
  const Options& options = parsed.options;
  if (options.help) {
    std::cout << UsageText();
    return 0;
  }
  if (options.version) {
    std::cout << "tolvex-cli " TOLVEX_VERSION "\n";
    return 0;
  }
  if (options.dump) {
    int status = 0;
    for (const std::string& script : options.scripts) {
      status = std::max(status, RunDump(script, options.includeDirs, std::cout, std::cerr));
    }
    return status;
  }
  bool allConverted = true;
  for (const std::string& script : options.scripts) {
    allConverted = ConvertScript(script, options, std::cin, std::cout, std::cerr) && allConverted;
  }
  return allConverted ? 0 : 1;
}
