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

// A difference that is known and allowed: the field it concerns, why, and how it turns the
// model's text and the compiler's into texts that agree when the deviation is all that parts them.
struct KnownDeviation {
  const char* field;
  const char* reason;
  void (*allow)(std::string& model, std::string& compiler);
};
const std::vector<KnownDeviation>& KnownDeviations();

struct Counts {
  int scripts = 0, dialogs = 0, controls = 0, menus = 0, items = 0, fields = 0;
  std::vector<int> allowed = std::vector<int>(KnownDeviations().size());  // by deviation
};

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

}  // namespace tolvex::rc_compare
