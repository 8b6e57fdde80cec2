// The pieces of a script line: the three scanners over SLINE from ISIGNE, the filling of a control
// entry from a CONTROL line, and the recording of #define identifiers.
#pragma once

#include <string>

namespace tolvex {

// Appends to A the text from ISIGNE up to the next comma or the end of the line; ISIGNE ends on
// that comma. Returns A.
std::string VALOR();
// Appends to A the text between the next double quote from ISIGNE and the one after it; ISIGNE
// ends on the closing quote. Returns A.
std::string CAPTION();
// The font size: the same gathering as VALOR.
std::string FONT();
// Fills control entry n of dialog INODIALOG from the CONTROL line in SLINE.
void VALUECTRL(int n);
// Records one define entry for each marker the #define line in SLINE holds.
void CONTROL();
// Records the entry INBEVENT from the marker at IIDDIAL: the name up to a blank, then the rest of
// the line without blanks.
void VALUESID();

}  // namespace tolvex
