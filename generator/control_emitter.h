#pragma once

namespace tolvex {

// Appends the gadget line, or group of lines, of control entry ev of dialog d.
void AFFCONTROL(int ev, int d);

}  // namespace tolvex
