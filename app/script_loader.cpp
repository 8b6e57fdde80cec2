#include "app/script_loader.h"

#include <string>

#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
#include "toolkit/files.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/line_rule.h"

namespace tolvex {
namespace {

void AddSourceLine(const std::string& line) { AddListBoxItem(kSourceListing, line.c_str(), -1); }

enum class Encoding { kBytes, kUtf8Marked, kUtf16LittleEndian, kUtf16BigEndian };

// Looks at the first bytes and leaves the position after a mark, or at the start.
Encoding ReadMark(FileHandle handle) {
  unsigned char mark[3] = {};
  const long got = files::ReadSome(handle, reinterpret_cast<char*>(mark), 3);
  Encoding encoding = Encoding::kBytes;
  long markLength = 0;
  if (got >= 2 && mark[0] == 0xFF && mark[1] == 0xFE) {
    encoding = Encoding::kUtf16LittleEndian;
    markLength = 2;
  } else if (got >= 2 && mark[0] == 0xFE && mark[1] == 0xFF) {
    encoding = Encoding::kUtf16BigEndian;
    markLength = 2;
  } else if (got == 3 && mark[0] == 0xEF && mark[1] == 0xBB && mark[2] == 0xBF) {
    encoding = Encoding::kUtf8Marked;
    markLength = 3;
  }
  if (got > markLength) files::SeekBy(handle, markLength - got);
  return encoding;
}

// UTF-16 text as single bytes: a character below 256 becomes that byte, any other '?'.
std::string DecodeUtf16(FileHandle handle, bool bigEndian) {
  std::string bytes, text;
  char block[65536];
  for (long got; (got = files::ReadSome(handle, block, sizeof block)) > 0;) {
    bytes.append(block, static_cast<size_t>(got));
  }
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned first = static_cast<unsigned char>(bytes[i]);
    const unsigned second = static_cast<unsigned char>(bytes[i + 1]);
    const unsigned unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
    const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
    if (highSurrogate && i + 3 < bytes.size()) {
      const unsigned a = static_cast<unsigned char>(bytes[i + 2]);
      const unsigned b = static_cast<unsigned char>(bytes[i + 3]);
      const unsigned next = bigEndian ? (a << 8 | b) : (b << 8 | a);
      if (next >= 0xDC00 && next <= 0xDFFF) i += 2;  // one character beyond 256
    }
    text += unit < 256 ? static_cast<char>(unit) : '?';
  }
  return text;
}

// The decoded text split as a file's lines are: LF ends a line, CR is dropped, the end of the
// text ends the last line.
void AddDecodedLines(const std::string& text) {
  std::string line;
  for (char c : text) {
    if (TakeLineByte(line, c)) {
      AddSourceLine(line);
      line.clear();
    }
  }
  if (!line.empty()) AddSourceLine(line);
}

}  // namespace

void ClearForLoad() {
  HideGadget(kOutputListing, 1);
  HideGadget(kSourceListing, 0);
  ResetAllListBox(kSourceListing);
  ResetAllListBox(kOutputListing);
  ResetTablesForLoad();
}

bool ReadScriptIntoListing(const std::string& path) {
  const FileHandle HDL40 = READ_FILE(path.c_str(), kNormalFile);
  if (HDL40 == kBadFile) {
    CLOSE_FILE(HDL40);
    return false;
  }
  switch (ReadMark(HDL40)) {
    case Encoding::kUtf16LittleEndian: AddDecodedLines(DecodeUtf16(HDL40, false)); break;
    case Encoding::kUtf16BigEndian: AddDecodedLines(DecodeUtf16(HDL40, true)); break;
    case Encoding::kBytes:
    case Encoding::kUtf8Marked:
      while (E_O_F(HDL40) == 0) AddSourceLine(files::ReadLine(HDL40));
      break;
  }
  CLOSE_FILE(HDL40);
  return true;
}

}  // namespace tolvex
