// The tokens of a resource script and the lexer that cuts one line into them.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rcscript/diagnostics.h"
#include "rcscript/model.h"

namespace tolvex::rc {

enum class TokenKind : std::uint8_t {
  kEnd,         // past the last line of the script
  kIdentifier,  // keywords too: the parser compares them without regard to case
  kNumber,
  kString,
  kOperator,  // | & + - ~ * / ( ) , { } and the comparisons of #if lines
  kOther,     // any other byte; only a statement that needs it complains
};

struct Token {
  TokenKind kind = TokenKind::kEnd;
  // An identifier, operator or number as spelt; a string's text with its escapes decoded. Both
  // are views into the line the token was read from, or into the reading's store of texts: they
  // live as long as the reading.
  std::string_view text;
  // How the token reads in the script (a string with its quotes). A token that a define put in
  // place reads as the define's name on its first token and as nothing on the others.
  std::string_view written;
  std::uint32_t number = 0;  // a number's value, modulo 2^32
  bool numberValid = false;  // false for a malformed number such as 12ab or 0x
  bool lineStart = false;    // the first token of its line: where a statement can start again
  int file = 0;              // index of the file in the reading's list of files
  int line = 0;
  int column = 0;
  TextCoding coding;  // of the line it was read from (a define's tokens keep their define's)
};

// What the lexer carries from one line to the next: a /* comment still open, and where it opened.
struct LexState {
  bool inComment = false;
  int commentLine = 0;
  int commentColumn = 0;
  // Of the lines: UTF-8 lines make a string's escaped character (\xE9, \351) that character in
  // UTF-8; every token read is marked with it.
  TextCoding coding;
};

// Cuts bytes [from, to) of a line into tokens, appending them to `out`:
//   identifier  [A-Za-z_][A-Za-z0-9_]*
//   number      [0-9][A-Za-z0-9_]*  decimal, or hexadecimal after 0x; L and U suffixes
//   string      [L]"..." with "" for a quote and the escapes \n \t \r \a \b \f \v \\ \" \' \ooo
//   \xhh operator    | & + - ~ * / ( ) , { } ! < > = and || && == != <= >= << >> comment     // to
//   the line's end, /* to */ across lines
// An unterminated string is an error; it ends at the line's end. The tokens are views into `line`,
// but for a string whose escapes make a text of its own: that text is kept in `texts`.
void LexLine(std::string_view line, size_t from, size_t to, int file, int lineNumber,
             LexState& state, std::vector<Token>& out, std::deque<std::string>& texts,
             const std::string& fileName, DiagnosticList& diagnostics);

// Whether a token is the keyword (an identifier equal to it whatever the case).
bool IsKeyword(const Token& token, std::string_view keyword);
bool IsOperator(const Token& token, std::string_view op);
// Whether a short text (an operator's) is `spelling`: compared byte by byte in place, since a
// call to compare bytes costs more than the bytes.
inline bool IsSpelt(std::string_view text, std::string_view spelling) {
  if (text.size() != spelling.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != spelling[i]) return false;
  }
  return true;
}

// A token as a message names it: its written form in quotes, or "the end of the file".
std::string Described(const Token& token);

}  // namespace tolvex::rc

namespace tolvex::rc {

// Reports diagnostics at a token's place, naming its file as the reading knows it.
class Reporter {
 public:
  Reporter(const std::vector<SharedName>& fileNames, DiagnosticList& list)
      : fileNames_(fileNames), list_(list) {}
  void ErrorAt(const Token& token, std::string message);
  void WarningAt(const Token& token, std::string message);
  const std::string& FileName(int file) const;
  SourcePlace PlaceOf(const Token& token) const;
  DiagnosticList& List() { return list_; }

 private:
  const std::vector<SharedName>& fileNames_;
  DiagnosticList& list_;
};

// Tokens joined back into text, as a model keeps a style or an expression: each token as written,
// one blank around "|", after NOT and between two words, none elsewhere.
class WrittenText {
 public:
  void Append(const Token& token);
  const std::string& Text() const { return text_; }
  std::string TakeText() { return std::move(text_); }

 private:
  std::string text_;
  enum class Last { kNothing, kWord, kBlankAfter, kOther } last_ = Last::kNothing;
};

}  // namespace tolvex::rc
