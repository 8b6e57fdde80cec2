// File operations over native handles: open, create, read a line, write a text, close. One
// behaviour on both backends (Windows handles, POSIX descriptors).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/file_ops.h"

constexpr FileHandle kBadFile = -1;
constexpr int kNormalFile = 0x80;  // FILE_ATTRIBUTE_NORMAL

// What each backend provides beneath the operations above, and what saving a file safely needs.
// Internal to the program: C++ names, not among the toolkit's exported operations.
namespace tolvex::files {

// The C++ program's way to the text results of the operations above.
inline std::string ReadLine(FileHandle handle) { return TakeText(READ_STRING(handle)); }
inline std::string CurrentFolder() { return TakeText(GETCURENTDIR()); }

// Reads up to size bytes at the position; the count read, 0 at the end, -1 on failure.
long ReadSome(FileHandle handle, char* buffer, long size);
// Reserves room for size bytes about to be read into bytes whole. Where the system offers it, a
// large room is backed by large pages: the pages of a fresh buffer cost more to come by, one at a
// time, than the reading itself.
void ReserveForReading(std::string& bytes, size_t size);
// Writes every byte of bytes, NULs included, at the position; false on failure.
bool WriteAll(FileHandle handle, std::string_view bytes);
// Moves the position by delta bytes; false on failure.
bool SeekBy(FileHandle handle, long delta);
// The position and the size in bytes; -1 on failure.
long long Position(FileHandle handle);
long long Size(FileHandle handle);
// Makes the written bytes durable before the file takes another's place.
bool Flush(FileHandle handle);
// Puts the file from in place of to, replacing it in one step.
bool Replace(const std::string& from, const std::string& to);
// Whether the last Replace failed because another program holds the file open in a way that
// forbids replacing it (Windows without delete sharing); such a file can still be written in place.
bool ReplaceWasBlockedByAnOpenHandle();

// What a name stands for, its links followed.
enum class FileKind {
  kMissing,
  kRegular,
  kFolder,
  kStream,  // a character device, FIFO, socket or terminal: written to, never replaced
};
FileKind KindOf(const std::string& name);
// The file a name ends at when its chain of symbolic links is followed, the links themselves kept;
// the name itself when it is no link. A link's target may be missing. False, with the reason as
// the last failure, when the chain never ends (a loop) or cannot be read.
bool FinalName(const std::string& name, std::string& final);
// The identity of an existing file (its device and inode, or volume and index): two names, or a
// name and a handle, with the same identity are one file.
struct FileId {
  std::uint64_t device = 0, index = 0;
  bool operator==(const FileId& other) const {
    return device == other.device && index == other.index;
  }
};
bool IdentityOf(const std::string& name, FileId& id);  // links followed
bool IdentityOf(FileHandle handle, FileId& id);
// The process's standard input as a handle of these operations; not to be closed.
FileHandle StandardInput();
// Opens a regular file for reading, never waiting: a folder, FIFO, device or socket is refused
// with its reason as the last failure.
FileHandle OpenRegularForReading(const std::string& name);
// Opens an existing file for writing, without creating, emptying or replacing it, and without
// waiting: a FIFO that no program reads is refused.
FileHandle OpenForWriting(const std::string& name);
// Creates a new file under a name nothing holds yet (not even a link), readable and writable by
// its owner alone; kBadFile when the name is taken or the folder refuses.
FileHandle CreateNewPrivate(const std::string& name);
// Gives the file behind handle the permission bits, and where the platform lets us its owner, of
// the existing file named model; without a model, the permissions a new file gets. True when
// nothing needed to change or everything did.
bool TakeAccessOf(const std::string& model, FileHandle handle);
bool TakeNewFileAccess(FileHandle handle);
bool Remove(const std::string& name);
// Why the last failed operation of this thread failed, as the platform words it ("No such file or
// directory") or as FailBecause put it; the empty text when no reason was given.
std::string LastFailure();
void ClearFailure();
// Whether the last failure was a missing file or folder.
bool LastFailureWasMissing();
// Records a failure the platform has no words for ("a FIFO, not a regular file").
void FailBecause(const char* reason);
// One line as READ_STRING reads it, of which at most most bytes are kept: the rest of a longer
// line is passed over, never held.
std::string ReadLine(FileHandle handle, size_t most);

}  // namespace tolvex::files
