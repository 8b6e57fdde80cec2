#include "generator/program_text.h"

namespace tolvex {
namespace {
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

std::string_view ListedLine(std::string_view line) {
  line = line.substr(0, line.find('\0'));
  return line.empty() ? " " : line;
}

BytePieces ProgramPieces(const PackedLines& lines) {
  return [&lines](const std::function<bool(std::string_view)>& take) {
    constexpr size_t kPieceBytes = size_t{1} << 16;
    std::string piece;
    piece.reserve(kPieceBytes + kLineEnd.size());
    for (std::string_view line : lines) {
      const std::string_view listed = ListedLine(line);
      if (!piece.empty() && piece.size() + listed.size() + kLineEnd.size() > kPieceBytes) {
        if (!take(piece)) return false;
        piece.clear();
      }
      piece += listed;
      piece += kLineEnd;
    }
    piece += kLineEnd;
    return take(piece);
  };
}

std::string ProgramBytes(const PackedLines& lines) {
  size_t size = kLineEnd.size();
  for (std::string_view line : lines) size += line.size() + kLineEnd.size() + 1;
  std::string bytes;
  bytes.reserve(size);
  ProgramPieces(lines)([&bytes](std::string_view piece) {
    bytes += piece;
    return true;
  });
  return bytes;
}

}  // namespace tolvex
