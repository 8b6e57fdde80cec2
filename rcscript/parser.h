// The statements of a resource script, read into the model.
#pragma once

#include <functional>

#include "rcscript/model.h"
#include "rcscript/preprocessor.h"

namespace tolvex::rc {

// What a reading hands its model to as each dialog or menu joins it; it may take them out.
using ResourceTaker = std::function<void(Model& model)>;

// Reads every resource of the preprocessor's token stream into `model`, handing it to `take`
// (when set) after each dialog or menu; reports through the preprocessor's reporter.
void ReadResources(Preprocessor& preprocessor, Model& model, const ResourceTaker& take = {});

}  // namespace tolvex::rc
