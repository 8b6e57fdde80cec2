#include "app/compare_file.h"

#include <algorithm>

#include "toolkit/files.h"

namespace tolvex {

namespace {
constexpr size_t kBlock = size_t{1} << 16;
}  // namespace

Comparison CompareWithFile(const std::string& path, const BytePieces& expected) {
  files::ClearFailure();
  const FileHandle handle = files::OpenRegularForReading(path);
  if (handle == kBadFile) {
    return files::LastFailureWasMissing() ? Comparison::kMissing : Comparison::kUnreadable;
  }
  std::string block(kBlock, '\0');
  Comparison result = Comparison::kSame;
  // The expected bytes may be made as they are compared, and making them may throw: the file is
  // closed all the same.
  bool matched = false;
  try {
    matched = expected([&](std::string_view piece) {
      while (!piece.empty()) {
        const long got = files::ReadSome(handle, block.data(),
                                         static_cast<long>(std::min(kBlock, piece.size())));
        if (got < 0) {
          result = Comparison::kUnreadable;
          return false;
        }
        const auto count = static_cast<size_t>(got);
        if (count == 0 || piece.compare(0, count, block.data(), count) != 0) {
          result = Comparison::kDiffers;
          return false;
        }
        piece.remove_prefix(count);
      }
      return true;
    });
  } catch (...) {
    CLOSE_FILE(handle);
    throw;
  }
  if (!matched && result == Comparison::kSame) result = Comparison::kUnreadable;
  // One byte more than expected holds is enough to tell a longer file.
  if (matched) {
    const long got = files::ReadSome(handle, block.data(), 1);
    if (got < 0) result = Comparison::kUnreadable;
    if (got > 0) result = Comparison::kDiffers;
  }
  CLOSE_FILE(handle);
  return result;
}

BytePieces FilePieces(const std::string& path) {
  return [path](const std::function<bool(std::string_view)>& take) {
    const FileHandle handle = files::OpenRegularForReading(path);
    if (handle == kBadFile) return false;
    std::string block(kBlock, '\0');
    bool whole = true;
    try {
      for (long got;
           (got = files::ReadSome(handle, block.data(), static_cast<long>(kBlock))) != 0;) {
        if (got < 0 || !take(std::string_view(block.data(), static_cast<size_t>(got)))) {
          whole = false;
          break;
        }
      }
    } catch (...) {
      CLOSE_FILE(handle);
      throw;
    }
    CLOSE_FILE(handle);
    return whole;
  };
}

}  // namespace tolvex
