// The main window as the conversion tests see it, on whichever gadget backend the test program is
// linked with: the headless gadgets natively, the real controls under Windows.
#pragma once

namespace tolvex::testing {

// Opens the main window's gadgets as they stand at start-up (source listing shown, output listing
// hidden, coefficients " 1.000", check box clear). Calling it again starts afresh.
void OpenConversionWindow();
// Ticks or clears a check box as a click would.
void SetCheckBox(int id, bool ticked);
// Whether the gadget is shown.
bool IsShown(int id);

}  // namespace tolvex::testing
