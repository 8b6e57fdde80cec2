#include "complete/counts.h"

#include <set>
#include <vector>

#include "complete/gadget_classes.h"
#include "rcscript/ascii.h"

namespace tolvex::complete {
namespace {

int CountItems(const std::vector<rc::MenuItem>& items) {
  int count = 0;
  for (const rc::MenuItem& item : items) {
    if (item.kind == rc::MenuItem::Kind::kItem) ++count;
    if (item.kind == rc::MenuItem::Kind::kPopup) count += CountItems(item.items);
  }
  return count;
}

// The items a written menu's lines hold: those of its pop-ups; the bar's own items get none.
int PopupItems(const rc::Menu& menu) {
  int count = 0;
  for (const rc::MenuItem& item : menu.items) {
    if (item.kind == rc::MenuItem::Kind::kPopup) count += CountItems(item.items);
  }
  return count;
}

bool SameName(const rc::Value& a, const rc::Value& b) {
  if (a.number && b.number) return *a.number == *b.number;
  return rc::UpperCase(a.text) == rc::UpperCase(b.text);
}

}  // namespace

const rc::Menu* NamedMenu(const rc::Model& model, const rc::Dialog& dialog) {
  if (!dialog.menu) return nullptr;
  for (const rc::Menu& menu : model.menus) {
    if (SameName(menu.name, *dialog.menu)) return &menu;
  }
  return nullptr;
}

WrittenCounts CompleteCounts(const rc::Model& model) {
  WrittenCounts counts;
  std::set<const rc::Menu*> named;
  for (const rc::Dialog& dialog : model.dialogs) {
    ++counts.windows;
    if (const rc::Menu* menu = NamedMenu(model, dialog)) {
      named.insert(menu);
      counts.menuItems += PopupItems(*menu);
    }
    for (const rc::Control& control : dialog.controls) {
      if (KindOfControl(control) != nullptr) ++counts.controls;
    }
  }
  for (const rc::Menu& menu : model.menus) {
    if (named.count(&menu) != 0) continue;
    ++counts.windows;
    counts.menuItems += PopupItems(menu);
  }
  return counts;
}

WrittenCounts ModelCounts(const rc::Model& model) {
  WrittenCounts counts;
  counts.windows = static_cast<int>(model.dialogs.size());
  for (const rc::Dialog& dialog : model.dialogs) {
    counts.controls += static_cast<int>(dialog.controls.size());
  }
  for (const rc::Menu& menu : model.menus) counts.menuItems += CountItems(menu.items);
  return counts;
}

std::optional<std::string> LeftOutHint(const WrittenCounts& designed, const WrittenCounts& held,
                                       const WrittenCounts& complete) {
  if (designed.windows >= held.windows && designed.controls >= held.controls &&
      designed.menuItems >= held.menuItems) {
    return std::nullopt;
  }
  const auto of = [](int wrote, int total) {
    return std::to_string(wrote) + " of " + std::to_string(total);
  };
  return "wrote " + of(designed.windows, held.windows) + " windows, " +
         of(designed.controls, held.controls) + " controls, " +
         of(designed.menuItems, held.menuItems) + " menu items; --complete writes " +
         std::to_string(complete.windows) + ", " + std::to_string(complete.controls) + " and " +
         std::to_string(complete.menuItems);
}

}  // namespace tolvex::complete
