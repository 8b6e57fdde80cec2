#include "app/script_loader.h"

#include "app/limits.h"
#include "conversion/designed.h"
#include "toolkit/files.h"

namespace tolvex {
namespace {

// Large blocks: a script costs a handful of reads, not one per line.
constexpr long kBlock = 1 << 20;

// The file's bytes from its position to its end; false when a read fails on the way or the bytes
// pass most.
bool ReadToEnd(FileHandle handle, std::string& bytes, size_t most) {
  const long long size = files::Size(handle);
  if (size > 0 && static_cast<unsigned long long>(size) <= most) {
    files::ReserveForReading(bytes, static_cast<size_t>(size));
  }
  std::string block(static_cast<size_t>(kBlock), '\0');
  for (;;) {
    const long got = files::ReadSome(handle, block.data(), kBlock);
    if (got < 0) return false;
    if (got == 0) return true;
    if (static_cast<size_t>(got) > most - bytes.size()) {
      files::FailBecause("it passes the bytes a script may have on standard input");
      return false;
    }
    bytes.append(block, 0, static_cast<size_t>(got));
  }
}

}  // namespace

bool ReadScriptFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  // Only a regular file has an end to read to: a FIFO or a device is refused, never waited for.
  const FileHandle HDL40 = files::OpenRegularForReading(path);
  if (HDL40 == kBadFile) return false;
  const bool whole = ReadToEnd(HDL40, bytes, std::string::npos);
  CLOSE_FILE(HDL40);
  // A script that could not be read to its end is not loaded at all: a Run on part of it would
  // replace a good program with a truncated one.
  if (!whole) std::string().swap(bytes);
  return whole;
}

bool ReadScriptLines(const std::string& path, PackedLines& lines, std::string* bytes) {
  lines = {};
  std::string read;
  if (!ReadScriptFile(path, read)) return false;
  lines = ScriptLinesOf(read);
  if (bytes != nullptr) *bytes = std::move(read);
  return true;
}

bool ReadStandardInputBytes(std::string& bytes) {
  bytes.clear();
  return ReadToEnd(files::StandardInput(), bytes, kMaxStandardInputBytes);
}

}  // namespace tolvex
