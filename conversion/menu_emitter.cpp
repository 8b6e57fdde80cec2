#include "conversion/designed_conversion.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "conversion/script_text.h"
#include "generator/line_shapes.h"

namespace tolvex {
namespace {

// "MENU IDR_MENU..." is a dialog naming its menu, not the menu itself.
bool IsMenuHeader(const std::string& line) {
  return Contains(line, "IDR_MENU") && !Contains(line, "MENU IDR_MENU");
}

// Where a title's text starts: after its "&", or after its opening quote when it has no "&".
size_t TitleStart(const std::string& line) {
  const int amp = InStr(line, "&");
  return static_cast<size_t>(amp != 0 ? amp : InStr(line, "\""));
}

// POPUP "&File" gives "File" in quotes: everything after the "&" to the end of the line.
std::string PopupTitle(const std::string& line) { return "\"" + line.substr(TitleStart(line)); }

// MENUITEM "&Open",IDM_OPEN gives Open and its closing quote: from after the "&" to the comma.
// An item line without a quoted title (MENUITEM SEPARATOR) is no item.
std::optional<std::string> ItemText(const std::string& line) {
  if (!Contains(line, "\"")) return std::nullopt;
  const size_t start = TitleStart(line);
  const size_t comma = line.find(',', start);
  return line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
}

// The first index in lines at or after from, or end when there is none.
int FirstAtOrAfter(const std::vector<int>& lines, int from, int end) {
  const auto it = std::lower_bound(lines.begin(), lines.end(), from);
  return it == lines.end() ? end : *it;
}

}  // namespace

void DesignedConversion::IndexMenuLines() {
  menuLines_ = {};
  const int lineCount = SourceLineCount();
  for (int i = 0; i < lineCount; ++i) {
    const std::string line = SourceLine(i);
    if (IsMenuHeader(line)) menuLines_.headers.push_back(i);
    if (Contains(line, "POPUP")) menuLines_.popups.push_back(i);
    if (Contains(line, "DIALOGEX")) menuLines_.dialogs.push_back(i);
  }
}

void DesignedConversion::MENU1() {
  if (INBMENU <= 0) return;
  const int d = INODIALOG;
  EmitLine("");
  POPUP = 0;

  const int lineCount = SourceLineCount();
  const int header = FirstAtOrAfter(menuLines_.headers, ITM, lineCount);
  if (header >= lineCount) return;
  EmitLines(shapes::MenuBarLines(d));

  // Every pop-up from the menu's header up to the next dialog's header declares its handle.
  const int nextDialog = FirstAtOrAfter(menuLines_.dialogs, header, lineCount);
  auto popup = std::lower_bound(menuLines_.popups.begin(), menuLines_.popups.end(), header);
  for (; popup != menuLines_.popups.end() && *popup < nextDialog; ++popup) {
    SLINE = SourceLine(*popup);
    ++POPUP;
    EmitLine(shapes::PopupHandleLine(d * 10 + POPUP));
  }

  for (ITM3 = header; ITM3 < lineCount; ++ITM3) {
    const std::string line = SourceLine(ITM3);
    if (IsEndLine(line)) break;
    if (IsMenuHeader(line)) {
      SLINE = line;
      READMENU();
    }
  }
}

void DesignedConversion::READMENU() {
  const int d = INODIALOG;
  MEN = d * 10;
  POPUP = d * 10;
  bool subMenuPending = false;
  const int lineCount = SourceLineCount();

  ITM3 += 2;
  while (true) {
    SLINE = SourceLine(ITM3);
    if (Contains(SLINE, "POPUP")) {
      ++POPUP;
      EmitLine("");
      const std::string title = PopupTitle(SLINE);
      if (!subMenuPending) {
        EmitLine(shapes::MenuTitleLine(POPUP, d, title));
      }
      // A pop-up whose first entry is itself a pop-up opens that one as its sub-menu.
      if (Contains(SourceLine(ITM3 + 2), "POPUP")) {
        ITM3 += 2;
        subMenuPending = true;
        MEMPOPUP = POPUP;
        continue;
      }
      if (subMenuPending) {
        EmitLine(shapes::SubMenuLine(POPUP, POPUP - 1, title));
        READMENUITEM();
        // The parent's items after the sub-menu's END go back into the parent.
        if (Contains(SourceLine(ITM3 + 1), "MENUITEM")) {
          POPUP = MEMPOPUP;
          ++ITM3;
          READMENUITEM();
          subMenuPending = false;
        }
      }
      READMENUITEM();
    }
    ++ITM3;
    // A menu that runs off the end of the listing ends there.
    if (ITM3 >= lineCount || IsEndLine(SourceLine(ITM3))) break;
  }
  EmitLine("");
  EmitLine("");
}

void DesignedConversion::READMENUITEM() {
  const int lineCount = SourceLineCount();
  for (; ITM3 < lineCount; ++ITM3) {
    SLINE = SourceLine(ITM3);
    if (IsEndLine(SLINE)) return;
    if (!Contains(SLINE, "MENUITEM")) continue;
    if (const auto text = ItemText(SLINE)) {
      ++MEN;
      EmitLine(shapes::MenuItemLine(std::to_string(MEN), POPUP, "\"" + *text));
      ++program_.written.menuItems;
    }
  }
}

void DesignedConversion::DOMENU1() { EmitLines(shapes::MenuBranchHeadLines()); }

void DesignedConversion::DOMENU2() {
  for (int i = 1; i <= INBEVENTMAX; ++i) {
    const std::string_view identifier = SIDNAME.get(0, i, 0);
    if (!Contains(identifier, "IDM_")) continue;
    EmitLines(shapes::MenuCaseLines(identifier, SIDNAME.get(0, i, 1)));
  }
  EmitLines(shapes::MenuBranchTailLines());
}

}  // namespace tolvex
