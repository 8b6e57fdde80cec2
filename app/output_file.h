// The two files a conversion leaves beside the script: the generated program and the settings.
#pragma once

namespace tolvex {

// Saves the output listing as the .bas file named after NAMEF1040, in DIR1040.
void SAVEBAS();
// Saves the four coefficient fields to the settings file in DIR1040.
void SAVINI();
// Reads the settings file in DIR1040 back into the coefficient fields.
void INI();

}  // namespace tolvex
