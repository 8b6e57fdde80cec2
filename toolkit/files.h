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
bool Remove(const std::string& name);
// Why the last failed operation of this thread failed, as the platform words it ("No such file or
// directory"); the empty text when the platform gave no reason.
std::string LastFailure();
void ClearFailure();

}  // namespace tolvex::files
