// The main window and its two actions besides Run.
#pragma once

#include <string>
#include <vector>

#include "app/run_inputs.h"

namespace tolvex {

// Builds the main window: title, place at the right edge of the screen, colour, font, and the
// fifteen gadgets in their order, the output listing hidden.
void OBJETS();
// The Load.rc action: the requester, the script into the source listing, the folder's settings.
void LOAD();

}  // namespace tolvex
