#include "complete/counts.h"

#include <vector>

#include "generator/gadget_kinds.h"
#include "generator/line_shapes.h"

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

bool StartsWith(std::string_view text, std::string_view start) {
  return text.compare(0, start.size(), start) == 0;
}

// A line's opening as a shape writes it: up to and with the shape's first parenthesis.
std::string Opening(std::string_view line) {
  const size_t parenthesis = line.find('(');
  return std::string(line.substr(0, parenthesis == std::string_view::npos ? 0 : parenthesis + 1));
}

// The openings of the lines that count: a window, each kind's gadget line, a menu item.
struct Openings {
  std::string window, menuItem;
  std::vector<std::string> gadgets;
};

const Openings& LineOpenings() {
  static const Openings openings = [] {
    Openings o;
    // The window line of window 0, up to its number: every window line begins so.
    const std::string window = shapes::WindowLines({}).at(1);
    o.window = window.substr(0, window.find('0'));
    o.menuItem = Opening(shapes::MenuItemLine("", 0, ""));
    for (const GadgetKindLines& kind : GadgetKinds()) {
      o.gadgets.push_back(Opening(shapes::GadgetLines(kind, {}).front()));
    }
    return o;
  }();
  return openings;
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

WrittenCounts ProgramCounts(std::string_view program) {
  const Openings& openings = LineOpenings();
  WrittenCounts counts;
  while (!program.empty()) {
    const size_t end = program.find('\n');
    const std::string_view line = program.substr(0, end);
    program = end == std::string_view::npos ? std::string_view() : program.substr(end + 1);
    if (StartsWith(line, openings.window)) ++counts.windows;
    if (StartsWith(line, openings.menuItem)) ++counts.menuItems;
    for (const std::string& gadget : openings.gadgets) {
      if (StartsWith(line, gadget)) ++counts.controls;
    }
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
