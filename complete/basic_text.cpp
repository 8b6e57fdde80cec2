#include "complete/basic_text.h"

#include <algorithm>
#include <cstdio>

namespace tolvex::complete {
namespace {

bool NeedsEscape(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || byte == '"' || byte == '\\';
}

// The escape a byte takes inside an escaped literal.
std::string EscapeOf(unsigned char byte) {
  static constexpr struct {
    unsigned char byte;
    const char* escape;
  } kNamed[] = {{'"', "\\\""}, {'\\', "\\\\"}, {'\t', "\\t"}, {'\n', "\\n"}, {'\r', "\\r"}};
  for (const auto& named : kNamed) {
    if (named.byte == byte) return named.escape;
  }
  if (!NeedsEscape(byte)) return std::string(1, static_cast<char>(byte));
  char hex[8];
  std::snprintf(hex, sizeof hex, "\\&h%02X", byte);
  return hex;
}

}  // namespace

BasicText BasicTextOf(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  bool escaped = false;
  for (const char c : text) escaped = escaped || NeedsEscape(static_cast<unsigned char>(c));
  if (!escaped) return {"", std::string(text)};
  BasicText literal{"!", ""};
  for (const char c : text) literal.body += EscapeOf(static_cast<unsigned char>(c));
  return literal;
}

std::string BasicLiteral(std::string_view text) {
  const BasicText literal = BasicTextOf(text);
  return literal.mark + "\"" + literal.body + "\"";
}

std::string CommentText(std::string_view text) {
  const bool control = std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
  return control ? BasicLiteral(text) : std::string(text);
}

}  // namespace tolvex::complete
