#include "tests/rc_compare/rc_compare.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <random>
#include <sstream>
#include <string_view>
#include <vector>

#include "rcscript/standard_constants.h"

namespace tolvex::rc_compare {
namespace {

// A piece of script as each side is given it; a plain string is the same for both.
struct Text {
  Text() = default;
  Text(const char* s) : reader(s), compiler(s) {}
  Text(const std::string& s) : reader(s), compiler(s) {}
  Text(std::string r, std::string c) : reader(std::move(r)), compiler(std::move(c)) {}
  std::string reader, compiler;
};

Text operator+(const Text& a, const Text& b) {
  return {a.reader + b.reader, a.compiler + b.compiler};
}

std::vector<std::string> Words(const char* text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The statements that take a control's text first, and those without text; CONTROL's classes:
// the keywords the reader takes unquoted, and the common controls' names.
const auto kTextStatements = Words(
    "LTEXT RTEXT CTEXT PUSHBUTTON DEFPUSHBUTTON PUSHBOX CHECKBOX AUTOCHECKBOX STATE3 AUTO3STATE "
    "RADIOBUTTON AUTORADIOBUTTON GROUPBOX");
const auto kNoTextStatements = Words("EDITTEXT LISTBOX COMBOBOX SCROLLBAR");
const auto kClassKeywords = Words("BUTTON EDIT STATIC LISTBOX SCROLLBAR COMBOBOX");
const auto kClassNames = Words(
    "Button Edit Static ListBox ScrollBar ComboBox SysListView32 SysTreeView32 SysTabControl32 "
    "msctls_trackbar32 msctls_updown32 msctls_progress32 SysDateTimePick32 SysMonthCal32 "
    "SysIPAddress32 SysLink RichEdit20W SysAnimate32 msctls_statusbar32 ComboBoxEx32 SysHeader32 "
    "ToolbarWindow32 ReBarWindow32 tooltips_class32");
const auto kMenuOptions = Words("CHECKED GRAYED HELP INACTIVE MENUBARBREAK MENUBREAK");
const auto kMenuTypes = Words(
    "MFT_STRING MFT_MENUBARBREAK MFT_MENUBREAK MFT_RADIOCHECK MFT_RIGHTJUSTIFY MFT_RIGHTORDER");
const auto kMenuStates = Words("MFS_GRAYED MFS_CHECKED MFS_HILITE MFS_DEFAULT MFS_ENABLED");
const std::vector<std::string> kFaces = {"MS Shell Dlg", "Tahoma", "Segoe UI", "MS Sans Serif"};
// Pieces of texts: plain, the doubled quote, escapes, and characters beyond ASCII (UTF-8).
constexpr std::string_view kTextPieces[] = {
    "OK",  "&File", "Save as...", "a b",   "%d",  ";x", "//kept",    "/*kept*/", "\"\"", "\\t",
    "\\n", "\\\\",  "\\x41",      "\\101", "\\r", "'",  "C:\\\\dir", "(1)",      "\\q",  "\\0101"};
constexpr std::string_view kLatin1Pieces[] = {"\xC3\xA9t\xC3\xA9", "\xC3\x9F", "\xC2\xA9"};
constexpr std::string_view kWiderPieces[] = {"\xE2\x82\xAC", "\xE6\x97\xA5\xE6\x9C\xAC"};

class Generator {
 public:
  Generator(std::uint32_t seed, int index)
      : random_(seed * 7919u + static_cast<std::uint32_t>(index)),
        index_(index),
        prefix_("G" + std::to_string(index) + "_") {
    for (const std::string_view name : rc::StandardConstantNames()) {
      const std::string n(name);
      if (n.rfind("WS_EX_", 0) == 0) {
        exStyles_.push_back(n);
      } else if (n.rfind("WS_", 0) == 0 ||
                 (n.rfind("DS_", 0) == 0 && n != "DS_SETFONT" && n != "DS_SHELLFONT")) {
        windowStyles_.push_back(n);
        styles_.push_back(n);
      } else if (n != "IDC_STATIC") {
        styles_.push_back(n);
      }
    }
  }

  GeneratedScript Script() {
    GeneratedScript script;
    script.name = "gen-" + std::to_string(index_) + ".rc";
    script.utf16 = utf16_ = Chance(8);
    Text out = Text(utf16_ ? "" : "#pragma code_page(65001)\n") + Comment();
    const int dialogs = Between(1, 3), menus = Between(0, 2);
    for (int k = 0; k < dialogs; ++k) out = out + Dialog(k);
    for (int k = 0; k < menus; ++k) out = out + Menu(dialogs + k);
    script.reader = std::move(out.reader);
    script.compiler = std::move(out.compiler);
    return script;
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int oneIn) { return Between(1, oneIn) == 1; }
  template <typename List>
  std::string Pick(const List& list) {
    return std::string(
        list[static_cast<size_t>(Between(0, static_cast<int>(std::size(list)) - 1))]);
  }
  static std::string Hex(unsigned value) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", value);
    return hex;
  }

  // A comment line: ";" for the reader is a "//" line for the compiler.
  Text Comment() {
    if (Chance(3)) return "// " + prefix_ + " comment\n";
    if (Chance(2)) return {"; " + prefix_ + " comment\n", "// " + prefix_ + " comment\n"};
    return "";
  }

  // A number written as a number, an expression, or a define made for it.
  Text Number(int value) {
    switch (Between(0, 7)) {
      case 0: {
        const int a = Between(0, 50);
        return std::to_string(value - a) + "+" + std::to_string(a);
      }
      case 1: {
        const int a = Between(1, 20);
        return "(" + std::to_string(value + a) + " - " + std::to_string(a) + ")";
      }
      case 2:
        if (value >= 0) return Hex(static_cast<unsigned>(value));
        break;
      case 3:
        // "*" and "/", which the compiler lacks: it is given the value.
        if (value % 2 == 0) return {std::to_string(value / 2) + "*2", std::to_string(value)};
        return {std::to_string(value * 3) + "/3", std::to_string(value)};
      case 4: {
        const std::string name = prefix_ + "N" + std::to_string(defines_++);
        definesText_ += "#define " + name + " " + std::to_string(value) + "\n";
        return name;
      }
      default: break;
    }
    return std::to_string(value);
  }

  // A style term: a name of the table, or a number.
  std::string Term(const std::vector<std::string>& names) {
    if (Chance(6)) return Hex(1u << Between(0, 15));
    return Pick(names);
  }

  // A style: terms joined by "|" and "+", in parentheses at times, NOT after "|" or first.
  Text Style(const std::vector<std::string>& names) {
    const int terms = Between(1, 4);
    std::string s;
    for (int i = 0; i < terms; ++i) {
      const bool notTerm = Chance(5);
      if (i > 0) s += notTerm || !Chance(5) ? (Chance(2) ? " | " : "|") : " + ";
      if (notTerm) {
        s += "NOT " + Term(names);
      } else if (Chance(6)) {
        s += "(" + Term(names) + " | " + Term(names) + ")";
      } else {
        s += Term(names);
      }
    }
    return s;
  }

  // A string literal, as written and as the compiler needs it: no characters beyond U+00FF in a
  // UTF-16 script.
  std::string Quoted() {
    std::string s = "\"";
    const int pieces = Between(0, 3);
    for (int i = 0; i < pieces; ++i) {
      if (i > 0 && Chance(2)) s += ' ';
      if (Chance(6)) {
        s += Pick(kLatin1Pieces);
      } else if (!utf16_ && Chance(8)) {
        s += Pick(kWiderPieces);
      } else if (Chance(40)) {
        s += "\\a";
      } else {
        s += Pick(kTextPieces);
      }
    }
    return s + "\"";
  }

  // A resource name: a number, an identifier, a word with "-", or a string the reader takes in
  // quotes (the compiler, only bare).
  Text ResourceName(int k) {
    const std::string unique = std::to_string(index_) + "_" + std::to_string(k);
    switch (Between(0, 3)) {
      case 0: return std::to_string(1 + index_ * 8 + k);
      case 1: return "RES_" + unique;
      case 2: return "SKIN-" + std::to_string(index_) + "-" + std::to_string(k);
      default: return {"\"Q" + unique + "\"", "Q" + unique};
    }
  }

  // An id: a number, IDC_STATIC, an expression or a define.
  Text Id(bool extended) {
    if (Chance(8)) return Chance(2) ? "IDC_STATIC" : "-1";
    if (Chance(10)) return Pick(Words("IDOK IDCANCEL IDHELP"));
    return Number(Between(1, extended ? 100000 : 65000));
  }

  Text Geometry() {
    return Number(Between(-20, 300)) + ", " + Number(Between(-20, 300)) + ", " +
           Number(Between(0, 300)) + ", " + Number(Between(0, 200));
  }

  // [, style [, exstyle [, helpID]]] (CONTROL: from exstyle on), a field left empty before a
  // written one given to the compiler as 0, empty fields at the end not at all.
  Text Trailing(bool extended, bool withStyle) {
    const int first = withStyle ? 1 : 2;
    const int written = Between(first - 1, extended ? 3 : 2);
    Text t;
    for (int p = first; p <= written; ++p) {
      if (p < written && Chance(3)) {
        t = t + Text{",", ", 0"};
        continue;
      }
      t = t + ", " +
          (p == 1   ? Style(styles_)
           : p == 2 ? Style(exStyles_)
                    : Number(Between(0, 1000)));
    }
    if (Chance(6)) {
      for (int p = std::max(written, first - 1) + 1; p <= 3; ++p) t = t + Text{",", ""};
    }
    return t;
  }

  // The defines made for a resource's numbers, before it.
  Text WithDefines(const Text& resource) {
    std::string defines;
    defines.swap(definesText_);
    return defines + resource;
  }

  Text Control(bool extended) {
    Text t = "    ";
    const int kind = Between(0, 9);
    if (kind < 4) {
      t = t + (Pick(kTextStatements) + " " + Quoted() + ", ") + Id(extended) + ", " + Geometry() +
          Trailing(extended, true);
    } else if (kind < 6) {
      t = t + (Pick(kNoTextStatements) + " ") + Id(extended) + ", " + Geometry() +
          Trailing(extended, true);
    } else if (kind == 6) {
      // ICON text, id, x, y [, width, height ...]: the compiler needs the size.
      const Text text = Chance(2) ? Quoted() : std::to_string(Between(1, 500));
      t = t + "ICON " + text + ", " + Id(extended) + ", " + Number(Between(0, 200)) + ", " +
          Number(Between(0, 200));
      if (Chance(2)) {
        t = t + Text{"", ", 0, 0"};
      } else {
        t = t + ", " + Number(Between(0, 40)) + ", " + Number(Between(0, 40)) +
            Trailing(extended, true);
      }
    } else {
      // CONTROL text, id, class, style, x, y, width, height [, exstyle [, helpID]]
      Text cls = "\"" + Pick(kClassNames) + "\"";
      if (Chance(3)) {
        const std::string keyword = Pick(kClassKeywords);
        cls = {keyword, "\"" + keyword + "\""};
      }
      const Text text = Chance(6) ? std::to_string(Between(1, 500)) : Quoted();
      const Text style = Chance(8) ? Text{"", "0"} : Style(styles_);
      t = t + "CONTROL " + text + ", " + Id(extended) + ", " + cls + ", " + style + ", " +
          Geometry() + Trailing(extended, false);
    }
    return t + (Chance(8) ? "  // a control\n" : "\n");
  }

  Text Dialog(int k) {
    const bool extended = Chance(4) != 1;
    Text t = Comment() + ResourceName(k) + (extended ? " DIALOGEX " : " DIALOG ") +
             (Chance(6) ? "DISCARDABLE " : "") + Geometry();
    if (extended && Chance(5)) t = t + ", " + Number(Between(0, 999));
    t = t + "\n";
    // The options in any order.
    std::vector<Text> options;
    const bool font = Chance(3) != 1;
    if (Chance(4) != 1) {
      Text style = Style(windowStyles_);
      if (font && Chance(3)) style = style + " | DS_SETFONT";
      options.push_back("STYLE " + style);
    }
    if (Chance(3)) options.push_back("EXSTYLE " + Style(exStyles_));
    if (Chance(4) != 1) options.push_back("CAPTION " + Quoted());
    if (font) {
      Text f = "FONT " + Number(Between(6, 14)) + (", \"" + Pick(kFaces) + "\"");
      if (extended && Chance(2)) {
        f = f + ", " + Number(Chance(2) ? 400 : 700) + ", " + Number(Between(0, 1)) + ", " +
            Number(Between(0, 1));
      }
      options.push_back(f);
    }
    if (Chance(3)) {
      const std::string menu = prefix_ + "MENU" + std::to_string(k);
      if (Chance(2)) {
        options.push_back({"MENU " + menu, "MENU \"" + menu + "\""});
      } else {
        options.push_back("MENU " + std::to_string(Between(1, 60000)));
      }
    }
    if (Chance(4)) {
      const std::string cls = "MyClass" + std::to_string(k);
      options.push_back(Chance(2) ? Text{"CLASS " + cls, "CLASS \"" + cls + "\""}
                                  : Text("CLASS \"Dlg.Class\""));
    }
    std::shuffle(options.begin(), options.end(), random_);
    for (const Text& o : options) t = t + o + "\n";
    t = t + (Chance(4) ? "{\n" : "BEGIN\n");
    const int controls = Between(0, 12);
    for (int c = 0; c < controls; ++c) t = t + Control(extended);
    return WithDefines(t + "END\n\n");
  }

  // MENU:   MENUITEM text, id [, options] | MENUITEM SEPARATOR | POPUP text [, options] BEGIN END
  // MENUEX: MENUITEM text [, id [, type [, state]]] | POPUP text [, id [, type [, state [, help]]]]
  Text MenuItems(bool extended, int depth, const std::string& indent) {
    Text t;
    const int items = Between(1, depth == 0 ? 4 : 3);
    for (int i = 0; i < items; ++i) {
      const bool popup = depth < 3 && Chance(3);
      if (!popup && Chance(6)) {
        const std::string separator = indent + "MENUITEM SEPARATOR\n";
        t = t + (extended ? Text{separator, indent + "MENUITEM \"\", 0, MFT_SEPARATOR\n"}
                          : Text(separator));
        continue;
      }
      t = t + (indent + (popup ? "POPUP " : "MENUITEM ") + Quoted());
      if (extended) {
        const int fields = Between(0, popup ? 4 : 3);
        for (int f = 1; f <= fields; ++f) {
          t = t + ",";
          if (f < fields && Chance(3)) continue;  // an empty field
          t = t + " " +
              (f == 1   ? Number(Between(0, 100000))
               : f == 2 ? Style(kMenuTypes)
               : f == 3 ? Style(kMenuStates)
                        : Number(Between(0, 1000)));
        }
      } else {
        if (!popup) t = t + ", " + Number(Between(1, 65000));
        const int options = Between(0, 3) == 0 ? Between(1, 3) : 0;
        for (int o = 0; o < options; ++o) {
          const std::string word = Pick(kMenuOptions);
          t = t + (o == 0 || Chance(2) ? Text(", " + word) : Text{" " + word, ", " + word});
        }
      }
      t = t + "\n";
      if (popup) {
        t = t + (indent + "BEGIN\n") + MenuItems(extended, depth + 1, indent + "  ") +
            (indent + "END\n");
      }
    }
    return t;
  }

  Text Menu(int k) {
    const bool extended = Chance(2);
    Text t = Comment();
    Text name = ResourceName(k);
    if (Chance(3)) name = prefix_ + "MENU" + std::to_string(k);
    return WithDefines(t + name + (extended ? " MENUEX\nBEGIN\n" : " MENU\nBEGIN\n") +
                       MenuItems(extended, 0, "  ") + "END\n\n");
  }

  std::mt19937 random_;
  int index_;
  std::string prefix_;
  bool utf16_ = false;
  int defines_ = 0;
  std::string definesText_;
  std::vector<std::string> styles_, windowStyles_, exStyles_;
};

}  // namespace

GeneratedScript GenerateScript(std::uint32_t seed, int index) {
  return Generator(seed, index).Script();
}

GeneratedScript EveryConstantScript() {
  GeneratedScript script;
  script.name = "every-constant.rc";
  std::string text = "EVERY_CONSTANT DIALOGEX 0, 0, 100, 100\nBEGIN\n";
  int id = 1;
  for (const std::string_view name : rc::StandardConstantNames()) {
    text += "    CONTROL \"" + std::string(name) + "\", " + std::to_string(id++) +
            ", \"Static\", " + std::string(name) + ", 0, 0, 10, 10\n";
  }
  text += "END\n";
  script.reader = script.compiler = text;
  return script;
}

}  // namespace tolvex::rc_compare
