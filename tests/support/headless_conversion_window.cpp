#include "app/headless_main_window.h"
#include "tests/support/conversion_window.h"
#include "toolkit/headless/headless_gadgets.h"

namespace tolvex::testing {

void OpenConversionWindow() { OpenHeadlessMainWindow(); }
void SetCheckBox(int id, bool ticked) { headless::SetCheckState(id, ticked ? 1 : 0); }
bool IsShown(int id) { return headless::IsVisible(id); }

}  // namespace tolvex::testing
