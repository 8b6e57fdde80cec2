// What the reader makes of a script: its defines, dialogs with their controls, menus, and the
// resources it passed over. Every value keeps its text as written beside the number.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rcscript/boxed.h"
#include "rcscript/compact_text.h"
#include "rcscript/packed_number.h"
#include "rcscript/shared_name.h"

namespace tolvex::rc {

// Where a thing starts: the file as the command line or the #include named it, and its line.
struct SourcePlace {
  SourcePlace() = default;
  SourcePlace(SharedName name, int lineNumber) : fileName(std::move(name)), line(lineNumber) {}
  SourcePlace(std::string name, int lineNumber) : fileName(std::move(name)), line(lineNumber) {}
  const std::string& file() const {
    static const std::string kNone;
    return fileName ? *fileName : kNone;
  }

  SharedName fileName;  // none for a place in no file
  int line = 0;
};

// An expression as written, and its value when every name in it has one (a name that nothing
// defines stays a name: its value is unknown, never guessed).
struct Value {
  CompactText text;
  PackedNumber<std::int32_t> number;
};

// Where a dialog or a control stands and its size, as written. Nearly every script writes the four
// as plain decimal numbers, so the numbers are held in place and the texts only when one of them
// is written otherwise (a name, an expression, 0x10, or nothing), out of line: a large script's
// model holds four of these per control, and their texts took most of a control's room.
class Rect {
 public:
  Value x() const { return At(0); }
  Value y() const { return At(1); }
  Value width() const { return At(2); }
  Value height() const { return At(3); }

  void Set(const Value& x, const Value& y, const Value& width, const Value& height) {
    const Value* values[] = {&x, &y, &width, &height};
    bool plain = true;
    for (int i = 0; i < 4; ++i) {
      numbers_[i] = values[i]->number;
      plain = plain && values[i]->number && IsDecimalOf(values[i]->text, *values[i]->number);
    }
    if (plain) {
      texts_ = {};
      return;
    }
    auto& texts = texts_.emplace();
    for (int i = 0; i < 4; ++i) texts[i] = values[i]->text;
  }

 private:
  struct Digits {
    char bytes[12];
    size_t size;
    std::string_view view() const { return {bytes, size}; }
  };
  static Digits Decimal(std::int32_t number) {
    Digits digits;
    digits.size = static_cast<size_t>(
        std::to_chars(digits.bytes, digits.bytes + sizeof digits.bytes, number).ptr - digits.bytes);
    return digits;
  }
  // Compared byte by byte in place: a call to compare bytes costs more than these few bytes.
  static bool IsDecimalOf(std::string_view text, std::int32_t number) {
    const Digits digits = Decimal(number);
    if (text.size() != digits.size) return false;
    for (size_t i = 0; i < digits.size; ++i) {
      if (text[i] != digits.bytes[i]) return false;
    }
    return true;
  }
  Value At(int i) const {
    if (texts_) return {(*texts_)[i], numbers_[i]};
    return {Decimal(*numbers_[i]).view(), numbers_[i]};
  }

  Boxed<std::array<CompactText, 4>> texts_;  // none when every text is its number in decimal
  PackedNumber<std::int32_t> numbers_[4];
};

// A style as the resource compiler stores it: the statement's implied bits with the written terms
// added and NOT terms cleared. `number` is unknown when any written term is.
struct Style {
  CompactText text;  // the written terms; empty when none were written
  PackedNumber<std::uint32_t> number;
};

// How the texts of a resource are held and meant: as UTF-8 when its script is UTF-16, else as the
// script's own bytes; and the ANSI code page the script states for them (the #pragma code_page in
// force, else the code page of the LANGUAGE in force), 0 when it states none.
struct TextCoding {
  bool utf8 = false;
  int codePage = 0;
};

struct Define {
  CompactText name;
  CompactText text;                    // its tokens as written
  std::optional<std::int32_t> number;  // when its tokens make a known integer expression
  Boxed<CompactText> string;           // when its tokens are a single string
  SourcePlace place;
};

// A control's text: a string, or a number or name (an image's resource id), or none at all
// (EDITTEXT, LISTBOX, COMBOBOX, SCROLLBAR).
struct ControlText {
  enum class Kind : std::uint8_t { kNone, kString, kReference } kind = Kind::kNone;
  Value value;  // kString: the string in value.text, no number; kReference: the number or name
};

struct Control {
  // CONTROL, LTEXT, PUSHBUTTON ... in upper case: one of the reader's own keywords, never freed.
  const char* statement = "";
  ControlText text;
  Value id;
  CompactText className;  // Button, Static, ... or the class as a CONTROL statement wrote it
  Style style, exStyle;
  Rect rect;
  Boxed<Value> helpId;
  SourcePlace place;
};

struct Font {
  Value size;
  CompactText face;
  std::optional<Value> weight, italic, charset;
};

struct Dialog {
  Value name;             // text: the name as written; a string name keeps its quotes off
  CompactText statement;  // DIALOG or DIALOGEX
  Rect rect;
  Boxed<Value> helpId;
  std::optional<CompactText> caption;
  std::optional<Font> font;
  Style style, exStyle;
  std::optional<Value> menu;       // MENU name
  std::optional<Value> className;  // CLASS name
  SourcePlace place;
  TextCoding texts;  // of the caption, the font's face and the controls' texts
  std::vector<Control> controls;
};

struct MenuItem {
  enum class Kind : std::uint8_t { kItem, kSeparator, kPopup } kind = Kind::kItem;
  CompactText text;
  std::optional<Value> id;
  CompactText options;       // MENU: the option words as written (CHECKED GRAYED ...)
  Boxed<Style> type, state;  // MENUEX
  Boxed<Value> helpId;       // MENUEX pop-ups
  SourcePlace place;
  std::vector<MenuItem> items;  // a pop-up's items
};

struct Menu {
  Value name;
  CompactText statement;  // MENU or MENUEX
  SourcePlace place;
  TextCoding texts;  // of the items' texts
  std::vector<MenuItem> items;
};

// A resource read by its grammar and passed over whole.
struct SkippedResource {
  CompactText name;  // empty for STRINGTABLE, LANGUAGE and the like
  CompactText type;  // as written, in upper case when it is a keyword
  SourcePlace place;
};

struct Model {
  std::deque<Define> defines;  // kept where they are made: the reader's define table names them
  std::deque<Dialog> dialogs;
  std::deque<Menu> menus;
  std::vector<SkippedResource> skipped;
  std::vector<std::string> unreadIncludes;  // files an #include named that could not be read
};

}  // namespace tolvex::rc
