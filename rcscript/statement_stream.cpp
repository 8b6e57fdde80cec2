#include "rcscript/statement_stream.h"

#include <utility>

#include "rcscript/keywords.h"
#include "rcscript/resources.h"

namespace tolvex::rc {

bool IsBlockStart(const Token& token) {
  return IsKeyword(token, "BEGIN") || IsOperator(token, "{");
}
bool IsBlockEnd(const Token& token) { return IsKeyword(token, "END") || IsOperator(token, "}"); }

bool SamePlace(const Token& a, const Token& b) {
  return a.file == b.file && a.line == b.line && a.column == b.column;
}

const Token& StatementStream::Peek(size_t ahead) {
  while (ahead_.size() <= ahead) ahead_.push_back(preprocessor_.Next());
  return ahead_[ahead];
}

Token StatementStream::Take() {
  if (ahead_.empty()) return preprocessor_.Next();
  Token token = std::move(ahead_.front());
  ahead_.pop_front();
  return token;
}

bool StatementStream::Fail(const Token& at, std::string message) {
  Report().ErrorAt(at, std::move(message));
  return false;
}

bool StatementStream::Expected(const std::string& expected, const std::string& what) {
  const Token& at = Peek();
  return Fail(at, "expected " + expected + " " + what + ", got " + Described(at));
}

void StatementStream::SkipStatement(const Token& start) {
  if (Peek().kind != TokenKind::kEnd && SamePlace(Peek(), start)) Take();
  for (;;) {
    const Token& next = Peek();
    if (next.kind == TokenKind::kEnd || next.lineStart || IsBlockStart(next) || IsBlockEnd(next)) {
      return;
    }
    Take();
  }
}

bool StatementStream::SkipBlock(const std::string& what) {
  size_t depth = 0;
  do {
    const Token token = Take();
    if (token.kind == TokenKind::kEnd) {
      return Fail(token, "expected END for " + what + ", got the end of the file");
    }
    if (IsBlockStart(token)) ++depth;
    if (IsBlockEnd(token)) --depth;
  } while (depth > 0);
  return true;
}

void StatementStream::SkipMemoryOptions() {
  while (IsMemoryOption(Peek())) Take();
}

bool StatementStream::Comma(std::string_view what) {
  if (IsOperator(Peek(), ",")) {
    Take();
    return true;
  }
  return Expected("\",\"", "before " + std::string(what));
}

bool StatementStream::OptionalComma() {
  if (!IsOperator(Peek(), ",")) return false;
  Take();
  return true;
}

bool StatementStream::FieldWritten() {
  const Token& next = Peek();
  return StartsExpression(next, ExpressionMode::kStatement) && !IsBlockStart(next) &&
         !IsBlockEnd(next) && !StartsStatement(next);
}

bool StatementStream::ReadValue(std::string_view what, bool needNumber, Value& out) {
  Expression e;
  if (!ReadExpression(*this, ExpressionMode::kStatement, what, Report(), e)) return false;
  out.text = std::move(e.text);
  if (e.known) {
    out.number = static_cast<std::int32_t>(static_cast<std::uint32_t>(e.value));
  } else if (needNumber) {
    return Fail(e.firstUnknown, "expected a number for " + std::string(what) + ", got " +
                                    Described(e.firstUnknown));
  }
  return true;
}

bool StatementStream::ReadStyle(std::string_view what, std::uint32_t implied, Style& out) {
  Expression e;
  if (!ReadExpression(*this, ExpressionMode::kStatement, what, Report(), e)) return false;
  out.text = std::move(e.text);
  if (e.known) {
    out.number = (implied & ~e.cleared) | static_cast<std::uint32_t>(e.value);
  } else {
    out.number.reset();
    const std::string named(what);
    Report().WarningAt(e.firstUnknown, "the name " + Described(e.firstUnknown) + " in " + named +
                                           " has no value the reader knows; the number of " +
                                           named + " is left unknown");
  }
  return true;
}

bool StatementStream::ReadString(std::string_view what, CompactText& out) {
  if (Peek().kind != TokenKind::kString) return Expected("a string", "for " + std::string(what));
  out = Take().text;
  return true;
}

bool StatementStream::ReadName(std::string_view what, Value& out) {
  if (Peek().kind == TokenKind::kString) {
    out.text = Take().text;
    out.number.reset();
    return true;
  }
  return ReadValue(what, false, out);
}

}  // namespace tolvex::rc
