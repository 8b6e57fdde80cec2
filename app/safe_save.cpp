#include "app/safe_save.h"

#include <chrono>
#include <cstdio>
#include <random>

#include "app/limits.h"
#include "toolkit/files.h"

namespace tolvex {
namespace {

bool Write(FileHandle handle, const BytePieces& bytes) {
  return bytes([handle](std::string_view piece) { return files::WriteAll(handle, piece); });
}

// Writes the bytes and closes the file; durable asks for them on the disk before the close. The
// bytes may be made as they are written (a program's made lines), and making them may throw: the
// file is closed all the same.
bool WriteAndClose(FileHandle handle, const BytePieces& bytes, bool durable) {
  bool written = false;
  try {
    written = Write(handle, bytes) && (!durable || files::Flush(handle));
  } catch (...) {
    CLOSE_FILE(handle);
    throw;
  }
  return CLOSE_FILE(handle) == 1 && written;
}

// NAME.XXXXXXXX.tolvex-tmp: hard to guess, and created only where no file of that name stands.
std::string TemporaryName(const std::string& target) {
  static std::mt19937_64 random = [] {
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::mt19937_64((static_cast<std::uint64_t>(device()) << 32) ^ device() ^
                           static_cast<std::uint64_t>(now));
  }();
  char tag[16];
  std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(random() & 0xFFFFFFFFu));
  return target + "." + tag + ".tolvex-tmp";
}

FileHandle CreateTemporary(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < kMaxTemporaryNames; ++attempt) {
    name = TemporaryName(target);
    const FileHandle handle = files::CreateNewPrivate(name);
    if (handle != kBadFile) return handle;
  }
  return kBadFile;
}

}  // namespace

bool SaveWholeFile(const std::string& path, const BytePieces& bytes, std::string* keptTemporary,
                   const BeforeReplace& beforeReplace) {
  // A link stays a link: the file it leads to is replaced, from a temporary in that file's folder.
  std::string target;
  if (!files::FinalName(path, target)) return false;
  const files::FileKind kind = files::KindOf(target);
  // A device, FIFO or terminal takes the bytes as they come: there is no file to replace.
  if (kind == files::FileKind::kStream) {
    const FileHandle handle = files::OpenForWriting(target);
    return handle != kBadFile && WriteAndClose(handle, bytes, false);
  }
  std::string temporary;
  const FileHandle HDLWR = CreateTemporary(target, temporary);
  if (HDLWR == kBadFile) return false;
  // Complete and on the disk before anyone else may read it; the replaced file's permissions (and
  // owner) then carry over to this file of our own, and a new file gets the usual ones.
  bool written = false;
  try {
    written = Write(HDLWR, bytes) && files::Flush(HDLWR);
  } catch (...) {
    // Bytes that could not be made leave the file as it was and no temporary beside it.
    CLOSE_FILE(HDLWR);
    files::Remove(temporary);
    throw;
  }
  const bool access =
      written && (kind == files::FileKind::kRegular ? files::TakeAccessOf(target, HDLWR)
                                                    : files::TakeNewFileAccess(HDLWR));
  if (CLOSE_FILE(HDLWR) == 1 && written && access && (!beforeReplace || beforeReplace(temporary))) {
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

}  // namespace tolvex
