// The identifier lookup: which define entry names a control's identifier.
#pragma once

#include <string>

namespace tolvex {

// Field 1 of the first define entry, among entries 1 to INBEVENTMAX, whose name equals name
// exactly; null when none does. Answers in constant time however many defines the script has.
const std::string* LookupDefine(const std::string& name);

}  // namespace tolvex
