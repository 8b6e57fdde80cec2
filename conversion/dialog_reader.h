#pragma once

namespace tolvex {

// Reads every DIALOGEX block from ITM on, emitting each dialog's window, menu and control lines.
void DIAL();

}  // namespace tolvex
