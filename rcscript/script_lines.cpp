#include "rcscript/script_lines.h"

#include <algorithm>
#include <utility>

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

bool IsUtf16(std::string_view bytes) {
  return StartsWith(bytes, kUtf16LittleEndian) || StartsWith(bytes, kUtf16BigEndian);
}

bool StartsWithByteOrderMark(std::string_view text) {
  return IsUtf16(text) || StartsWith(text, kUtf8Mark);
}

// The text whose lines a script holds: a UTF-16 script's characters decoded (utf8: see
// DecodeUtf16) into `decoded`, any other script's bytes after a UTF-8 mark. finalNeedsText: as
// LineSplitter takes it.
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

// The lines every reader of a script sees; a UTF-16 script's text is decoded into `decoded`, which
// outlives the splitter. The text is made first: it tells whether a last segment of CRs is a line.
LineSplitter ListedLines(std::string_view bytes, std::string& decoded) {
  bool finalNeedsText = false;
  const std::string_view text = LineText(bytes, false, decoded, finalNeedsText);
  return LineSplitter(text, finalNeedsText);
}

}  // namespace

bool LineSplitter::Next(std::string_view& line) {
  while (start_ < text_.size()) {
    const size_t lf = text_.find('\n', start_);
    const size_t end = lf == std::string_view::npos ? text_.size() : lf;
    std::string_view raw = text_.substr(start_, end - start_);
    raw = raw.substr(0, raw.find('\0'));
    // A CR most often ends the line alone: the line is then the bytes before it.
    const size_t cr = raw.find('\r');
    line = raw.substr(0, cr);
    if (cr != std::string_view::npos && raw.find_first_not_of('\r', cr) != std::string_view::npos) {
      scratch_.assign(line);
      for (char c : raw.substr(cr)) {
        if (c != '\r') scratch_ += c;
      }
      line = scratch_;
    }
    const bool last = lf == std::string_view::npos;
    const bool taken = !last || !finalNeedsText_ ||
                       text_.substr(start_).find_first_not_of('\r') != std::string_view::npos;
    start_ = last ? text_.size() : lf + 1;
    if (taken) return true;
  }
  return false;
}

void ForEachScriptLine(std::string_view bytes, const std::function<void(std::string_view)>& take) {
  std::string decoded;
  LineSplitter lines = ListedLines(bytes, decoded);
  for (std::string_view line; lines.Next(line);) take(line);
}

bool HoldsALine(std::string_view bytes) {
  std::string decoded;
  std::string_view line;
  return ListedLines(bytes, decoded).Next(line);
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

ReaderLines::ReaderLines(std::string_view bytes, std::deque<std::string>& store)
    : fromUtf16_(IsUtf16(bytes)), store_(&store) {
  std::string decoded;
  bool finalNeedsText = false;
  std::string_view text = LineText(bytes, true, decoded, finalNeedsText);
  if (fromUtf16_) text = store.emplace_back(std::move(decoded));
  lines_ = LineSplitter(text, finalNeedsText);
}

ReaderLines::ReaderLines(ScriptSource& source, size_t pieceBytes, std::deque<std::string>& store)
    : store_(&store), source_(LinePieces(source, pieceBytes)) {
  std::string first = source_->Next();
  fromUtf16_ = IsUtf16(first);
  if (fromUtf16_) {
    // Its lines are cut from the characters, not the bytes: it is decoded whole.
    while (!source_->ended()) first += source_->Next();
    source_.reset();
    std::string decoded;
    bool finalNeedsText = false;
    LineText(first, true, decoded, finalNeedsText);
    first.clear();
    first.shrink_to_fit();
    lines_ = LineSplitter(store.emplace_back(std::move(decoded)), finalNeedsText);
    return;
  }
  if (StartsWith(first, kUtf8Mark)) first.erase(0, kUtf8Mark.size());
  lines_ = LineSplitter(pieces_.emplace_back(Piece{std::move(first), 1}).bytes, false);
}

std::string LinePieces::Next() {
  std::string bytes = std::exchange(carried_, {});
  bytes.reserve(bytes.size() + pieceBytes_);
  const size_t carried = bytes.size();
  size_t lastLf = std::string::npos;  // the carried bytes hold none
  while (!ended_ && (lastLf == std::string::npos || bytes.size() - carried < pieceBytes_)) {
    const size_t had = bytes.size();
    bytes.resize(had + pieceBytes_);
    const long got = source_->Read(bytes.data() + had, static_cast<long>(pieceBytes_));
    bytes.resize(had + static_cast<size_t>(std::max(got, 0L)));
    if (got <= 0) {
      ended_ = true;
      break;
    }
    // Only the bytes just read are searched: a line longer than many pieces is read in time
    // proportional to its length.
    const size_t lf = std::string_view(bytes).substr(had).rfind('\n');
    if (lf != std::string_view::npos) lastLf = had + lf;
  }
  if (!ended_) {
    carried_.assign(bytes, lastLf + 1, std::string::npos);
    bytes.resize(lastLf + 1);
  }
  return bytes;
}

bool ReaderLines::NextPiece() {
  if (!source_ || source_->ended()) return false;
  lines_ = LineSplitter(pieces_.emplace_back(Piece{source_->Next(), taken_ + 1}).bytes, false);
  return true;
}

void ReaderLines::ReleaseBefore(size_t line) {
  while (pieces_.size() > 1 && pieces_[1].firstLine <= line) pieces_.pop_front();
}

bool ReaderLines::Next(std::string_view& line) {
  while (!lines_.Next(line)) {
    if (!NextPiece()) return false;
  }
  // A line rebuilt without its CRs is kept where the reading can hold on to it.
  if (lines_.InScratch(line)) line = store_->emplace_back(line);
  ++taken_;
  lastSize_ = line.size();
  return true;
}

}  // namespace tolvex::rc
