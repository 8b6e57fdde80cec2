#include "app/output_file.h"

#include "app/compare_file.h"
#include "app/limits.h"
#include "app/script_guard.h"
#include "app/shell_state.h"
#include "toolkit/files.h"

namespace tolvex {
namespace {

constexpr const char* kSettingsName = "tolvex.ini";
constexpr const char* kLineEnd = "\r\n";

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder + kPathSeparator + name;
}

// The settings file opened for reading; when it exists but cannot be read, why, in unreadable.
FileHandle OpenSettings(std::optional<std::string>& unreadable) {
  files::ClearFailure();
  const FileHandle handle = files::OpenRegularForReading(SettingsPath());
  if (handle == kBadFile && !files::LastFailureWasMissing()) unreadable = files::LastFailure();
  return handle;
}

// The window's one script: neither of its files may take its place.
RunScripts ScriptOfWindow() {
  RunScripts scripts;
  scripts.Add(NAMEF1040);
  return scripts;
}

}  // namespace

std::string BasFileName(const std::string& scriptPath) {
  // The name starts after the last separator, or at the start of a path without one.
  const size_t separator = scriptPath.find_last_of(kPathSeparator);
  std::string BASFILE =
      separator == std::string::npos ? scriptPath : scriptPath.substr(separator + 1);
  BASFILE.resize(BASFILE.size() >= 3 ? BASFILE.size() - 3 : 0);
  return BASFILE + ".bas";
}

std::string SettingsBytes(const CoefficientTexts& texts, bool complete) {
  std::string bytes;
  for (const std::string& text : texts) bytes += text + kLineEnd;
  // Unticked, the file stays the four lines earlier versions read and write.
  if (complete) bytes += std::string(kCompleteLine) + kLineEnd;
  return bytes;
}

ProgramSave SaveProgram(const std::string& path, const BytePieces& bytes,
                        const RunScripts& scripts) {
  // The program's bytes are made once, as they are written: the replaced program is compared with
  // what the temporary then holds, and kept, before the temporary takes its place.
  ProgramSave save;
  save.saved = SaveWholeFile(path, bytes, &save.keptTemporary, [&](const std::string& temporary) {
    save.backup = KeepReplacedProgram(path, FilePieces(temporary), scripts);
    return save.backup.kept;
  });
  return save;
}

ProgramSave SAVEBAS(const BytePieces& program) {
  if (NAMEF1040.empty()) return {};
  const std::string BASFILE = InFolder(DIR1040, BasFileName(NAMEF1040));
  // A program written over its own script would leave nothing to convert again.
  const RunScripts script = ScriptOfWindow();
  if (script.ReplacedBy(BASFILE) != nullptr) return {};
  return SaveProgram(BASFILE, program, script);
}

ProgramSave SAVEBAS(const std::string& program) { return SAVEBAS(PiecesOf(program)); }

void SAVINI(const CoefficientTexts& texts, bool complete) {
  const std::string path = SettingsPath();
  if (ScriptOfWindow().ReplacedBy(path) != nullptr || SettingsUnreadable()) return;
  SaveWholeFile(path, SettingsBytes(texts, complete));
}

std::string SettingsPath() { return InFolder(DIR1040, kSettingsName); }

// A settings file fills at most the four coefficient fields: longer files never rename buttons.
// Only a fifth line of exactly kCompleteLine asks for the complete conversion; whatever else
// follows the fourth line is not read.
Settings ReadSettings() {
  Settings settings;
  const FileHandle HDLINI = OpenSettings(settings.unreadable);
  if (HDLINI != kBadFile) {
    while (E_O_F(HDLINI) == 0 && settings.texts.size() < kSettingsLines) {
      settings.texts.push_back(files::ReadLine(HDLINI, kMaxSettingsLineBytes));
    }
    settings.complete = settings.texts.size() == kSettingsLines && E_O_F(HDLINI) == 0 &&
                        files::ReadLine(HDLINI, kMaxSettingsLineBytes) == kCompleteLine;
  }
  CLOSE_FILE(HDLINI);
  return settings;
}

std::optional<std::string> SettingsUnreadable() {
  std::optional<std::string> why;
  const FileHandle handle = OpenSettings(why);
  if (handle != kBadFile) CLOSE_FILE(handle);
  return why;
}

}  // namespace tolvex
