#include "complete/counts.h"

#include <vector>

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

}  // namespace

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
