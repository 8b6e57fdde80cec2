// The preprocessor's defines by name. Every identifier a reading meets is looked up here, so the
// table is open addressed at a power-of-two size: a look is a hash, a mask and a short run of
// neighbouring slots, without a general hash map's division and chase through separate nodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

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

 private:
  // The names in the order they were defined (an erased one keeps its place, emptied), and the
  // slots that find them: a slot holds part of the name's hash, so that most slots passed over
  // are told apart without a look at the name, and the entry's number.
  struct Entry {
    std::string_view name;
    Macro macro;
  };
  struct Slot {
    std::uint32_t tag = 0;
    std::uint32_t entry = kFree;  // else kErased or the entry's number
  };
  static constexpr std::uint32_t kFree = 0xFFFFFFFF, kErased = 0xFFFFFFFE;
  // The slot holding name's entry, or slots_.size().
  size_t SlotOf(std::string_view name, size_t hash) const;
  // Room for one more name, at most half the slots taken or erased.
  void MakeRoom();

  std::deque<Entry> entries_;
  std::vector<Slot> slots_;
  size_t taken_ = 0, erased_ = 0;
};

}  // namespace tolvex::rc
