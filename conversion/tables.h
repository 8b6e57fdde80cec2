// The conversion's whole memory: the control table, the dialog table and the counters, cursors
// and current-control strings that the passes share. Every value in the tables is text.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

namespace tolvex {

// SIDNAME: row 0 is the define table, row d (1, 2, ...) the controls of the d-th dialog.
// Rows and entries grow as they are written, so no script is too large; reading a place never
// written gives the empty text and allocates nothing.
class ControlTable {
 public:
  static constexpr int kFields = 8;

  const std::string& get(int dialog, int entry, int field) const;
  void set(int dialog, int entry, int field, std::string text);
  // One past the highest entry the row holds; entries from there on are all empty.
  int entryCount(int dialog) const;
  void clear();
  // The lowest entry of the define table (row 0, from entry 1 on) whose name (field 0) equals
  // name exactly; 0 when none does. Constant time: the table keeps an index of row 0, made anew
  // at the first question after row 0 changed, which is once per conversion.
  int firstDefineEntry(const std::string& name) const;

 private:
  // Entries stay where they are as a row grows, and each holds the fields up to the last one
  // written: a define entry two, a control eight.
  std::vector<std::deque<std::vector<std::string>>> rows_;
  mutable std::unordered_map<std::string, int> defineIndex_;
  mutable bool defineIndexStale_ = true;
};

// SDIALVAL: row d (1, 2, ...) describes the d-th dialog: x, y, width, height, caption, font size,
// font face.
class DialogTable {
 public:
  static constexpr int kFields = 7;

  const std::string& get(int dialog, int field) const;
  void set(int dialog, int field, std::string text);
  void clear();

 private:
  std::deque<std::array<std::string, kFields>> rows_;
};

extern ControlTable SIDNAME;
extern DialogTable SDIALVAL;

extern std::string SLINE;  // the source line under examination
extern std::string A;      // accumulator of the line scanners
extern int ISIGNE;         // 1-based character cursor in SLINE
extern int IIDDIAL;        // 1-based position of the last marker or keyword found, 0 when absent
extern int ITM;        // 0-based source line cursor shared by the define pass and the dialog reader
extern int INODIALOG;  // current dialog number, 0 during the define pass
extern int INBDIAMAX;  // number of the last dialog read
extern int INBEVENT;   // define entries so far (define pass), CONTROL lines so far (dialog)
extern int INBEVENTMAX;  // number of define entries, fixed at the end of the define pass
extern int INBMENU;      // define entries recorded for "IDM_"; the menu passes run when not 0
extern float SCALEX;     // global scales, single precision like the coefficient arithmetic
extern float SCALEY;
extern double GADGET;  // the geometry value rounded last; a whole number, of any size

extern std::string NAMEID, NUMID, XID, YID, WIDTHID, HEIGHTID, CAPTIONID, VERT;
extern int POPUP, MEN, ITM3, MEMPOPUP;
extern int SCREEN_X, SCREEN_Y;
extern int IIDINDEX;

// Run's reset, when an earlier result is still in the output listing: clears the output listing
// and both tables, and zeroes INBEVENT, INBMENU, POPUP and MEN.
void ResetForConversion();
// Load's reset of the tables: both tables emptied, INBEVENT, INBMENU and POPUP zeroed. The
// loader clears and switches the listings itself.
void ResetTablesForLoad();

}  // namespace tolvex
