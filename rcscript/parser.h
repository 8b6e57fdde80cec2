// The statements of a resource script, read into the model.
#pragma once

#include "rcscript/model.h"
#include "rcscript/preprocessor.h"

namespace tolvex::rc {

// Reads every resource of the preprocessor's token stream into `model`; reports through the
// preprocessor's reporter.
void ReadResources(Preprocessor& preprocessor, Model& model);

}  // namespace tolvex::rc
