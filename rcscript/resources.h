// The statement readers of the resources the model holds. Each takes the stream just after the
// resource's type keyword.
#pragma once

#include "rcscript/model.h"
#include "rcscript/statement_stream.h"

namespace tolvex::rc {

// Whether a token names a resource type the reader knows (DIALOG, MENU, ICON, VERSIONINFO ...).
bool IsResourceType(const Token& token);
// Whether a token is a keyword that starts a statement inside a resource (a control statement, a
// dialog's option, MENUITEM, POPUP): it never continues the statement before it.
bool StartsStatement(const Token& token);
bool IsControlStatement(const Token& token);

// `texts`: how the resource's texts are held and meant, as the script states it where it stands.
// `room`: a list kept from one dialog to the next, whose room the controls are read into.
void ReadDialog(StatementStream& tokens, const Token& start, Value name, const Token& type,
                const TextCoding& texts, Model& model, std::vector<Control>& room);
void ReadMenu(StatementStream& tokens, const Token& start, Value name, const Token& type,
              const TextCoding& texts, Model& model);

}  // namespace tolvex::rc
