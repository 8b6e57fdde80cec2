// The model as text, one line per define, dialog, control, menu item and passed-over resource;
// the surface of the reader's whole-output tests and of tolvex-cli --dump.
//
//   define NAME {TEXT} = NUMBER|"STRING"|? @FILE:LINE
//   dialog NAME DIALOG|DIALOGEX x X y Y w W h H [help H] [caption "C"]
//          [font SIZE "FACE" [WEIGHT [ITALIC [CHARSET]]]] style STYLE exstyle STYLE
//          [menu NAME] [class NAME] @FILE:LINE                          (one line)
//     control STATEMENT TEXT id ID class "CLASS" x X y Y w W h H style STYLE exstyle STYLE
//             [help H] @FILE:LINE                                       (one line)
//   menu NAME MENU|MENUEX @FILE:LINE
//     popup "TEXT" [id ID] [options WORDS] [type STYLE] [state STYLE] [help H] @FILE:LINE
//       item "TEXT" [id ID] [options WORDS] [type STYLE] [state STYLE] @FILE:LINE
//       separator [...the fields of an item...] @FILE:LINE
//   skipped [NAME] TYPE @FILE:LINE
//
// Sections come in that order (defines, dialogs, menus, passed-over resources), each in the
// script's order; a pop-up's items are indented two more blanks than the pop-up.
// A value prints as its number when written as that number, else as TEXT=NUMBER, or TEXT=? when
// a name in it has no value. A style prints as 0xXXXXXXXX {TEXT} or ? {TEXT}: the number the
// resource compiler stores and the terms as written. A control's TEXT is a quoted string, a value
// (an image's id), or - for a statement without text. Strings are quoted with \" \\ \n \t \r and
// \xHH escapes.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "rcscript/model.h"

namespace tolvex::rc {

std::string DumpModel(const Model& model);
// The same listing, written to the stream as it is made.
void DumpModel(const Model& model, std::ostream& stream);

}  // namespace tolvex::rc
