// Reading lines, the same on every backend: a block at a time, then the position is put back right
// after the line, so that a handle always stands where the lines read so far end.
#include <string>

#include "toolkit/files.h"
#include "toolkit/line_rule.h"

namespace {

// The first block is small because script lines are; a longer line doubles it.
constexpr long kFirstBlock = 256;
constexpr long kLargestBlock = 1 << 20;

}  // namespace

namespace {

std::string ReadOneLine(FileHandle handle) {
  std::string line;
  if (handle == kBadFile) return line;
  std::string block;
  for (long size = kFirstBlock;; size = size < kLargestBlock ? size * 2 : size) {
    block.resize(static_cast<size_t>(size));
    const long got = tolvex::files::ReadSome(handle, block.data(), size);
    if (got <= 0) return line;
    for (long i = 0; i < got; ++i) {
      if (tolvex::TakeLineByte(line, block[static_cast<size_t>(i)])) {
        tolvex::files::SeekBy(handle, -(got - i - 1));
        return line;
      }
    }
  }
}

}  // namespace

extern "C" {

char* READ_STRING(FileHandle handle) { return tolvex::GiveText(ReadOneLine(handle)); }

int E_O_F(FileHandle handle) {
  const long long position = tolvex::files::Position(handle);
  const long long size = tolvex::files::Size(handle);
  if (position < 0 || size < 0) return 1;
  return position >= size ? 1 : 0;
}

}  // extern "C"
