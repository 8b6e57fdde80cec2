// The Run button's action.
#pragma once

namespace tolvex {

// Converts the loaded script with the fields and the two boxes, shows the program in the output
// listing, saves the .bas file (its old text kept when it differs) and the settings beside the
// script, then shows the counts and the messages of the Run. Does nothing when no script is
// loaded.
void RUNBOY();

}  // namespace tolvex
