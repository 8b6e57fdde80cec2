#include "cli/complete_run.h"

#include "app/limits.h"
#include "cli/messages.h"
#include "complete/counts.h"
#include "complete/program.h"
#include "rcscript/reader.h"
#include "rcscript/script_lines.h"

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

bool StartsWithMark(std::string_view text) {
  for (const std::string_view mark : {"\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"}) {
    if (text.substr(0, mark.size()) == mark) return true;
  }
  return false;
}

// Whether the reader makes of the script's own bytes the tokens it makes of the lines the designed
// conversion sees, as the source listing shows them: so for a script read as bytes, whose lines
// differ from the listing's only where a line is empty (a blank there). Not for a UTF-16 script,
// whose lines lose characters there, nor for one whose first listed line would start with a mark.
bool ReadsAsListed(std::string_view bytes) {
  if (StartsWithMark(bytes.substr(0, 2))) return false;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::string first;  // the start of the first line as listed: CRs dropped, up to a NUL or LF
  for (size_t i = 0; i < bytes.size() && first.size() < 3; ++i) {
    if (bytes[i] == '\n' || bytes[i] == '\0') break;
    if (bytes[i] != '\r') first += bytes[i];
  }
  return !StartsWithMark(first);
}

// The script as the source listing shows its lines: the hint's reader then sees the lines the
// designed conversion sees. Its counts do not depend on the characters a UTF-16 script's lines
// lose there.
std::string ListedScript(std::string_view script) {
  std::string bytes;
  rc::ForEachScriptLine(script, [&bytes](const std::string& line) {
    bytes += ListedLine(line);
    bytes += '\n';
  });
  return bytes;
}

rc::Reading ReadForHint(const std::string& script, std::string_view bytes, const Options& options) {
  const rc::ReadOptions read{options.includeDirs, {}};
  if (ReadsAsListed(bytes)) return rc::ReadScriptBytes(script, bytes, read);
  return rc::ReadScriptBytes(script, ListedScript(bytes), read);
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

std::optional<HintFacts> FactsForHint(const std::string& script, std::string_view bytes,
                                      const Options& options, std::ostream& errors) {
  if (options.quiet) return std::nullopt;
  // The hint's budget: a larger script is left to the designed conversion alone.
  if (bytes.size() > kMaxHintScriptBytes) {
    errors << HintLeftOut(script, bytes.size(), kMaxHintScriptBytes);
    return std::nullopt;
  }
  const rc::Reading reading = ReadForHint(script, bytes, options);
  return HintFacts{complete::ModelCounts(reading.model), complete::CompleteCounts(reading.model)};
}

void HintAtLeftOut(const std::string& script, const WrittenCounts& designed, const HintFacts& facts,
                   std::ostream& errors) {
  const auto hint = complete::LeftOutHint(designed, facts.held, facts.complete);
  if (hint) errors << rc::FormatDiagnostic({script, 0, 0, rc::Severity::kHint, *hint}) << "\n";
}

}  // namespace tolvex::cli
