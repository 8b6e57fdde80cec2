#include "generator/program_text.h"

namespace tolvex {
namespace {
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

std::string_view ListedLine(std::string_view line) {
  line = line.substr(0, line.find('\0'));
  return line.empty() ? " " : line;
}

std::string ProgramBytes(const PackedLines& lines) {
  size_t size = kLineEnd.size();
  for (std::string_view line : lines) size += line.size() + kLineEnd.size() + 1;
  std::string bytes;
  bytes.reserve(size);
  for (std::string_view line : lines) {
    bytes += ListedLine(line);
    bytes += kLineEnd;
  }
  bytes += kLineEnd;
  return bytes;
}

}  // namespace tolvex
