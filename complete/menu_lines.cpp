#include "complete/menu_lines.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "complete/basic_text.h"

namespace tolvex::complete {
namespace {

using Kind = rc::MenuItem::Kind;

void ResolveItems(const std::vector<rc::MenuItem>& items, ProgramNames& names, MenuItemIds& ids) {
  for (const rc::MenuItem& item : items) {
    if (item.kind == Kind::kPopup) ResolveItems(item.items, names, ids);
    if (item.kind != Kind::kItem || ids.Find(item) != nullptr) continue;
    // A MENUEX item may leave its id out: the menu then sends 0.
    static const rc::Value kNoId{"0", 0};
    ids.Add(item, names.Resolve(item.id ? *item.id : kNoId, item.place));
  }
}

// Every pop-up's handle number, in the order the pop-ups stand, at every depth.
void NumberPopups(const std::vector<rc::MenuItem>& items, int& next,
                  std::map<const rc::MenuItem*, int>& handles) {
  for (const rc::MenuItem& item : items) {
    if (item.kind != Kind::kPopup) continue;
    handles[&item] = next++;
    NumberPopups(item.items, next, handles);
  }
}

struct MenuWriter {
  const rc::Menu& menu;
  const MenuWriting& writing;
  const std::map<const rc::MenuItem*, int>& handles;
  shapes::Lines& lines;

  std::string Literal(const rc::MenuItem& item) {
    return BasicLiteral(writing.texts.Of(item.text, menu.texts, item.place, writing.warnings));
  }

  void Popup(const rc::MenuItem& popup) {
    const int handle = handles.at(&popup);
    for (const rc::MenuItem& item : popup.items) {
      if (item.kind == Kind::kItem) {
        lines.push_back(
            shapes::MenuItemLine(writing.ids.At(item).Written(), handle, Literal(item)));
        ++writing.items;
      } else if (item.kind == Kind::kPopup) {
        lines.push_back("");
        lines.push_back(shapes::SubMenuLine(handles.at(&item), handle, Literal(item)));
        Popup(item);
      }
    }
  }
};

}  // namespace

const ProgramId* MenuItemIds::Find(const rc::MenuItem& item) const {
  const rc::MenuItem* const address = &item;
  const std::uint32_t entry =
      index_.Find(KeyOf(address), [this](std::uint32_t e) { return KeyOf(items_[e]); });
  return entry == rc::NameIndex::kNone ? nullptr : &ids_[entry];
}

const ProgramId& MenuItemIds::At(const rc::MenuItem& item) const {
  if (const ProgramId* id = Find(item)) return *id;
  throw std::out_of_range("a menu item written before its id was resolved");
}

void MenuItemIds::Add(const rc::MenuItem& item, const ProgramId& id) {
  // The last two numbers mark a slot of the index free or erased.
  if (items_.size() >= rc::NameIndex::kNone - 1) throw std::length_error("too many menu items");
  const rc::MenuItem* const address = &item;
  const auto entry = static_cast<std::uint32_t>(items_.size());
  if (index_.Insert(KeyOf(address), entry, [this](std::uint32_t e) { return KeyOf(items_[e]); }) ==
      rc::NameIndex::kNone) {
    items_.push_back(address);
    ids_.push_back(id);
  }
}

void ResolveMenuIds(const rc::Menu& menu, ProgramNames& names, MenuItemIds& ids,
                    rc::DiagnosticList& warnings) {
  for (const rc::MenuItem& item : menu.items) {
    if (item.kind == Kind::kPopup) {
      ResolveItems(item.items, names, ids);
    } else if (item.kind == Kind::kItem && ids.Find(item) == nullptr) {
      // Marked as met, so that a menu two dialogs use is warned about once.
      ids.Add(item, {});
      warnings.Warning(item.place.file(), item.place.line, 0,
                       "menu item " + rc::Quoted(item.text) + " stands in the menu bar of " +
                           menu.name.text + ": no line is written for it");
    }
  }
}

shapes::Lines MenuLines(const rc::Menu& menu, const MenuWriting& writing) {
  std::map<const rc::MenuItem*, int> handles;
  NumberPopups(menu.items, writing.nextPopup, handles);

  shapes::Lines lines{""};
  for (const std::string& line : shapes::MenuBarLines(writing.dialog)) lines.push_back(line);
  // Numbered in the order the pop-ups stand, so ascending numbers declare them in that order.
  std::vector<int> numbers;
  for (const auto& entry : handles) numbers.push_back(entry.second);
  std::sort(numbers.begin(), numbers.end());
  for (const int handle : numbers) lines.push_back(shapes::PopupHandleLine(handle));

  MenuWriter writer{menu, writing, handles, lines};
  for (const rc::MenuItem& item : menu.items) {
    if (item.kind != Kind::kPopup) continue;
    lines.push_back("");
    lines.push_back(shapes::MenuTitleLine(handles.at(&item), writing.dialog, writer.Literal(item)));
    writer.Popup(item);
  }
  lines.push_back("");
  lines.push_back("");
  return lines;
}

}  // namespace tolvex::complete
