// The two files a conversion leaves beside the script: the generated program and the settings.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/run_inputs.h"

namespace tolvex {

// Saves a program's bytes as the .bas file named after NAMEF1040, in DIR1040.
void SAVEBAS(const std::string& program);
// Saves the four coefficient texts to the settings file in DIR1040.
void SAVINI(const CoefficientTexts& texts);

// The settings file in DIR1040, and the texts it holds for the coefficient fields, in order: at
// most four, none when the file cannot be read.
constexpr size_t kSettingsLines = 4;
std::string SettingsPath();
std::vector<std::string> SettingsTexts();

// The .bas name of a script path: its name after the last separator, less its last three
// characters, with ".bas" (dialog.rc gives dialog.bas, res.dlg gives res..bas).
std::string BasFileName(const std::string& scriptPath);
// The settings as the file holds them: the four coefficient texts, each with CR LF.
std::string SettingsBytes(const CoefficientTexts& texts);
// Writes bytes as the whole of the file at path, or leaves the file as it was: the bytes go to a
// temporary file beside the file (beside a link's target, the link kept), which then replaces it
// with the replaced file's permissions. A device, FIFO or terminal is written directly. When
// another program's open handle blocks the replacing, the file is written in place; if that fails
// too, the temporary stays and its name goes to keptTemporary. False when nothing was written.
bool SaveWholeFile(const std::string& path, const std::string& bytes,
                   std::string* keptTemporary = nullptr);

}  // namespace tolvex
