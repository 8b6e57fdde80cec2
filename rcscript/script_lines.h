// A script's bytes as the lines every reader of it sees: the source listing, the resource-script
// reader, the tests and the fuzzers.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::rc {

// Decodes and splits a script file's bytes:
// - FF FE or FE FF at the start: UTF-16 (little or big endian); each character below 256 becomes
//   that byte, any other (a surrogate pair counting as one) becomes '?', an odd last byte is
//   ignored. EF BB BF at the start is dropped. Any other script is read as bytes.
// - LF ends a line and CR is dropped wherever it stands. After the last LF, what is left is one
//   more line when it holds any byte, or, in a UTF-16 script, any byte besides CR.
// - A line ends at its first NUL, as a list box item does.
// Each line is handed over as a view that lasts until the next one.
void ForEachScriptLine(std::string_view bytes, const std::function<void(std::string_view)>& take);
// Whether the reader makes of a script's own bytes the tokens it makes of the lines every reader
// of a script sees, joined as the source listing shows them: so for a script read as bytes, whose
// lines differ from the listed ones only where a line is empty (a blank there). Not for a UTF-16
// script, whose listed lines lose characters, nor for one whose first line starts with a mark.
bool ReadsAsItsLines(std::string_view bytes);

// The lines as the resource-script reader reads them: split as above, but a UTF-16 script keeps
// every character, as UTF-8, so that its texts lose none (an unpaired surrogate becomes '?').
// Each line is a view into `bytes` where it stands there whole; a UTF-16 script's text and a line
// with a CR inside it are made in `store`, which keeps them where they are while it grows.
struct ReaderLines {
  std::vector<std::string_view> lines;
  bool fromUtf16 = false;  // the lines are UTF-8 decoded from UTF-16
};
ReaderLines SplitReaderLines(std::string_view bytes, std::deque<std::string>& store);

// Appends a character (a code point below 0x110000) as UTF-8.
void AppendUtf8(std::string& text, unsigned character);

}  // namespace tolvex::rc
