#include "complete/menu_names.h"

#include <algorithm>

#include "rcscript/ascii.h"

namespace tolvex::complete {
namespace {

size_t FirstOf(const std::unordered_map<std::string, size_t>& menus, const std::string& key) {
  const auto found = menus.find(key);
  return found == menus.end() ? MenuNames::kNone : found->second;
}

}  // namespace

void MenuNames::Index() const {
  for (; indexed_ < names_.size(); ++indexed_) {
    const rc::Value& name = names_[indexed_];
    std::string key = rc::UpperCase(name.text);
    if (name.number) {
      byNumber_.emplace(*name.number, indexed_);
    } else {
      unnumbered_.emplace(key, indexed_);
    }
    byText_.emplace(std::move(key), indexed_);
  }
}

size_t MenuNames::Find(const rc::Value& name) const {
  Index();
  const std::string key = rc::UpperCase(name.text);
  if (!name.number) return FirstOf(byText_, key);
  // A number names a menu of that number, or one whose name has no number and the same text.
  const auto numbered = byNumber_.find(*name.number);
  return std::min(numbered == byNumber_.end() ? kNone : numbered->second,
                  FirstOf(unnumbered_, key));
}

}  // namespace tolvex::complete
