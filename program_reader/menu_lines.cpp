// The lines that build a window's menu bar: the bar, its titles, sub-menus and items.
#include "program_reader/reader.h"

namespace tolvex::program {

// Create_Menu (): the menu bar of the window whose gadgets are being made.
Reason Reader::CreateMenu(const std::string& target, const Arguments& a) {
  if (!a.empty()) return "Create_Menu takes nothing";
  if (gadgetWindow_ < 0) return "a menu bar without an open window";
  // A second bar replaces the first, and what held its bar or pop-ups holds nothing.
  for (auto it = variables_.begin(); it != variables_.end();) {
    const bool old =
        it->second.window == gadgetWindow_ && it->second.kind != Binding::Kind::kWindow;
    it = old ? variables_.erase(it) : std::next(it);
  }
  plan_.windows[gadgetWindow_].menu = MenuBar{line_, target, {}};
  variables_[Upper(target)] = {Binding::Kind::kBar, gadgetWindow_, 0};
  return {};
}

// MenuTitle (bar, "title")
Reason Reader::MenuTitle(const std::string& target, const Arguments& a) {
  if (a.size() != 2 || !IsName(a[0]) || !IsText(a[1]))
    return "MenuTitle takes a menu bar and a literal";
  const Binding* bar = Bound(a[0].name, Binding::Kind::kBar);
  if (bar == nullptr) return a[0].name + " holds no menu bar";
  return AddPopup(target, bar->window, -1, MenuEntry::Kind::kTitle, a[1].text);
}

// OpenSubMenu (popup, "title")
Reason Reader::OpenSubMenu(const std::string& target, const Arguments& a) {
  if (a.size() != 2 || !IsName(a[0]) || !IsText(a[1]))
    return "OpenSubMenu takes a pop-up and a literal";
  const Binding* popup = Bound(a[0].name, Binding::Kind::kPopup);
  if (popup == nullptr) return a[0].name + " holds no pop-up";
  return AddPopup(target, popup->window, popup->entry, MenuEntry::Kind::kSubMenu, a[1].text);
}

Reason Reader::AddPopup(const std::string& target, int window, int parent, MenuEntry::Kind kind,
                        const Text& text) {
  std::vector<MenuEntry>& entries = plan_.windows[window].menu->entries;
  entries.push_back({line_, kind, parent, text, {}, target});
  variables_[Upper(target)] = {Binding::Kind::kPopup, window, static_cast<int>(entries.size()) - 1};
  return {};
}

// MenuItem (id, popup, "text")
Reason Reader::MenuItem(const std::string&, const Arguments& a) {
  if (a.size() != 3 || !IsId(a[0]) || !IsName(a[1]) || !IsText(a[2]))
    return "MenuItem takes an id, a pop-up and a literal";
  const Binding* popup = Bound(a[1].name, Binding::Kind::kPopup);
  if (popup == nullptr) return a[1].name + " holds no pop-up";
  plan_.windows[popup->window].menu->entries.push_back(
      {line_, MenuEntry::Kind::kItem, popup->entry, a[2].text, IdOf(a[0]), ""});
  return {};
}

}  // namespace tolvex::program
