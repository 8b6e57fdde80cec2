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

bool SaveWholeFile(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tolvex-tmp";
  const FileHandle HDLWR = CREATE_FILE(temporary.c_str(), kNormalFile);
  if (HDLWR == kBadFile) return false;
  bool written = WRITE_STRING(HDLWR, bytes.c_str()) == 1 && files::Flush(HDLWR);
  written = CLOSE_FILE(HDLWR) == 1 && written;
  if (written && files::Replace(temporary, path)) return true;
  files::Remove(temporary);
  return false;
}

void SAVEBAS() {
  if (CountItemListBox(kOutputListing) == 0 || NAMEF1040.empty()) return;
  SaveWholeFile(InFolder(DIR1040, BasFileName(NAMEF1040)), ListingBytes());
}

void SAVINI() { SaveWholeFile(InFolder(DIR1040, kSettingsName), SettingsBytes()); }

// A settings file fills at most the four coefficient fields: longer files never rename buttons.
void INI() {
  IIDINDEX = 0;
  const FileHandle HDLINI = READ_FILE(InFolder(DIR1040, kSettingsName).c_str(), kNormalFile);
  if (HDLINI != kBadFile) {
    while (E_O_F(HDLINI) == 0 && IIDINDEX <= kLastStep) {
      SetGadgetText(kFirstField + IIDINDEX, files::ReadLine(HDLINI).c_str());
      IIDINDEX += 2;
    }
  }
  CLOSE_FILE(HDLINI);
  IIDINDEX = 0;
}

}  // namespace tolvex
