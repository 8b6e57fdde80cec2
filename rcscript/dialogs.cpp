// DIALOG and DIALOGEX resources and their controls.
#include <cstdint>
#include <iterator>
#include <string_view>

#include "rcscript/keywords.h"
#include "rcscript/resources.h"
#include "rcscript/standard_constants.h"

namespace tolvex::rc {
namespace {

constexpr std::uint32_t kChildVisible = 0x40000000u | 0x10000000u;  // WS_CHILD | WS_VISIBLE
constexpr std::uint32_t kDefaultDialogStyle = 0x80880000u;  // WS_POPUP | WS_BORDER | WS_SYSMENU
constexpr std::uint32_t kCaptionStyle = 0x00C00000u;        // WS_CAPTION
constexpr std::uint32_t kSetFont = 0x40u;                   // DS_SETFONT
constexpr std::uint32_t kGroup = 0x00020000u, kTabStop = 0x00010000u, kBorder = 0x00800000u;

enum class Layout {
  kTextFirst,  // KEYWORD text, id, x, y, width, height [, style [, exstyle [, helpID]]]
  kNoText,     // KEYWORD id, x, y, width, height [, style [, exstyle [, helpID]]]
  kIcon,       // ICON text, id, x, y [, width, height [, style [, exstyle [, helpID]]]]
};

// The statement of a control whose class is written.
constexpr const char* kControlKeyword = "CONTROL";

// A standard control statement: its class, the bits it implies, the layout of its fields.
struct ControlStatement {
  std::string_view keyword;  // in upper case; its bytes end with a NUL
  const char* className;
  std::uint32_t implied;
  Layout layout;
};

constexpr ControlStatement kControlStatements[] = {
#define CONTROL_STATEMENT(word, className, implied, layout) \
  {word, className, implied, Layout::layout},
#include "rcscript/keywords.def"
};

// The class keywords a CONTROL statement may name without quotes.
constexpr struct {
  std::string_view keyword;
  const char* className;
} kClassKeywords[] = {
#define CONTROL_CLASS(word, className) {word, className},
#include "rcscript/keywords.def"
};

const ControlStatement* FindControlStatement(const Token& token) {
  for (const ControlStatement& s : kControlStatements) {
    if (IsKeyword(token, s.keyword)) return &s;
  }
  return nullptr;
}

// text: a string, or a number or name (an image's resource id).
bool ReadControlText(StatementStream& tokens, ControlText& text) {
  if (tokens.Peek().kind == TokenKind::kString) {
    text.kind = ControlText::Kind::kString;
    text.value.text = tokens.Take().text;
    return true;
  }
  text.kind = ControlText::Kind::kReference;
  return tokens.ReadValue("the control's text", false, text.value);
}

// class: a string, a class keyword, or a number or name as written.
bool ReadControlClass(StatementStream& tokens, CompactText& className) {
  const Token& next = tokens.Peek();
  if (next.kind == TokenKind::kString) {
    className = tokens.Take().text;
    return true;
  }
  for (const auto& k : kClassKeywords) {
    if (IsKeyword(next, k.keyword)) {
      tokens.Take();
      className = k.className;
      return true;
    }
  }
  Value written;
  if (!tokens.ReadValue("the control's class", false, written)) return false;
  className = written.text;
  return true;
}

bool ReadGeometryValues(StatementStream& tokens, Value& x, Value& y, Value& width, Value& height,
                        bool sizeOptional) {
  if (!tokens.ReadValue("the control's x", true, x) || !tokens.Comma("the control's y") ||
      !tokens.ReadValue("the control's y", true, y)) {
    return false;
  }
  width = height = Value{"", 0};
  if (sizeOptional && !IsOperator(tokens.Peek(), ",")) return true;
  if (!tokens.Comma("the control's width")) return false;
  if (sizeOptional && !tokens.FieldWritten()) return true;
  return tokens.ReadValue("the control's width", true, width) &&
         tokens.Comma("the control's height") &&
         tokens.ReadValue("the control's height", true, height);
}

bool ReadGeometry(StatementStream& tokens, Control& c, bool sizeOptional) {
  Value x, y, width, height;
  const bool read = ReadGeometryValues(tokens, x, y, width, height, sizeOptional);
  c.rect.Set(x, y, width, height);
  return read;
}

// The optional trailing fields, each of which may be left empty: [, style] [, exstyle] [, helpID]
// (CONTROL has its style earlier, so it starts at exstyle).
bool ReadTrailingFields(StatementStream& tokens, Control& c, std::uint32_t implied,
                        bool withStyle) {
  if (withStyle && tokens.OptionalComma() && tokens.FieldWritten() &&
      !tokens.ReadStyle("the control's style", implied, c.style)) {
    return false;
  }
  if (tokens.OptionalComma() && tokens.FieldWritten() &&
      !tokens.ReadStyle("the control's extended style", 0, c.exStyle)) {
    return false;
  }
  if (tokens.OptionalComma() && tokens.FieldWritten()) {
    c.helpId.emplace();
    if (!tokens.ReadValue("the control's help id", false, *c.helpId)) return false;
  }
  return true;
}

//  CONTROL text, id, class, style, x, y, width, height [, exstyle [, helpID]]
bool ReadControlStatement(StatementStream& tokens, Control& c) {
  if (!ReadControlText(tokens, c.text) || !tokens.Comma("the control's id") ||
      !tokens.ReadValue("the control's id", false, c.id) || !tokens.Comma("the control's class") ||
      !ReadControlClass(tokens, c.className) || !tokens.Comma("the control's style")) {
    return false;
  }
  c.style.number = kChildVisible;
  if (tokens.FieldWritten() && !tokens.ReadStyle("the control's style", kChildVisible, c.style)) {
    return false;
  }
  return tokens.Comma("the control's x") && ReadGeometry(tokens, c, false) &&
         ReadTrailingFields(tokens, c, 0, false);
}

bool ReadStandardControl(StatementStream& tokens, const ControlStatement& s, Control& c) {
  c.className = s.className;
  const std::uint32_t implied = kChildVisible | s.implied;
  c.style.number = implied;
  if (s.layout != Layout::kNoText) {
    if (!ReadControlText(tokens, c.text) || !tokens.Comma("the control's id")) return false;
  }
  return tokens.ReadValue("the control's id", false, c.id) && tokens.Comma("the control's x") &&
         ReadGeometry(tokens, c, s.layout == Layout::kIcon) &&
         ReadTrailingFields(tokens, c, implied, true);
}

// A control statement, added to the dialog; after an error, passed over.
void ReadControl(StatementStream& tokens, Dialog& dialog) {
  const Token start = tokens.Take();
  Control c;
  const ControlStatement* standard = FindControlStatement(start);
  c.statement = standard ? standard->keyword.data() : kControlKeyword;
  c.place = tokens.PlaceOf(start);
  c.exStyle.number = 0;
  const bool read =
      standard ? ReadStandardControl(tokens, *standard, c) : ReadControlStatement(tokens, c);
  if (!read) {
    tokens.SkipStatement(start);
    return;
  }
  // Line ends separate nothing: the next statement may follow on the same line.
  const Token& next = tokens.Peek();
  if (!next.lineStart && !IsBlockEnd(next) && next.kind != TokenKind::kEnd &&
      !IsControlStatement(next)) {
    tokens.Expected("the end of the statement", "after the control's fields");
    tokens.SkipStatement(start);
    return;
  }
  dialog.controls.push_back(std::move(c));
}

//  FONT size, face [, weight [, italic [, charset]]]
bool ReadFont(StatementStream& tokens, Font& font) {
  if (!tokens.ReadValue("the font's size", true, font.size) || !tokens.Comma("the font's face") ||
      !tokens.ReadString("the font's face", font.face)) {
    return false;
  }
  std::optional<Value>* const fields[] = {&font.weight, &font.italic, &font.charset};
  const char* const names[] = {"the font's weight", "the font's italic flag",
                               "the font's character set"};
  for (size_t i = 0; i < 3 && tokens.OptionalComma(); ++i) {
    if (!tokens.FieldWritten()) continue;
    fields[i]->emplace();
    if (!tokens.ReadValue(names[i], true, **fields[i])) return false;
  }
  return true;
}

// One of the statements between a dialog's header and its BEGIN:
//   CAPTION "text" | FONT ... | STYLE style | EXSTYLE style | MENU name | CLASS name
//   | LANGUAGE lang, sublang | CHARACTERISTICS n | VERSION n
bool ReadDialogOption(StatementStream& tokens, const Token& keyword, Dialog& d, bool& styled) {
  if (IsKeyword(keyword, "CAPTION")) {
    d.caption.emplace();
    return tokens.ReadString("the dialog's caption", *d.caption);
  }
  if (IsKeyword(keyword, "FONT")) {
    d.font.emplace();
    return ReadFont(tokens, *d.font);
  }
  if (IsKeyword(keyword, "STYLE")) {
    styled = true;
    return tokens.ReadStyle("the dialog's style", 0, d.style);
  }
  if (IsKeyword(keyword, "EXSTYLE"))
    return tokens.ReadStyle("the dialog's extended style", 0, d.exStyle);
  if (IsKeyword(keyword, "MENU")) {
    d.menu.emplace();
    return tokens.ReadName("the dialog's menu", *d.menu);
  }
  if (IsKeyword(keyword, "CLASS")) {
    d.className.emplace();
    return tokens.ReadName("the dialog's class", *d.className);
  }
  Value ignored;
  if (IsKeyword(keyword, "LANGUAGE")) {
    return tokens.ReadValue("the language", false, ignored) && tokens.Comma("the sublanguage") &&
           tokens.ReadValue("the sublanguage", false, ignored);
  }
  return tokens.ReadValue("the " + UpperCase(keyword.text) + " statement", false, ignored);
}

}  // namespace

bool IsControlStatement(const Token& token) {
  return IsKeyword(token, kControlKeyword) || FindControlStatement(token) != nullptr;
}

//  name DIALOG|DIALOGEX [memory options] x, y, width, height [, helpID]
//  [options] BEGIN|{ controls END|}
void ReadDialog(StatementStream& tokens, const Token& start, Value name, const Token& type,
                const TextCoding& texts, Model& model, std::vector<Control>& room) {
  Dialog d;
  d.name = std::move(name);
  d.statement = UpperCase(type.text);
  d.place = tokens.PlaceOf(start);
  d.texts = texts;
  d.exStyle.number = 0;
  const std::string what = "the dialog " + d.name.text;
  tokens.SkipMemoryOptions();
  Value x, y, width, height;
  const bool header =
      tokens.ReadValue("the dialog's x", true, x) && tokens.Comma("the dialog's y") &&
      tokens.ReadValue("the dialog's y", true, y) && tokens.Comma("the dialog's width") &&
      tokens.ReadValue("the dialog's width", true, width) && tokens.Comma("the dialog's height") &&
      tokens.ReadValue("the dialog's height", true, height);
  d.rect.Set(x, y, width, height);
  if (header && tokens.OptionalComma()) {
    d.helpId.emplace();
    if (!tokens.ReadValue("the dialog's help id", false, *d.helpId)) tokens.SkipStatement(start);
  } else if (!header) {
    tokens.SkipStatement(start);
  }
  bool styled = false;
  while (!IsBlockStart(tokens.Peek())) {
    const Token& next = tokens.Peek();
    if (next.kind == TokenKind::kEnd || !IsDialogOption(next)) {
      const Token wrong = next;
      tokens.Expected("BEGIN or a dialog statement (CAPTION, FONT, STYLE ...)", "in " + what);
      // The next resource, when this one lacks its block: the dialog ends here, unread.
      if (wrong.kind == TokenKind::kEnd || (wrong.lineStart && IsResourceType(tokens.Peek(1)))) {
        return;
      }
      tokens.SkipStatement(wrong);
      continue;
    }
    const Token keyword = tokens.Take();
    if (!ReadDialogOption(tokens, keyword, d, styled)) tokens.SkipStatement(keyword);
  }
  // The style the resource compiler stores: STYLE as written, or the default; WS_CAPTION with a
  // CAPTION statement, whether STYLE is written or not; DS_SETFONT with a FONT statement and never
  // without one, since it says that the template holds a font.
  if (!styled) d.style.number = kDefaultDialogStyle;
  if (d.style.number && d.caption) d.style.number = *d.style.number | kCaptionStyle;
  if (d.style.number)
    d.style.number = d.font ? *d.style.number | kSetFont : *d.style.number & ~kSetFont;
  tokens.Take();  // BEGIN
  // The controls are read into the room the dialogs before left, then moved to a list of their
  // exact size: a model holds every dialog of the script at once.
  room.clear();
  d.controls.swap(room);
  for (;;) {
    const Token& next = tokens.Peek();
    if (IsBlockEnd(next)) {
      tokens.Take();
      break;
    }
    if (next.kind == TokenKind::kEnd) {
      tokens.Expected("END", "for " + what);
      break;
    }
    if (IsControlStatement(next)) {
      ReadControl(tokens, d);
      continue;
    }
    const Token start_of_statement = next;
    tokens.Expected("a control statement or END", "in " + what);
    tokens.SkipStatement(start_of_statement);
  }
  d.controls.swap(room);
  d.controls.assign(std::make_move_iterator(room.begin()), std::make_move_iterator(room.end()));
  model.dialogs.push_back(std::move(d));
}

}  // namespace tolvex::rc
