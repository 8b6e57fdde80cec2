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

// The file's name after its folder: the counts text is narrow.
std::string NameOf(const std::string& path) {
  return path.substr(path.find_last_of(kPathSeparator) + 1);
}

// What the save did, said in the counts text and among the messages as tolvex-cli says it.
void ReportSave(const ProgramSave& save, std::string& counts, std::vector<std::string>& messages) {
  const std::string program = DIR1040 + kPathSeparator + BasFileName(NAMEF1040);
  if (!save.backup.kept) {
    counts += "the program is not saved: its old text could not be kept\r\n";
    messages.push_back(rc::FormatDiagnostic(
        {NAMEF1040, 0, 0, rc::Severity::kError, BackupFailure(program, save.backup)}));
  } else if (!save.backup.name.empty()) {
    counts += "the old program is kept in " + NameOf(save.backup.name) + "\r\n";
    messages.push_back(BackupNote(program, save.backup));
  }
}

}  // namespace

void RUNBOY() {
  const RunInputs inputs = WindowRunInputs();
  // The conversion tolvex-cli makes of the same lines and inputs, counted for the window's text.
  const ConversionRun run = ConvertForRun(NAMEF1040, SCRIPTLINES, inputs, {}, true);
  if (!run.converted) return;
  FillListing(kOutputListing, run.lines);
  HideGadget(kSourceListing, 1);
  HideGadget(kOutputListing, 0);
  const ProgramSave save = SAVEBAS(ProgramBytes(run.lines));
  SAVINI(inputs.coefficients, inputs.complete);
  std::string counts = CountsText(run);
  std::vector<std::string> messages = MessageLines(run, false);
  ReportSave(save, counts, messages);
  ShowRunReport(counts, messages);
}

}  // namespace tolvex
