// File operations over native handles: open, create, read a line, write a text, close. One
// behaviour on both backends (Windows handles, POSIX descriptors).
#pragma once

#include <cstdint>
#include <string>

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
// the name itself when it is no link. A link's target may be missing.
std::string FinalName(const std::string& name);
// Whether the two names are one existing file, whatever links or folders lead to it.
bool SameFile(const std::string& a, const std::string& b);
// Opens an existing file for writing, without creating, emptying or replacing it.
FileHandle OpenForWriting(const std::string& name);
// Gives the file behind handle the permission bits, and where the platform lets us its owner, of
// the existing file named model. True when nothing needed to change or everything did.
bool TakeAccessOf(const std::string& model, FileHandle handle);
bool Remove(const std::string& name);
// Why the last failed operation of this thread failed, as the platform words it ("No such file or
// directory"); the empty text when the platform gave no reason.
std::string LastFailure();
void ClearFailure();

}  // namespace tolvex::files
