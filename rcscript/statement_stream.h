// The statement reader's view of the tokens: look-ahead, the fields every statement shares, and
// the skip to the next statement after an error.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "rcscript/ascii.h"
#include "rcscript/expressions.h"
#include "rcscript/model.h"
#include "rcscript/preprocessor.h"

namespace tolvex::rc {

class StatementStream : public TokenCursor {
 public:
  explicit StatementStream(Preprocessor& preprocessor) : preprocessor_(preprocessor) {}

  const Token& Peek(size_t ahead = 0) override;
  Token Take() override;
  Reporter& Report() { return preprocessor_.Report(); }
  // Between statements: the lines before the first token looked ahead at are done with.
  void ReleaseReadLines() { preprocessor_.ReleaseReadLines(Peek()); }
  SourcePlace PlaceOf(const Token& token) { return Report().PlaceOf(token); }

  // Reports an error at a token; returns false, for `return Fail(...)`.
  bool Fail(const Token& at, std::string message);
  bool Expected(const std::string& expected, const std::string& what);

  // After an error: passes over the rest of the statement that began with `start`, up to the
  // next token that starts a line, BEGIN, END, "{", "}" or the end of the file.
  void SkipStatement(const Token& start);
  // Passes over a BEGIN ... END block whole, nested blocks included.
  bool SkipBlock(const std::string& what);
  // Passes over memory options (DISCARDABLE, MOVEABLE, PRELOAD ...).
  void SkipMemoryOptions();

  // "," or an error naming what should have followed.
  bool Comma(std::string_view what);
  // Takes a "," when one follows: the start of an optional field.
  bool OptionalComma();
  // After an optional field's comma: false when the field is left empty (", ," or a last ","
  // before BEGIN, END or the next statement's keyword).
  bool FieldWritten();

  // An expression; `needNumber` makes a name without a value an error.
  bool ReadValue(std::string_view what, bool needNumber, Value& out);
  // A style: `implied` bits, the written terms added, NOT terms cleared.
  bool ReadStyle(std::string_view what, std::uint32_t implied, Style& out);
  // A string literal.
  bool ReadString(std::string_view what, CompactText& out);
  // A resource name or class: a string, or an expression (a number or a name).
  bool ReadName(std::string_view what, Value& out);

 private:
  Preprocessor& preprocessor_;
  std::deque<Token> ahead_;
};

bool IsBlockStart(const Token& token);
bool IsBlockEnd(const Token& token);
bool SamePlace(const Token& a, const Token& b);

}  // namespace tolvex::rc
