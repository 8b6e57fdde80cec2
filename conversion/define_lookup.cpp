#include "conversion/define_lookup.h"

#include "conversion/tables.h"

namespace tolvex {

// The first entry holding the name overall is the first among 1 to INBEVENTMAX, if any is.
const std::string* LookupDefine(const std::string& name) {
  const int entry = SIDNAME.firstDefineEntry(name);
  return entry >= 1 && entry <= INBEVENTMAX ? &SIDNAME.get(0, entry, 1) : nullptr;
}

}  // namespace tolvex
