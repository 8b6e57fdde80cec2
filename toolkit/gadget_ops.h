/* The gadget operations through which the main window's actions see its gadgets: list-box lines,
   gadget text, check state and visibility, addressed by gadget id, over real controls. The
   operations compile as C; text results are the caller's to release with FREESTRING
   (toolkit/text_result.h). */
#ifndef TOLVEX_TOOLKIT_GADGET_OPS_H
#define TOLVEX_TOOLKIT_GADGET_OPS_H

#include "toolkit/text_result.h"

#ifdef __cplusplus
#include <string>
extern "C" {
#endif

/* Inserts text at position (-1 appends); an empty text or null pointer is stored as one blank.
   Returns the new item's index, or -1 when the gadget is not a list box or the position is
   beyond the end. */
int AddListBoxItem(int id, const char* text, int position);
int CountItemListBox(int id);
/* The item whole, at any length; the empty text for an index outside 0 to count - 1. */
char* GetListBoxText(int id, int index);
int ResetAllListBox(int id);

/* The gadget's text cut to the capacity of sizeClass (1: at most 1023 characters). */
char* GetGadgetText(int id, int sizeClass);
int SetGadgetText(int id, const char* text);
/* 1 when a check box is ticked, 2 when indeterminate, otherwise 0. */
int GETGADGETSTATE(int id);
/* state 1 hides, any other state shows; nonzero when the gadget was visible before. */
int HideGadget(int id, int state);

#ifdef __cplusplus
}

namespace tolvex {
// The C++ program's way to the text results: the conversion's per-line loops call these.
inline std::string ListBoxText(int id, int index) { return TakeText(GetListBoxText(id, index)); }
inline std::string GadgetText(int id, int sizeClass) {
  return TakeText(GetGadgetText(id, sizeClass));
}

// Capacity in bytes, terminator included, of GetGadgetText's size class (its low byte counts).
int GadgetTextCapacity(int sizeClass);
}  // namespace tolvex
#endif

#endif
