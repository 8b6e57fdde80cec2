#include "rcscript/tokens.h"

#include "rcscript/ascii.h"
#include "rcscript/script_lines.h"

namespace tolvex::rc {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A number's value: decimal, or hexadecimal after 0x, then any of the suffixes L and U. A leading
// 0 does not make it octal: the resource compiler reads 010 as ten.
void ReadNumber(Token& token) {
  std::string_view s = token.text;
  while (!s.empty() && (s.back() == 'L' || s.back() == 'l' || s.back() == 'U' || s.back() == 'u')) {
    s.remove_suffix(1);
  }
  std::uint32_t value = 0;
  bool valid = !s.empty();
  if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    s.remove_prefix(2);
    valid = !s.empty();
    for (const char c : s) {
      const int digit = HexDigit(c);
      if (digit < 0) valid = false;
      value = value * 16u + static_cast<std::uint32_t>(digit < 0 ? 0 : digit);
    }
  } else {
    for (const char c : s) {
      if (!IsDigit(c)) valid = false;
      value = value * 10u + static_cast<std::uint32_t>(IsDigit(c) ? c - '0' : 0);
    }
  }
  token.number = value;
  token.numberValid = valid;
}

// An escape's character: a byte, or in UTF-8 text the character of that number.
void AppendEscaped(unsigned value, bool utf8, std::string& text) {
  if (utf8) {
    AppendUtf8(text, value);
  } else {
    text += static_cast<char>(value);
  }
}

// The escape after a backslash at s[i]; advances i past it.
void DecodeEscape(std::string_view s, size_t& i, size_t end, bool utf8, std::string& text) {
  static constexpr struct {
    char letter, byte;
  } kSimple[] = {{'n', '\n'}, {'t', '\t'}, {'r', '\r'},  {'a', '\a'}, {'b', '\b'},
                 {'f', '\f'}, {'v', '\v'}, {'\\', '\\'}, {'"', '"'},  {'\'', '\''}};
  if (i + 1 >= end) {  // a backslash just before the line's end stays itself
    text += '\\';
    ++i;
    return;
  }
  const char c = s[i + 1];
  for (const auto& e : kSimple) {
    if (e.letter == c) {
      text += e.byte;
      i += 2;
      return;
    }
  }
  if (c >= '0' && c <= '7') {
    unsigned value = 0;
    size_t j = i + 1;
    for (int n = 0; n < 3 && j < end && s[j] >= '0' && s[j] <= '7'; ++n, ++j) {
      value = value * 8 + static_cast<unsigned>(s[j] - '0');
    }
    AppendEscaped(value & 0xFF, utf8, text);
    i = j;
    return;
  }
  if ((c == 'x' || c == 'X') && i + 2 < end && HexDigit(s[i + 2]) >= 0) {
    unsigned value = 0;
    size_t j = i + 2;
    for (int n = 0; n < 2 && j < end && HexDigit(s[j]) >= 0; ++n, ++j) {
      value = value * 16 + static_cast<unsigned>(HexDigit(s[j]));
    }
    AppendEscaped(value, utf8, text);
    i = j;
    return;
  }
  // Any other escape keeps its backslash, as the resource compiler does.
  text += '\\';
  text += c;
  i += 2;
}

constexpr std::string_view kTwoByteOperators[] = {"||", "&&", "==", "!=", "<=", ">=", "<<", ">>"};
constexpr std::string_view kOneByteOperators = "|&+-~*/(),{}!<>=%^";

}  // namespace

