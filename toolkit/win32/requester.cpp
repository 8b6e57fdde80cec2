// The open-file requester and the walk through a multiple selection.
#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <string>

#include "toolkit/win32/toolkit.h"

namespace {

constexpr size_t kNameCapacity = 2048;

// Reused by every requester: fields a call does not set keep what the previous dialog left.
OPENFILENAMEA OFN{};
// The dialog's result; not cleared before the next dialog, whose name field starts with it. One
// byte more than the dialog may use, so that the text always ends inside the buffer.
char FILENAME99914352566474_[kNameCapacity + 1] = {};

bool singleSelectionGiven = false;
size_t walkPosition = 0;
bool walkStarted = false;
bool walkFinished = false;

std::string BufferText() { return std::string(FILENAME99914352566474_); }

void ClearBuffer() { std::memset(FILENAME99914352566474_, 0, sizeof FILENAME99914352566474_); }

// The next path of the selection walk; the empty text at its end.
std::string NextSelected() {
  const std::string directory = BufferText();
  if (OFN.nFileOffset < directory.size()) {
    if (!singleSelectionGiven) {
      singleSelectionGiven = true;
      return directory;
    }
    singleSelectionGiven = false;
    ClearBuffer();
    return "";
  }
  if (walkFinished) {
    walkPosition = 0;
    walkStarted = walkFinished = false;
    ClearBuffer();
    return "";
  }
  if (!walkStarted) walkPosition = OFN.nFileOffset;
  if (walkPosition >= kNameCapacity) walkPosition = kNameCapacity;
  const std::string name(FILENAME99914352566474_ + walkPosition);
  walkPosition += name.size() + 1;
  if (walkPosition >= kNameCapacity || FILENAME99914352566474_[walkPosition] == '\0') {
    walkFinished = true;
  }
  walkStarted = true;
  if (!directory.empty() && directory.back() == '\\') return directory + name;
  return directory + "\\" + name;
}

}  // namespace

extern "C" {

char* OPENFILEREQUESTER(const char* title, const char* initialDir, const char* filter, int flags) {
  OFN.lStructSize = sizeof OFN;
  OFN.hwndOwner = nullptr;
  OFN.lpstrFilter = filter;
  OFN.lpstrFile = FILENAME99914352566474_;
  OFN.nMaxFile = kNameCapacity;
  // The title is the caller's constant text: never a buffer the dialog may write into.
  OFN.lpstrFileTitle = nullptr;
  OFN.nMaxFileTitle = 0;
  OFN.lpstrInitialDir = initialDir;
  // An empty title would leave the dialog's caption blank; the system's own ("Open") reads better.
  OFN.lpstrTitle = title != nullptr && title[0] != '\0' ? title : nullptr;
  OFN.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_OVERWRITEPROMPT | static_cast<DWORD>(flags);
  OFN.nFileOffset = 0;
  if (!GetOpenFileNameA(&OFN)) return tolvex::GiveText("");
  return tolvex::GiveText(BufferText());
}

char* NEXTSELECTEDFILENAME() { return tolvex::GiveText(NextSelected()); }

}  // extern "C"
