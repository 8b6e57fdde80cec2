// Which of a script's menus a dialog's MENU statement names: the first menu of that name, two
// names compared as numbers when both are numbers and otherwise as their texts, whatever their
// case. Found through indexes rather than a walk over every menu, since a script may hold tens of
// thousands of dialogs, each naming a menu of its own; the indexes are made at the first question,
// so that a script whose dialogs name no menu never pays for them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "rcscript/model.h"

namespace tolvex::complete {

class MenuNames {
 public:
  static constexpr size_t kNone = SIZE_MAX;

  // The next menu's name; menus are numbered from 0 in the order added.
  void Add(const rc::Value& name) { names_.push_back(name); }
  // The number of the first menu `name` names, or kNone.
  size_t Find(const rc::Value& name) const;

 private:
  // Indexes the names added since the last question.
  void Index() const;

  std::vector<rc::Value> names_;
  mutable size_t indexed_ = 0;
  mutable std::unordered_map<std::int32_t, size_t> byNumber_;  // the first menu of each number
  // By upper-case text: the first menu named by a text with no number, and the first of all.
  mutable std::unordered_map<std::string, size_t> unnumbered_, byText_;
};

}  // namespace tolvex::complete
