// The gadget kind of a control whatever its identifier: the identifier's prefix first, as the
// designed conversion chooses, then the control's class and style.
#pragma once

#include <string>

#include "generator/gadget_kinds.h"
#include "rcscript/model.h"

namespace tolvex::complete {

// The control's kind, or null when its class has none (a tree view, a tab control, a custom
// class ...).
const GadgetKindLines* KindOfControl(const rc::Control& control);

// A bar's orientation keyword from its style bits; empty for a bar left unset and for the other
// kinds.
std::string_view BarOrientationOf(const GadgetKindLines& kind, const rc::Control& control);

}  // namespace tolvex::complete
