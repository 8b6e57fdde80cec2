#include "rcscript/expressions.h"

#include <limits>

#include "rcscript/limits.h"
#include "rcscript/standard_constants.h"

namespace tolvex::rc {
namespace {

// Binary operators with their binding in each mode; 0: not an operator there.
struct BinaryOperator {
  std::string_view spelling;
  int statementLevel;
  int conditionLevel;
};

constexpr BinaryOperator kBinaryOperators[] = {
    {"||", 0, 1}, {"&&", 0, 2}, {"|", 1, 3}, {"^", 0, 4},  {"&", 1, 5},  {"==", 0, 6},
    {"!=", 0, 6}, {"<", 0, 7},  {">", 0, 7}, {"<=", 0, 7}, {">=", 0, 7}, {"<<", 0, 8},
    {">>", 0, 8}, {"+", 1, 9},  {"-", 1, 9}, {"*", 2, 10}, {"/", 2, 10}, {"%", 0, 10},
};

// The integer types a cast may name.
constexpr std::string_view kCastTypes[] = {"DWORD", "WORD",  "UINT",  "INT",      "LONG",
                                           "ULONG", "BYTE",  "SHORT", "USHORT",   "int",
                                           "long",  "short", "char",  "unsigned", "signed"};

int LevelOf(const Token& token, ExpressionMode mode) {
  if (token.kind != TokenKind::kOperator) return 0;
  const std::string_view text = token.text;
  for (const BinaryOperator& op : kBinaryOperators) {
    if (IsSpelt(text, op.spelling)) {
      return mode == ExpressionMode::kStatement ? op.statementLevel : op.conditionLevel;
    }
  }
  return 0;
}

bool IsCastType(const Token& token) {
  if (token.kind != TokenKind::kIdentifier) return false;
  const std::string_view text = token.text;
  for (const std::string_view type : kCastTypes) {
    if (text == type) return true;
  }
  return false;
}

std::int64_t Wrap(std::uint64_t bits) { return static_cast<std::int64_t>(bits); }

class ExpressionReader {
 public:
  ExpressionReader(TokenCursor& tokens, ExpressionMode mode, std::string_view what,
                   Reporter& reporter, Expression& out)
      : tokens_(tokens), mode_(mode), what_(what), reporter_(reporter), out_(out) {}

  bool Read() {
    const bool read = Binary(1, out_.value, out_.cleared);
    out_.text = written_.TakeText();
    return read;
  }

 private:
  Token Take() {
    Token token = tokens_.Take();
    written_.Append(token);
    return token;
  }

  bool Fail(const Token& at, const std::string& expected) {
    reporter_.ErrorAt(
        at, "expected " + expected + " for " + std::string(what_) + ", got " + Described(at));
    return false;
  }

  bool Binary(int minLevel, std::int64_t& value, std::uint32_t& cleared) {
    if (!Unary(value, cleared)) return false;
    for (;;) {
      const Token& next = tokens_.Peek();
      const int level = LevelOf(next, mode_);
      if (level == 0 || level < minLevel) return true;
      const Token op = Take();
      std::int64_t right = 0;
      std::uint32_t rightCleared = 0;
      if (!Binary(level + 1, right, rightCleared)) return false;
      if (!Apply(op, value, right, rightCleared)) return false;
      cleared |= rightCleared;
    }
  }

