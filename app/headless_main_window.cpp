#include "app/headless_main_window.h"

#include "app/main_window_layout.h"
#include "conversion/main_window_ids.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/headless/headless_gadgets.h"

namespace tolvex {

void OpenHeadlessMainWindow() {
  headless::FreeAllGadgets();
  for (const GadgetSpec& g : kMainGadgets) {
    headless::CreateGadget(g.id, g.kind, g.text, true);
  }
  // The output listing starts hidden.
  HideGadget(kOutputListing, 1);
}

}  // namespace tolvex
