// The names the complete program defines and the ids it writes: one #define per name (names
// compared without regard to case, as FreeBASIC compares them), the standard ids as numbers, an
// unknown name as itself.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "generator/program_lines.h"
#include "rcscript/ascii.h"
#include "rcscript/diagnostics.h"
#include "rcscript/model.h"
#include "rcscript/name_index.h"

namespace tolvex::complete {

// How the program writes one id of a control or a menu item: by its number in the gadget or
// MenuItem line, and after Case by the name the program defines for it, else by the number. The
// same id always has the same number, so ids compare by it. Thirty-two bytes: a large script has
// a hundred thousand of them.
struct ProgramId {
  static constexpr std::uint32_t kKnown = rc::NameIndex::kNone;

  std::int64_t number = 0;
  // The id as the program names it after Case; empty for the number. It views the text of the
  // model or of ProgramNames, which outlive the program's making.
  std::string_view name;
  std::uint32_t unknown = kKnown;  // the id that nothing gives a value, until it is given one
  bool valued = false;             // false until a value is given to an id that has none

  std::string Written() const;    // in the gadget or MenuItem line
  std::string CaseLabel() const;  // after Case
};

// FreeBASIC compares names without regard to case, as upper-cased ASCII.
using rc::UpperCase;

class ProgramNames {
 public:
  // scriptFile: the script's name as the model's places give it; a define placed elsewhere comes
  // from an included file.
  ProgramNames(const rc::Model& model, const std::string& scriptFile);

  // The id as the program writes it at this use. The first use of a name fixes its value for the
  // whole program. An id that nowhere has a value is left without a number until GiveValues. The
  // id's text is viewed, not copied: it must outlive the result, as the model's does.
  ProgramId Resolve(const rc::Value& id, const rc::SourcePlace& place);
  ProgramId Resolve(const rc::Value&& id, const rc::SourcePlace& place) = delete;

  // Once every id is resolved: each id without a value, in order of first use, gets the next
  // number above `above` and a warning at its first use; a name is then defined with it, an
  // expression (or a name the program declares itself) is written as it. `unreadIncludes`: the
  // files the script's #include lines named that could not be read.
  void GiveValues(std::int64_t above, const std::vector<std::string>& unreadIncludes,
                  rc::DiagnosticList& warnings);
  // An id resolved before GiveValues, with the value it was given; once no id is left to resolve.
  void Settle(ProgramId& id) const;

  // The #define lines, once every use has been resolved: the script's own integer defines in
  // script order, then the included names the program uses, in order of first use, then the
  // names given a value; handed to take until it refuses one (false then).
  bool EachDefineLine(const ProgramLines::Take& take) const;
  // The warnings of the defines the lines leave out or change: a name the program declares
  // itself, a name defined with another value than the one kept.
  void DefineWarnings(rc::DiagnosticList& warnings) const;

 private:
  // A name the script defines with a number; the model outlives the conversion, so its define is
  // held by address. Sixteen bytes: a large script has a hundred thousand of them.
  struct Name {
    const rc::Define* define = nullptr;  // the first define, the script's own before an include's
    std::int32_t kept = 0;               // the value in force at the first use, once used
    bool used = false;
    bool fromScript = false;
    // The value the program gives the name: the one kept, else its define's.
    std::int64_t Value() const { return used ? kept : *define->number; }
  };
  struct Unknown {
    std::string key;   // in upper case
    std::string text;  // as first written
    rc::SourcePlace place;
    bool defined = false;  // a name the program defines
    std::int64_t value = 0;
  };

  // The entry of a name or unknown id under its upper-case key, or kNone.
  std::uint32_t FindName(std::string_view key) const;

  std::vector<Name> names_;
  rc::NameIndex nameIndex_;                                     // by upper-case name, into names_
  std::vector<std::uint32_t> scriptOrder_, usedIncludedOrder_;  // into names_
  const std::deque<rc::Define>& modelDefines_;                  // the model outlives the conversion
  struct ScriptDefine {
    std::uint32_t define;  // into modelDefines_
    std::uint32_t name;    // into names_
  };
  std::vector<ScriptDefine> defines_;       // every integer define of the script
  std::vector<const rc::Define*> clashes_;  // the script's defines of names the program declares
  std::vector<Unknown> unknown_;            // in order of first use
  rc::NameIndex unknownIndex_;              // by key, into unknown_
};

}  // namespace tolvex::complete
