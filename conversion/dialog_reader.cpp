#include "conversion/designed_conversion.h"
#include "conversion/script_text.h"
#include "generator/numbers.h"

namespace tolvex {

// Header: IDENT DIALOGEX x,y,width,height
void DesignedConversion::ReadHeader(int d) {
  ISIGNE = IIDDIAL + 8;
  for (int field = 0; field <= 3; ++field) {
    A.clear();
    SDIALVAL.set(d, field, VALOR());
    if (field < 3) ++ISIGNE;
  }
}

// The line after the header: CAPTION "text"
void DesignedConversion::ReadCaption(int d) {
  const int c = InStr(SLINE, "CAPTION");
  if (c == 0) return;
  ISIGNE = c + 7;
  A.clear();
  SDIALVAL.set(d, 4, CAPTION());
}

// The line after that: FONT size,"face"
void DesignedConversion::ReadFont(int d) {
  const int f = InStr(SLINE, "FONT");
  if (f == 0) return;
  ISIGNE = f + 4;
  A.clear();
  SDIALVAL.set(d, 5, FONT());
  ISIGNE = f + 6;
  A.clear();
  SDIALVAL.set(d, 6, CAPTION());
}

// The header's width and height become the window's size in pixels.
void DesignedConversion::ScaleWindow(int d) {
  GADGET = WindowWidthPixels(LeadingNumber(SDIALVAL.get(d, 2)), SCALEX, coefficients_.windowX);
  SDIALVAL.set(d, 2, IntegerText(GADGET));
  GADGET = WindowHeightPixels(LeadingNumber(SDIALVAL.get(d, 3)), SCALEY, coefficients_.windowY);
  SDIALVAL.set(d, 3, IntegerText(GADGET));
}

// Looks for the dialog's first CONTROL line from the line after FONT on. A dialog without
// controls ends at its END line, or at the next header, instead of taking the next dialog's
// controls as its own.
DesignedConversion::FirstControl DesignedConversion::FindFirstControl(int lineCount) {
  while (true) {
    ++ITM;
    if (ITM > lineCount) return FirstControl::kEndOfListing;
    SLINE = SourceLine(ITM);
    if (Contains(SLINE, "CONTROL")) return FirstControl::kFound;
    if (IsEndLine(SLINE)) return FirstControl::kNoControls;
    if (Contains(SLINE, "DIALOGEX")) return FirstControl::kNextDialog;
  }
}

// Reads CONTROL lines until the dialog's END line; each control is emitted as soon as it is read.
void DesignedConversion::ReadControls(int d, int lineCount) {
  INBEVENT = 0;
  while (ITM <= lineCount) {
    SLINE = SourceLine(ITM);
    if (Contains(SLINE, "CONTROL")) {
      ++INBEVENT;
      VALUECTRL(INBEVENT);
      AFFCONTROL(INBEVENT, d);
    }
    ++ITM;
    if (IsEndLine(SLINE)) return;
  }
}

void DesignedConversion::DIAL() {
  const int lineCount = SourceLineCount();
  while (ITM <= lineCount) {
    SLINE = SourceLine(ITM);
    IIDDIAL = InStr(SLINE, "DIALOGEX");
    if (IIDDIAL == 0) {
      ++ITM;
      continue;
    }
    const int d = ++INODIALOG;
    INBDIAMAX = d;
    ReadHeader(d);
    SLINE = SourceLine(++ITM);
    ReadCaption(d);
    SLINE = SourceLine(++ITM);
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
