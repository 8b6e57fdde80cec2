// Lookups in the one table of the reader's words (keywords.def) that more than one stage asks.
#pragma once

#include <string_view>

#include "rcscript/tokens.h"

namespace tolvex::rc {

// What the preprocessor does with a directive.
enum class Directive {
  kUnknown,
  kInclude,
  kDefine,
  kUndef,
  kIf,
  kIfdef,
  kIfndef,
  kElif,
  kElse,
  kEndif,
  kPragma,
  kPassedOver,  // read and left: #error, #warning, #line, #ident, a lone #
};
Directive DirectiveOf(std::string_view name);
// The table's own copy of a directive's name, which lasts as long as the program; empty for a name
// that is no directive.
std::string_view DirectiveName(std::string_view name);

// LANGUAGE, VERSION, CHARACTERISTICS: alone in the script or before a resource's block.
bool IsResourceOption(const Token& token);
// MENUITEM, POPUP.
bool IsMenuStatement(const Token& token);
// A dialog's optional statements (STYLE, CAPTION, FONT ...) and the resource's own.
bool IsDialogOption(const Token& token);
// A menu item's options: CHECKED, GRAYED ...
bool IsMenuOption(const Token& token);
// The memory options a resource may carry: PRELOAD, DISCARDABLE ...
bool IsMemoryOption(const Token& token);

}  // namespace tolvex::rc
