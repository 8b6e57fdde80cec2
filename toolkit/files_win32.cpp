// The file operations over Windows file handles.
#include <windows.h>

#include <cstring>
#include <string>

#include "toolkit/files.h"

namespace {

HANDLE Native(FileHandle handle) { return reinterpret_cast<HANDLE>(handle); }
FileHandle Wrap(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? kBadFile : reinterpret_cast<FileHandle>(handle);
}

}  // namespace

extern "C" {

FileHandle READ_FILE(const char* name, int flagsAndAttributes) {
  return Wrap(CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, static_cast<DWORD>(flagsAndAttributes), nullptr));
}

FileHandle CREATE_FILE(const char* name, int flagsAndAttributes) {
  return Wrap(CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, CREATE_ALWAYS, static_cast<DWORD>(flagsAndAttributes), nullptr));
}

int WRITE_STRING(FileHandle handle, const char* text) {
  if (handle == kBadFile) return 0;
  const char* rest = text == nullptr ? "" : text;
  size_t left = std::strlen(rest);
  while (left > 0) {
    const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!WriteFile(Native(handle), rest, chunk, &written, nullptr) || written == 0) return 0;
    rest += written;
    left -= written;
  }
  return 1;
}

int CLOSE_FILE(FileHandle handle) {
  if (handle == kBadFile) return 0;
  return CloseHandle(Native(handle)) ? 1 : 0;
}

char* GETCURENTDIR() {
  char dir[2049] = {};
  GetCurrentDirectoryA(2048, dir);
  std::string text(dir);
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return tolvex::GiveText("");
  return tolvex::GiveText(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // extern "C"

namespace tolvex::files {

long ReadSome(FileHandle handle, char* buffer, long size) {
  DWORD got = 0;
  if (handle == kBadFile ||
      !ReadFile(Native(handle), buffer, static_cast<DWORD>(size), &got, nullptr)) {
    return -1;
  }
  return static_cast<long>(got);
}

bool SeekBy(FileHandle handle, long delta) {
  LONG high = delta < 0 ? -1 : 0;
  SetLastError(NO_ERROR);
  const DWORD low = SetFilePointer(Native(handle), delta, &high, FILE_CURRENT);
  return !(low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
}

long long Position(FileHandle handle) {
  if (handle == kBadFile) return -1;
  LONG high = 0;
  SetLastError(NO_ERROR);
  const DWORD low = SetFilePointer(Native(handle), 0, &high, FILE_CURRENT);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return -1;
  return (static_cast<long long>(high) << 32) | low;
}

long long Size(FileHandle handle) {
  if (handle == kBadFile) return -1;
  DWORD high = 0;
  SetLastError(NO_ERROR);
  const DWORD low = GetFileSize(Native(handle), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return -1;
  return (static_cast<long long>(high) << 32) | low;
}

bool Flush(FileHandle handle) { return handle != kBadFile && FlushFileBuffers(Native(handle)); }

bool Replace(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool Remove(const std::string& name) { return DeleteFileA(name.c_str()); }

std::string LastFailure() {
  const DWORD code = GetLastError();
  if (code == NO_ERROR) return "";
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, sizeof text, nullptr);
  std::string reason(text, length);
  // The system's wording ends with a full stop and a line break.
  while (!reason.empty() &&
         (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
    reason.pop_back();
  return reason.empty() ? "error " + std::to_string(code) : reason;
}

void ClearFailure() { SetLastError(NO_ERROR); }

}  // namespace tolvex::files
