#include "app/script_loader.h"

#include "rcscript/script_lines.h"
#include "toolkit/files.h"

namespace tolvex {
namespace {

// Large blocks: a script costs a handful of reads, not one per line.
constexpr long kBlock = 1 << 20;

// The file's bytes from its position to its end; false when a read fails on the way.
bool ReadToEnd(FileHandle handle, std::string& bytes) {
  const long long size = files::Size(handle);
  if (size > 0) bytes.reserve(static_cast<size_t>(size));
  std::string block(static_cast<size_t>(kBlock), '\0');
  for (;;) {
    const long got = files::ReadSome(handle, block.data(), kBlock);
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.append(block, 0, static_cast<size_t>(got));
  }
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  const FileHandle HDL40 = READ_FILE(path.c_str(), kNormalFile);
  if (HDL40 == kBadFile) {
    CLOSE_FILE(HDL40);
    return false;
  }
  const bool whole = ReadToEnd(HDL40, bytes);
  CLOSE_FILE(HDL40);
  if (!whole) bytes.clear();
  return whole;
}

bool ReadScriptLines(const std::string& path, std::vector<std::string>& lines, std::string* bytes) {
  lines.clear();
  std::string read;
  // A script that could not be read to its end is not loaded at all: a Run on part of it would
  // replace a good program with a truncated one.
  if (!ReadFileBytes(path, read)) return false;
  lines = rc::SplitScriptLines(read);
  if (bytes != nullptr) *bytes = std::move(read);
  return true;
}

}  // namespace tolvex
