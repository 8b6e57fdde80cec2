// The generated program's event loop: head, close branch, a Case per control, tail.
#pragma once

namespace tolvex {

void DOEVENT1();
void DOEVENT2();
// The Case lines of dialog INODIALOG's controls whose identifier holds "IDC_".
void DOEVENT3();
void DOEVENT4();

}  // namespace tolvex
