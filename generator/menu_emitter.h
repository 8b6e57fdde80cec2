// Menus: the menu handles and items built after each dialog's window, and the menu branch of the
// event loop.
#pragma once

namespace tolvex {

// Finds the menu lines of the source listing; the conversion calls it once, before the dialogs.
void IndexMenuLines();
void MENU1();
void READMENU();
void READMENUITEM();
void DOMENU1();
void DOMENU2();

}  // namespace tolvex
