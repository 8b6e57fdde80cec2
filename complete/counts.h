// What a script holds and what a program writes of it, counted as the hint line reports them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "complete/program.h"
#include "rcscript/model.h"

namespace tolvex::complete {

// The dialogs, controls and menu items (separators and pop-ups aside) of the model.
WrittenCounts ModelCounts(const rc::Model& model);
// The windows, gadget lines and MenuItem lines of a program's bytes (CR LF or LF lines).
WrittenCounts ProgramCounts(std::string_view program);

// When the designed program left out windows, controls or menu items the model holds: the hint
// saying how many of each it wrote and how many the complete conversion writes.
std::optional<std::string> LeftOutHint(const WrittenCounts& designed, const WrittenCounts& held,
                                       const WrittenCounts& complete);

}  // namespace tolvex::complete
