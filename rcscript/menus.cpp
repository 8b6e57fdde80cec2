// MENU and MENUEX resources.
#include <cstdint>
#include <string_view>

#include "rcscript/keywords.h"
#include "rcscript/limits.h"
#include "rcscript/resources.h"

namespace tolvex::rc {
namespace {

constexpr std::uint32_t kSeparatorType = 0x0800u;  // MFT_SEPARATOR

class MenuReader {
 public:
  MenuReader(StatementStream& tokens, bool extended, std::string what)
      : tokens_(tokens), extended_(extended), what_(std::move(what)) {}

  // BEGIN|{ items END|}; the stream stands on the block's start.
  void ReadBlock(std::vector<MenuItem>& items, int depth) {
    tokens_.Take();
    for (;;) {
      const Token& next = tokens_.Peek();
      if (IsBlockEnd(next)) {
        tokens_.Take();
        return;
      }
      if (next.kind == TokenKind::kEnd) {
        tokens_.Expected("END", "for " + what_);
        return;
      }
      const Token start = tokens_.Take();
      if (IsKeyword(start, "MENUITEM")) {
        ReadItem(start, items);
      } else if (IsKeyword(start, "POPUP")) {
        ReadPopup(start, items, depth);
      } else {
        tokens_.Fail(start,
                     "expected MENUITEM, POPUP or END in " + what_ + ", got " + Described(start));
        tokens_.SkipStatement(start);
      }
    }
  }

 private:
  bool AtStatementEnd() {
    const Token& next = tokens_.Peek();
    // Line ends separate nothing: the next statement may follow on the same line.
    return next.kind == TokenKind::kEnd || next.lineStart || IsBlockEnd(next) ||
           IsBlockStart(next) || IsMenuStatement(next);
  }

  // MENU:   [, option {[,] option}]
  void ReadOptions(MenuItem& item) {
    std::string options;
    for (;;) {
      const bool comma = IsOperator(tokens_.Peek(), ",") && IsMenuOption(tokens_.Peek(1));
      if (comma) tokens_.Take();
      if (!IsMenuOption(tokens_.Peek())) break;
      if (!options.empty()) options += ' ';
      options += UpperCase(tokens_.Take().text);
    }
    item.options = options;
  }

  // MENUEX: [, [id] [, [type] [, [state] [, helpID]]]]; a pop-up alone has the help id.
  bool ReadExtendedFields(MenuItem& item, bool popup) {
    if (!tokens_.OptionalComma()) return true;
    if (tokens_.FieldWritten()) {
      item.id.emplace();
      if (!tokens_.ReadValue("the menu item's id", false, *item.id)) return false;
    }
    if (!tokens_.OptionalComma()) return true;
    if (tokens_.FieldWritten()) {
      item.type.emplace();
      if (!tokens_.ReadStyle("the menu item's type", 0, *item.type)) return false;
    }
    if (!tokens_.OptionalComma()) return true;
    if (tokens_.FieldWritten()) {
      item.state.emplace();
      if (!tokens_.ReadStyle("the menu item's state", 0, *item.state)) return false;
    }
    if (!popup || !tokens_.OptionalComma()) return true;
    if (tokens_.FieldWritten()) {
      item.helpId.emplace();
      if (!tokens_.ReadValue("the pop-up's help id", false, *item.helpId)) return false;
    }
    return true;
  }

  bool Finish(const Token& start) {
    if (AtStatementEnd()) return true;
    tokens_.Expected("the end of the statement", "in " + what_);
    tokens_.SkipStatement(start);
    return false;
  }

  //  MENUITEM SEPARATOR
  //  MENUITEM text, id [, options]                    (MENU)
  //  MENUITEM text [, [id] [, [type] [, [state]]]]    (MENUEX; type MFT_SEPARATOR: a separator)
  void ReadItem(const Token& start, std::vector<MenuItem>& items) {
    MenuItem item;
    item.place = tokens_.PlaceOf(start);
    if (IsKeyword(tokens_.Peek(), "SEPARATOR")) {
      tokens_.Take();
      item.kind = MenuItem::Kind::kSeparator;
      if (Finish(start)) items.push_back(std::move(item));
      return;
    }
    bool read = tokens_.ReadString("the menu item's text", item.text);
    if (read && extended_) {
      read = ReadExtendedFields(item, false);
      if (read && item.type && item.type->number && (*item.type->number & kSeparatorType)) {
        item.kind = MenuItem::Kind::kSeparator;
      }
    } else if (read) {
      item.id.emplace();
      read = tokens_.Comma("the menu item's id") &&
             tokens_.ReadValue("the menu item's id", false, *item.id);
      if (read) ReadOptions(item);
    }
    if (!read) {
      tokens_.SkipStatement(start);
      return;
    }
    if (Finish(start)) items.push_back(std::move(item));
  }

  //  POPUP text [, options] BEGIN items END                                      (MENU)
  //  POPUP text [, [id] [, [type] [, [state] [, helpID]]]] BEGIN items END       (MENUEX)
  void ReadPopup(const Token& start, std::vector<MenuItem>& items, int depth) {
    MenuItem popup;
    popup.kind = MenuItem::Kind::kPopup;
    popup.place = tokens_.PlaceOf(start);
    bool read = tokens_.ReadString("the pop-up's text", popup.text);
    if (read && extended_) {
      read = ReadExtendedFields(popup, true);
    } else if (read) {
      ReadOptions(popup);
    }
    if (!read) tokens_.SkipStatement(start);
    if (!IsBlockStart(tokens_.Peek())) {
      if (read) tokens_.Expected("BEGIN", "for the pop-up's items");
      return;
    }
    if (depth + 1 >= kMaxMenuDepth) {
      tokens_.Fail(tokens_.Peek(), "pop-ups are nested deeper than " +
                                       std::to_string(kMaxMenuDepth) + "; this one is passed over");
      tokens_.SkipBlock("the pop-up");
      return;
    }
    ReadBlock(popup.items, depth + 1);
    if (read) items.push_back(std::move(popup));
  }

  StatementStream& tokens_;
  bool extended_;
  std::string what_;
};

}  // namespace

//  name MENU|MENUEX [memory options] [LANGUAGE ... | CHARACTERISTICS n | VERSION n]
//  BEGIN|{ items END|}
void ReadMenu(StatementStream& tokens, const Token& start, Value name, const Token& type,
              const TextCoding& texts, Model& model) {
  Menu menu;
  menu.name = std::move(name);
  menu.statement = UpperCase(type.text);
  menu.place = tokens.PlaceOf(start);
  menu.texts = texts;
  const std::string what = "the menu " + menu.name.text;
  tokens.SkipMemoryOptions();
  while (!IsBlockStart(tokens.Peek())) {
    const Token next = tokens.Peek();
    if (IsResourceOption(next)) {
      tokens.Take();
      tokens.SkipStatement(next);
      continue;
    }
    tokens.Expected("BEGIN", "for " + what);
    if (next.kind == TokenKind::kEnd || (next.lineStart && IsResourceType(tokens.Peek(1)))) return;
    tokens.SkipStatement(next);
  }
  MenuReader(tokens, menu.statement == "MENUEX", what).ReadBlock(menu.items, 0);
  model.menus.push_back(std::move(menu));
}

}  // namespace tolvex::rc
