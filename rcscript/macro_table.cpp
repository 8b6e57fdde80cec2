#include "rcscript/macro_table.h"

#include <stdexcept>

namespace tolvex::rc {

const Macro* MacroTable::Find(std::string_view name) const {
  const std::uint32_t entry = index_.Find(name, [this](std::uint32_t e) { return NameOf(e); });
  return entry == NameIndex::kNone ? nullptr : &entries_[entry].macro;
}

Macro& MacroTable::Define(std::string_view name) {
  // The last two numbers mark a slot free or erased.
  if (entries_.size() >= NameIndex::kNone - 1) throw std::length_error("too many defines to hold");
  const std::uint32_t entry = index_.Insert(name, static_cast<std::uint32_t>(entries_.size()),
                                            [this](std::uint32_t e) { return NameOf(e); });
  if (entry != NameIndex::kNone) return entries_[entry].macro;
  entries_.push_back(Entry{name, Macro{}});
  return entries_.back().macro;
}

void MacroTable::Erase(std::string_view name) {
  const std::uint32_t entry = index_.Erase(name, [this](std::uint32_t e) { return NameOf(e); });
  if (entry != NameIndex::kNone) entries_[entry].macro = Macro{};
}

}  // namespace tolvex::rc
