// The character rules every part of Tolvex shares: what an identifier is made of, and upper case.
// Resource scripts name things in ASCII; every other byte is kept as it is.
#pragma once

#include <string>
#include <string_view>

namespace tolvex::rc {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsIdentifierStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
constexpr bool IsIdentifierByte(char c) { return IsIdentifierStart(c) || IsDigit(c); }

// A whole text that reads as one identifier.
inline bool IsIdentifier(std::string_view text) {
  if (text.empty() || !IsIdentifierStart(text[0])) return false;
  for (const char c : text) {
    if (!IsIdentifierByte(c)) return false;
  }
  return true;
}

// ASCII letters upper-cased, every other byte kept.
inline std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace tolvex::rc
