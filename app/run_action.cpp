#include "app/run_action.h"

#include "app/conversion_run.h"
#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "app/output_file.h"
#include "app/shell_state.h"
#include "generator/program_text.h"
#include "rcscript/diagnostics.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {
namespace {

// A text that starts with a path in the script's folder, as the window shows it: the file by its
// name alone, as tolvex-cli names it when run in that folder. The list beside the listings is
// narrow, and the folder is the one the script was loaded from.
std::string InScriptFolder(const std::string& text) {
  std::string folder = DIR1040;
  if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
  return text.compare(0, folder.size(), folder) == 0 ? text.substr(folder.size()) : text;
}

// What the save did, said in the counts text and among the messages as tolvex-cli says it.
void ReportSave(const ProgramSave& save, std::string& counts, std::vector<std::string>& messages) {
  const std::string program = BasFileName(NAMEF1040);
  Backup backup = save.backup;
  backup.name = InScriptFolder(backup.name);
  if (!backup.kept) {
    counts += "the program is not saved: its old text could not be kept\r\n";
    messages.push_back(rc::FormatDiagnostic(
        {InScriptFolder(NAMEF1040), 0, 0, rc::Severity::kError, BackupFailure(program, backup)}));
  } else if (save.saved && !backup.name.empty()) {
    counts += "the old program is kept in " + backup.name + "\r\n";
    messages.push_back(BackupNote(program, backup));
  }
}

// The coefficient fields by the names their labels give them, in the settings file's order.
constexpr const char* kFieldNames[kCoefficientFields] = {"global Horiz coeff", "global Vert coeff",
                                                         "window Horiz coeff", "window Vert coeff"};

// A warning for each field that does not hold a sound coefficient, as tolvex-cli warns of its
// options and settings lines, first among the Run's messages.
void WarnOfCoefficients(const RunInputs& inputs, std::vector<std::string>& messages) {
  for (size_t field = 0; field < kCoefficientFields; ++field) {
    if (const auto doubt = CoefficientWarning(inputs.coefficients[field])) {
      messages.push_back(
          rc::FormatDiagnostic({kFieldNames[field], 0, 0, rc::Severity::kWarning, *doubt}));
    }
  }
}

}  // namespace

void RUNBOY() {
  const RunInputs inputs = WindowRunInputs();
  // The conversion tolvex-cli makes of the same lines and inputs, counted for the window's text.
  const ConversionRun run = ConvertForRun({NAMEF1040, SCRIPTLINES, SCRIPTBYTES}, inputs, {}, true);
  if (!run.converted) return;
  PROGRAMLINES = run.lines.Copied();
  FillListing(kOutputListing, PROGRAMLINES);
  HideGadget(kSourceListing, 1);
  HideGadget(kOutputListing, 0);
  const ProgramSave save = SAVEBAS(ProgramPieces(run.lines));
  SAVINI(inputs.coefficients, inputs.complete);
  std::string counts = CountsText(run);
  std::vector<std::string> messages;
  WarnOfCoefficients(inputs, messages);
  for (const std::string& line : MessageLines(run, false)) messages.push_back(InScriptFolder(line));
  ReportSave(save, counts, messages);
  ShowRunReport(counts, messages);
}

}  // namespace tolvex
