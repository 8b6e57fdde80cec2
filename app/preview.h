// The preview: a generated program's windows, built from the program reader's plan as top-level
// windows of Tolvex's own over the standard controls, with the program's captions, client sizes,
// pixel geometry, fonts and menu bars. Nothing of the program's event loop runs: a click on a
// gadget or a choice of a menu item reports its id. Windows only.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "program_reader/program_plan.h"

namespace tolvex {

// A click on a preview gadget or a choice of a preview menu item reports the id as the program
// writes it, with its value.
using PreviewClickHandler = std::function<void(const program::Id& id)>;

struct PreviewResult {
  int windows = 0;                    // how many preview windows are open
  std::vector<std::string> messages;  // one for each line the reader did not understand
};

// Closes every earlier preview window, reads the program (the output listing's lines) and opens a
// window for each window it builds. Lines the reader does not understand are left out and named.
PreviewResult PreviewProgram(const std::vector<std::string>& programLines,
                             PreviewClickHandler onClick);
// The same from a plan already read; returns how many windows it opened.
int OpenPreview(const program::ProgramPlan& plan, PreviewClickHandler onClick);
// Closes every preview window (closing one of them by its close box closes only that one).
void ClosePreview();

}  // namespace tolvex
