#include "program_reader/program_reader.h"

#include <cctype>
#include <map>

#include "program_reader/basic_line.h"
#include "program_reader/gadget_calls.h"

namespace tolvex::program {
namespace {

using Arguments = std::vector<Argument>;
// Why a line is not understood; empty when it is.
using Reason = std::string;

constexpr size_t kMostBlocks = 64;
constexpr int kMostDefineSteps = 16;
constexpr size_t kShownCharacters = 80;

std::string Upper(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool IsNumber(const Argument& a) { return a.kind == Argument::Kind::kNumber; }
bool IsName(const Argument& a) { return a.kind == Argument::Kind::kName; }
bool IsText(const Argument& a) { return a.kind == Argument::Kind::kText; }
bool IsId(const Argument& a) { return IsNumber(a) || IsName(a); }

Id IdOf(const Argument& a) {
  Id id{a.name, std::nullopt};
  if (IsNumber(a)) id.value = a.number;
  return id;
}

// An integer as a #define's value may be written: a sign, then decimal digits or &h and hex
// digits. False for anything else.
bool IntegerOf(std::string_view text, std::int64_t& value) {
  const LineTokens line = Tokenize(text);
  Cursor cursor(line.tokens);
  Argument argument;
  if (!line.error.empty() || !cursor.TakeArgument(argument) || !cursor.AtEnd() ||
      !IsNumber(argument))
    return false;
  value = argument.number;
  return true;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// What a variable holds: a window, a menu bar (of a window) or a pop-up (an entry of one).
struct Binding {
  enum class Kind { kWindow, kBar, kPopup };
  Kind kind = Kind::kWindow;
  int window = 0;
  int entry = 0;
};

// An open block of the event loop: Do, Select Case (its subject and the label of its current
// Case) or If.
struct Block {
  enum class Kind { kDo, kSelect, kIf };
  Kind kind = Kind::kDo;
  std::string subject, label;
};

class Reader {
 public:
  void Line(int number, std::string_view text) {
    line_ = number;
    const Reason reason = Read(text);
    if (!reason.empty()) plan_.unknown.push_back({number, std::string(text), reason});
  }

  ProgramPlan Finish() {
    // The first #define of a name is the one that counts.
    for (const Define& define : plan_.defines) defines_.emplace(Upper(define.name), define.value);
    for (Window& window : plan_.windows) {
      for (Gadget& gadget : window.gadgets) Resolve(gadget.id);
      if (window.menu) {
        for (MenuEntry& entry : window.menu->entries) Resolve(entry.id);
      }
    }
    for (CaseId& id : plan_.cases) Resolve(id.id);
    return std::move(plan_);
  }

 private:
  // The statements by their first name; a line that starts with another name is a call or an
  // assignment.
  using StatementReader = Reason (Reader::*)(Cursor&);
  struct Statement {
    std::string_view keyword;
    StatementReader read;
  };
  // The functions by name: what a call of each does, with the variable it is assigned to (empty
  // for a call standing as a statement).
  using CallReader = Reason (Reader::*)(const std::string& target, const Arguments&);
  enum class Use { kStatement, kValue };
  struct Call {
    std::string_view function;
    Use use;
    CallReader read;
  };

  Reason Read(std::string_view text) {
    if (IsCommentOrBlank(text)) return {};
    const std::string_view trimmed = Trimmed(text);
    if (trimmed[0] == '#') return Directive(trimmed);
    const LineTokens line = Tokenize(text);
    if (!line.error.empty()) return line.error;
    static const Statement kStatements[] = {
        {"Var", &Reader::VarLine},   {"Dim", &Reader::DimLine},       {"Do", &Reader::DoLine},
        {"Loop", &Reader::LoopLine}, {"Select", &Reader::SelectLine}, {"Case", &Reader::CaseLine},
        {"End", &Reader::EndLine},   {"EndIf", &Reader::EndIfLine},   {"If", &Reader::IfLine},
    };
    Cursor cursor(line.tokens);
    for (const Statement& statement : kStatements) {
      if (cursor.Take(statement.keyword)) return (this->*statement.read)(cursor);
    }
    const Token* name = cursor.TakeName();
    if (name == nullptr) return "not a line the reader knows";
    if (cursor.Take("=")) return Value(name->written, cursor);
    Arguments arguments;
    if (!cursor.TakeCallToEnd(arguments)) return "not a line the reader knows";
    return Invoke(name->written, "", arguments, Use::kStatement);
  }

  // #Include once "file" and #define NAME VALUE.
  Reason Directive(std::string_view line) {
    const LineTokens tokens = Tokenize(line.substr(1));
    Cursor cursor(tokens.tokens);
    if (tokens.error.empty() && cursor.Take("Include")) {
      cursor.Take("once");
      Argument file;
      if (cursor.TakeArgument(file) && IsText(file) && cursor.AtEnd()) return {};
      return "#Include takes a file's literal";
    }
    std::string_view rest = Trimmed(line.substr(1));
    if (rest.size() < 6 || !SameName(rest.substr(0, 6), "define"))
      return "a directive the reader does not know";
    rest = Trimmed(rest.substr(6));
    size_t end = 0;
    while (end < rest.size() &&
           (std::isalnum(static_cast<unsigned char>(rest[end])) || rest[end] == '_'))
      ++end;
    if (end == 0 || std::isdigit(static_cast<unsigned char>(rest[0])))
      return "#define without a name";
    plan_.defines.push_back(
        {line_, std::string(rest.substr(0, end)), std::string(Trimmed(rest.substr(end)))});
    return {};
  }

  // Var NAME = call
  Reason VarLine(Cursor& cursor) {
    const Token* name = cursor.TakeName();
    if (name == nullptr || !cursor.Take("=")) return "Var without a name and =";
    return Value(name->written, cursor);
  }

  // NAME = call: the function says what the variable then holds.
  Reason Value(const std::string& target, Cursor& cursor) {
    const Token* function = cursor.TakeName();
    Arguments arguments;
    if (function == nullptr || !cursor.TakeCallToEnd(arguments))
      return "an assignment of anything but a call";
    variables_.erase(Upper(target));
    return Invoke(function->written, target, arguments, Use::kValue);
  }

  Reason Invoke(const std::string& function, const std::string& target, const Arguments& arguments,
                Use use) {
    static const Call kCalls[] = {
        {"OpenWindow", Use::kValue, &Reader::OpenWindow},
        {"Create_Menu", Use::kValue, &Reader::CreateMenu},
        {"MenuTitle", Use::kValue, &Reader::MenuTitle},
        {"OpenSubMenu", Use::kValue, &Reader::OpenSubMenu},
        {"GetSystemMetrics", Use::kValue, &Reader::SystemMetrics},
        {"WaitEvent", Use::kValue, &Reader::WaitEvent},
        {"SetGadgetFont", Use::kStatement, &Reader::SetGadgetFont},
        {"UseGadgetList", Use::kStatement, &Reader::UseGadgetList},
        {"SetIpAddress", Use::kStatement, &Reader::SetIpAddress},
        {"AddListViewColumn", Use::kStatement, &Reader::AddListViewColumn},
        {"MenuItem", Use::kStatement, &Reader::MenuItem},
    };
    if (const GadgetCall* gadget = FindGadgetCall(function)) {
      return GadgetLine(*gadget, target, arguments);
    }
    for (const Call& call : kCalls) {
      if (!SameName(call.function, function)) continue;
      if (call.use != use) {
        return use == Use::kValue ? function + " gives no value to keep"
                                  : function + " stands alone, without its value kept";
      }
      return (this->*call.read)(target, arguments);
    }
    return "a function the reader does not know: " + function;
  }

  // OpenWindow ("caption", x, y, width, height)
  Reason OpenWindow(const std::string& target, const Arguments& a) {
    if (a.size() != 5 || !IsText(a[0]) || !IsNumber(a[1]) || !IsNumber(a[2]) || !IsNumber(a[3]) ||
        !IsNumber(a[4]))
      return "OpenWindow takes a literal and four numbers";
    Window window;
    window.line = line_;
    window.variable = target;
    window.caption = a[0].text;
    window.geometry = {a[1].number, a[2].number, a[3].number, a[4].number};
    window.font = font_;
    plan_.windows.push_back(std::move(window));
    gadgetWindow_ = static_cast<int>(plan_.windows.size()) - 1;
    variables_[Upper(target)] = {Binding::Kind::kWindow, gadgetWindow_, 0};
    return {};
  }

  // Create_Menu (): the menu bar of the window whose gadgets are being made.
  Reason CreateMenu(const std::string& target, const Arguments& a) {
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
  Reason MenuTitle(const std::string& target, const Arguments& a) {
    if (a.size() != 2 || !IsName(a[0]) || !IsText(a[1]))
      return "MenuTitle takes a menu bar and a literal";
    const Binding* bar = Bound(a[0].name, Binding::Kind::kBar);
    if (bar == nullptr) return a[0].name + " holds no menu bar";
    return AddPopup(target, bar->window, -1, MenuEntry::Kind::kTitle, a[1].text);
  }

  // OpenSubMenu (popup, "title")
  Reason OpenSubMenu(const std::string& target, const Arguments& a) {
    if (a.size() != 2 || !IsName(a[0]) || !IsText(a[1]))
      return "OpenSubMenu takes a pop-up and a literal";
    const Binding* popup = Bound(a[0].name, Binding::Kind::kPopup);
    if (popup == nullptr) return a[0].name + " holds no pop-up";
    return AddPopup(target, popup->window, popup->entry, MenuEntry::Kind::kSubMenu, a[1].text);
  }

  Reason AddPopup(const std::string& target, int window, int parent, MenuEntry::Kind kind,
                  const Text& text) {
    std::vector<MenuEntry>& entries = plan_.windows[window].menu->entries;
    entries.push_back({line_, kind, parent, text, {}, target});
    variables_[Upper(target)] = {Binding::Kind::kPopup, window,
                                 static_cast<int>(entries.size()) - 1};
    return {};
  }

  // MenuItem (id, popup, "text")
  Reason MenuItem(const std::string&, const Arguments& a) {
    if (a.size() != 3 || !IsId(a[0]) || !IsName(a[1]) || !IsText(a[2]))
      return "MenuItem takes an id, a pop-up and a literal";
    const Binding* popup = Bound(a[1].name, Binding::Kind::kPopup);
    if (popup == nullptr) return a[1].name + " holds no pop-up";
    plan_.windows[popup->window].menu->entries.push_back(
        {line_, MenuEntry::Kind::kItem, popup->entry, a[2].text, IdOf(a[0]), ""});
    return {};
  }

  // GetSystemMetrics (SM_NAME), as the screen block reads the screen's size.
  Reason SystemMetrics(const std::string&, const Arguments& a) {
    if (a.size() != 1 || !IsName(a[0])) return "GetSystemMetrics takes a metric's name";
    return {};
  }

  Reason WaitEvent(const std::string&, const Arguments& a) {
    return a.empty() ? Reason{} : "WaitEvent takes nothing";
  }

  // SetGadgetFont (, LoadFont ("face", size)): the font of every gadget made after it. A window
  // whose gadgets are being made and which has none yet takes it as its own. A dialog without a
  // FONT line leaves the size empty: 0, the font's default height.
  Reason SetGadgetFont(const std::string&, const Arguments& a) {
    if (a.size() != 2 || a[0].kind != Argument::Kind::kEmpty ||
        a[1].kind != Argument::Kind::kCall || !SameName(a[1].name, "LoadFont") ||
        a[1].arguments.size() != 2 || !IsText(a[1].arguments[0]) ||
        (!IsNumber(a[1].arguments[1]) && a[1].arguments[1].kind != Argument::Kind::kEmpty))
      return "SetGadgetFont takes an empty id and LoadFont of a literal and a size";
    plan_.fonts.push_back({line_, a[1].arguments[0].text, a[1].arguments[1].number});
    font_ = static_cast<int>(plan_.fonts.size()) - 1;
    if (gadgetWindow_ >= 0 && plan_.windows[gadgetWindow_].gadgets.empty())
      plan_.windows[gadgetWindow_].font = font_;
    return {};
  }

  // UseGadgetList (window)
  Reason UseGadgetList(const std::string&, const Arguments& a) {
    if (a.size() != 1 || !IsName(a[0])) return "UseGadgetList takes a window";
    const Binding* window = Bound(a[0].name, Binding::Kind::kWindow);
    if (window == nullptr) return a[0].name + " holds no window";
    gadgetWindow_ = window->window;
    return {};
  }

  // SetIpAddress (id, "address")
  Reason SetIpAddress(const std::string&, const Arguments& a) {
    if (a.size() != 2 || !IsId(a[0]) || !IsText(a[1]))
      return "SetIpAddress takes an id and a literal";
    Gadget* gadget = GadgetOf(a[0], "IDC_IPA");
    if (gadget == nullptr) return "no IP address gadget has the id " + a[0].name;
    gadget->ipAddress = a[1].text;
    return {};
  }

  // AddListViewColumn (id, "title", position, format, width)
  Reason AddListViewColumn(const std::string&, const Arguments& a) {
    if (a.size() != 5 || !IsId(a[0]) || !IsText(a[1]) || !IsNumber(a[2]) || !IsNumber(a[3]) ||
        !IsNumber(a[4]))
      return "AddListViewColumn takes an id, a literal and three numbers";
    Gadget* gadget = GadgetOf(a[0], "IDC_LSV");
    if (gadget == nullptr) return "no list view has the id " + a[0].name;
    gadget->columns.push_back({line_, a[1].text, a[4].number});
    return {};
  }

  // NAME (id, x, y, width, height, what the kind takes after them)
  Reason GadgetLine(const GadgetCall& call, const std::string& target, const Arguments& a) {
    if (gadgetWindow_ < 0) return "a gadget before any window";
    if (a.size() < 5 || !IsId(a[0]) || !IsNumber(a[1]) || !IsNumber(a[2]) || !IsNumber(a[3]) ||
        !IsNumber(a[4]))
      return std::string(call.function) + " takes an id and four numbers first";
    Gadget gadget;
    gadget.line = line_;
    gadget.kind = FindGadgetKind(call.prefix);
    gadget.function = std::string(call.function);
    gadget.id = IdOf(a[0]);
    gadget.geometry = {a[1].number, a[2].number, a[3].number, a[4].number};
    gadget.font = font_;
    gadget.variable = target;
    size_t next = 5;
    for (const GadgetValue value : call.values) {
      const Reason reason = Further(value, a, next, gadget);
      if (!reason.empty()) return reason;
    }
    if (next != a.size()) return std::string(call.function) + " takes fewer values";
    plan_.windows[gadgetWindow_].gadgets.push_back(std::move(gadget));
    return {};
  }

  Reason Further(GadgetValue value, const Arguments& a, size_t& next, Gadget& gadget) {
    const bool present = next < a.size();
    switch (value) {
      case GadgetValue::kText:
        if (!present || !IsText(a[next])) return "a caption's literal is missing";
        gadget.text = a[next++].text;
        return {};
      case GadgetValue::kRange:
        if (next + 1 >= a.size() || !IsNumber(a[next]) || !IsNumber(a[next + 1]))
          return "a range of two numbers is missing";
        gadget.minimum = a[next++].number;
        gadget.maximum = a[next++].number;
        return {};
      case GadgetValue::kOrientation: return Orientation(a, next, gadget);
      case GadgetValue::kStyle:
        if (!present || !IsId(a[next])) return "a style is missing";
        gadget.style = a[next].name;
        if (IsNumber(a[next])) {
          gadget.styleValue = a[next].number;
        } else if (!StyleValue(a[next].name, gadget.styleValue)) {
          return "a style the reader does not know: " + a[next].name;
        }
        ++next;
        return {};
      case GadgetValue::kImage:
        if (!present || a[next].kind != Argument::Kind::kCall ||
            !SameName(a[next].name, "Load_image") || a[next].arguments.size() != 1 ||
            !IsText(a[next].arguments[0]))
          return "Load_image of a file's literal is missing";
        gadget.image = a[next++].arguments[0].text;
        return {};
    }
    return {};
  }

  // A bar's orientation, when written: its kind's keyword for either way, or what the kind writes
  // for upright in its place (a track bar's 2).
  Reason Orientation(const Arguments& a, size_t& next, Gadget& gadget) {
    if (next >= a.size()) return {};
    const Argument& written = a[next++];
    const BarOrientation* rule = gadget.kind != nullptr ? gadget.kind->orientation : nullptr;
    if (rule == nullptr || !IsId(written)) return "an orientation the reader does not know";
    if (!rule->writtenAs.empty() && written.name == rule->writtenAs) {
      gadget.orientation = std::string(rule->vertical);
    } else if (IsName(written) && SameName(written.name, rule->vertical)) {
      gadget.orientation = std::string(rule->vertical);
    } else if (IsName(written) && !rule->horizontal.empty() &&
               SameName(written.name, rule->horizontal)) {
      gadget.orientation = std::string(rule->horizontal);
    } else {
      return "an orientation the reader does not know: " + written.name;
    }
    gadget.vertical = gadget.orientation == rule->vertical;
    return {};
  }

  // Dim As TYPE name, ... or Dim name, ... As TYPE: the names hold nothing yet.
  Reason DimLine(Cursor& cursor) {
    const bool typeFirst = cursor.Take("As");
    if (typeFirst && cursor.TakeName() == nullptr) return "Dim As without a type";
    do {
      const Token* name = cursor.TakeName();
      if (name == nullptr) return "Dim without a name";
      variables_.erase(Upper(name->written));
    } while (cursor.Take(","));
    if (!typeFirst && (!cursor.Take("As") || cursor.TakeName() == nullptr))
      return "Dim without a type";
    return cursor.AtEnd() ? Reason{} : "Dim with more than names and a type";
  }

  Reason Push(Block block) {
    if (blocks_.size() >= kMostBlocks) return "blocks nested deeper than the reader follows";
    blocks_.push_back(std::move(block));
    return {};
  }

  Reason Pop(Block::Kind kind, const char* what) {
    if (blocks_.empty() || blocks_.back().kind != kind)
      return std::string(what) + " closes nothing";
    blocks_.pop_back();
    return {};
  }

  Reason DoLine(Cursor& cursor) {
    return cursor.AtEnd() ? Push({Block::Kind::kDo, "", ""}) : "Do with a condition";
  }
  Reason LoopLine(Cursor& cursor) {
    return cursor.AtEnd() ? Pop(Block::Kind::kDo, "Loop") : "Loop with a condition";
  }

  // Select Case event | EventNumber
  Reason SelectLine(Cursor& cursor) {
    const Token* subject = nullptr;
    if (!cursor.Take("Case") || (subject = cursor.TakeName()) == nullptr || !cursor.AtEnd())
      return "Select Case of anything but a name";
    return Push({Block::Kind::kSelect, Upper(subject->written), ""});
  }

  // If event = EventMenu Then
  Reason IfLine(Cursor& cursor) {
    const Token* subject = cursor.TakeName();
    const Token* value = nullptr;
    if (subject == nullptr || !cursor.Take("=") || (value = cursor.TakeName()) == nullptr ||
        !cursor.Take("Then") || !cursor.AtEnd())
      return "an If the reader does not know";
    return Push({Block::Kind::kIf, Upper(subject->written), Upper(value->written)});
  }

  // End, End Select, End If
  Reason EndLine(Cursor& cursor) {
    if (cursor.AtEnd()) return {};
    if (cursor.Take("Select") && cursor.AtEnd()) return Pop(Block::Kind::kSelect, "End Select");
    if (cursor.Take("If") && cursor.AtEnd()) return Pop(Block::Kind::kIf, "End If");
    return "an End the reader does not know";
  }
  Reason EndIfLine(Cursor& cursor) {
    return cursor.AtEnd() ? Pop(Block::Kind::kIf, "EndIf") : "EndIf with more";
  }

  // Case label, ...: the labels of Select Case event name the branch below them; those of Select
  // Case EventNumber are the ids a branch answers.
  Reason CaseLine(Cursor& cursor) {
    if (blocks_.empty() || blocks_.back().kind != Block::Kind::kSelect)
      return "Case outside Select Case";
    Block& select = blocks_.back();
    if (cursor.Take("Else")) return cursor.AtEnd() ? Reason{} : "Case Else with more";
    std::vector<Argument> labels;
    do {
      Argument label;
      if (!cursor.TakeArgument(label) || !IsId(label)) return "a Case of anything but ids";
      labels.push_back(label);
    } while (cursor.Take(","));
    if (!cursor.AtEnd()) return "a Case of anything but ids";
    if (select.subject != "EVENTNUMBER") {
      select.label = Upper(labels.back().name);
      return {};
    }
    const Block* outer = blocks_.size() >= 2 ? &blocks_[blocks_.size() - 2] : nullptr;
    CaseId::Branch branch;
    if (outer != nullptr && outer->kind == Block::Kind::kSelect && outer->subject == "EVENT" &&
        outer->label == "EVENTGADGET") {
      branch = CaseId::Branch::kGadget;
    } else if (outer != nullptr && outer->kind == Block::Kind::kIf && outer->subject == "EVENT" &&
               outer->label == "EVENTMENU") {
      branch = CaseId::Branch::kMenu;
    } else {
      return "a Case of EventNumber outside the gadget and menu branches";
    }
    for (const Argument& label : labels) plan_.cases.push_back({line_, branch, IdOf(label)});
    return {};
  }

  const Binding* Bound(const std::string& name, Binding::Kind kind) const {
    const auto found = variables_.find(Upper(name));
    return found != variables_.end() && found->second.kind == kind ? &found->second : nullptr;
  }

  // The latest gadget of the kind with that id as written (case aside), in any window.
  Gadget* GadgetOf(const Argument& id, std::string_view prefix) {
    for (auto window = plan_.windows.rbegin(); window != plan_.windows.rend(); ++window) {
      for (auto gadget = window->gadgets.rbegin(); gadget != window->gadgets.rend(); ++gadget) {
        if (gadget->kind != nullptr && gadget->kind->prefix == prefix &&
            SameName(gadget->id.written, id.name))
          return &*gadget;
      }
    }
    return nullptr;
  }

  // A name's value: its #define's, followed through names a few steps.
  void Resolve(Id& id) const {
    std::string name = id.written;
    for (int step = 0; step < kMostDefineSteps && !id.value; ++step) {
      std::int64_t value = 0;
      if (IntegerOf(name, value)) {
        id.value = value;
        return;
      }
      const auto define = defines_.find(Upper(name));
      if (define == defines_.end()) return;
      name = define->second;
    }
  }

  ProgramPlan plan_;
  int line_ = 0;
  int gadgetWindow_ = -1;
  int font_ = -1;
  std::map<std::string, Binding> variables_;
  std::map<std::string, std::string> defines_;
  std::vector<Block> blocks_;
};

}  // namespace

std::string IdText(const Id& id) {
  if (!id.value) return id.written + " (no value)";
  const std::string value = std::to_string(*id.value);
  return id.written == value ? value : id.written + " = " + value;
}

int ProgramPlan::GadgetCount() const {
  int count = 0;
  for (const Window& window : windows) count += static_cast<int>(window.gadgets.size());
  return count;
}

int ProgramPlan::MenuItemCount() const {
  int count = 0;
  for (const Window& window : windows) {
    if (!window.menu) continue;
    for (const MenuEntry& entry : window.menu->entries)
      count += entry.kind == MenuEntry::Kind::kItem ? 1 : 0;
  }
  return count;
}

ProgramPlan ReadProgram(std::string_view text) {
  Reader reader;
  int number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    reader.Line(++number, line);
    start = end + 1;
  }
  return reader.Finish();
}

ProgramPlan ReadProgramLines(const std::vector<std::string>& lines) {
  Reader reader;
  int number = 0;
  for (const std::string& line : lines) reader.Line(++number, line);
  return reader.Finish();
}

std::string UnknownLineMessage(const UnknownLine& line) {
  std::string text = line.text.substr(0, kShownCharacters);
  if (line.text.size() > kShownCharacters) text += "...";
  return "line " + std::to_string(line.line) + " is not understood (" + line.reason + "): " + text;
}

}  // namespace tolvex::program
