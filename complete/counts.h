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

// When the designed program left out windows, controls or menu items the model holds: the hint
// saying how many of each it wrote and how many the complete conversion writes.
std::optional<std::string> LeftOutHint(const WrittenCounts& designed, const WrittenCounts& held,
                                       const WrittenCounts& complete);

}  // namespace tolvex::complete
