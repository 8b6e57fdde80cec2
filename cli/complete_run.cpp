#include "cli/complete_run.h"

#include "app/limits.h"
#include "cli/messages.h"
#include "complete/counts.h"
#include "complete/program.h"
#include "rcscript/reader.h"

namespace tolvex::cli {
namespace {

complete::CompleteProgram ConvertModel(const std::string& script, const rc::Model& model,
                                       const RunInputs& inputs) {
  complete::CompleteOptions o;
  o.scriptFile = script;
  const Coefficients c = CoefficientsOf(inputs.coefficients);
  o.globalX = c.globalX;
  o.globalY = c.globalY;
  o.windowX = c.windowX;
  o.windowY = c.windowY;
  o.screen = inputs.screen;
  return complete::ConvertModel(model, o);
}

// The script as the source listing shows its lines: the hint's reader then sees the lines the
// designed conversion sees, and the file is not read again. Its counts do not depend on the
// characters a UTF-16 script's lines lose there.
std::string ListedScript(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += ListedLine(line);
    bytes += '\n';
  }
  return bytes;
}

rc::Reading ReadLines(const std::string& script, const std::vector<std::string>& lines,
                      const Options& options) {
  return rc::ReadScriptBytes(script, ListedScript(lines), {options.includeDirs, {}});
}

void Print(const std::vector<rc::Diagnostic>& diagnostics, const Options& options,
           std::ostream& errors) {
  for (const rc::Diagnostic& d : diagnostics) {
    if (options.quiet && d.severity != rc::Severity::kError) continue;
    errors << rc::FormatDiagnostic(d) << "\n";
  }
}

}  // namespace

shapes::Lines ConvertComplete(const std::string& script, std::string_view bytes,
                              const RunInputs& inputs, const Options& options, std::ostream& errors,
                              bool& readWhole) {
  const rc::Reading reading = rc::ReadScriptBytes(script, bytes, {options.includeDirs, {}});
  Print(reading.diagnostics, options, errors);
  complete::CompleteProgram program = ConvertModel(script, reading.model, inputs);
  Print(program.warnings, options, errors);
  readWhole = reading.errors == 0;
  return std::move(program.lines);
}

std::optional<HintFacts> FactsForHint(const std::string& script,
                                      const std::vector<std::string>& lines,
                                      const RunInputs& inputs, const Options& options,
                                      std::ostream& errors) {
  if (options.quiet) return std::nullopt;
  // The hint's budget: a larger script is left to the designed conversion alone.
  size_t bytes = 0;
  for (const std::string& line : lines) bytes += ListedLine(line).size() + 1;
  if (bytes > kMaxHintScriptBytes) {
    errors << HintLeftOut(script, bytes, kMaxHintScriptBytes);
    return std::nullopt;
  }
  const rc::Reading reading = ReadLines(script, lines, options);
  return HintFacts{complete::ModelCounts(reading.model),
                   ConvertModel(script, reading.model, inputs).written};
}

void HintAtLeftOut(const std::string& script, const WrittenCounts& designed, const HintFacts& facts,
                   std::ostream& errors) {
  const auto hint = complete::LeftOutHint(designed, facts.held, facts.complete);
  if (hint) errors << rc::FormatDiagnostic({script, 0, 0, rc::Severity::kHint, *hint}) << "\n";
}

}  // namespace tolvex::cli
