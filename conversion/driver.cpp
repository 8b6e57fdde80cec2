#include "conversion/driver.h"

#include "app/output_file.h"
#include "conversion/dialog_reader.h"
#include "conversion/line_fields.h"
#include "conversion/main_window_ids.h"
#include "conversion/numbers.h"
#include "conversion/script_text.h"
#include "conversion/source_listing.h"
#include "conversion/tables.h"
#include "generator/event_emitter.h"
#include "generator/menu_emitter.h"
#include "generator/output_listing.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {
namespace {

// Dialog units to pixels at a coefficient of 1.
constexpr double kHorizontalUnit = 1.5;
constexpr double kVerticalUnit = 1.62;

float GlobalScale(int field, double unit) {
  return static_cast<float>(LeadingNumber(GadgetText(field, kFieldTextSize)) * unit);
}

void EmitScreenBlock() {
  EmitLine("");
  EmitLine("Dim as Integer screen_x,screen_y");
  EmitLine("screen_x = GetSystemMetrics(SM_CXSCREEN)        ' if needed ");
  EmitLine("screen_y = GetSystemMetrics(SM_CYSCREEN)        ' if needed ");
  EmitLine("");
}

}  // namespace

void START() {
  SCALEX = GlobalScale(kGlobalHorizCoeff, kHorizontalUnit);
  SCALEY = GlobalScale(kGlobalVertCoeff, kVerticalUnit);
  INODIALOG = 0;
  EmitLine("#Include once \"gadgetkit.bi\"");
  EmitLine("");

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
        EmitLine("#define  " + NAMEID + "   " + NUMID);
      }
    }
    ++ITM;
  }
  INBEVENTMAX = INBEVENT;

  if (GETGADGETSTATE(kScreenCheck) == 1) EmitScreenBlock();
}

bool CONVERT() {
  if (CountItemListBox(kOutputListing) > 1) ResetForConversion();
  if (SourceLineCount() == 0) return false;

  START();
  DIAL();
  EmitLine("");
  EmitLine("");
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

void RUNBOY() {
  if (!CONVERT()) return;
  SAVEBAS();
  SAVINI();
}

}  // namespace tolvex
