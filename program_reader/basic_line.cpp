#include "program_reader/basic_line.h"

#include <cctype>
#include <limits>

namespace tolvex::program {
namespace {

// Calls nest this deep at most: LoadFont inside SetGadgetFont is the deepest a program holds.
constexpr int kMostCallDepth = 8;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNamePart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int DigitValue(char c, int base) {
  const int value = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : std::isxdigit(static_cast<unsigned char>(c))
                        ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                        : 99;
  return value < base ? value : -1;
}

// Appends a digit to value; false when the value would leave the 64-bit range.
bool Accumulate(std::int64_t& value, int digit, int base) {
  if (value > (std::numeric_limits<std::int64_t>::max() - digit) / base) return false;
  value = value * base + digit;
  return true;
}

// The escapes of a "!" literal that stand for one character each.
constexpr struct {
  char letter;
  char value;
} kEscapes[] = {{'"', '"'},  {'\\', '\\'}, {'\'', '\''}, {'a', '\a'}, {'b', '\b'}, {'f', '\f'},
                {'l', '\n'}, {'n', '\n'},  {'r', '\r'},  {'t', '\t'}, {'v', '\v'}};

// Reads the escape after a backslash at line[at]; at ends after it. Empty on an escape the reader
// does not know: "\&hXX" (one or two hex digits) and "\NNN" (one to three decimal digits up to
// 255) are the numbered ones.
std::string Escape(std::string_view line, size_t& at) {
  if (at >= line.size()) return {};
  const char c = line[at];
  for (const auto& escape : kEscapes) {
    if (escape.letter == c) {
      ++at;
      return std::string(1, escape.value);
    }
  }
  int base = 10, most = 3;
  if (c == '&' && at + 1 < line.size() && (line[at + 1] == 'h' || line[at + 1] == 'H')) {
    base = 16, most = 2, at += 2;
  }
  std::int64_t value = 0;
  int digits = 0;
  while (digits < most && at < line.size() && DigitValue(line[at], base) >= 0) {
    value = value * base + DigitValue(line[at++], base);
    ++digits;
  }
  if (digits == 0 || value > 255) return {};
  return std::string(1, static_cast<char>(value));
}

// A literal from its opening quote at line[at]; at ends after its closing quote.
bool ReadLiteral(std::string_view line, size_t& at, bool escaped, Text& text) {
  ++at;
  while (at < line.size()) {
    const char c = line[at];
    if (c == '"') {
      if (at + 1 < line.size() && line[at + 1] == '"') {
        text.written += "\"\"";
        text.value += '"';
        at += 2;
        continue;
      }
      ++at;
      return true;
    }
    if (escaped && c == '\\') {
      const size_t start = at++;
      const std::string value = Escape(line, at);
      if (value.empty()) return false;
      text.written += line.substr(start, at - start);
      text.value += value;
      continue;
    }
    text.written += c;
    text.value += c;
    ++at;
  }
  return false;
}

bool ReadNumber(std::string_view line, size_t& at, std::int64_t& value) {
  int base = 10;
  if (line[at] == '&') base = 16, at += 2;
  const size_t start = at;
  value = 0;
  while (at < line.size() && DigitValue(line[at], base) >= 0) {
    if (!Accumulate(value, DigitValue(line[at], base), base)) return false;
    ++at;
  }
  return at > start;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool IsCommentOrBlank(std::string_view line) {
  const size_t first = line.find_first_not_of(" \t\r");
  return first == std::string_view::npos || line[first] == '\'';
}

LineTokens Tokenize(std::string_view line) {
  static constexpr std::string_view kMarks = "(),=+-*/<>#.:;";
  LineTokens out;
  size_t at = 0;
  while (at < line.size()) {
    const char c = line[at];
    if (IsBlank(c)) {
      ++at;
      continue;
    }
    if (c == '\'') break;
    Token token;
    if (IsNameStart(c)) {
      const size_t start = at;
      while (at < line.size() && IsNamePart(line[at])) ++at;
      token.kind = Token::Kind::kName;
      token.written = std::string(line.substr(start, at - start));
      if (SameName(token.written, "REM")) break;
    } else if (std::isdigit(static_cast<unsigned char>(c)) ||
               (c == '&' && at + 1 < line.size() && (line[at + 1] == 'h' || line[at + 1] == 'H'))) {
      token.kind = Token::Kind::kNumber;
      const size_t start = at;
      if (!ReadNumber(line, at, token.number)) {
        out.error = "a number out of range or without digits";
        return out;
      }
      token.written = std::string(line.substr(start, at - start));
    } else if (c == '"' ||
               ((c == '!' || c == '$') && at + 1 < line.size() && line[at + 1] == '"')) {
      token.kind = Token::Kind::kText;
      if (c != '"') token.text.mark = std::string(1, c);
      if (c != '"') ++at;
      if (!ReadLiteral(line, at, c == '!', token.text)) {
        out.error = "a literal that is not closed, or an escape the reader does not know";
        return out;
      }
    } else if (kMarks.find(c) != std::string_view::npos) {
      token.written = std::string(1, c);
      ++at;
    } else {
      out.error = "a character the reader does not know";
      return out;
    }
    out.tokens.push_back(std::move(token));
  }
  return out;
}

bool Cursor::Take(std::string_view nameOrMark) {
  const Token* token = Peek();
  if (token == nullptr || token->kind == Token::Kind::kNumber ||
      token->kind == Token::Kind::kText || !SameName(token->written, nameOrMark))
    return false;
  ++at_;
  return true;
}

const Token* Cursor::TakeName() {
  const Token* token = Peek();
  if (token == nullptr || token->kind != Token::Kind::kName) return nullptr;
  ++at_;
  return token;
}

bool Cursor::TakeCallToEnd(std::vector<Argument>& arguments) {
  return TakeArguments(arguments, 0) && AtEnd();
}

bool Cursor::TakeArguments(std::vector<Argument>& arguments, int depth) {
  if (depth > kMostCallDepth || !Take("(")) return false;
  if (Take(")")) return true;
  while (true) {
    Argument argument;
    if (!TakeArgument(argument, depth)) return false;
    arguments.push_back(std::move(argument));
    if (Take(")")) return true;
    if (!Take(",")) return false;
  }
}

bool Cursor::TakeArgument(Argument& argument, int depth) {
  const Token* token = Peek();
  if (token == nullptr) return false;
  if (token->kind == Token::Kind::kPunctuation) {
    if (token->written == "," || token->written == ")") return true;  // an empty argument
    const bool negative = token->written == "-";
    if (!negative && token->written != "+") return false;
    ++at_;
    const Token* number = Peek();
    if (number == nullptr || number->kind != Token::Kind::kNumber) return false;
    ++at_;
    argument.kind = Argument::Kind::kNumber;
    argument.number = negative ? -number->number : number->number;
    argument.name = token->written + number->written;
    return true;
  }
  ++at_;
  switch (token->kind) {
    case Token::Kind::kNumber:
      argument.kind = Argument::Kind::kNumber;
      argument.number = token->number;
      argument.name = token->written;
      return true;
    case Token::Kind::kText:
      argument.kind = Argument::Kind::kText;
      argument.text = token->text;
      return true;
    default: break;
  }
  argument.name = token->written;
  const Token* next = Peek();
  if (next == nullptr || next->kind != Token::Kind::kPunctuation || next->written != "(") {
    argument.kind = Argument::Kind::kName;
    return true;
  }
  argument.kind = Argument::Kind::kCall;
  return TakeArguments(argument.arguments, depth + 1);
}

}  // namespace tolvex::program
