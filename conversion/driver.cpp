#include "conversion/driver.h"

#include "conversion/dialog_reader.h"
#include "conversion/line_fields.h"
#include "conversion/main_window_ids.h"
#include "conversion/scaling.h"
#include "conversion/script_text.h"
#include "conversion/source_listing.h"
#include "conversion/tables.h"
#include "generator/event_emitter.h"
#include "generator/line_shapes.h"
#include "generator/menu_emitter.h"
#include "generator/output_listing.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {
void START() {
  SCALEX = HorizontalScale(CoefficientField(kGlobalHorizCoeff));
  SCALEY = VerticalScale(CoefficientField(kGlobalVertCoeff));
  INODIALOG = 0;
  EmitLines(shapes::IncludeLines());

  ITM = 0;
  const int lineCount = SourceLineCount();
  while (ITM <= lineCount) {
    SLINE = SourceLine(ITM);
    const std::string upper = UpperCase(SLINE);
    if (Contains(upper, "DIALOGEX")) break;
    if (Contains(upper, "DEFINE")) {
      const int before = INBEVENT;
      CONTROL();
      // A line that merely mentions "define" records nothing and writes nothing.
      if (INBEVENT > before) {
        NAMEID = SIDNAME.get(0, INBEVENT, 0);
        NUMID = SIDNAME.get(0, INBEVENT, 1);
        EmitLine(shapes::DefineLine(NAMEID, NUMID));
      }
    }
    ++ITM;
  }
  INBEVENTMAX = INBEVENT;

  if (GETGADGETSTATE(kScreenCheck) == 1) EmitLines(shapes::ScreenBlockLines());
}

bool CONVERT() {
  if (CountItemListBox(kOutputListing) > 1) ResetForConversion();
  if (SourceLineCount() == 0) return false;

  START();
  if (INBMENU != 0) IndexMenuLines();
  DIAL();
  EmitLines({"", ""});
  DOEVENT1();
  if (INBMENU != 0) {
    DOMENU1();
    DOMENU2();
  }
  DOEVENT2();
  const int dialogs = INBDIAMAX;
  for (INODIALOG = 1; INODIALOG <= dialogs; ++INODIALOG) DOEVENT3();
  DOEVENT4();

  HideGadget(kSourceListing, 1);
  HideGadget(kOutputListing, 0);
  return true;
}

}  // namespace tolvex
