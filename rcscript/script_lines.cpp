#include "rcscript/script_lines.h"

namespace tolvex::rc {
namespace {

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  const auto unitAt = [&](size_t i) {
    const unsigned first = static_cast<unsigned char>(bytes[i]);
    const unsigned second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  std::string text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned unit = unitAt(i);
    const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
    if (highSurrogate && i + 3 < bytes.size()) {
      const unsigned next = unitAt(i + 2);
      if (next >= 0xDC00 && next <= 0xDFFF) i += 2;  // one character beyond 256
    }
    text += unit < 256 ? static_cast<char>(unit) : '?';
  }
  return text;
}

// finalNeedsText: whether a last segment of CRs alone is dropped (UTF-16) or kept (bytes).
void Split(std::string_view text, bool finalNeedsText,
           const std::function<void(const std::string&)>& take) {
  std::string line;
  size_t start = 0;
  while (start < text.size()) {
    const size_t lf = text.find('\n', start);
    const size_t end = lf == std::string_view::npos ? text.size() : lf;
    std::string_view raw = text.substr(start, end - start);
    raw = raw.substr(0, raw.find('\0'));
    line.clear();
    for (char c : raw) {
      if (c != '\r') line += c;
    }
    const bool last = lf == std::string_view::npos;
    if (!last || !finalNeedsText ||
        text.substr(start).find_first_not_of('\r') != std::string_view::npos) {
      take(line);
    }
    if (last) break;
    start = lf + 1;
  }
}

}  // namespace

void ForEachScriptLine(std::string_view bytes,
                       const std::function<void(const std::string&)>& take) {
  if (StartsWith(bytes, "\xFF\xFE")) return Split(DecodeUtf16(bytes.substr(2), false), true, take);
  if (StartsWith(bytes, "\xFE\xFF")) return Split(DecodeUtf16(bytes.substr(2), true), true, take);
  if (StartsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
  Split(bytes, false, take);
}

std::vector<std::string> SplitScriptLines(std::string_view bytes) {
  std::vector<std::string> lines;
  ForEachScriptLine(bytes, [&lines](const std::string& line) { lines.push_back(line); });
  return lines;
}

}  // namespace tolvex::rc
