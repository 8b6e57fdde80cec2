// Placeholder: the output and settings files arrive with the file operations.
#include "app/output_file.h"

namespace tolvex {

void SAVEBAS() {}
void SAVINI() {}
void INI() {}

}  // namespace tolvex
