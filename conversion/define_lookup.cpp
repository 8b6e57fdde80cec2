#include "conversion/define_lookup.h"

#include <unordered_map>

#include "conversion/tables.h"

namespace tolvex {
namespace {

// Name to the first entry holding it, rebuilt when the define table or its bound changes, which
// happens once per conversion.
struct DefineIndex {
  unsigned generation = ~0u;
  int bound = -1;
  std::unordered_map<std::string, int> firstEntry;
};

}  // namespace

const std::string* LookupDefine(const std::string& name) {
  static DefineIndex index;
  if (index.generation != SIDNAME.defineGeneration() || index.bound != INBEVENTMAX) {
    index.firstEntry.clear();
    for (int i = 1; i <= INBEVENTMAX && i < SIDNAME.entryCount(0); ++i) {
      index.firstEntry.emplace(SIDNAME.get(0, i, 0), i);
    }
    index.generation = SIDNAME.defineGeneration();
    index.bound = INBEVENTMAX;
  }
  const auto it = index.firstEntry.find(name);
  return it == index.firstEntry.end() ? nullptr : &SIDNAME.get(0, it->second, 1);
}

}  // namespace tolvex
