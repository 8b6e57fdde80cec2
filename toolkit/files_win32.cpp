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
  return tolvex::files::WriteAll(handle, text == nullptr ? "" : text) ? 1 : 0;
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

bool WriteAll(FileHandle handle, std::string_view bytes) {
  if (handle == kBadFile) return false;
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(Native(handle), bytes.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

// Large pages need a privilege few users hold: the room is an ordinary one.
void ReserveForReading(std::string& bytes, size_t size) { bytes.reserve(size); }

long ReadSome(FileHandle handle, char* buffer, long size) {
  DWORD got = 0;
  if (handle == kBadFile) return -1;
  if (!ReadFile(Native(handle), buffer, static_cast<DWORD>(size), &got, nullptr)) {
    // A pipe whose writer has closed it is at its end, not broken.
    return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
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

namespace {

bool replaceBlocked = false;

// Opens a name only to ask about it: no access, every sharing, folders too.
HANDLE OpenToAsk(const std::string& name) {
  return CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

}  // namespace

bool Replace(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    replaceBlocked = false;
    return true;
  }
  const DWORD code = GetLastError();
  // A handle opened without delete sharing refuses the rename as a sharing violation or, on some
  // systems, as access denied; a folder or a read-only file refuses it for good.
  const DWORD attributes = GetFileAttributesA(to.c_str());
  const bool writableFile =
      attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
  replaceBlocked = code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ||
                   (code == ERROR_ACCESS_DENIED && writableFile);
  SetLastError(code);
  return false;
}

bool ReplaceWasBlockedByAnOpenHandle() { return replaceBlocked; }

bool Remove(const std::string& name) { return DeleteFileA(name.c_str()); }

FileKind KindOf(const std::string& name) {
  const DWORD attributes = GetFileAttributesA(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return FileKind::kFolder;
  }
  const HANDLE handle = OpenToAsk(name);
  if (handle == INVALID_HANDLE_VALUE) {
    return attributes == INVALID_FILE_ATTRIBUTES ? FileKind::kMissing : FileKind::kRegular;
  }
  const DWORD type = GetFileType(handle);
  CloseHandle(handle);
  // NUL, CON and named pipes are streams; only a file on a disk can be replaced.
  return type == FILE_TYPE_DISK ? FileKind::kRegular : FileKind::kStream;
}

bool FinalName(const std::string& name, std::string& final) {
  final = name;
  return true;
}

namespace {

bool IdentityOfOpen(HANDLE handle, FileId& id) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) return false;
  id.device = info.dwVolumeSerialNumber;
  id.index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

}  // namespace

bool IdentityOf(const std::string& name, FileId& id) {
  const HANDLE handle = OpenToAsk(name);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool known = IdentityOfOpen(handle, id);
  CloseHandle(handle);
  return known;
}

bool IdentityOf(FileHandle handle, FileId& id) {
  return handle != kBadFile && IdentityOfOpen(Native(handle), id);
}

FileHandle StandardInput() { return Wrap(GetStdHandle(STD_INPUT_HANDLE)); }

FileHandle OpenRegularForReading(const std::string& name) {
  const HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return kBadFile;
  // CON, NUL and named pipes open as files do; only a file on a disk has an end to read to.
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    FailBecause("it is a device or pipe, not a regular file");
    return kBadFile;
  }
  return Wrap(handle);
}

FileHandle OpenForWriting(const std::string& name) {
  return Wrap(CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle CreateNewPrivate(const std::string& name) {
  // CREATE_NEW fails on any existing name, a link's included; no other program may open the file
  // until it is complete and closed.
  return Wrap(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
}

// A replaced file's access lives in its folder's inherited rights, which the new file gets too.
bool TakeAccessOf(const std::string& /*model*/, FileHandle /*handle*/) { return true; }
bool TakeNewFileAccess(FileHandle /*handle*/) { return true; }

namespace {
// A reason of our own stands while no call has failed since (the last error stays NO_ERROR).
thread_local std::string ownReason;
}  // namespace

std::string LastFailure() {
  const DWORD code = GetLastError();
  if (code == NO_ERROR) return ownReason;
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

void ClearFailure() {
  SetLastError(NO_ERROR);
  ownReason.clear();
}

bool LastFailureWasMissing() {
  const DWORD code = GetLastError();
  return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

void FailBecause(const char* reason) {
  ownReason = reason;
  SetLastError(NO_ERROR);
}

}  // namespace tolvex::files
