// Gadgets without a window system: list boxes as line lists, edit and text gadgets as strings,
// check boxes as a state, each with its visibility. They give the gadget operations the same
// observable behaviour as the Windows controls, for the command-line converter and the tests.
#pragma once

#include <string>

#include "toolkit/gadget_kind.h"

namespace tolvex::headless {

// Creates a gadget under id; a gadget already under that id is replaced, as in the toolkit.
void CreateGadget(int id, GadgetKind kind, const std::string& text, bool visible);
// Ticks (1), clears (0) or greys (2) a check box, as a click or BM_SETCHECK would.
void SetCheckState(int id, int state);
// Whether the gadget is shown; false for an unknown id.
bool IsVisible(int id);
// Removes every gadget.
void FreeAllGadgets();

}  // namespace tolvex::headless
