// The loaded script as the conversion reads it: lines of the source listing by 0-based index.
#pragma once

#include <string>

#include "conversion/main_window_ids.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {

inline int SourceLineCount() { return CountItemListBox(kSourceListing); }
// The empty text at or past the end.
inline std::string SourceLine(int index) { return ListBoxText(kSourceListing, index); }

}  // namespace tolvex
