#include "complete/counts.h"

#include "complete/gadget_classes.h"

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

void ResourceCounts::Add(const rc::Dialog& dialog) {
  ++held_.windows;
  held_.controls += static_cast<int>(dialog.controls.size());
  for (const rc::Control& control : dialog.controls) {
    if (KindOfControl(control) != nullptr) ++gadgets_;
  }
  if (dialog.menu) namedMenus_.push_back(*dialog.menu);
}

void ResourceCounts::Add(const rc::Menu& menu) {
  int popupItems = 0, barItems = 0;  // the bar's own: held, but written by no line
  for (const rc::MenuItem& item : menu.items) {
    if (item.kind == rc::MenuItem::Kind::kPopup) popupItems += CountItems(item.items);
    if (item.kind == rc::MenuItem::Kind::kItem) ++barItems;
  }
  held_.menuItems += popupItems + barItems;
  menuNames_.Add(menu.name);
  popupItems_.push_back(popupItems);
}

void ResourceCounts::Add(const rc::Model& model) {
  for (const rc::Dialog& dialog : model.dialogs) Add(dialog);
  for (const rc::Menu& menu : model.menus) Add(menu);
}

void ResourceCounts::TakeFrom(rc::Model& model) {
  Add(model);
  model.dialogs.clear();
  model.menus.clear();
}

WrittenCounts ResourceCounts::Complete() const {
  WrittenCounts counts{held_.windows, gadgets_, 0};
  std::vector<bool> named(popupItems_.size(), false);
  for (const rc::Value& name : namedMenus_) {
    const size_t menu = menuNames_.Find(name);
    if (menu == MenuNames::kNone) continue;
    named[menu] = true;
    counts.menuItems += popupItems_[menu];
  }
  for (size_t menu = 0; menu < popupItems_.size(); ++menu) {
    if (named[menu]) continue;
    ++counts.windows;
    counts.menuItems += popupItems_[menu];
  }
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
