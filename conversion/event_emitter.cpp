#include "conversion/designed_conversion.h"
#include "conversion/script_text.h"
#include "generator/line_shapes.h"

namespace tolvex {

void DesignedConversion::DOEVENT1() { EmitLines(shapes::LoopHeadLines()); }

void DesignedConversion::DOEVENT2() { EmitLines(shapes::GadgetBranchHeadLines()); }

// Every control the dialog holds gets its branch, however many defines the script has: the row
// holds exactly the dialog's control entries, and entries never filled are empty.
void DesignedConversion::DOEVENT3() {
  const int d = INODIALOG;
  const int entries = SIDNAME.entryCount(d);
  for (int r = 1; r < entries; ++r) {
    const std::string_view identifier = SIDNAME.get(d, r, 0);
    if (!Contains(identifier, "IDC_")) continue;
    for (const auto& line : shapes::GadgetCaseLinePieces(identifier, SIDNAME.get(d, r, 1))) {
      EmitLine(line);
    }
  }
}

void DesignedConversion::DOEVENT4() { EmitLines(shapes::LoopTailLines()); }

}  // namespace tolvex
