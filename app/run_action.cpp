#include "app/run_action.h"

#include "app/output_file.h"
#include "conversion/driver.h"

namespace tolvex {

void RUNBOY() {
  if (!CONVERT()) return;
  SAVEBAS();
  SAVINI();
}

}  // namespace tolvex
