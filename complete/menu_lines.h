// A dialog's menu in the complete program: every pop-up at every depth and every item, in order,
// each item with the id the menu sends.
#pragma once

#include <string>
#include <unordered_map>

#include "complete/program_names.h"
#include "complete/program_texts.h"
#include "generator/line_shapes.h"
#include "rcscript/model.h"

namespace tolvex::complete {

// The id of every item of a menu, resolved once for the whole program.
using MenuItemIds = std::unordered_map<const rc::MenuItem*, ProgramId>;

// Resolves the ids of the menu's items in order. Items standing in the menu bar itself are left
// out and get a warning, once.
void ResolveMenuIds(const rc::Menu& menu, ProgramNames& names, MenuItemIds& ids,
                    rc::DiagnosticList& warnings);

// The lines that build the menu for window `dialog`; pop-up handles are numbered from
// `nextPopup`, which is left after the last one given. `items` counts the items written.
struct MenuWriting {
  int dialog = 0;
  int& nextPopup;
  const MenuItemIds& ids;
  ProgramTexts& texts;
  rc::DiagnosticList& warnings;
  int& items;
};
shapes::Lines MenuLines(const rc::Menu& menu, const MenuWriting& writing);

}  // namespace tolvex::complete
