// The file operations over POSIX descriptors.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "toolkit/files.h"

namespace {

int Descriptor(FileHandle handle) { return static_cast<int>(handle); }

}  // namespace

extern "C" {

FileHandle READ_FILE(const char* name, int /*flagsAndAttributes*/) {
  const int fd = ::open(name, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return kBadFile;
  // A folder opens here but not on Windows, and has no lines to give.
  struct stat info;
  const bool known = ::fstat(fd, &info) == 0;
  if (!known || S_ISDIR(info.st_mode)) {
    const int reason = known ? EISDIR : errno;
    ::close(fd);
    errno = reason;
    return kBadFile;
  }
  return fd;
}

FileHandle CREATE_FILE(const char* name, int /*flagsAndAttributes*/) {
  const int fd = ::open(name, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return fd < 0 ? kBadFile : fd;
}

int WRITE_STRING(FileHandle handle, const char* text) {
  return tolvex::files::WriteAll(handle, text == nullptr ? "" : text) ? 1 : 0;
}

int CLOSE_FILE(FileHandle handle) {
  if (handle == kBadFile) return 0;
  return ::close(Descriptor(handle)) == 0 ? 1 : 0;
}

char* GETCURENTDIR() {
  std::string dir(4096, '\0');
  if (::getcwd(dir.data(), dir.size()) == nullptr) return tolvex::GiveText("");
  dir.resize(std::strlen(dir.c_str()));
  const size_t first = dir.find_first_not_of(' ');
  if (first == std::string::npos) return tolvex::GiveText("");
  return tolvex::GiveText(dir.substr(first, dir.find_last_not_of(' ') - first + 1));
}

}  // extern "C"

namespace tolvex::files {

long ReadSome(FileHandle handle, char* buffer, long size) {
  if (handle == kBadFile) return -1;
  ssize_t got;
  do {
    got = ::read(Descriptor(handle), buffer, static_cast<size_t>(size));
  } while (got < 0 && errno == EINTR);
  return static_cast<long>(got);
}

bool WriteAll(FileHandle handle, std::string_view bytes) {
  if (handle == kBadFile) return false;
  // A write may take fewer bytes than offered (a full disk takes what fits): the rest is offered
  // again, and only a write that takes nothing is a failure.
  while (!bytes.empty()) {
    const ssize_t written = ::write(Descriptor(handle), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = ENOSPC;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

void ReserveForReading(std::string& bytes, size_t size) {
  bytes.reserve(size);
#ifdef MADV_HUGEPAGE
  // The pages wholly inside the room; an advice the system does not take changes nothing.
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  if (size < 2 * kLargePage) return;
  const auto start = reinterpret_cast<std::uintptr_t>(bytes.data());
  const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t end = (start + bytes.capacity()) & ~(kLargePage - 1);
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}

bool SeekBy(FileHandle handle, long delta) {
  return handle != kBadFile && ::lseek(Descriptor(handle), delta, SEEK_CUR) >= 0;
}

long long Position(FileHandle handle) {
  if (handle == kBadFile) return -1;
  return static_cast<long long>(::lseek(Descriptor(handle), 0, SEEK_CUR));
}

long long Size(FileHandle handle) {
  struct stat info;
  if (handle == kBadFile || ::fstat(Descriptor(handle), &info) != 0) return -1;
  return static_cast<long long>(info.st_size);
}

bool Flush(FileHandle handle) { return handle != kBadFile && ::fsync(Descriptor(handle)) == 0; }

bool Replace(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool ReplaceWasBlockedByAnOpenHandle() { return false; }  // an open file never blocks a rename

bool Remove(const std::string& name) { return ::unlink(name.c_str()) == 0; }

FileKind KindOf(const std::string& name) {
  struct stat info;
  if (::stat(name.c_str(), &info) != 0) return FileKind::kMissing;
  if (S_ISREG(info.st_mode)) return FileKind::kRegular;
  if (S_ISDIR(info.st_mode)) return FileKind::kFolder;
  return FileKind::kStream;
}

bool FinalName(const std::string& name, std::string& final) {
  // The system's own bound on a chain of links: a longer chain is a loop.
  constexpr int kMostLinks = 40;
  std::string current = name;
  for (int hop = 0; hop <= kMostLinks; ++hop) {
    struct stat info;
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      final = current;
      return true;
    }
    if (hop == kMostLinks) break;
    // In a folder others can write, a link another user planted could aim the program's output
    // at any file of the user running it: only the user's own links and the folder owner's are
    // followed, as the system does in shared folders such as /tmp.
    const size_t slash = current.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : current.substr(0, slash + 1);
    struct stat folderInfo;
    if (info.st_uid != ::geteuid() &&
        (::stat(folder.c_str(), &folderInfo) != 0 || info.st_uid != folderInfo.st_uid)) {
      FailBecause("it is a symbolic link of another user, which is not followed");
      return false;
    }
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<size_t>(length) >= target.size()) {
      if (length >= 0) errno = ENAMETOOLONG;
      return false;
    }
    target.resize(static_cast<size_t>(length));
    // A relative target is read from the link's own folder.
    if (target[0] != '/' && slash != std::string::npos)
      target = current.substr(0, slash + 1) + target;
    current = target;
  }
  errno = ELOOP;
  return false;
}

namespace {

FileId IdOf(const struct stat& info) {
  return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

// The words for a file that is not a regular one, by its type.
const char* NotRegularReason(mode_t mode) {
  if (S_ISFIFO(mode)) return "it is a FIFO, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
  if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
  return "it is not a regular file";
}

// Takes the non-blocking mode back once an open no longer risks waiting.
int Blocking(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

}  // namespace

bool IdentityOf(const std::string& name, FileId& id) {
  struct stat info;
  if (::stat(name.c_str(), &info) != 0) return false;
  id = IdOf(info);
  return true;
}

bool IdentityOf(FileHandle handle, FileId& id) {
  struct stat info;
  if (handle == kBadFile || ::fstat(Descriptor(handle), &info) != 0) return false;
  id = IdOf(info);
  return true;
}

FileHandle StandardInput() { return STDIN_FILENO; }

FileHandle OpenRegularForReading(const std::string& name) {
  // Without waiting: a FIFO opened for reading would wait for a writer that may never come.
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return kBadFile;
  struct stat info;
  const bool known = ::fstat(fd, &info) == 0;
  if (known && S_ISREG(info.st_mode)) return Blocking(fd);
  const int reason = errno;
  ::close(fd);
  if (!known) {
    errno = reason;
  } else if (S_ISDIR(info.st_mode)) {
    errno = EISDIR;
  } else {
    FailBecause(NotRegularReason(info.st_mode));
  }
  return kBadFile;
}

FileHandle OpenForWriting(const std::string& name) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0 && errno == ENXIO) FailBecause("it is a FIFO that no program reads");
  return fd < 0 ? kBadFile : Blocking(fd);
}

FileHandle CreateNewPrivate(const std::string& name) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  return fd < 0 ? kBadFile : fd;
}

bool TakeAccessOf(const std::string& model, FileHandle handle) {
  struct stat info;
  if (::stat(model.c_str(), &info) != 0) return false;
  // Only the owner may give a file away; anyone else keeps the file as theirs, as a copy would.
  if (::fchown(Descriptor(handle), info.st_uid, info.st_gid) != 0 && errno != EPERM) return false;
  return ::fchmod(Descriptor(handle), info.st_mode & 07777) == 0;
}

bool TakeNewFileAccess(FileHandle handle) {
  // The permissions a file created the usual way gets: 0666 less the process's mask.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return ::fchmod(Descriptor(handle), 0666 & ~mask) == 0;
}

namespace {
// A reason of our own stands while no system call has failed since (errno stays 0).
thread_local std::string ownReason;
}  // namespace

std::string LastFailure() { return errno != 0 ? std::strerror(errno) : ownReason; }

void ClearFailure() {
  errno = 0;
  ownReason.clear();
}

bool LastFailureWasMissing() { return errno == ENOENT || errno == ENOTDIR; }

void FailBecause(const char* reason) {
  ownReason = reason;
  errno = 0;
}

}  // namespace tolvex::files
