// The main window without a display: the same gadgets, ids and starting texts over headless
// gadgets, for the command-line converter and the native tests.
#pragma once

namespace tolvex {

// Creates the main window's gadgets as they stand at start-up: source listing shown, output
// listing hidden, every coefficient " 1.000", the check box clear.
void OpenHeadlessMainWindow();

}  // namespace tolvex
