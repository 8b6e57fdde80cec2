// tolvex-cli: the conversion of the Run button, from the command line.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/run.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // The program's CR LF line ends, byte for byte, and a script's bytes as they come.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  return tolvex::cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                     std::cerr);
}
