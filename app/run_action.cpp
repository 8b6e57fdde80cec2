#include "app/run_action.h"

#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "app/output_file.h"
#include "app/shell_state.h"
#include "conversion/designed.h"
#include "generator/program_text.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {

void RUNBOY() {
  const RunInputs inputs = WindowRunInputs();
  const DesignedProgram program =
      ConvertDesigned(SCRIPTLINES, CoefficientsOf(inputs.coefficients), inputs.screen);
  if (!program.converted) return;
  FillListing(kOutputListing, program.lines);
  HideGadget(kSourceListing, 1);
  HideGadget(kOutputListing, 0);
  SAVEBAS(ProgramBytes(program.lines));
  SAVINI(inputs.coefficients);
}

}  // namespace tolvex
