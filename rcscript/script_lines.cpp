#include "rcscript/script_lines.h"

#include <algorithm>

namespace tolvex::rc {
namespace {

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

constexpr std::string_view kUtf16LittleEndian = "\xFF\xFE", kUtf16BigEndian = "\xFE\xFF",
                           kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

void AppendUtf8(std::string& text, unsigned c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | c >> 6);
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += static_cast<char>(0xE0 | c >> 12);
    text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | c >> 18);
    text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

namespace {

// utf8: every character as UTF-8 (an unpaired surrogate, which is no character, as '?'); otherwise
// a character below 256 as that byte and any other as '?'.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian, bool utf8) {
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
    unsigned character = unit >= 0xD800 && unit <= 0xDFFF ? '?' : unit;
    if (highSurrogate && i + 3 < bytes.size()) {
      const unsigned next = unitAt(i + 2);
      if (next >= 0xDC00 && next <= 0xDFFF) {  // one character beyond 256
        character = 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
        i += 2;
      }
    }
    if (utf8) {
      AppendUtf8(text, character);
    } else {
      text += unit < 256 ? static_cast<char>(unit) : '?';
    }
  }
  return text;
}

// finalNeedsText: whether a last segment of CRs alone is dropped (UTF-16) or kept (bytes). Each
// line goes to `take` as a view: into `text` where the line stands there whole, else into
// `scratch`, which holds it until the next line.
template <typename Take>
void Split(std::string_view text, bool finalNeedsText, std::string& scratch, const Take& take) {
  size_t start = 0;
  while (start < text.size()) {
    const size_t lf = text.find('\n', start);
    const size_t end = lf == std::string_view::npos ? text.size() : lf;
    std::string_view raw = text.substr(start, end - start);
    raw = raw.substr(0, raw.find('\0'));
    // A CR most often ends the line alone: the line is then the bytes before it.
    const size_t cr = raw.find('\r');
    std::string_view line = raw.substr(0, cr);
    if (cr != std::string_view::npos && raw.find_first_not_of('\r', cr) != std::string_view::npos) {
      scratch.assign(line);
      for (char c : raw.substr(cr)) {
        if (c != '\r') scratch += c;
      }
      line = scratch;
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

bool IsUtf16(std::string_view bytes) {
  return StartsWith(bytes, kUtf16LittleEndian) || StartsWith(bytes, kUtf16BigEndian);
}

bool StartsWithByteOrderMark(std::string_view text) {
  return IsUtf16(text) || StartsWith(text, kUtf8Mark);
}

// The text whose lines a script holds: a UTF-16 script's characters decoded (utf8: see
// DecodeUtf16) into `decoded`, any other script's bytes after a UTF-8 mark. finalNeedsText: as
// Split takes it.
std::string_view LineText(std::string_view bytes, bool utf8, std::string& decoded,
                          bool& finalNeedsText) {
  finalNeedsText = IsUtf16(bytes);
  if (finalNeedsText) {
    decoded = DecodeUtf16(bytes.substr(2), StartsWith(bytes, kUtf16BigEndian), utf8);
    return decoded;
  }
  if (StartsWith(bytes, kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  return bytes;
}

}  // namespace

void ForEachScriptLine(std::string_view bytes, const std::function<void(std::string_view)>& take) {
  std::string decoded, scratch;
  bool finalNeedsText = false;
  const std::string_view text = LineText(bytes, false, decoded, finalNeedsText);
  Split(text, finalNeedsText, scratch, take);
}

bool ReadsAsItsLines(std::string_view bytes) {
  if (IsUtf16(bytes)) return false;
  if (StartsWith(bytes, kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  std::string first;  // the start of the first line as listed: CRs dropped, up to a NUL or LF
  for (size_t i = 0; i < bytes.size() && first.size() < kUtf8Mark.size(); ++i) {
    if (bytes[i] == '\n' || bytes[i] == '\0') break;
    if (bytes[i] != '\r') first += bytes[i];
  }
  return !StartsWithByteOrderMark(first);
}

ReaderLines SplitReaderLines(std::string_view bytes, std::deque<std::string>& store) {
  ReaderLines read;
  read.fromUtf16 = IsUtf16(bytes);
  std::string decoded, scratch;
  bool finalNeedsText = false;
  std::string_view text = LineText(bytes, true, decoded, finalNeedsText);
  if (read.fromUtf16) text = store.emplace_back(std::move(decoded));
  read.lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  Split(text, finalNeedsText, scratch, [&](std::string_view line) {
    // A line rebuilt without its CRs is kept where the reading can hold on to it.
    if (line.data() == scratch.data()) line = store.emplace_back(scratch);
    read.lines.push_back(line);
  });
  return read;
}

}  // namespace tolvex::rc
