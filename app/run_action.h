// The Run button's action.
#pragma once

namespace tolvex {

// Converts the source listing, shows the output listing, then saves the .bas file and the
// settings beside the script. Does nothing when no script is loaded.
void RUNBOY();

}  // namespace tolvex
