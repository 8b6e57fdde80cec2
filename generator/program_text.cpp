#include "generator/program_text.h"

namespace tolvex {
namespace {
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

std::string_view ListedLine(std::string_view line) {
  line = line.substr(0, line.find('\0'));
  return line.empty() ? " " : line;
}

namespace {

// The program's bytes from its lines, handed to eachLine's take one at a time.
template <class EachLine>
BytePieces PiecesOfLines(EachLine eachLine) {
  return [eachLine](const std::function<bool(std::string_view)>& take) {
    constexpr size_t kPieceBytes = size_t{1} << 16;
    std::string piece;
    piece.reserve(kPieceBytes + kLineEnd.size());
    const bool whole = eachLine([&](std::string_view line) {
      const std::string_view listed = ListedLine(line);
      if (!piece.empty() && piece.size() + listed.size() + kLineEnd.size() > kPieceBytes) {
        if (!take(piece)) return false;
        piece.clear();
      }
      piece += listed;
      piece += kLineEnd;
      return true;
    });
    if (!whole) return false;
    piece += kLineEnd;
    return take(piece);
  };
}

std::string BytesOf(const BytePieces& pieces, size_t size) {
  std::string bytes;
  bytes.reserve(size);
  pieces([&bytes](std::string_view piece) {
    bytes += piece;
    return true;
  });
  return bytes;
}

}  // namespace

BytePieces ProgramPieces(const PackedLines& lines) {
  return PiecesOfLines([&lines](const ProgramLines::Take& take) {
    for (std::string_view line : lines) {
      if (!take(line)) return false;
    }
    return true;
  });
}

BytePieces ProgramPieces(const ProgramLines& lines) {
  return PiecesOfLines([&lines](const ProgramLines::Take& take) { return lines.Each(take); });
}

std::string ProgramBytes(const PackedLines& lines) {
  size_t size = kLineEnd.size();
  for (std::string_view line : lines) size += line.size() + kLineEnd.size() + 1;
  return BytesOf(ProgramPieces(lines), size);
}

std::string ProgramBytes(const ProgramLines& lines) { return BytesOf(ProgramPieces(lines), 0); }

}  // namespace tolvex
