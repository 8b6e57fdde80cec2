// A script's bytes as the lines every reader of it sees: the source listing, the resource-script
// reader, the tests and the fuzzers.
#pragma once

#include <deque>
#include <functional>
#include <optional>
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
// Whether the script's bytes hold a line as the lines above are split: a script that holds none
// has nothing to convert.
bool HoldsALine(std::string_view bytes);

// The lines of a text one at a time, split as above. finalNeedsText: whether a last segment of
// CRs alone is dropped (UTF-16) or kept (bytes).
class LineSplitter {
 public:
  LineSplitter() = default;
  LineSplitter(std::string_view text, bool finalNeedsText)
      : text_(text), finalNeedsText_(finalNeedsText) {}
  // The next line, false past the last: a view into the text where the line stands there whole,
  // else into the splitter, which holds it until the next call.
  bool Next(std::string_view& line);
  bool InScratch(std::string_view line) const { return line.data() == scratch_.data(); }

 private:
  std::string_view text_;
  bool finalNeedsText_ = false;
  size_t start_ = 0;
  std::string scratch_;
};
// Whether the reader makes of a script's own bytes the tokens it makes of the lines every reader
// of a script sees, joined as the source listing shows them: so for a script read as bytes, whose
// lines differ from the listed ones only where a line is empty (a blank there). Not for a UTF-16
// script, whose listed lines lose characters, nor for one whose first line starts with a mark.
bool ReadsAsItsLines(std::string_view bytes);

// A script's bytes as a file gives them, a piece at a time, from its start again when asked.
class ScriptSource {
 public:
  virtual ~ScriptSource() = default;
  // Up to `most` further bytes into `into`: how many, 0 at the end, below 0 when reading failed.
  virtual long Read(char* into, long most) = 0;
  // Back to the first byte; false when that failed.
  virtual bool Rewind() = 0;
};

// A source's bytes in pieces of whole lines: each piece at least pieceBytes long but the last,
// and ended by the LF of its last line (a line longer than a piece makes its piece longer); the
// last piece holds what follows the last LF.
class LinePieces {
 public:
  // Pieces of four bytes at least, so that the first shows any mark the script starts with.
  LinePieces(ScriptSource& source, size_t pieceBytes)
      : source_(&source), pieceBytes_(pieceBytes < 4 ? 4 : pieceBytes) {}
  // The next piece; empty once the last was given.
  std::string Next();
  bool ended() const { return ended_; }  // the last piece was given

 private:
  ScriptSource* source_;
  size_t pieceBytes_;
  std::string carried_;  // the start of a line that the last piece left out
  bool ended_ = false;
};

// The lines as the resource-script reader reads them, one at a time: split as above, but a UTF-16
// script keeps every character, as UTF-8, so that its texts lose none (an unpaired surrogate
// becomes '?'). No list of the lines is made: a large script has hundreds of thousands.
// Each line is a view into the script's bytes where it stands there whole; a UTF-16 script's
// text and a line with a CR inside it are made in `store`, which keeps them where they are while
// it grows. The bytes are either all in memory, or read from a source in pieces of whole lines,
// each kept until the reading says it is done with the lines before a given one.
class ReaderLines {
 public:
  ReaderLines(std::string_view bytes, std::deque<std::string>& store);
  // Reads the first piece at once: it tells whether the script is UTF-16, which is read whole.
  ReaderLines(ScriptSource& source, size_t pieceBytes, std::deque<std::string>& store);
  // The lines are views into the pieces: a copy would view its original's. A move keeps them
  // where they are.
  ReaderLines(const ReaderLines&) = delete;
  ReaderLines& operator=(const ReaderLines&) = delete;
  ReaderLines(ReaderLines&&) = default;
  ReaderLines& operator=(ReaderLines&&) = default;
  bool fromUtf16() const { return fromUtf16_; }  // the lines are UTF-8 decoded from UTF-16
  // The next line, false past the last.
  bool Next(std::string_view& line);
  size_t taken() const { return taken_; }        // the lines given so far
  size_t lastSize() const { return lastSize_; }  // the size of the last line given
  // Frees the pieces whose lines all come before line number `line`; never the piece being split.
  void ReleaseBefore(size_t line);

 private:
  struct Piece {
    std::string bytes;  // whole lines, the last one ended by its LF unless the script ends there
    size_t firstLine = 0;
  };
  // The next piece to split, false when the source has no more.
  bool NextPiece();

  bool fromUtf16_ = false;
  std::deque<std::string>* store_;
  LineSplitter lines_;
  size_t taken_ = 0, lastSize_ = 0;
  std::optional<LinePieces> source_;  // none: every byte was there from the start
  std::deque<Piece> pieces_;
};

// Appends a character (a code point below 0x110000) as UTF-8.
void AppendUtf8(std::string& text, unsigned character);

}  // namespace tolvex::rc
