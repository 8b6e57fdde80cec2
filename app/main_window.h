// The main window, its Load action, and what Run takes from it and gives back to it.
#pragma once

#include <string>
#include <vector>

#include "app/run_inputs.h"
#include "generator/packed_lines.h"

namespace tolvex {

// Builds the main window: title, place at the right edge of the screen, colour, font, and the
// gadgets in their order, the output listing hidden.
void OBJETS();
// The Load.rc action: the requester, the script into the source listing, the folder's settings.
void LOAD();
// Puts the lines into a listing (kOutputListing or kSourceListing) in place of what it held.
void FillListing(int listing, const std::vector<std::string>& lines);
void FillListing(int listing, const PackedLines& lines);
// The Run inputs as the window's fields and check boxes hold them.
RunInputs WindowRunInputs();
// Shows what a Run wrote and met: the counts text, and the messages in their list.
void ShowRunReport(const std::string& counts, const std::vector<std::string>& messages);
// The messages the window lists now.
std::vector<std::string> WindowMessages();

}  // namespace tolvex
