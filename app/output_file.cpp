#include "app/output_file.h"

#include "app/shell_state.h"
#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
#include "toolkit/files.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {
namespace {

constexpr const char* kSettingsName = "tolvex.ini";
constexpr const char* kLineEnd = "\r\n";
// The coefficient fields 1006, 1008, 1010 and 1012 are two ids apart.
constexpr int kFirstField = kGlobalHorizCoeff;
constexpr int kLastStep = 6;

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder + kPathSeparator + name;
}

}  // namespace

std::string BasFileName(const std::string& scriptPath) {
  // The name starts after the last separator, or at the start of a path without one.
  ISIGNE = static_cast<int>(scriptPath.size());
  while (ISIGNE >= 1 && scriptPath[static_cast<size_t>(ISIGNE) - 1] != kPathSeparator) --ISIGNE;
  std::string BASFILE = scriptPath.substr(static_cast<size_t>(ISIGNE));
  BASFILE.resize(BASFILE.size() >= 3 ? BASFILE.size() - 3 : 0);
  return BASFILE + ".bas";
}

std::string ListingBytes() {
  std::string bytes;
  const int count = CountItemListBox(kOutputListing);
  for (int R = 0; R <= count; ++R) bytes += ListBoxText(kOutputListing, R) + kLineEnd;
  return bytes;
}

std::string SettingsBytes() {
  std::string bytes;
  for (IIDINDEX = 0; IIDINDEX <= kLastStep; IIDINDEX += 2) {
    bytes += GadgetText(kFirstField + IIDINDEX, kFieldTextSize) + kLineEnd;
  }
  IIDINDEX = 0;
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

void SAVEBAS() {
  if (CountItemListBox(kOutputListing) == 0 || NAMEF1040.empty()) return;
  const std::string BASFILE = InFolder(DIR1040, BasFileName(NAMEF1040));
  // A program written over its own script would leave nothing to convert again.
  if (files::SameFile(BASFILE, NAMEF1040)) return;
  SaveWholeFile(BASFILE, ListingBytes());
}

void SAVINI() { SaveWholeFile(SettingsPath(), SettingsBytes()); }

std::string SettingsPath() { return InFolder(DIR1040, kSettingsName); }

// A settings file fills at most the four coefficient fields: longer files never rename buttons.
std::vector<std::string> SettingsTexts() {
  std::vector<std::string> texts;
  const FileHandle HDLINI = READ_FILE(SettingsPath().c_str(), kNormalFile);
  if (HDLINI != kBadFile) {
    while (E_O_F(HDLINI) == 0 && texts.size() < kSettingsLines) {
      texts.push_back(files::ReadLine(HDLINI));
    }
  }
  CLOSE_FILE(HDLINI);
  return texts;
}

void INI() {
  IIDINDEX = 0;
  for (const std::string& text : SettingsTexts()) {
    SetGadgetText(kFirstField + IIDINDEX, text.c_str());
    IIDINDEX += 2;
  }
  IIDINDEX = 0;
}

}  // namespace tolvex
