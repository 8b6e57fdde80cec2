#include "generator/window_emitter.h"

#include <string>

#include "conversion/tables.h"
#include "generator/output_listing.h"

namespace tolvex {

// The fields go in exactly as the dialog reader stored them, blanks included.
void DISPWIN(int d) {
  const auto field = [d](int f) -> const std::string& { return SDIALVAL.get(d, f); };
  const std::string number = std::to_string(d);
  EmitLine("");
  EmitLine("Var hwnd" + number + "=OpenWindow(\"" + field(4) + "\"," + field(0) + "," + field(1) +
           "," + field(2) + "," + field(3) + ")");
  EmitLine("SetGadgetFont (,LoadFont (\"" + field(6) + "\"," + field(5) + "))");
  EmitLine("UseGadgetList (hwnd" + number + ")");
  EmitLine("");
  EmitLine("");
}

}  // namespace tolvex
