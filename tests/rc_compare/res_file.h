// A compiled resource file (.res): its entries, and a cursor over the fields of an entry's data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::rc_compare {

// UTF-16 code units to UTF-8 (a lone surrogate becomes U+FFFD), and UTF-8 of the first plane to
// UTF-16 little-endian bytes after a byte-order mark.
std::string Utf8FromUtf16(const std::u16string& units);
std::string Utf16FromUtf8(const std::string& text);

// A type, name, class or menu as the compiler stores it: a number (0xFFFF, ordinal) or a string.
struct ResName {
  std::optional<std::uint16_t> ordinal;
  std::string text;  // when no ordinal; empty when nothing is named
};

// Little-endian fields of a byte range, texts as UTF-8; a read past the end sets `failed` and
// gives zeros.
struct Cursor {
  std::uint32_t Read(size_t size);
  std::uint32_t U32() { return Read(4); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Read(2)); }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::string String();  // NUL-ended UTF-16
  ResName Name();        // 0xFFFF and an ordinal, or a string
  void Align4();
  void Skip(size_t size);

  std::string_view bytes;
  size_t at = 0;
  bool failed = false;
};

struct ResEntry {
  ResName type, name;
  std::string data;
};

// The entries of a .res file; false when it is cut short or malformed.
bool ReadResFile(std::string_view bytes, std::vector<ResEntry>& entries, std::string& error);

}  // namespace tolvex::rc_compare
