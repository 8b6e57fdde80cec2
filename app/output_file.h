// The two files a conversion leaves beside the script: the generated program and the settings.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/program_backup.h"
#include "app/run_inputs.h"

namespace tolvex {

// What saving a program did: the backup of the program it replaced, and whether it was written;
// keptTemporary names the temporary that alone holds the new bytes when the file could not be.
struct ProgramSave {
  Backup backup;
  bool saved = false;
  std::string keptTemporary;
};
// Saves a program's bytes at path, the replaced program kept first (KeepReplacedProgram): when it
// cannot be kept, nothing is written.
ProgramSave SaveProgram(const std::string& path, const std::string& bytes);
// Saves a program's bytes as the .bas file named after NAMEF1040, in DIR1040; never over the
// script itself.
ProgramSave SAVEBAS(const std::string& program);
// Saves the four coefficient texts to the settings file in DIR1040, and the line that asks for
// the complete conversion when it ran.
void SAVINI(const CoefficientTexts& texts, bool complete);

// What a folder's settings file holds: the texts for the coefficient fields, in order (at most
// four, none when the file cannot be read), and whether its fifth line asks for the complete
// conversion. Files of four lines, as every earlier version wrote them, ask for the designed one.
struct Settings {
  std::vector<std::string> texts;
  bool complete = false;
};
constexpr size_t kSettingsLines = 4;
constexpr const char* kCompleteLine = "complete";
std::string SettingsPath();
Settings ReadSettings();

// The .bas name of a script path: its name after the last separator, less its last three
// characters, with ".bas" (dialog.rc gives dialog.bas, res.dlg gives res..bas).
std::string BasFileName(const std::string& scriptPath);
// The settings as the file holds them: the four coefficient texts, each with CR LF, then
// kCompleteLine with CR LF when the complete conversion ran.
std::string SettingsBytes(const CoefficientTexts& texts, bool complete);
// Writes bytes as the whole of the file at path, or leaves the file as it was: the bytes go to a
// temporary file beside the file (beside a link's target, the link kept), which then replaces it
// with the replaced file's permissions. A device, FIFO or terminal is written directly. When
// another program's open handle blocks the replacing, the file is written in place; if that fails
// too, the temporary stays and its name goes to keptTemporary. False when nothing was written.
bool SaveWholeFile(const std::string& path, const std::string& bytes,
                   std::string* keptTemporary = nullptr);

}  // namespace tolvex