  bool Apply(const Token& op, std::int64_t& left, std::int64_t right, std::uint32_t rightCleared) {
    const auto l = static_cast<std::uint64_t>(left);
    const auto r = static_cast<std::uint64_t>(right);
    const std::string_view o = op.text;
    if (o == "|") {
      left = Wrap((l & ~static_cast<std::uint64_t>(rightCleared)) | r);
    } else if (o == "&") {
      left = Wrap(l & r);
    } else if (o == "^") {
      left = Wrap(l ^ r);
    } else if (o == "+") {
      left = Wrap(l + r);
    } else if (o == "-") {
      left = Wrap(l - r);
    } else if (o == "*") {
      left = Wrap(l * r);
    } else if (o == "<<") {
      left = Wrap(l << (r & 63));
    } else if (o == ">>") {
      left = Wrap(l >> (r & 63));
    } else if (o == "/" || o == "%") {
      if (right == 0) {
        reporter_.ErrorAt(op, "division by zero in " + std::string(what_));
        return false;
      }
      if (left == std::numeric_limits<std::int64_t>::min() && right == -1) {
        left = o == "/" ? left : 0;
      } else {
        left = o == "/" ? left / right : left % right;
      }
    } else if (o == "||") {
      left = (left != 0 || right != 0) ? 1 : 0;
    } else if (o == "&&") {
      left = (left != 0 && right != 0) ? 1 : 0;
    } else if (o == "==") {
      left = left == right;
    } else if (o == "!=") {
      left = left != right;
    } else if (o == "<") {
      left = left < right;
    } else if (o == ">") {
      left = left > right;
    } else if (o == "<=") {
      left = left <= right;
    } else if (o == ">=") {
      left = left >= right;
    }
    return true;
  }

  bool Unary(std::int64_t& value, std::uint32_t& cleared) {
    if (++depth_ > kMaxExpressionDepth) {
      reporter_.ErrorAt(tokens_.Peek(), std::string(what_) + " is nested too deeply");
      return false;
    }
    const bool ok = UnaryBody(value, cleared);
    --depth_;
    return ok;
  }

  bool UnaryBody(std::int64_t& value, std::uint32_t& cleared) {
    const Token& next = tokens_.Peek();
    const bool isNot = IsKeyword(next, "NOT") && mode_ == ExpressionMode::kStatement;
    if (isNot || IsOperator(next, "-") || IsOperator(next, "~") || IsOperator(next, "+") ||
        (IsOperator(next, "!") && mode_ == ExpressionMode::kCondition)) {
      const Token op = Take();
      if (!Unary(value, cleared)) return false;
      const auto bits = static_cast<std::uint64_t>(value);
      if (isNot) {
        cleared = static_cast<std::uint32_t>(bits);
        value = 0;
      } else if (op.text == "-") {
        value = Wrap(0 - bits);
      } else if (op.text == "~") {
        value = Wrap(~bits);
      } else if (op.text == "!") {
        value = value == 0 ? 1 : 0;
      }
      return true;
    }
    if (IsOperator(next, "(")) {
      Take();
      if (IsCastType(tokens_.Peek()) && IsOperator(tokens_.Peek(1), ")")) {
        Take();
        Take();
        return Unary(value, cleared);
      }
      if (!Binary(1, value, cleared)) return false;
      if (!IsOperator(tokens_.Peek(), ")")) return Fail(tokens_.Peek(), "\")\"");
      Take();
      return true;
    }
    if (next.kind == TokenKind::kNumber) {
      if (!next.numberValid) {
        reporter_.ErrorAt(next,
                          "malformed number " + Described(next) + " in " + std::string(what_));
        return false;
      }
      value = Take().number;
      return true;
    }
    if (next.kind == TokenKind::kIdentifier) {
      const Token name = Take();
      if (const auto constant = StandardConstant(name.text)) {
        value = *constant;
      } else {
        value = 0;
        if (mode_ == ExpressionMode::kStatement && out_.known) {
          out_.known = false;
          out_.firstUnknown = name;
        }
      }
      return true;
    }
    return Fail(next, "a number or a name");
  }

  TokenCursor& tokens_;
  ExpressionMode mode_;
  std::string_view what_;
  Reporter& reporter_;
  Expression& out_;
  WrittenText written_;
  int depth_ = 0;
};

}  // namespace

bool StartsExpression(const Token& token, ExpressionMode mode) {
  if (token.kind == TokenKind::kNumber || token.kind == TokenKind::kIdentifier) return true;
  if (mode == ExpressionMode::kCondition && IsOperator(token, "!")) return true;
  return IsOperator(token, "(") || IsOperator(token, "-") || IsOperator(token, "~") ||
         IsOperator(token, "+");
}

bool ReadExpression(TokenCursor& tokens, ExpressionMode mode, std::string_view what,
                    Reporter& reporter, Expression& out) {
  out = Expression{};
  return ExpressionReader(tokens, mode, what, reporter, out).Read();
}

}  // namespace tolvex::rc
