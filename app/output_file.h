// The two files a conversion leaves beside the script: the generated program and the settings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/program_backup.h"
#include "app/run_inputs.h"
#include "app/safe_save.h"
#include "app/script_guard.h"

namespace tolvex {

// What saving a program did: the backup of the program it replaced, and whether it was written;
// keptTemporary names the temporary that alone holds the new bytes when the file could not be.
struct ProgramSave {
  Backup backup;
  bool saved = false;
  std::string keptTemporary;
};
// Saves a program's bytes at path, the replaced program kept first (KeepReplacedProgram), never
// over a script of the run: when it cannot be kept, nothing is written.
ProgramSave SaveProgram(const std::string& path, const BytePieces& bytes,
                        const RunScripts& scripts);
// Saves a program's bytes as the .bas file named after NAMEF1040, in DIR1040; never over the
// script itself. Its pieces are made as they are written: the program's text is not held twice.
ProgramSave SAVEBAS(const BytePieces& program);
ProgramSave SAVEBAS(const std::string& program);
// Saves the four coefficient texts to the settings file in DIR1040, and the line that asks for
// the complete conversion when it ran; not when that file exists and cannot be read (its texts
// were never seen, so they are not replaced) or is the script itself.
void SAVINI(const CoefficientTexts& texts, bool complete);

// What a folder's settings file holds: the texts for the coefficient fields, in order (at most
// four, each cut at what a field holds, 1,023 bytes; none when the file cannot be read), and
// whether its fifth line asks for the complete conversion. Files of four lines, as every earlier
// version wrote them, ask for the designed one. Only a regular file is read: a folder, FIFO or
// device is not waited for.
constexpr size_t kSettingsLines = 4;
constexpr const char* kCompleteLine = "complete";
struct Settings {
  std::vector<std::string> texts;
  bool complete = false;
  std::optional<std::string> unreadable;  // as SettingsUnreadable, from the same opening
};
std::string SettingsPath();
Settings ReadSettings();
// Why the settings file, which exists, cannot be read; nothing when it can be or does not exist.
std::optional<std::string> SettingsUnreadable();

// The .bas name of a script path: its name after the last separator, less its last three
// characters, with ".bas" (dialog.rc gives dialog.bas, res.dlg gives res..bas).
std::string BasFileName(const std::string& scriptPath);
// The settings as the file holds them: the four coefficient texts, each with CR LF, then
// kCompleteLine with CR LF when the complete conversion ran.
std::string SettingsBytes(const CoefficientTexts& texts, bool complete);

}  // namespace tolvex
