// An existing file compared with the bytes a conversion would write there.
#pragma once

#include <string>

#include "generator/byte_pieces.h"

namespace tolvex {

enum class Comparison { kSame, kDiffers, kMissing, kUnreadable };

// Compares the regular file at path with expected as it reads it, a block at a time, and stops at
// the first difference or one byte past expected's end, whatever the file's size. kUnreadable
// leaves the reason as files::LastFailure().
Comparison CompareWithFile(const std::string& path, const BytePieces& expected);

}  // namespace tolvex
