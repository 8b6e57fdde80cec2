// The toolkit's process-wide state shared between its files: the registries, the colour flags of
// the window procedure, and the count of the brushes and fonts it has made.
#pragma once

#include <windows.h>
#include <richedit.h>

#include "toolkit/win32/list10.h"

namespace tolvex::win32 {

// The gadget list, the window classes and the colour records. Null until the first OpenWindow.
LIST10* LISALIST();
LIST10* CLASSLIST();
LIST10* COLORLIST();

// Set to 1 by a colour look-up by handle that finds no record; the window procedure clears it.
extern int ERROR_COLOR;
// Background and text colour of the drop-down lists of combo boxes.
extern int COLBK;
extern int COLTE;
// The default gadget font; null for none.
extern HFONT FONT___;
// The character format shared by the rich-edit colour messages.
extern CHARFORMATA CF;

// Every brush and font the toolkit creates or deletes goes through these, so that a test can see
// that repeated paints and colour changes leave nothing behind.
HBRUSH CreateCountedBrush(COLORREF colour);
HFONT CreateCountedFont(const LOGFONTA& font);
void DeleteCounted(HGDIOBJ object);

// The codes GADGETCLASS answers, one per window class it knows; 0 for any other.
enum GadgetClassCode : int {
  kListBoxClass = 2,
  kComboBoxClass = 3,
  kTabClass = 4,
  kScrollBarClass = 5,
  kListViewClass = 6,
  kTrackbarClass = 7,
  kProgressClass = 8,
  kDateTimeClass = 9,
  kMonthCalendarClass = 10,
  kComboListClass = 13,  // a combo box's drop-down list
  kUpDownClass = 14,
  kToolbarClass = 15,
  kStaticClass = 16,
};

// The up-down control that belongs to gadget id (registered under id + kUpDownIdOffset), or null.
HWND UpDownOf(int id);

// Turns a window handle into a registry key and back: handles and ids share one key space.
inline Key KeyOf(HWND window) { return reinterpret_cast<Key>(window); }
inline HWND WindowOf(Key key) { return reinterpret_cast<HWND>(key); }

}  // namespace tolvex::win32
