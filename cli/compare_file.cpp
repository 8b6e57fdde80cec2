#include "cli/compare_file.h"

#include <algorithm>

#include "toolkit/files.h"

namespace tolvex::cli {

Comparison CompareWithFile(const std::string& path, const std::string& expected) {
  files::ClearFailure();
  const FileHandle handle = files::OpenRegularForReading(path);
  if (handle == kBadFile) {
    return files::LastFailureWasMissing() ? Comparison::kMissing : Comparison::kUnreadable;
  }
  constexpr size_t kBlock = size_t{1} << 16;
  std::string block(kBlock, '\0');
  size_t compared = 0;
  Comparison result = Comparison::kSame;
  for (;;) {
    // One byte more than expected holds is enough to tell a longer file.
    const size_t want = std::min(kBlock, expected.size() + 1 - compared);
    const long got = files::ReadSome(handle, block.data(), static_cast<long>(want));
    if (got < 0) {
      result = Comparison::kUnreadable;
      break;
    }
    const size_t count = static_cast<size_t>(got);
    if (count == 0) {
      if (compared != expected.size()) result = Comparison::kDiffers;
      break;
    }
    if (compared + count > expected.size() ||
        expected.compare(compared, count, block.data(), count) != 0) {
      result = Comparison::kDiffers;
      break;
    }
    compared += count;
  }
  CLOSE_FILE(handle);
  return result;
}

}  // namespace tolvex::cli
