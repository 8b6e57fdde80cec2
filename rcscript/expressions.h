// Integer expressions: the fields of statements and the conditions of #if lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rcscript/tokens.h"

namespace tolvex::rc {

// Where an expression's tokens come from: the statement reader's stream, or one #if line.
class TokenCursor {
 public:
  virtual ~TokenCursor() = default;
  virtual const Token& Peek(size_t ahead = 0) = 0;
  virtual Token Take() = 0;
};

enum class ExpressionMode {
  // A statement's field: "+ - | &" bind alike from left to right, "* /" tighter; unary "- ~ NOT";
  // a name that nothing defines leaves the value unknown.
  kStatement,
  // An #if line: the operators and precedence of C; a name that nothing defines is 0.
  kCondition,
};

struct Expression {
  std::string text;           // the tokens as written
  bool known = true;          // every name in it has a value
  std::int64_t value = 0;     // the value, when known
  std::uint32_t cleared = 0;  // the bits that NOT terms clear from a style's implied bits
  Token firstUnknown;         // the first name without a value
};

// Whether a token can begin an expression.
bool StartsExpression(const Token& token, ExpressionMode mode);

// Reads one expression:
//   expression := operand { binary-operator operand }
//   operand    := number | name | "(" expression ")" | "(" type ")" operand
//               | ("-" | "~" | "+" | NOT | "!") operand
// A cast to one of the integer types of the headers (DWORD, UINT ...) is read and ignored.
// On a syntax error, reports it naming `what` ("the control's width") and returns false.
bool ReadExpression(TokenCursor& tokens, ExpressionMode mode, std::string_view what,
                    Reporter& reporter, Expression& out);

}  // namespace tolvex::rc