void LexLine(std::string_view s, size_t from, size_t to, int file, int lineNumber, LexState& state,
             std::vector<Token>& out, std::deque<std::string>& texts, const std::string& fileName,
             DiagnosticList& diagnostics) {
  size_t i = from;
  const size_t end = to < s.size() ? to : s.size();
  bool first = true;
  while (i < end) {
    if (state.inComment) {
      const size_t close = s.substr(0, end).find("*/", i);
      if (close == std::string_view::npos) return;
      state.inComment = false;
      i = close + 2;
      continue;
    }
    const char c = s[i];
    if (IsBlank(c)) {
      ++i;
      continue;
    }
    if (c == '/' && i + 1 < end && s[i + 1] == '/') return;
    if (c == '/' && i + 1 < end && s[i + 1] == '*') {
      state.inComment = true;
      state.commentLine = lineNumber;
      state.commentColumn = static_cast<int>(i + 1);
      i += 2;
      continue;
    }
    Token token;
    token.file = file;
    token.line = lineNumber;
    token.column = static_cast<int>(i + 1);
    token.coding = state.coding;
    token.lineStart = first;
    first = false;
    const size_t start = i;
    const bool wide = (c == 'L' || c == 'l') && i + 1 < end && s[i + 1] == '"';
    if (c == '"' || wide) {
      token.kind = TokenKind::kString;
      i += wide ? 2 : 1;
      // Most strings hold no escape: their text is the bytes between the quotes.
      const size_t textStart = i;
      while (i < end && s[i] != '"' && s[i] != '\\') ++i;
      const bool plain = i >= end || (s[i] == '"' && (i + 1 >= end || s[i + 1] != '"'));
      bool closed = plain && i < end;
      if (plain) {
        token.text = s.substr(textStart, i - textStart);
        if (closed) ++i;
      } else {
        std::string text(s.substr(textStart, i - textStart));
        while (i < end) {
          if (s[i] == '"') {
            if (i + 1 < end && s[i + 1] == '"') {
              text += '"';
              i += 2;
              continue;
            }
            ++i;
            closed = true;
            break;
          }
          if (s[i] == '\\') {
            DecodeEscape(s, i, end, state.coding.utf8, text);
          } else {
            text += s[i++];
          }
        }
        token.text = texts.emplace_back(std::move(text));
      }
      if (!closed) {
        diagnostics.Error(fileName, lineNumber, token.column,
                          "a string is not closed before the end of its line");
      }
    } else if (IsIdentifierStart(c)) {
      token.kind = TokenKind::kIdentifier;
      while (i < end && IsIdentifierByte(s[i])) ++i;
      token.text = s.substr(start, i - start);
    } else if (IsDigit(c)) {
      token.kind = TokenKind::kNumber;
      while (i < end && IsIdentifierByte(s[i])) ++i;
      token.text = s.substr(start, i - start);
      ReadNumber(token);
    } else {
      token.kind = TokenKind::kOperator;
      size_t length = 0;
      for (const std::string_view op : kTwoByteOperators) {
        if (i + 2 <= end && IsSpelt(s.substr(i, 2), op)) length = 2;
      }
      if (length == 0) {
        length = 1;
        if (kOneByteOperators.find(c) == std::string_view::npos) token.kind = TokenKind::kOther;
      }
      i += length;
      token.text = s.substr(start, length);
    }
    token.written = s.substr(start, i - start);
    out.push_back(std::move(token));
  }
}

bool IsKeyword(const Token& token, std::string_view keyword) {
  return token.kind == TokenKind::kIdentifier && UpperCaseIs(token.text, keyword);
}

bool IsOperator(const Token& token, std::string_view op) {
  return token.kind == TokenKind::kOperator && IsSpelt(token.text, op);
}

std::string Described(const Token& token) {
  if (token.kind == TokenKind::kEnd) return "the end of the file";
  return Quoted(std::string(token.written.empty() ? token.text : token.written));
}

}  // namespace tolvex::rc

namespace tolvex::rc {

const std::string& Reporter::FileName(int file) const {
  static const std::string kNone;
  return file >= 0 && static_cast<size_t>(file) < fileNames_.size() ? *fileNames_[file] : kNone;
}

SourcePlace Reporter::PlaceOf(const Token& token) const {
  const bool known = token.file >= 0 && static_cast<size_t>(token.file) < fileNames_.size();
  return {known ? fileNames_[token.file] : SharedName(), token.line};
}

void Reporter::ErrorAt(const Token& token, std::string message) {
  list_.Error(FileName(token.file), token.line, token.column, std::move(message));
}

void Reporter::WarningAt(const Token& token, std::string message) {
  list_.Warning(FileName(token.file), token.line, token.column, std::move(message));
}

void WrittenText::Append(const Token& token) {
  if (token.written.empty()) return;
  const bool bar = IsOperator(token, "|");
  const bool word = token.kind == TokenKind::kIdentifier || token.kind == TokenKind::kNumber ||
                    token.kind == TokenKind::kString;
  const bool blank = last_ == Last::kBlankAfter || bar || (word && last_ == Last::kWord);
  if (blank && !text_.empty()) text_ += ' ';
  text_ += token.written;
  if (bar || IsKeyword(token, "NOT")) {
    last_ = Last::kBlankAfter;
  } else {
    last_ = word ? Last::kWord : Last::kOther;
  }
}

}  // namespace tolvex::rc
