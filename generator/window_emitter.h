#pragma once

namespace tolvex {

// Appends the six window lines of dialog d from its row of the dialog table.
void DISPWIN(int d);

}  // namespace tolvex
