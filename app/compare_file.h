// An existing file compared with the bytes a conversion would write there.
#pragma once

#include <string>

#include "generator/byte_pieces.h"

namespace tolvex {

enum class Comparison { kSame, kDiffers, kMissing, kUnreadable };

// Compares the regular file at path with expected as it reads it, a block at a time, and stops at
// the first difference or one byte past expected's end, whatever the file's size. kUnreadable
// leaves the reason as files::LastFailure().
// Expected bytes that could not be made (a file of FilePieces that cannot be read) compare as
// kUnreadable.
Comparison CompareWithFile(const std::string& path, const BytePieces& expected);

// The bytes of the regular file at path, a block at a time; false when it cannot be read whole.
BytePieces FilePieces(const std::string& path);

}  // namespace tolvex
