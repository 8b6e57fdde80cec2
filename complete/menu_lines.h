// A dialog's menu in the complete program: every pop-up at every depth and every item, in order,
// each item with the id the menu sends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "complete/program_names.h"
#include "complete/program_texts.h"
#include "generator/line_shapes.h"
#include "rcscript/model.h"
#include "rcscript/name_index.h"

namespace tolvex::complete {

// The id of every item of the program's menus, resolved once for the whole program. A large
// script has tens of thousands of items: the ids stand side by side in the order resolved, and an
// item is found by its address in an open-addressed index rather than in a node of its own.
class MenuItemIds {
 public:
  // The item's id; null until one is added.
  const ProgramId* Find(const rc::MenuItem& item) const;
  // The item's id, which must have been added.
  const ProgramId& At(const rc::MenuItem& item) const;
  // Adds the item's id, unless it has one.
  void Add(const rc::MenuItem& item, const ProgramId& id);
  // Every id, in the order added; none is added once the ids are read.
  std::vector<ProgramId>& ids() { return ids_; }
  const std::vector<ProgramId>& ids() const { return ids_; }

 private:
  // An item's key is its address, as bytes.
  static std::string_view KeyOf(const rc::MenuItem* const& item) {
    return {reinterpret_cast<const char*>(&item), sizeof item};
  }
  std::vector<const rc::MenuItem*> items_;
  std::vector<ProgramId> ids_;
  rc::NameIndex index_;  // into items_ and ids_
};

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
