// --check: an existing program compared with the conversion's bytes.
#pragma once

#include <string>

namespace tolvex::cli {

enum class Comparison { kSame, kDiffers, kMissing, kUnreadable };

// Compares the regular file at path with expected as it reads it, a block at a time, and stops at
// the first difference or one byte past expected's size, whatever the file's size. kUnreadable
// leaves the reason as files::LastFailure().
Comparison CompareWithFile(const std::string& path, const std::string& expected);

}  // namespace tolvex::cli
