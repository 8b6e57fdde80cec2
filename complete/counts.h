// What a script holds, counted as the hint line reports it, and the hint itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "complete/program.h"
#include "rcscript/model.h"

namespace tolvex::complete {

// The dialogs, controls and menu items (separators and pop-ups aside) of the model.
WrittenCounts ModelCounts(const rc::Model& model);

// What the complete conversion writes of the model, counted without writing it: a window for every
// dialog and for every menu no dialog names, a gadget for every control of a known kind, and the
// items in the pop-ups of every menu each time a window gets it.
WrittenCounts CompleteCounts(const rc::Model& model);

// The menu a dialog names: the first of the model's with its name, or null.
const rc::Menu* NamedMenu(const rc::Model& model, const rc::Dialog& dialog);

// When the designed program left out windows, controls or menu items the model holds: the hint
// saying how many of each it wrote and how many the complete conversion writes.
std::optional<std::string> LeftOutHint(const WrittenCounts& designed, const WrittenCounts& held,
                                       const WrittenCounts& complete);

}  // namespace tolvex::complete
