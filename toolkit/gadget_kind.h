// The kinds of gadget the toolkit's constructors make.
#pragma once

namespace tolvex {

enum class GadgetKind { kText, kEdit, kListBox, kButton, kCheckBox };

}  // namespace tolvex
