#include "conversion/dialog_reader.h"

#include "conversion/line_fields.h"
#include "conversion/main_window_ids.h"
#include "conversion/numbers.h"
#include "conversion/script_text.h"
#include "conversion/source_listing.h"
#include "conversion/tables.h"
#include "generator/control_emitter.h"
#include "generator/menu_emitter.h"
#include "generator/window_emitter.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {
namespace {

// A dialog's size grows by this many dialog units before scaling, and the window size is then
// corrected for the frame.
constexpr double kDialogUnitsAdded = 16;
constexpr double kWidthCorrection = 0.992;
constexpr double kHeightCorrection = 1.063;

void ReadLine(int index) { SLINE = SourceLine(index); }

double Coefficient(int field) { return LeadingNumber(GadgetText(field, kFieldTextSize)); }

// Header: IDENT DIALOGEX x,y,width,height
void ReadHeader(int d) {
  ISIGNE = IIDDIAL + 8;
  for (int field = 0; field <= 3; ++field) {
    A.clear();
    SDIALVAL.set(d, field, VALOR());
    if (field < 3) ++ISIGNE;
  }
}

// The line after the header: CAPTION "text"
void ReadCaption(int d) {
  const int c = InStr(SLINE, "CAPTION");
  if (c == 0) return;
  ISIGNE = c + 7;
  A.clear();
  SDIALVAL.set(d, 4, CAPTION());
}

// The line after that: FONT size,"face"
void ReadFont(int d) {
  const int f = InStr(SLINE, "FONT");
  if (f == 0) return;
  ISIGNE = f + 4;
  A.clear();
  SDIALVAL.set(d, 5, FONT());
  ISIGNE = f + 6;
  A.clear();
  SDIALVAL.set(d, 6, CAPTION());
}

// The window size in pixels: the dialog units, grown and scaled, times the window coefficient
// and the frame correction, in this order.
void ScaleWindow(int d) {
  const double width = (LeadingNumber(SDIALVAL.get(d, 2)) + kDialogUnitsAdded) * SCALEX;
  GADGET = RoundHalfEven(Coefficient(kWindowHorizCoeff) * width * kWidthCorrection);
  SDIALVAL.set(d, 2, IntegerText(GADGET));
  const double height = (LeadingNumber(SDIALVAL.get(d, 3)) + kDialogUnitsAdded) * SCALEY;
  GADGET = RoundHalfEven(Coefficient(kWindowVertCoeff) * height * kHeightCorrection);
  SDIALVAL.set(d, 3, IntegerText(GADGET));
}

enum class FirstControl { kFound, kNoControls, kNextDialog, kEndOfListing };

// Looks for the dialog's first CONTROL line from the line after FONT on. A dialog without
// controls ends at its END line, or at the next header, instead of taking the next dialog's
// controls as its own.
FirstControl FindFirstControl(int lineCount) {
  while (true) {
    ++ITM;
    if (ITM > lineCount) return FirstControl::kEndOfListing;
    ReadLine(ITM);
    if (Contains(SLINE, "CONTROL")) return FirstControl::kFound;
    if (IsEndLine(SLINE)) return FirstControl::kNoControls;
    if (Contains(SLINE, "DIALOGEX")) return FirstControl::kNextDialog;
  }
}

// Reads CONTROL lines until the dialog's END line; each control is emitted as soon as it is read.
void ReadControls(int d, int lineCount) {
  INBEVENT = 0;
  while (ITM <= lineCount) {
    ReadLine(ITM);
    if (Contains(SLINE, "CONTROL")) {
      ++INBEVENT;
      VALUECTRL(INBEVENT);
      AFFCONTROL(INBEVENT, d);
    }
    ++ITM;
    if (IsEndLine(SLINE)) return;
  }
}

}  // namespace

void DIAL() {
  const int lineCount = SourceLineCount();
  while (ITM <= lineCount) {
    ReadLine(ITM);
    IIDDIAL = InStr(SLINE, "DIALOGEX");
    if (IIDDIAL == 0) {
      ++ITM;
      continue;
    }
    const int d = ++INODIALOG;
    INBDIAMAX = d;
    ReadHeader(d);
    ReadLine(++ITM);
    ReadCaption(d);
    ReadLine(++ITM);
    ReadFont(d);
    ScaleWindow(d);
    DISPWIN(d);
    MENU1();

    switch (FindFirstControl(lineCount)) {
      case FirstControl::kFound: ReadControls(d, lineCount); break;
      case FirstControl::kNoControls: ++ITM; break;
      case FirstControl::kNextDialog: break;
      case FirstControl::kEndOfListing: break;
    }
  }
}

}  // namespace tolvex
