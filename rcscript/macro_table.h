// The preprocessor's defines by name, found through the index every identifier is looked up in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

#include "rcscript/name_index.h"
#include "rcscript/tokens.h"

namespace tolvex::rc {

struct Macro {
  std::vector<Token> body;
};

class MacroTable {
 public:
  // The macro of that name, or none; valid until the table next changes.
  const Macro* Find(std::string_view name) const;
  bool Contains(std::string_view name) const { return Find(name) != nullptr; }
  // The macro of that name, made (empty) when there was none. The table keeps name as a view:
  // its bytes must outlive the table.
  Macro& Define(std::string_view name);
  void Erase(std::string_view name);
  // Room for so many defines in all, made at once.
  void Reserve(size_t names) { index_.Reserve(names); }

 private:
  // The names in the order they were defined (an erased one keeps its place, emptied).
  struct Entry {
    std::string_view name;
    Macro macro;
  };
  std::string_view NameOf(std::uint32_t entry) const { return entries_[entry].name; }

  std::deque<Entry> entries_;
  NameIndex index_;
};

}  // namespace tolvex::rc
