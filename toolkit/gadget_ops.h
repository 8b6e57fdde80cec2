// The gadget operations through which the conversion and the settings code see the main window:
// list-box lines, gadget text, check state and visibility, addressed by gadget id. Two backends
// define them with one behaviour: the Windows toolkit over real controls, and the headless
// gadgets that serve the command-line converter and the native tests.
#pragma once

#include <string>

extern "C" {

// Inserts text at position (-1 appends); an empty text or null pointer is stored as one blank.
// Returns the new item's index, or -1 when the gadget is not a list box or the position is
// beyond the end.
int AddListBoxItem(int id, const char* text, int position);
int CountItemListBox(int id);
// The item whole, at any length; the empty text for an index outside 0 to count - 1.
std::string GetListBoxText(int id, int index);
int ResetAllListBox(int id);

// The gadget's text cut to the capacity of sizeClass (1: at most 1023 characters).
std::string GetGadgetText(int id, int sizeClass);
int SetGadgetText(int id, const char* text);
// 1 when a check box is ticked, 2 when indeterminate, otherwise 0.
int GETGADGETSTATE(int id);
// state 1 hides, any other state shows; nonzero when the gadget was visible before.
int HideGadget(int id, int state);
}

namespace tolvex {
// The C++ program's way to the text results: the conversion's per-line loops call these.
inline std::string ListBoxText(int id, int index) { return GetListBoxText(id, index); }
inline std::string GadgetText(int id, int sizeClass) { return GetGadgetText(id, sizeClass); }

// Capacity in bytes, terminator included, of GetGadgetText's size class (its low byte counts).
int GadgetTextCapacity(int sizeClass);
}  // namespace tolvex
