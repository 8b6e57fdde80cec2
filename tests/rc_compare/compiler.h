// The independent resource compiler: the C preprocessor over a private copy of the system's
// headers, then llvm-rc, run as programs.
#pragma once

#include <string>
#include <vector>

namespace tolvex::rc_compare {

struct CompilerTools {
  std::string cpp;      // the C preprocessor
  std::string llvmRc;   // llvm-rc, 18 or later (MENUEX)
  std::string headers;  // the MinGW-w64 headers (winresrc.h, commctrl.h ...)
  std::string work;     // a folder of our own for the copies and the outputs
};

class Compiler {
 public:
  // Makes the reduced copy of the headers, once per work folder; false with `error` set when the
  // tools or the headers are missing.
  bool Prepare(const CompilerTools& tools, std::string& error);

  // Compiles `text` (UTF-8) as WORK/NAME.rc, its quoted includes sought in `includeDirs` too;
  // the .res bytes, or false with the compiler's messages in `error`.
  bool Compile(const std::string& name, const std::string& text,
               const std::vector<std::string>& includeDirs, std::string& res, std::string& error);

 private:
  CompilerTools tools_;
  std::string includes_;  // the reduced headers
  std::string prelude_;
};

std::string ReadFile(const std::string& path, bool& ok);
bool WriteFile(const std::string& path, const std::string& bytes);

}  // namespace tolvex::rc_compare
