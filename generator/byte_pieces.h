// A file's bytes handed over a piece at a time: a large program is written, compared and kept
// without its bytes being held whole beside the lines they are made of.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tolvex {

// Hands the bytes to take a piece at a time, in order, until take returns false; returns false
// when it did. A NUL follows every piece, so each is also a C string.
using BytePieces = std::function<bool(const std::function<bool(std::string_view)>& take)>;

// bytes as a single piece; they must outlive the pieces.
inline BytePieces PiecesOf(const std::string& bytes) {
  return [&bytes](const std::function<bool(std::string_view)>& take) { return take(bytes); };
}

}  // namespace tolvex
