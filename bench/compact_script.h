// Scripts in the compact layout of assembler-oriented editors, of any size, for the benchmarks:
// every #define first, then groups of a dialog whose controls cover every kind, each followed by
// its own menu.
#pragma once

#include <string>

namespace tolvex::bench {

struct ScriptShape {
  int groups = 1;              // dialogs, each with its menu
  int controlsPerDialog = 12;  // cycling through the gadget kinds
  bool menus = true;           // a menu after each dialog, and the IDM_ defines its items use
};

// The script's bytes, CR LF line ends.
std::string CompactScript(const ScriptShape& shape);
// Groups enough for a script of about the given size.
int GroupsForBytes(const ScriptShape& shape, size_t bytes);

// A script that a resource compiler turns into a .res as it stands: units of two dialogs of ten
// controls each and a menu, every id a define of the script below 65,536 and every style a
// number, so that no header is needed. 2,482 units make about 6.1 MB.
std::string UnitScript(int units);

}  // namespace tolvex::bench
