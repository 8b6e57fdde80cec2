#include "cli/complete_run.h"

#include "app/limits.h"
#include "cli/messages.h"
#include "complete/counts.h"
#include "complete/program.h"
#include "conversion/main_window_ids.h"
#include "conversion/scaling.h"
#include "generator/output_listing.h"
#include "rcscript/reader.h"
#include "toolkit/gadget_ops.h"

namespace tolvex::cli {
namespace {

complete::CompleteProgram ConvertModel(const std::string& script, const rc::Model& model,
                                       const Options& options) {
  complete::CompleteOptions o;
  o.scriptFile = script;
  o.globalX = CoefficientField(kGlobalHorizCoeff);
  o.globalY = CoefficientField(kGlobalVertCoeff);
  o.windowX = CoefficientField(kWindowHorizCoeff);
  o.windowY = CoefficientField(kWindowVertCoeff);
  o.screen = options.screen;
  return complete::ConvertModel(model, o);
}

// The script as the source listing holds it: the reader then sees the lines the designed
// conversion sees, wherever the listing took them from, and the file is not read again.
std::string ListingScript() {
  std::string bytes;
  const int lines = CountItemListBox(kSourceListing);
  for (int i = 0; i < lines; ++i) bytes += ListBoxText(kSourceListing, i) + "\n";
  return bytes;
}

rc::Reading ReadListing(const std::string& script, const Options& options) {
  return rc::ReadScriptBytes(script, ListingScript(), {options.includeDirs, {}});
}

void Print(const std::vector<rc::Diagnostic>& diagnostics, const Options& options,
           std::ostream& errors) {
  for (const rc::Diagnostic& d : diagnostics) {
    if (options.quiet && d.severity != rc::Severity::kError) continue;
    errors << rc::FormatDiagnostic(d) << "\n";
  }
}

}  // namespace

bool ConvertCompleteIntoListing(const std::string& script, const Options& options,
                                std::ostream& errors) {
  const rc::Reading reading = ReadListing(script, options);
  Print(reading.diagnostics, options, errors);
  const complete::CompleteProgram program = ConvertModel(script, reading.model, options);
  Print(program.warnings, options, errors);
  ResetAllListBox(kOutputListing);
  EmitLines(program.lines);
  return reading.errors == 0;
}

std::optional<HintFacts> FactsForHint(const std::string& script, const Options& options,
                                      std::ostream& errors) {
  if (options.quiet) return std::nullopt;
  // The hint's budget: a larger script is left to the designed conversion alone.
  size_t bytes = 0;
  const int lines = CountItemListBox(kSourceListing);
  for (int i = 0; i < lines; ++i) bytes += ListBoxText(kSourceListing, i).size() + 1;
  if (bytes > kMaxHintScriptBytes) {
    errors << HintLeftOut(script, bytes, kMaxHintScriptBytes);
    return std::nullopt;
  }
  const rc::Reading reading = ReadListing(script, options);
  return HintFacts{complete::ModelCounts(reading.model),
                   ConvertModel(script, reading.model, options).written};
}

void HintAtLeftOut(const std::string& script, const std::string& program, const HintFacts& facts,
                   std::ostream& errors) {
  const auto hint =
      complete::LeftOutHint(complete::ProgramCounts(program), facts.held, facts.complete);
  if (hint) errors << rc::FormatDiagnostic({script, 0, 0, rc::Severity::kHint, *hint}) << "\n";
}

}  // namespace tolvex::cli
