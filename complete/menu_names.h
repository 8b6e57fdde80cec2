// Which of a script's menus a dialog's MENU statement names: the first menu of that name, two
// names compared as numbers when both are numbers and otherwise as their texts, whatever their
// case. Found through indexes rather than a walk over every menu, since a script may hold tens of
// thousands of dialogs, each naming a menu of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "rcscript/model.h"

namespace tolvex::complete {

class MenuNames {
 public:
  static constexpr size_t kNone = SIZE_MAX;

  // The next menu's name; menus are numbered from 0 in the order added.
  void Add(const rc::Value& name);
  // The number of the first menu `name` names, or kNone.
  size_t Find(const rc::Value& name) const;

 private:
  size_t added_ = 0;
  std::unordered_map<std::int32_t, size_t> byNumber_;  // the first menu named by each number
  // By upper-case text: the first menu named by a text with no number, and the first of all.
  std::unordered_map<std::string, size_t> unnumbered_, byText_;
};

}  // namespace tolvex::complete
