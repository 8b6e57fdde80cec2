#include "app/output_file.h"

#include "app/shell_state.h"
#include "toolkit/files.h"

namespace tolvex {
namespace {

constexpr const char* kSettingsName = "tolvex.ini";
constexpr const char* kLineEnd = "\r\n";

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder + kPathSeparator + name;
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

namespace {

// Writes the bytes and closes the file; durable asks for them on the disk before the close.
bool WriteAndClose(FileHandle handle, const std::string& bytes, bool durable) {
  const bool written =
      WRITE_STRING(handle, bytes.c_str()) == 1 && (!durable || files::Flush(handle));
  return CLOSE_FILE(handle) == 1 && written;
}

}  // namespace

bool SaveWholeFile(const std::string& path, const std::string& bytes, std::string* keptTemporary) {
  // A device, FIFO or terminal takes the bytes as they come: there is no file to replace.
  if (files::KindOf(path) == files::FileKind::kStream) {
    const FileHandle handle = files::OpenForWriting(path);
    return handle != kBadFile && WriteAndClose(handle, bytes, false);
  }
  // A link stays a link: the file it leads to is replaced, from a temporary in that file's folder.
  const std::string target = files::FinalName(path);
  const bool replacing = files::KindOf(target) == files::FileKind::kRegular;
  const std::string temporary = target + ".tolvex-tmp";
  const FileHandle HDLWR = CREATE_FILE(temporary.c_str(), kNormalFile);
  if (HDLWR == kBadFile) return false;
  // The replaced file's permissions (and owner) carry over; a new file gets the usual ones.
  const bool access = !replacing || files::TakeAccessOf(target, HDLWR);
  if (WriteAndClose(HDLWR, bytes, true) && access) {
    if (files::Replace(temporary, target)) return true;
    if (files::ReplaceWasBlockedByAnOpenHandle()) {
      // Another program holds the file open: it is written in place, as it always was. Should that
      // fail too, the temporary is all that holds the new bytes, so it stays.
      const FileHandle inPlace = CREATE_FILE(target.c_str(), kNormalFile);
      if (inPlace != kBadFile && WriteAndClose(inPlace, bytes, true)) {
        files::Remove(temporary);
        return true;
      }
      if (keptTemporary != nullptr) *keptTemporary = temporary;
      return false;
    }
  }
  files::Remove(temporary);
  return false;
}

ProgramSave SaveProgram(const std::string& path, const std::string& bytes) {
  ProgramSave save;
  save.backup = KeepReplacedProgram(path, bytes);
  if (save.backup.kept) save.saved = SaveWholeFile(path, bytes, &save.keptTemporary);
  return save;
}

ProgramSave SAVEBAS(const std::string& program) {
  if (NAMEF1040.empty()) return {};
  const std::string BASFILE = InFolder(DIR1040, BasFileName(NAMEF1040));
  // A program written over its own script would leave nothing to convert again.
  if (files::SameFile(BASFILE, NAMEF1040)) return {};
  return SaveProgram(BASFILE, program);
}

void SAVINI(const CoefficientTexts& texts, bool complete) {
  SaveWholeFile(SettingsPath(), SettingsBytes(texts, complete));
}

std::string SettingsPath() { return InFolder(DIR1040, kSettingsName); }

// A settings file fills at most the four coefficient fields: longer files never rename buttons.
// Only a fifth line of exactly kCompleteLine asks for the complete conversion; whatever else
// follows the fourth line is not read.
Settings ReadSettings() {
  Settings settings;
  const FileHandle HDLINI = READ_FILE(SettingsPath().c_str(), kNormalFile);
  if (HDLINI != kBadFile) {
    while (E_O_F(HDLINI) == 0 && settings.texts.size() < kSettingsLines) {
      settings.texts.push_back(files::ReadLine(HDLINI));
    }
    settings.complete = settings.texts.size() == kSettingsLines && E_O_F(HDLINI) == 0 &&
                        files::ReadLine(HDLINI) == kCompleteLine;
  }
  CLOSE_FILE(HDLINI);
  return settings;
}

}  // namespace tolvex
