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
constexpr char UpperChar(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
inline std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpperChar(c);
  return upper;
}
// Whether text upper-cased is `upper`, without making the upper-case copy.
inline bool UpperCaseIs(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (UpperChar(text[i]) != upper[i]) return false;
  }
  return true;
}

}  // namespace tolvex::rc
