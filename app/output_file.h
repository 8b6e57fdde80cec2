// The two files a conversion leaves beside the script: the generated program and the settings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/run_inputs.h"
#include "app/safe_save.h"

namespace tolvex {

// Saves a program's bytes as the .bas file named after NAMEF1040, in DIR1040, unless that is the
// script itself.
void SAVEBAS(const std::string& program);
// Saves the four coefficient texts to the settings file in DIR1040, unless that file exists and
// cannot be read (its texts were never seen, so they are not replaced) or is the script itself.
void SAVINI(const CoefficientTexts& texts);

// The settings file in DIR1040, and the texts it holds for the coefficient fields, in order: at
// most four, each cut at what a field holds (1,023 bytes), none when the file cannot be read. Only
// a regular file is read: a folder, FIFO or device is not waited for.
constexpr size_t kSettingsLines = 4;
std::string SettingsPath();
std::vector<std::string> SettingsTexts();
// Why the settings file, which exists, cannot be read; nothing when it can be or does not exist.
std::optional<std::string> SettingsUnreadable();

// The .bas name of a script path: its name after the last separator, less its last three
// characters, with ".bas" (dialog.rc gives dialog.bas, res.dlg gives res..bas).
std::string BasFileName(const std::string& scriptPath);
// The settings as the file holds them: the four coefficient texts, each with CR LF.
std::string SettingsBytes(const CoefficientTexts& texts);

}  // namespace tolvex
