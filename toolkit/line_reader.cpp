// Reading lines, the same on every backend: a block at a time, then the position is put back right
// after the line, so that a handle always stands where the lines read so far end.
#include <algorithm>
#include <string>

#include "toolkit/files.h"
#include "toolkit/line_rule.h"

namespace {

// The first block is small because script lines are; a longer line doubles it.
constexpr long kFirstBlock = 256;
constexpr long kLargestBlock = 1 << 20;

}  // namespace

namespace {

// Bytes past the first most of the line are passed over, not kept.
std::string ReadOneLine(FileHandle handle, size_t most) {
  std::string line;
  if (handle == kBadFile) return line;
  std::string block;
  for (long size = kFirstBlock;; size = size < kLargestBlock ? size * 2 : size) {
    block.resize(static_cast<size_t>(size));
    const long got = tolvex::files::ReadSome(handle, block.data(), size);
    if (got <= 0) return line;
    for (long i = 0; i < got; ++i) {
      const char c = block[static_cast<size_t>(i)];
      if (line.size() >= most && c != '\n') continue;
      if (tolvex::TakeLineByte(line, c)) {
        tolvex::files::SeekBy(handle, -(got - i - 1));
        return line;
      }
    }
  }
}

}  // namespace

extern "C" {

char* READ_STRING(FileHandle handle) {
  return tolvex::GiveText(ReadOneLine(handle, std::string::npos));
}

int E_O_F(FileHandle handle) {
  const long long position = tolvex::files::Position(handle);
  const long long size = tolvex::files::Size(handle);
  if (position < 0 || size < 0) return 1;
  return position >= size ? 1 : 0;
}

}  // extern "C"

namespace tolvex::files {

std::string ReadLine(FileHandle handle, size_t most) {
  // As a text result holds it: up to its first NUL.
  std::string line = ReadOneLine(handle, most);
  line.resize(std::min(line.size(), line.find('\0')));
  return line;
}

}  // namespace tolvex::files
