// The state of one designed conversion and its passes. The passes keep the names and the order
// they have always had; what they share lives here, for one call, and nothing of it outlives it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/designed.h"
#include "conversion/tables.h"

namespace tolvex {

class DesignedConversion {
 public:
  // Given a sink, the lines go there and the program holds none.
  DesignedConversion(const PackedLines& scriptLines, const Coefficients& coefficients, bool screen,
                     LineSink sink = {});

  // The passes, in order: the define pass, the dialogs (each window, menu and control as it is
  // read), the loop head, the menu branch, the gadget branch, a dialog's Case lines, the tail.
  // Only the first two read the script's lines; scriptRead is called after them.
  DesignedProgram CONVERT(const std::function<void()>& scriptRead = {});
  void START();
  void DIAL();
  void DOEVENT1();
  void DOMENU1();
  void DOMENU2();
  void DOEVENT2();
  void DOEVENT3();
  void DOEVENT4();

  // The script's lines by 0-based index, as the source listing always held them: an empty line
  // reads as one blank and a line ends at its first NUL; at or past the end, the empty text.
  int SourceLineCount() const { return static_cast<int>(script_.size()); }
  std::string SourceLine(int index) const;

  // The line scanners over SLINE from ISIGNE (line_fields.cpp). VALOR appends to A up to the next
  // comma; CAPTION the text between the next two quotes; FONT is VALOR. Each returns A.
  std::string VALOR();
  std::string CAPTION();
  std::string FONT();
  // Fills control entry n of dialog INODIALOG from the CONTROL line in SLINE.
  void VALUECTRL(int n);
  // Records one define entry for each marker the #define line in SLINE holds.
  void CONTROL();
  // Records the entry INBEVENT from the marker at IIDDIAL: the name up to a blank, then the rest
  // of the line without blanks.
  void VALUESID();
  // Field 1 of the first define entry, among entries 1 to INBEVENTMAX, named name; none if none.
  // Valid until the table is next written.
  std::optional<std::string_view> LookupDefine(const std::string& name) const;

  // The emitters: a dialog's window lines, a control's gadget lines, a dialog's menu.
  void DISPWIN(int d);
  void AFFCONTROL(int ev, int d);
  void IndexMenuLines();
  void MENU1();
  void READMENU();
  void READMENUITEM();

  // The one line writer: every pass appends the program's lines through these.
  void EmitLine(std::string_view line);
  void EmitLines(const shapes::Lines& lines);
  template <size_t N>
  void EmitLine(const shapes::LinePieces<N>& pieces) {
    if (sink_) {
      joined_.clear();
      shapes::AppendAll(joined_, pieces.data(), N);
      sink_(joined_);
    } else {
      program_.lines.push_back(pieces);
    }
  }
  // What the passes have written so far (CONVERT hands it over).
  const DesignedProgram& Written() const { return program_; }

  // The tables and the counters, cursors and current-control strings the passes share.
  ControlTable SIDNAME;
  DialogTable SDIALVAL;
  std::string SLINE;  // the source line under examination
  std::string A;      // accumulator of the line scanners
  int ISIGNE = 0;     // 1-based character cursor in SLINE
  int IIDDIAL = 0;    // 1-based position of the last marker or keyword found, 0 when absent
  int ITM = 0;        // 0-based source line cursor shared by the define pass and the dialog reader
  int INODIALOG = 0;  // current dialog number, 0 during the define pass
  int INBDIAMAX = 0;  // number of the last dialog read
  int INBEVENT = 0;   // define entries so far (define pass), CONTROL lines so far (dialog)
  int INBEVENTMAX = 0;  // number of define entries, fixed at the end of the define pass
  int INBMENU = 0;      // define entries recorded for "IDM_"; the menu passes run when not 0
  float SCALEX = 0;     // global scales, single precision like the coefficient arithmetic
  float SCALEY = 0;
  double GADGET = 0;  // the geometry value rounded last; a whole number, of any size
  std::string NAMEID, NUMID, XID, YID, WIDTHID, HEIGHTID, CAPTIONID, VERT;
  std::string lineScratch_;  // each gadget line is made here before it joins the program
  int POPUP = 0, MEN = 0, ITM3 = 0, MEMPOPUP = 0;

 private:
  // The dialog reader's steps (dialog_reader.cpp).
  enum class FirstControl { kFound, kNoControls, kNextDialog, kEndOfListing };
  void ReadHeader(int d);
  void ReadCaption(int d);
  void ReadFont(int d);
  void ScaleWindow(int d);
  FirstControl FindFirstControl(int lineCount);
  void ReadControls(int d, int lineCount);
  // Appends to A from ISIGNE up to the stop character or the end of the line.
  void GatherUntil(char stop);
  // The text of SLINE from a 1-based position up to the stop character or the end of the line.
  std::string FieldFrom(int position, char stop);

  // Where the lines each dialog's menu search looks for stand, ascending: found once per
  // conversion, so that a dialog's search costs what it finds, not the rest of the script.
  struct MenuLineIndex {
    std::vector<int> headers, popups, dialogs;
  };
  MenuLineIndex menuLines_;

  const PackedLines& script_;
  Coefficients coefficients_;
  bool screen_;
  LineSink sink_;
  std::string joined_;  // a line joined from its pieces for the sink
  DesignedProgram program_;
};

}  // namespace tolvex
