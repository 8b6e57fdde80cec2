// The names the complete program defines and the ids it writes: one #define per name (names
// compared without regard to case, as FreeBASIC compares them), the standard ids as numbers, an
// unknown name as itself.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "generator/line_shapes.h"
#include "rcscript/ascii.h"
#include "rcscript/diagnostics.h"
#include "rcscript/model.h"

namespace tolvex::complete {

// How the program writes one id of a control or a menu item.
struct ProgramId {
  std::string written;    // in the gadget or MenuItem line: the value, or the text when unknown
  std::string caseLabel;  // after Case: the defined name, else what is written
  std::optional<std::int64_t> number;
  std::string key;  // the same key for the same id: its number, or its name in upper case
};

// FreeBASIC compares names without regard to case, as upper-cased ASCII.
using rc::UpperCase;

class ProgramNames {
 public:
  // scriptFile: the script's name as the model's places give it; a define placed elsewhere comes
  // from an included file.
  ProgramNames(const rc::Model& model, const std::string& scriptFile);

  // The id as the program writes it at this use. The first use of a name fixes its value for the
  // whole program; a name that is nowhere given a value gets one warning.
  ProgramId Resolve(const rc::Value& id, const rc::SourcePlace& place,
                    rc::DiagnosticList& warnings);

  // The #define lines, once every use has been resolved: the script's own integer defines in
  // script order, then the included names the program uses, in order of first use. Defines
  // that give a name another value than the one kept get a warning.
  shapes::Lines DefineLines(rc::DiagnosticList& warnings) const;

 private:
  struct Name {
    std::string name;  // as its first define wrote it
    std::string text;  // the first define's text
    std::int32_t value = 0;
    std::optional<std::int64_t> kept;  // the value in force at the first use
    bool fromScript = false;
  };
  struct Redefinition {
    std::string key;
    std::int32_t value;
    rc::SourcePlace place;
  };

  std::map<std::string, Name> names_;  // by upper-case name
  std::vector<std::string> scriptOrder_, usedIncludedOrder_;
  std::vector<Redefinition> defines_;  // every integer define of the script
  std::vector<rc::Define> clashes_;    // the script's defines of names the program declares
  std::map<std::string, bool> warnedUnknown_;
};

}  // namespace tolvex::complete
