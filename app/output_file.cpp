#include "app/output_file.h"

#include "app/limits.h"
#include "app/script_guard.h"
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

// The window's one script: neither of its files may take its place.
RunScripts ScriptOfWindow() {
  RunScripts scripts;
  scripts.Add(NAMEF1040);
  return scripts;
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

void SAVEBAS() {
  if (CountItemListBox(kOutputListing) == 0 || NAMEF1040.empty()) return;
  const std::string BASFILE = InFolder(DIR1040, BasFileName(NAMEF1040));
  // A program written over its own script would leave nothing to convert again.
  if (ScriptOfWindow().ReplacedBy(BASFILE) != nullptr) return;
  SaveWholeFile(BASFILE, ListingBytes());
}

void SAVINI() {
  const std::string path = SettingsPath();
  if (ScriptOfWindow().ReplacedBy(path) != nullptr || SettingsUnreadable()) return;
  SaveWholeFile(path, SettingsBytes());
}

std::string SettingsPath() { return InFolder(DIR1040, kSettingsName); }

// A settings file fills at most the four coefficient fields: longer files never rename buttons.
std::vector<std::string> SettingsTexts() {
  std::vector<std::string> texts;
  const FileHandle HDLINI = files::OpenRegularForReading(SettingsPath());
  if (HDLINI != kBadFile) {
    while (E_O_F(HDLINI) == 0 && texts.size() < kSettingsLines) {
      texts.push_back(files::ReadLine(HDLINI, kMaxSettingsLineBytes));
    }
  }
  CLOSE_FILE(HDLINI);
  return texts;
}

std::optional<std::string> SettingsUnreadable() {
  files::ClearFailure();
  const FileHandle handle = files::OpenRegularForReading(SettingsPath());
  if (handle != kBadFile) {
    CLOSE_FILE(handle);
    return std::nullopt;
  }
  if (files::LastFailureWasMissing()) return std::nullopt;
  return files::LastFailure();
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
