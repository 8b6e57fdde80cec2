// The reader's model of a script against what the resource compiler built from it, field by
// field: dialogs with their controls, and menus with their items.
#pragma once

#include <string>
#include <vector>

#include "rcscript/model.h"
#include "tests/rc_compare/res_file.h"

namespace tolvex::rc_compare {

struct Difference {
  std::string script, resource, field, model, compiler;
};

// A difference that is known and allowed, with the reason.
struct KnownDeviation {
  const char* field;  // the field it concerns: "text", "caption" ...
  const char* reason;
};

struct Counts {
  int scripts = 0, dialogs = 0, controls = 0, menus = 0, items = 0, fields = 0;
  std::vector<int> deviationsSeen;  // by the index of the deviation in KnownDeviations()
};

const std::vector<KnownDeviation>& KnownDeviations();

// Compares the model's dialogs and menus with the compiler's entries of the same type and name,
// marking in `matched` the entries it takes. Returns the differences that no known deviation
// allows.
std::vector<Difference> Compare(const std::string& script, const rc::Model& model,
                                const std::vector<ResEntry>& entries, std::vector<bool>& matched,
                                Counts& counts);
// The compiler's dialogs and menus that no model took.
std::vector<Difference> UnmatchedResources(const std::string& label,
                                           const std::vector<ResEntry>& entries,
                                           const std::vector<bool>& matched);

// A resource's name as the comparison prints it: "#N" or the name in upper case.
std::string NameKey(const ResName& name);

}  // namespace tolvex::rc_compare
