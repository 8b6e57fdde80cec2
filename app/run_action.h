// The Run button's action.
#pragma once

namespace tolvex {

// Converts the loaded script with the fields and the screen box, shows the program in the output
// listing, then saves the .bas file and the settings beside the script. Does nothing when no
// script is loaded.
void RUNBOY();

}  // namespace tolvex
