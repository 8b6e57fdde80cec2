// What a generated program builds, as the program reader finds it in the program's lines: the
// windows with their fonts, gadgets and menu bars, and the ids the event loop answers. Every part
// carries the number of the line that made it (counted from 1).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "generator/gadget_kinds.h"

namespace tolvex::program {

// A string literal: its mark ("!" for one that reads backslash escapes, else empty), the text
// between its quotes as written, and the text it stands for.
struct Text {
  std::string mark, written, value;
};

// An id as the program writes it (a number or a name), and its value: the number itself, or the
// value the program's #defines give the name; none when they give it none.
struct Id {
  std::string written;
  std::optional<std::int64_t> value;
};

// "IDC_OK = 2001", "2001" when the id is written as its number, "IDC_LATER (no value)".
std::string IdText(const Id& id);

struct Define {
  int line = 0;
  std::string name, value;  // the value as written, blanks around it dropped
};

struct Font {
  int line = 0;
  Text face;
  std::int64_t size = 0;  // in points; 0 when the line leaves it empty
};

struct Geometry {
  std::int64_t x = 0, y = 0, width = 0, height = 0;
};

struct ListViewColumn {
  int line = 0;
  Text title;
  std::int64_t width = 0;
};

// A gadget line and the further lines that belong to it. What a kind does not take stays empty.
struct Gadget {
  int line = 0;
  const GadgetKindLines* kind = nullptr;  // the generator's kind, by the function the line calls
  std::string function;                   // as written
  Id id;
  Geometry geometry;
  int font = -1;  // index in ProgramPlan::fonts of the gadget font in force; -1 for none
  std::optional<Text> text;
  std::optional<std::int64_t> minimum, maximum;  // a bar's range
  std::string orientation;  // a bar's orientation keyword (a track bar's "2" reads TRB_VERT)
  bool vertical = false;
  std::string style;  // a list box's extended style as written, and its value
  std::int64_t styleValue = 0;
  std::optional<Text> image;      // the file an image gadget loads
  std::optional<Text> ipAddress;  // from SetIpAddress
  std::vector<ListViewColumn> columns;
  std::string variable;  // the variable a Var line puts the gadget in ("LSV2"), else empty
};

// One line of a menu bar: a title in the bar, a sub-menu of a pop-up, or an item of a pop-up.
// Titles and sub-menus are pop-ups; parent is the index of the pop-up an entry belongs to, -1 for
// the bar. A parent always stands before its entries.
struct MenuEntry {
  enum class Kind { kTitle, kSubMenu, kItem };
  int line = 0;
  Kind kind = Kind::kItem;
  int parent = -1;
  Text text;
  Id id;                 // items only
  std::string variable;  // pop-ups: the variable the line puts the pop-up in
};

struct MenuBar {
  int line = 0;  // the line that created it
  std::string variable;
  std::vector<MenuEntry> entries;
};

struct Window {
  int line = 0;
  std::string variable;
  Text caption;
  Geometry geometry;  // width and height: the client area
  int font = -1;      // index in ProgramPlan::fonts of the font its gadgets get; -1 for none
  std::vector<Gadget> gadgets;
  std::optional<MenuBar> menu;
};

// An id the event loop answers: a Case of the gadget branch or of the menu branch.
struct CaseId {
  enum class Branch { kGadget, kMenu };
  int line = 0;
  Branch branch = Branch::kGadget;
  Id id;
};

struct UnknownLine {
  int line = 0;
  std::string text, reason;
};

struct ProgramPlan {
  std::vector<Define> defines;
  std::vector<Font> fonts;
  std::vector<Window> windows;
  std::vector<CaseId> cases;
  std::vector<UnknownLine> unknown;

  int GadgetCount() const;
  int MenuItemCount() const;
};

}  // namespace tolvex::program
