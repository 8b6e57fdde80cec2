#include "generator/event_emitter.h"

#include "conversion/script_text.h"
#include "conversion/tables.h"
#include "generator/output_listing.h"

namespace tolvex {

void DOEVENT1() {
  EmitLine("");
  EmitLine("' code");
  EmitLine("");
  EmitLine("");
  EmitLine("");
  EmitLine("Do");
  EmitLine(" Var event=WaitEvent()");
  EmitLine("'");
}

void DOEVENT2() {
  EmitLine("     Select Case event");
  EmitLine("        Case EventClose");
  EmitLine("         End");
  EmitLine("        Case EventGadget");
  EmitLine("          Select Case EventNumber");
}

// Every control the dialog holds gets its branch, however many defines the script has: the row
// holds exactly the dialog's control entries, and entries never filled are empty.
void DOEVENT3() {
  const int d = INODIALOG;
  const int entries = SIDNAME.entryCount(d);
  for (int r = 1; r < entries; ++r) {
    const std::string& identifier = SIDNAME.get(d, r, 0);
    if (!Contains(identifier, "IDC_")) continue;
    EmitLine("              Case  " + identifier);
    EmitLine("                    '" + SIDNAME.get(d, r, 1));
  }
}

void DOEVENT4() {
  EmitLine("          End Select");
  EmitLine("      End Select");
  EmitLine("Loop");
  EmitLine("'");
  EmitLine("");
  EmitLine("");
}

}  // namespace tolvex
