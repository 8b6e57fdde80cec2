#include "cli/dump_run.h"

#include "rcscript/diagnostics.h"
#include "rcscript/dump.h"
#include "rcscript/reader.h"

namespace tolvex::cli {

int RunDump(const std::string& path, const std::vector<std::string>& includeDirs, std::ostream& out,
            std::ostream& err) {
  rc::ReadOptions options;
  options.includeDirs = includeDirs;
  const rc::Reading reading = rc::ReadScript(path, options);
  rc::DumpModel(reading.model, out);
  for (const rc::Diagnostic& d : reading.diagnostics) err << rc::FormatDiagnostic(d) << "\n";
  return reading.errors > 0 ? 1 : 0;
}

}  // namespace tolvex::cli
