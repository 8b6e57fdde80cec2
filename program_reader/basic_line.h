// One line of FreeBASIC as the program reader sees it: names, numbers, string literals and
// punctuation up to a comment, and the arguments of a call. Names compare without regard to case,
// as the language does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "program_reader/program_plan.h"

namespace tolvex::program {

struct Token {
  enum class Kind { kName, kNumber, kText, kPunctuation };
  Kind kind = Kind::kPunctuation;
  std::string written;      // as written; a literal's is in text
  std::int64_t number = 0;  // kNumber
  Text text;                // kText
};

// The tokens of a line, or the reason it cannot be split into any (an open literal, an escape
// the language does not know, a number out of range, a character of no token).
struct LineTokens {
  std::vector<Token> tokens;
  std::string error;
};
LineTokens Tokenize(std::string_view line);

// The first non-blank of the line is a comment mark, or there is no non-blank.
bool IsCommentOrBlank(std::string_view line);

bool SameName(std::string_view a, std::string_view b);

// A call's argument: nothing, a number (with its sign), a name, a literal, or a call of its own.
struct Argument {
  enum class Kind { kEmpty, kNumber, kName, kText, kCall };
  Kind kind = Kind::kEmpty;
  std::int64_t number = 0;
  std::string name;  // kName, kCall, kNumber: as written (a number with its sign)
  Text text;
  std::vector<Argument> arguments;  // kCall
};

// Reads tokens from the start of a line.
class Cursor {
 public:
  explicit Cursor(const std::vector<Token>& tokens) : tokens_(tokens) {}

  bool AtEnd() const { return at_ >= tokens_.size(); }
  // The next token is the name (case aside) or the mark; if so it is taken.
  bool Take(std::string_view nameOrMark);
  // The next token when it is a name, taken; null otherwise.
  const Token* TakeName();
  // "( arguments )" up to the end of the line. False when the line holds anything else.
  bool TakeCallToEnd(std::vector<Argument>& arguments);
  // One argument, as in a call.
  bool TakeArgument(Argument& argument, int depth = 0);

 private:
  const Token* Peek() const { return AtEnd() ? nullptr : &tokens_[at_]; }
  bool TakeArguments(std::vector<Argument>& arguments, int depth);

  const std::vector<Token>& tokens_;
  size_t at_ = 0;
};

}  // namespace tolvex::program
