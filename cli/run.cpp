#include "cli/run.h"

#include <algorithm>
#include <exception>

#include "cli/convert_script.h"
#include "cli/dump_run.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "toolkit/files.h"

namespace tolvex::cli {
namespace {

// The status of a run that printed to out, once what it printed has arrived: a help, a version or
// a model that cannot be written is a failure like any other.
int Printed(std::ostream& out, std::ostream& errors, int status) {
  files::ClearFailure();
  if (out.flush()) return status;
  errors << StandardOutputFailure();
  return 1;
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors) {
  const ParseResult parsed = ParseOptions(arguments);
  if (!parsed.error.empty()) {
    errors << UsageError(parsed.error) << "\n" << UsageText();
    return 2;
  }
  const Options& options = parsed.options;
  if (options.help) {
    out << UsageText();
    return Printed(out, errors, 0);
  }
  if (options.version) {
    out << "tolvex-cli " TOLVEX_VERSION "\n";
    return Printed(out, errors, 0);
  }
  if (options.dump) {
    int status = 0;
    for (const std::string& script : options.scripts) {
      status = std::max(status, RunDump(script, options.includeDirs, out, errors));
    }
    return Printed(out, errors, status);
  }
  // Each conversion that writes to standard output checks its own writing.
  bool allConverted = true;
  for (const std::string& script : options.scripts) {
    allConverted = ConvertScript(script, options, out, errors) && allConverted;
  }
  return allConverted ? 0 : 1;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& errors) {
  try {
    return Run(arguments, out, errors);
  } catch (const std::exception& e) {
    errors << InternalError(e.what());
  } catch (...) {
    errors << InternalError("an unknown exception");
  }
  return 1;
}

}  // namespace tolvex::cli
