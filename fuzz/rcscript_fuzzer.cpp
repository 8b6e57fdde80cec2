// Feeds arbitrary bytes to the resource-script reader as a script; every file it includes holds
// the same bytes, so includes, their limits and their cycles are exercised too. Every input must be
// read without a fault, count its errors right, and read again to the same model and messages.
// The complete conversion then runs on what was read: no fault, and every program line one line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "complete/program.h"
#include "rcscript/dump.h"
#include "rcscript/reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolvex::rc;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ReadOptions options;
  options.includeDirs = {"inc"};
  // Enough opens to reach the include depth limit, few enough to keep each run short.
  int opens = 0;
  options.files = [&bytes, &opens](const std::string& path) -> std::optional<std::string> {
    if (path.find('x') != std::string::npos || ++opens > 20) return std::nullopt;
    return bytes;
  };
  const auto read = [&] {
    opens = 0;
    const Reading reading = ReadScriptBytes("f.rc", bytes, options);
    std::string text = DumpModel(reading.model);
    int errors = 0;
    for (const Diagnostic& d : reading.diagnostics) {
      if (d.line < 0 || d.column < 0) std::abort();
      if (d.severity == Severity::kError) ++errors;
      text += FormatDiagnostic(d) + "\n";
    }
    if (errors != reading.errors) std::abort();
    tolvex::complete::CompleteOptions conversion;
    conversion.scriptFile = "f.rc";
    const tolvex::complete::CompleteProgram program =
        tolvex::complete::ConvertModel(reading.model, conversion);
    for (const std::string& line : program.lines) {
      if (line.find_first_of("\r\n") != std::string::npos) std::abort();
      text += line + "\n";
    }
    for (const Diagnostic& d : program.warnings) text += FormatDiagnostic(d) + "\n";
    return text;
  };
  if (read() != read()) std::abort();
  return 0;
}
