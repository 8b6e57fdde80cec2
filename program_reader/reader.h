// The program reader's state while it reads a program line by line, and the pieces its files
// share: what a variable holds, the open blocks of the event loop, and the readers of each kind of
// statement (program_reader.cpp: statements, directives, calls and ids; gadget_lines.cpp: windows,
// fonts and gadgets; menu_lines.cpp: menu bars; loop_lines.cpp: the event loop). Private to the
// folder.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "program_reader/basic_line.h"
#include "program_reader/gadget_calls.h"
#include "program_reader/program_plan.h"

namespace tolvex::program {

using Arguments = std::vector<Argument>;
// Why a line is not understood; empty when it is.
using Reason = std::string;

std::string Upper(std::string_view name);
inline bool IsNumber(const Argument& a) { return a.kind == Argument::Kind::kNumber; }
inline bool IsName(const Argument& a) { return a.kind == Argument::Kind::kName; }
inline bool IsText(const Argument& a) { return a.kind == Argument::Kind::kText; }
inline bool IsId(const Argument& a) { return IsNumber(a) || IsName(a); }
Id IdOf(const Argument& a);
// An integer as a #define's value may be written: a sign, then decimal digits or &h and hex
// digits. False for anything else.
bool IntegerOf(std::string_view text, std::int64_t& value);
std::string_view Trimmed(std::string_view text);

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
  void Line(int number, std::string_view text);
  ProgramPlan Finish();

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

  Reason Read(std::string_view text);
  Reason Directive(std::string_view line);
  Reason VarLine(Cursor& cursor);
  Reason Value(const std::string& target, Cursor& cursor);
  Reason Invoke(const std::string& function, const std::string& target, const Arguments& arguments,
                Use use);
  Reason OpenWindow(const std::string& target, const Arguments& a);
  Reason CreateMenu(const std::string& target, const Arguments& a);
  Reason MenuTitle(const std::string& target, const Arguments& a);
  Reason OpenSubMenu(const std::string& target, const Arguments& a);
  Reason AddPopup(const std::string& target, int window, int parent, MenuEntry::Kind kind,
                  const Text& text);
  Reason MenuItem(const std::string&, const Arguments& a);
  Reason SystemMetrics(const std::string&, const Arguments& a);
  Reason WaitEvent(const std::string&, const Arguments& a);
  Reason SetGadgetFont(const std::string&, const Arguments& a);
  Reason UseGadgetList(const std::string&, const Arguments& a);
  Reason SetIpAddress(const std::string&, const Arguments& a);
  Reason AddListViewColumn(const std::string&, const Arguments& a);
  Reason GadgetLine(const GadgetCall& call, const std::string& target, const Arguments& a);
  Reason Further(GadgetValue value, const Arguments& a, size_t& next, Gadget& gadget);
  Reason Orientation(const Arguments& a, size_t& next, Gadget& gadget);
  Reason DimLine(Cursor& cursor);
  Reason Push(Block block);
  Reason Pop(Block::Kind kind, const char* what);
  Reason DoLine(Cursor& cursor);
  Reason LoopLine(Cursor& cursor);
  Reason SelectLine(Cursor& cursor);
  Reason IfLine(Cursor& cursor);
  Reason EndLine(Cursor& cursor);
  Reason EndIfLine(Cursor& cursor);
  Reason CaseLine(Cursor& cursor);
  const Binding* Bound(const std::string& name, Binding::Kind kind) const;
  Gadget* GadgetOf(const Argument& id, std::string_view prefix);
  void Resolve(Id& id) const;

  ProgramPlan plan_;
  int line_ = 0;
  int gadgetWindow_ = -1;
  int font_ = -1;
  std::map<std::string, Binding> variables_;
  std::map<std::string, std::string> defines_;
  std::vector<Block> blocks_;
};

}  // namespace tolvex::program
