#include "program_reader/program_reader.h"

#include <cctype>

#include "program_reader/reader.h"

namespace tolvex::program {
namespace {

constexpr int kMostDefineSteps = 16;
constexpr size_t kShownCharacters = 80;

}  // namespace

std::string Upper(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

Id IdOf(const Argument& a) {
  Id id{a.name, std::nullopt};
  if (IsNumber(a)) id.value = a.number;
  return id;
}

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

void Reader::Line(int number, std::string_view text) {
  line_ = number;
  const Reason reason = Read(text);
  if (!reason.empty()) plan_.unknown.push_back({number, std::string(text), reason});
}

ProgramPlan Reader::Finish() {
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

Reason Reader::Read(std::string_view text) {
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
Reason Reader::Directive(std::string_view line) {
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
Reason Reader::VarLine(Cursor& cursor) {
  const Token* name = cursor.TakeName();
  if (name == nullptr || !cursor.Take("=")) return "Var without a name and =";
  return Value(name->written, cursor);
}

// NAME = call: the function says what the variable then holds.
Reason Reader::Value(const std::string& target, Cursor& cursor) {
  const Token* function = cursor.TakeName();
  Arguments arguments;
  if (function == nullptr || !cursor.TakeCallToEnd(arguments))
    return "an assignment of anything but a call";
  variables_.erase(Upper(target));
  return Invoke(function->written, target, arguments, Use::kValue);
}

Reason Reader::Invoke(const std::string& function, const std::string& target,
                      const Arguments& arguments, Use use) {
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

// Dim As TYPE name, ... or Dim name, ... As TYPE: the names hold nothing yet.
Reason Reader::DimLine(Cursor& cursor) {
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

const Binding* Reader::Bound(const std::string& name, Binding::Kind kind) const {
  const auto found = variables_.find(Upper(name));
  return found != variables_.end() && found->second.kind == kind ? &found->second : nullptr;
}

// A name's value: its #define's, followed through names a few steps.
void Reader::Resolve(Id& id) const {
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
