#include "complete/menu_lines.h"

#include <algorithm>
#include <vector>

#include "complete/basic_text.h"

namespace tolvex::complete {
namespace {

using Kind = rc::MenuItem::Kind;

void ResolveItems(const std::vector<rc::MenuItem>& items, ProgramNames& names, MenuItemIds& ids) {
  for (const rc::MenuItem& item : items) {
    if (item.kind == Kind::kPopup) ResolveItems(item.items, names, ids);
    if (item.kind != Kind::kItem || ids.count(&item) != 0) continue;
    // A MENUEX item may leave its id out: the menu then sends 0.
    static const rc::Value kNoId{"0", 0};
    ids[&item] = names.Resolve(item.id ? *item.id : kNoId, item.place);
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
            shapes::MenuItemLine(writing.ids.at(&item).Written(), handle, Literal(item)));
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

void ResolveMenuIds(const rc::Menu& menu, ProgramNames& names, MenuItemIds& ids,
                    rc::DiagnosticList& warnings) {
  for (const rc::MenuItem& item : menu.items) {
    if (item.kind == Kind::kPopup) {
      ResolveItems(item.items, names, ids);
    } else if (item.kind == Kind::kItem && ids.count(&item) == 0) {
      // Marked as met, so that a menu two dialogs use is warned about once.
      ids[&item] = {};
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
