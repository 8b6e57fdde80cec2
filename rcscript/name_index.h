// Numbers of entries by their names: the defines of a reading, the define table of the designed
// conversion. Every identifier is looked up, so the index is open addressed at a power-of-two size,
// never more than half taken: a look is a hash, a mask and a short run of neighbouring slots. A
// slot keeps the low half of its name's hash, which tells most slots passed over apart without a
// look at the name and lets the index grow without one; the names stay with their owner, which
// gives an entry's name to nameOf.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvex::rc {

class NameIndex {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  // The entry under name, or kNone.
  template <class NameOf>
  std::uint32_t Find(std::string_view name, const NameOf& nameOf) const {
    const size_t at = SlotOf(name, HashOf(name), nameOf);
    return at < slots_.size() ? slots_[at].entry : kNone;
  }
  // The entry under name when the index holds it; else puts `entry` under name and gives kNone.
  // One look serves both: a name is hashed once.
  template <class NameOf>
  std::uint32_t Insert(std::string_view name, std::uint32_t entry, const NameOf& nameOf) {
    const std::uint32_t hash = HashOf(name);
    const size_t at = SlotOf(name, hash, nameOf);
    if (at < slots_.size()) return slots_[at].entry;
    Place(hash, entry);
    return kNone;
  }
  // Takes name out and gives its entry, or kNone; the slot stays marked, so that the names placed
  // past it are still found.
  template <class NameOf>
  std::uint32_t Erase(std::string_view name, const NameOf& nameOf) {
    const size_t at = SlotOf(name, HashOf(name), nameOf);
    if (at == slots_.size()) return kNone;
    const std::uint32_t entry = std::exchange(slots_[at].entry, kErased);
    --taken_;
    ++erased_;
    return entry;
  }
  // Room for so many names in all without growing.
  void Reserve(size_t names) {
    if (names * 2 > slots_.size()) Grow(std::max(names, taken_));
  }
  // Empties the index, with room for so many names without growing.
  void Clear(size_t names = 0) {
    *this = NameIndex();
    Grow(names);
  }

 private:
  static constexpr std::uint32_t kErased = 0xFFFFFFFE;
  struct Slot {
    std::uint32_t hash = 0;  // its low half
    std::uint32_t entry = kNone;
  };
  static std::uint32_t HashOf(std::string_view name) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>()(name));
  }
  // The slot holding name's entry, or slots_.size().
  template <class NameOf>
  size_t SlotOf(std::string_view name, std::uint32_t hash, const NameOf& nameOf) const {
    if (slots_.empty()) return 0;
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
      const Slot slot = slots_[i];
      if (slot.entry == kNone) return slots_.size();
      if (slot.entry != kErased && slot.hash == hash && nameOf(slot.entry) == name) return i;
    }
  }
  // Puts entry in the first free or erased slot of its hash.
  void Place(std::uint32_t hash, std::uint32_t entry) {
    MakeRoom();
    const size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    while (slots_[i].entry != kNone && slots_[i].entry != kErased) i = (i + 1) & mask;
    if (slots_[i].entry == kErased) --erased_;
    slots_[i] = Slot{hash, entry};
    ++taken_;
  }
  // Room for one more name, at most half the slots taken or erased.
  void MakeRoom() {
    if ((taken_ + erased_ + 1) * 2 > slots_.size()) Grow(taken_ + 1);
  }
  // Slots for so many names at most half taken, the erased ones dropped.
  void Grow(size_t names) {
    size_t size = 16;
    while (size < names * 2) size *= 2;
    const std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(size));
    erased_ = 0;
    for (const Slot& slot : old) {
      if (slot.entry == kNone || slot.entry == kErased) continue;
      size_t i = slot.hash & (size - 1);
      while (slots_[i].entry != kNone) i = (i + 1) & (size - 1);
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;
  size_t taken_ = 0, erased_ = 0;
};

}  // namespace tolvex::rc
