// The gadget toolkit over the Windows API, for the program's C++ code: the exported operations
// (toolkit_exports.h), the event codes, and std::string forms of the text results.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/files.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/win32/toolkit_exports.h"

namespace tolvex::win32 {
// Event codes besides message numbers: a control reported something, a menu item was chosen.
constexpr int kGadgetEvent = 1025;
constexpr int kMenuEvent = 1026;
// An up-down control belonging to gadget id n is registered under n + 50000.
constexpr int kUpDownIdOffset = 50000;

// The text results of the toolkit's own operations, as the program's C++ code reads them.
inline std::string ToolTipText(int id) { return TakeText(GET_GTOOL(id)); }
inline std::string RequestFile(const char* title, const char* initialDir, const char* filter,
                               int flags) {
  return TakeText(OPENFILEREQUESTER(title, initialDir, filter, flags));
}
inline std::string NextSelectedFile() { return TakeText(NEXTSELECTEDFILENAME()); }

// Brushes and fonts the toolkit has created and not yet deleted.
int LiveGdiObjects();
}  // namespace tolvex::win32
