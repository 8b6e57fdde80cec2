#include "rcscript/macro_table.h"

#include <functional>
#include <stdexcept>
#include <utility>

namespace tolvex::rc {
namespace {
size_t HashOf(std::string_view name) { return std::hash<std::string_view>()(name); }
// The slot is chosen by the hash's low bits; the tag keeps its high ones.
std::uint32_t TagOf(size_t hash) { return static_cast<std::uint32_t>(hash >> 32); }
}  // namespace

size_t MacroTable::SlotOf(std::string_view name, size_t hash) const {
  if (slots_.empty()) return 0;
  const size_t mask = slots_.size() - 1;
  const std::uint32_t tag = TagOf(hash);
  // Half the slots at least are free, so every run of probes meets one.
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot slot = slots_[i];
    if (slot.entry == kFree) return slots_.size();
    if (slot.entry != kErased && slot.tag == tag && entries_[slot.entry].name == name) return i;
  }
}

const Macro* MacroTable::Find(std::string_view name) const {
  const size_t at = SlotOf(name, HashOf(name));
  return at < slots_.size() ? &entries_[slots_[at].entry].macro : nullptr;
}

Macro& MacroTable::Define(std::string_view name) {
  const size_t hash = HashOf(name);
  const size_t found = SlotOf(name, hash);
  if (found < slots_.size()) return entries_[slots_[found].entry].macro;
  if (entries_.size() >= kErased) throw std::length_error("too many defines to hold");
  MakeRoom();
  const size_t mask = slots_.size() - 1;
  size_t i = hash & mask;
  while (slots_[i].entry != kFree && slots_[i].entry != kErased) i = (i + 1) & mask;
  if (slots_[i].entry == kErased) --erased_;
  slots_[i] = Slot{TagOf(hash), static_cast<std::uint32_t>(entries_.size())};
  ++taken_;
  entries_.push_back(Entry{name, Macro{}});
  return entries_.back().macro;
}

void MacroTable::Erase(std::string_view name) {
  const size_t at = SlotOf(name, HashOf(name));
  if (at == slots_.size()) return;
  // The slot stays marked, so that the names placed beyond it are still found.
  entries_[slots_[at].entry].macro = Macro{};
  slots_[at].entry = kErased;
  --taken_;
  ++erased_;
}

void MacroTable::MakeRoom() {
  if ((taken_ + erased_ + 1) * 2 <= slots_.size()) return;
  size_t size = 16;
  while (size < (taken_ + 1) * 4) size *= 2;
  const std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(size));
  erased_ = 0;
  const size_t mask = size - 1;
  for (const Slot& slot : old) {
    if (slot.entry == kFree || slot.entry == kErased) continue;
    size_t i = HashOf(entries_[slot.entry].name) & mask;
    while (slots_[i].entry != kFree) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace tolvex::rc
